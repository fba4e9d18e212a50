#include "SearchPanel.h"

#include "PicturePanel.h"
#include "SettingsKeys.h"

namespace morvane {

SearchPanel::SearchPanel(const PanelHost& host)
    : PropertyPanel(host, {QStringLiteral("搜索属性设置"), {278, 388}, PicturePanel::UnsavedText})
{
    AddTabs(QStringLiteral("选择夹1"), {4, 4, 262, 306});
    QWidget* basic = AddPage(QStringLiteral("基本设置"));
    QWidget* colours = AddPage(QStringLiteral("颜色设置"));

    AddBadge(basic);
    const GeometryFields geometry = AddGeometryFields(basic, {8, 12});
    const auto [boxWidth, boxHeight] =
        AddSizeRow(basic, QStringLiteral("搜索框尺寸"), QStringLiteral("编辑框_搜框宽"), QStringLiteral("180"),
                   QStringLiteral("编辑框_搜框高"), QStringLiteral("30"), 136);
    const auto [buttonWidth, buttonHeight] =
        AddSizeRow(basic, QStringLiteral("按扭区尺寸"), QStringLiteral("编辑框_按扭宽"), QStringLiteral("50"),
                   QStringLiteral("编辑框_按扭高"), QStringLiteral("30"), 166);
    AddLabel(basic, QStringLiteral("预设关键字"), {8, 198, 74, 20});
    PanelField* keyword = AddField(basic, QStringLiteral("编辑框_预设字"), {84, 196, 160, 22});
    AddLabel(basic, QStringLiteral("店铺地址"), {8, 228, 74, 20});
    PanelField* shop = AddField(basic, QStringLiteral("编辑框_店铺"), {84, 226, 160, 22});

    // Each picker writes its own field only; typed colours are kept as typed.
    const auto colourRow = [this, colours](const QString& label, const QString& unitName, const QString& initial,
                                           const QString& pickerName, int y) {
        AddLabel(colours, label, {8, y + 2, 84, 20});
        PanelField* field = AddField(colours, unitName, {94, y, 110, 22}, initial);
        AddColourPicker(colours, pickerName, field, {208, y - 2, 26, 26});
        return field;
    };
    PanelField* boxBackground = colourRow(QStringLiteral("搜索框背景色"), QStringLiteral("编辑框_搜框背景色"),
                                          QStringLiteral("#fff"), QStringLiteral("颜色选择器1"), 16);
    PanelField* boxText = colourRow(QStringLiteral("搜索框文字色"), QStringLiteral("编辑框_搜框文字色"),
                                    QStringLiteral("#000"), QStringLiteral("颜色选择器2"), 50);
    PanelField* boxBorder = colourRow(QStringLiteral("搜索框边框色"), QStringLiteral("编辑框_搜框边框色"),
                                      QStringLiteral("#FF798A"), QStringLiteral("颜色选择器3"), 84);
    PanelField* buttonBackground = colourRow(QStringLiteral("按扭背景颜色"), QStringLiteral("编辑框_按扭背景色"),
                                             QStringLiteral("#FF798A"), QStringLiteral("颜色选择器4"), 118);
    PanelField* buttonText = colourRow(QStringLiteral("按扭文字颜色"), QStringLiteral("编辑框_按扭文字色"),
                                       QStringLiteral("#fff"), QStringLiteral("颜色选择器5"), 152);

    AddSaveButton(this, QStringLiteral("按钮1"), {(278 - 90) / 2, 318, 90, 28});

    using K = SearchKey;
    Bind(geometry.width, K::Width);
    Bind(geometry.height, K::Height);
    Bind(geometry.left, K::Left);
    Bind(geometry.top, K::Top);
    Bind(boxWidth, K::BoxWidth);
    Bind(boxHeight, K::BoxHeight);
    Bind(buttonWidth, K::ButtonWidth);
    Bind(buttonHeight, K::ButtonHeight);
    Bind(keyword, K::Keyword);
    Bind(shop, K::Shop);
    Bind(boxBackground, K::BoxBackground);
    Bind(boxText, K::BoxText);
    Bind(boxBorder, K::BoxBorder);
    Bind(buttonBackground, K::ButtonBackground);
    Bind(buttonText, K::ButtonText);

    // Every stored value comes back, so saving again changes nothing; a
    // search box never saved shows the window's defaults. The geometry
    // comes from the element, wherever it was moved since.
    SetLoadSteps({LoadBadge(), LoadSaveFlag(),
                  LoadFieldsOrInitial({shop, keyword, boxWidth, boxHeight, buttonWidth, buttonHeight, boxBackground,
                                       boxText, boxBorder, buttonBackground, buttonText}),
                  LoadGeometry()});
    SetSaveSteps({ShowStatus(QStringLiteral("正在保存设置，请稍候....")), WriteBindings(), MarkSaved(),
                  ShowStatus(QStringLiteral("载入保存设置完成，可再次修改...."))});
}

std::pair<PanelField*, PanelField*> SearchPanel::AddSizeRow(QWidget* page, const QString& label,
                                                            const QString& widthName, const QString& width,
                                                            const QString& heightName, const QString& height, int y)
{
    AddLabel(page, label, {8, y + 2, 74, 20});
    PanelField* first = AddField(page, widthName, {84, y, 56, 22}, width);
    AddLabel(page, QStringLiteral("×"), {144, y + 2, 12, 20});
    PanelField* second = AddField(page, heightName, {158, y, 56, 22}, height);
    AddLabel(page, QStringLiteral("PX"), {218, y + 2, 24, 20});
    return {first, second};
}

} // namespace morvane

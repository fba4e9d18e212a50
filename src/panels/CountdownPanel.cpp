#include "CountdownPanel.h"

#include "DesignDocument.h"
#include "KindColumns.h"
#include "KindTable.h"
#include "PanelDefaults.h"
#include "PicturePanel.h"
#include "SettingsKeys.h"

#include <QPushButton>

namespace morvane {

const QString CountdownPanel::DefaultBackgroundAddress = QString::fromUtf8(placeholders::kCountdownBackground);

// The title lacks its "设" on purpose: it is the window's title as users
// know it. Do not "fix" it.
CountdownPanel::CountdownPanel(const PanelHost& host)
    : PropertyPanel(host, {QStringLiteral("倒计时属性置"), {310, 359}, PicturePanel::UnsavedText})
{
    using K = CountdownKey;
    AddTabs(QStringLiteral("选择夹1"), {3, 0, 304, 272});
    QWidget* basic = AddPage(QStringLiteral("基本设置"));
    QWidget* font = AddPage(QStringLiteral("字体设置"));
    AddBadge(basic);

    PanelField* left = AddGeometryField(basic, Geometry::Left, QStringLiteral("图片距左"), {12, 10});
    PanelField* top = AddGeometryField(basic, Geometry::Top, QStringLiteral("图片距顶"), {12, 40});
    PanelField* width = AddGeometryField(basic, Geometry::Width, QStringLiteral("图片宽度"), {12, 70});
    PanelField* height = AddGeometryField(basic, Geometry::Height, QStringLiteral("图片高度"), {12, 100});
    PanelField* background = AddPictureField(basic, QStringLiteral("背景图片"), QStringLiteral("编辑框_底图"),
                                             {12, 130}, 190, DefaultBackgroundAddress);
    // The end date and time: a number and the word shown after it, six times.
    AddLabel(basic, QStringLiteral("结束时间"), {12, 164, 64, 20});
    const struct {
        const char* number;
        const char* initial;
        const char* word;
        const char* initialWord;
        std::string_view numberKey, wordKey;
    } units[] = {
        {"编辑框_年数", "2015", "编辑框_年字", PanelDefaults::CountdownYearWord.data(), K::Year, K::YearWord},
        {"编辑框_月数", "5", "编辑框_月字", PanelDefaults::CountdownMonthWord.data(), K::Month, K::MonthWord},
        {"编辑框_号数", "9", "编辑框_号字", "日", K::Day, K::DayWord},
        {"编辑框_时数", "20", "编辑框_时字", "时", K::Hour, K::HourWord},
        {"编辑框_分数", "23", "编辑框_分字", "分", K::Minute, K::MinuteWord},
        {"编辑框_秒数", "18", "编辑框_秒字", "秒", K::Second, K::SecondWord},
    };
    std::vector<std::pair<PanelField*, std::string_view>> dateKeys;
    for (int i = 0; i < 6; ++i) {
        const int x = 80 + (i % 3) * 66;
        const int y = 162 + (i / 3) * 30;
        dateKeys.emplace_back(
            AddField(basic, QString::fromUtf8(units[i].number), {x, y, 36, 22}, QString::fromUtf8(units[i].initial)),
            units[i].numberKey);
        dateKeys.emplace_back(AddField(basic, QString::fromUtf8(units[i].word), {x + 38, y, 24, 22},
                                       QString::fromUtf8(units[i].initialWord)),
                              units[i].wordKey);
    }

    PanelField* spacing = AddRow(font, QStringLiteral("文字间距"), QStringLiteral("编辑框_字距"), {12, 14}, 110, "89");
    PanelField* size = AddRow(font, QStringLiteral("文字字号"), QStringLiteral("编辑框_字号"), {12, 44}, 110, "18");
    PanelField* face = WithEmptyDefault(AddHiddenField(QStringLiteral("编辑框_字体"), QStringLiteral("微软雅黑")),
                                        QStringLiteral("微软雅黑"));
    AddLabel(font, QStringLiteral("文字字体"), {12, 74, 64, 20});
    AddChoiceList(font, QStringLiteral("组合框2"), face,
                  Choices({QStringLiteral("宋体"), QStringLiteral("黑体"), QStringLiteral("仿宋"),
                           QStringLiteral("楷体"), QStringLiteral("微软雅黑"), QStringLiteral("impact")}),
                  QStringLiteral("微软雅黑"), {80, 74, 110, 24});
    PanelField* colour =
        AddRow(font, QStringLiteral("文字颜色"), QStringLiteral("编辑框_文字色"), {12, 106}, 110, "#fff");
    AddColourPicker(font, QStringLiteral("颜色选择器1"), colour, {196, 103, 30, 28});

    Bind(left, K::Left);
    Bind(top, K::Top);
    Bind(width, K::Width);
    Bind(height, K::Height);
    Bind(background, K::Background);
    for (const auto& [field, key] : dateKeys)
        Bind(field, key);
    Bind(spacing, K::Spacing);
    Bind(size, K::FontSize);
    Bind(face, K::Font);
    Bind(colour, K::Colour);
    // Everything but the geometry, which comes from the element.
    restored_ = {background};
    for (const auto& [field, key] : dateKeys)
        restored_.push_back(field);
    restored_.insert(restored_.end(), {spacing, size, face, colour});

    auto* load = AddButton(this, QStringLiteral("按钮4"), QStringLiteral("载入保存数据"), {50, 282, 100, 28});
    connect(load, &QPushButton::clicked, this, [this] {
        document_.ShowStatus(QStringLiteral("正在载入已保存的设置...."));
        // A key the file lacks (a countdown never saved has no file) loads
        // the field's default: an empty date would generate "-- ::".
        LoadFieldsOrInitial(restored_)();
        document_.ShowStatus(QStringLiteral("载入保存设置完成，可再次修改...."));
    });
    AddSaveButton(this, QStringLiteral("按钮1"), {170, 282, 100, 28});

    SetLoadSteps({LoadBadge(),
                  // The record's picture column is never written, so the
                  // field falls back to the default background.
                  Do([this, background] { background->Write(RecordCell(PictureColumn::Picture)); }), LoadSaveFlag(),
                  LoadGeometry(), Do([this] {
                      // A saved countdown comes back as it was saved, so saving
                      // it again loses nothing.
                      if (RecordCell(ComponentRecord::Saved) == QLatin1String("1"))
                          LoadFieldsOrInitial(restored_)();
                  })});
    SetSaveSteps({ShowStatus(QStringLiteral("正在保存设置，请稍候....")), CheckPicture(background),
                  Download(background), WriteBindings(), MarkSaved(),
                  ShowStatus(QStringLiteral("倒计时属性值保存完成。右上角序号颜色为绿色，表示已保存设置，"
                                            "若为橙黄色，表示未保存设置...."))});
}

} // namespace morvane

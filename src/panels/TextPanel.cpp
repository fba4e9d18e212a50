#include "TextPanel.h"

#include "Lenient.h"
#include "PicturePanel.h"
#include "SettingsKeys.h"

namespace morvane {

namespace {

const QString kBold = QStringLiteral("bold");
const QString kNormal = QStringLiteral("normal;");
const QString kDefaultFont = QStringLiteral("仿宋");

struct Alignment {
    QString item;
    QString word;
    TextLook::Alignment onCanvas;
};

const Alignment kAlignments[] = {
    {QStringLiteral("居左"), QStringLiteral("left"), TextLook::Alignment::Left},
    {QStringLiteral("居中"), QStringLiteral("center"), TextLook::Alignment::Centre},
    {QStringLiteral("居右"), QStringLiteral("right"), TextLook::Alignment::Right},
};

// The stored word names the font for the generated code; the canvas asks
// the system for the face by its usual name.
QString FontFace(const QString& word)
{
    return word == QLatin1String("impact") ? QStringLiteral("Impact") : word;
}

} // namespace

TextPanel::TextPanel(const PanelHost& host)
    : PropertyPanel(host, {QStringLiteral("文字属性设置"), {308, 356}, PicturePanel::UnsavedText, Sort::Text})
{
    AddTabs(QStringLiteral("选择夹1"), {4, 4, 292, 280});
    QWidget* basic = AddPage(QStringLiteral("基本设置"));
    QWidget* fonts = AddPage(QStringLiteral("字体设置"));

    AddBadge(basic);
    const GeometryFields geometry = AddGeometryFields(basic, {10, 12});
    AddLabel(basic, QStringLiteral("文字内容"), {10, 134, 64, 20});
    PanelField* content = AddField(basic, QStringLiteral("编辑框_内容"), {78, 132, 202, 53});
    PanelField* link = AddRow(basic, QStringLiteral("文字链接"), QStringLiteral("编辑框_链接"), {10, 196}, 202, "#");
    OnChange(content, [this](const QString& text) { ShowCaption(text); });

    PanelField* align =
        WithEmptyDefault(AddHiddenField(QStringLiteral("编辑框_对齐"), QStringLiteral("left")), QStringLiteral("left"));
    std::vector<Choice> alignments;
    for (const Alignment& alignment : kAlignments)
        alignments.push_back({alignment.item, alignment.word});
    AddLabel(fonts, QStringLiteral("对齐方式"), {10, 14, 64, 20});
    AddChoiceList(
        fonts, QStringLiteral("组合框1"), align, alignments, alignments.front().item, {78, 12, 110, 24},
        [this](int item) { ChangeLook([item](TextLook& look) { look.alignment = kAlignments[item].onCanvas; }); });

    PanelField* size =
        AddRow(fonts, QStringLiteral("文字字号"), QStringLiteral("编辑框_字号"), {10, 44}, 110, QStringLiteral("12"));
    OnChange(size, [this](const QString& text) {
        const int pixels = Lenient::ToInt(text.toStdString());
        // A label cannot show text of no size; the field keeps what was typed.
        if (pixels > 0)
            ChangeLook([pixels](TextLook& look) { look.pixelSize = pixels; });
    });

    PanelField* font = WithEmptyDefault(AddHiddenField(QStringLiteral("编辑框_字体"), kDefaultFont), kDefaultFont);
    const std::vector<Choice> fontChoices =
        Choices({QStringLiteral("宋体"), QStringLiteral("黑体"), kDefaultFont, QStringLiteral("楷体"),
                 QStringLiteral("微软雅黑"), QStringLiteral("impact")});
    AddLabel(fonts, QStringLiteral("文字字体"), {10, 76, 64, 20});
    AddChoiceList(fonts, QStringLiteral("组合框2"), font, fontChoices, kDefaultFont, {78, 74, 110, 24},
                  [this, fontChoices](int item) {
                      const std::string face = FontFace(fontChoices[static_cast<size_t>(item)].word).toStdString();
                      ChangeLook([face](TextLook& look) { look.family = face; });
                  });

    PanelField* lineHeight = AddRow(fonts, QStringLiteral("文字行距"), QStringLiteral("编辑框_字距"), {10, 106}, 110);

    PanelField* weight = WithEmptyDefault(AddHiddenField(QStringLiteral("编辑框_加粗"), kBold), kNormal);
    AddLabel(fonts, QStringLiteral("字体加粗"), {10, 138, 64, 20});
    AddChoiceList(fonts, QStringLiteral("组合框3"), weight,
                  {{QStringLiteral("是"), kBold}, {QStringLiteral("否"), kNormal}}, QStringLiteral("是"),
                  {78, 136, 110, 24},
                  [this](int item) { ChangeLook([bold = item == 0](TextLook& look) { look.bold = bold; }); });

    PanelField* colour = WithEmptyDefault(AddRow(fonts, QStringLiteral("文字颜色"), QStringLiteral("编辑框_字色"),
                                                 {10, 168}, 110, QStringLiteral("#000000")),
                                          QStringLiteral("#000000"));
    // A typed colour that reads as one shows as a picked one does.
    OnChange(colour, [this](const QString& text) {
        if (const QColor typed(text); typed.isValid())
            ChangeLook([name = typed.name().toUpper().toStdString()](TextLook& look) { look.colour = name; });
    });
    AddColourPicker(fonts, QStringLiteral("颜色选择器2"), colour, {192, 166, 26, 26}, [this](const QColor& picked) {
        ChangeLook([name = picked.name().toUpper().toStdString()](TextLook& look) { look.colour = name; });
    });
    PanelField* background = AddRow(fonts, QStringLiteral("背景颜色"), QStringLiteral("编辑框_背色"), {10, 200}, 110);
    AddColourPicker(fonts, QStringLiteral("颜色选择器3"), background, {192, 198, 26, 26});

    AddSaveButton(this, QStringLiteral("按钮1"), {(308 - 90) / 2, 292, 90, 28});

    using K = TextKey;
    Bind(geometry.width, K::Width);
    Bind(geometry.height, K::Height);
    Bind(geometry.left, K::Left);
    Bind(geometry.top, K::Top);
    Bind(content, K::Content);
    Bind(link, K::Link);
    Bind(align, K::Align);
    Bind(size, K::FontSize);
    Bind(font, K::Font);
    Bind(lineHeight, K::LineHeight);
    Bind(weight, K::Weight);
    Bind(colour, K::Colour);
    Bind(background, K::Background);

    // The file's geometry is never read back: the label's own place counts.
    SetLoadSteps({LoadBadge(), LoadSaveFlag(),
                  LoadFields({content, link, align, size, font, lineHeight, weight, colour, background}),
                  LoadGeometry()});
    SetSaveSteps({Do([size] {
                      if (size->text().isEmpty())
                          size->Write(QStringLiteral("14"));
                  }),
                  ShowStatus(QStringLiteral("正在保存设置，请稍候....")), WriteBindings(), MarkSaved(),
                  Do([this, content] { ShowCaption(content->text()); }),
                  ShowStatus(QStringLiteral("载入保存设置完成，可再次修改...."))});
}

void TextPanel::ShowCaption(const QString& content)
{
    // An emptied content keeps the caption, so the label stays findable.
    if (!content.isEmpty())
        ChangeLook([caption = content.toStdString()](TextLook& look) { look.caption = caption; });
}

void TextPanel::ChangeLook(const std::function<void(TextLook&)>& change)
{
    const ElementId element = Element();
    if (!element || Quiet())
        return;
    TextLook look = document_.LookOf(element);
    change(look);
    document_.SetTextLook(element, look, EditKey());
}

} // namespace morvane

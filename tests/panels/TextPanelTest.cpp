#include "KindTable.h"
#include "PanelTestFixture.h"

#include "PicturePanel.h"

namespace morvane {
namespace {

class TextPanelTest : public PanelTest {
protected:
    CanvasElement* text = nullptr;
    PropertyPanel* panel = nullptr;

    void AddText(QPoint at = {200, 100})
    {
        text = AddAt("超级按钮8", at);
        panel = panels.Panel(Kind::Text);
        ASSERT_NE(panel, nullptr);
    }
};

TEST_F(TextPanelTest, TextsAreNumberedAfterTheComponents)
{
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_图片"), Qt::LeftButton);
    ASSERT_EQ(document.Count(Sort::Component), 4);
    AddText();
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("文字属性设置"));
    EXPECT_EQ(panel->frameGeometry().size(), QSize(308, 356));
    EXPECT_EQ(Find<QLabel>(panel, "透明标签_序号")->text(), QStringLiteral("4"));
    CanvasElement* first = text;
    AddText({300, 100});
    EXPECT_EQ(Find<QLabel>(panel, "透明标签_序号")->text(), QStringLiteral("5"));
    Drag(first, {0, 0});
    EXPECT_EQ(Find<QLabel>(panels.Panel(Kind::Text), "透明标签_序号")->text(), QStringLiteral("4"));
}

TEST_F(TextPanelTest, ANewTextLoadsTheFallbacksAndSavesSizeFourteen)
{
    AddText();
    EXPECT_EQ(BadgeColour(panel), QColor(255, 128, 0));
    EXPECT_EQ(document.StatusText(), PicturePanel::UnsavedText);
    for (const char* empty : {"编辑框_内容", "编辑框_链接", "编辑框_字号", "编辑框_字距", "编辑框_背色"})
        EXPECT_EQ(Text(panel, empty), QString()) << empty;
    EXPECT_EQ(Text(panel, "编辑框_字体"), QStringLiteral("仿宋"));
    EXPECT_EQ(Shown(panel, "组合框2"), QStringLiteral("仿宋"));
    EXPECT_EQ(Text(panel, "编辑框_加粗"), QStringLiteral("normal;"));
    EXPECT_EQ(Shown(panel, "组合框3"), QStringLiteral("否"));
    EXPECT_EQ(Text(panel, "编辑框_字色"), QStringLiteral("#000000"));
    EXPECT_EQ(Text(panel, "编辑框_对齐"), QStringLiteral("left"));
    EXPECT_EQ(Shown(panel, "组合框1"), QStringLiteral("居左"));

    Save(panel);
    EXPECT_EQ(Text(panel, "编辑框_字号"), QStringLiteral("14"));
    EXPECT_EQ(text->font().pixelSize(), 14);
    EXPECT_EQ(SettingsText(Kind::Text, 1),
              "[配置]\r\n宽度=75\r\n高度=22\r\n距左=200\r\n距顶=100\r\n内容=\r\n链接=\r\n对齐=left\r\n"
              "字号=14\r\n字体=仿宋\r\n字距=\r\n加粗=normal;\r\n字色=#000000\r\n背色=\r\n");
    EXPECT_EQ(document.Background().Cell(1, 9), "1");
    EXPECT_EQ(BadgeColour(panel), QColor(0, 255, 0));
    EXPECT_EQ(document.StatusText(), QStringLiteral("载入保存设置完成，可再次修改...."));
}

TEST_F(TextPanelTest, ChoicesAndPickedColoursShowOnTheLabel)
{
    AddText();
    Type(panel, "编辑框_内容", QStringLiteral("夏日特惠"));
    EXPECT_EQ(text->Text(), QStringLiteral("夏日特惠"));
    Type(panel, "编辑框_字号", QStringLiteral("20px"));
    EXPECT_EQ(text->font().pixelSize(), 20);
    Type(panel, "编辑框_字号", QStringLiteral("abc"));
    EXPECT_EQ(text->font().pixelSize(), 20);
    Type(panel, "编辑框_字号", QStringLiteral("18"));

    Choose(panel, "组合框1", QStringLiteral("居中"));
    EXPECT_EQ(Text(panel, "编辑框_对齐"), QStringLiteral("center"));
    EXPECT_EQ(text->TextAlignment(), Qt::AlignHCenter);
    Choose(panel, "组合框2", QStringLiteral("impact"));
    EXPECT_EQ(Text(panel, "编辑框_字体"), QStringLiteral("impact"));
    EXPECT_EQ(text->font().family(), QStringLiteral("Impact"));
    Choose(panel, "组合框2", QStringLiteral("黑体"));
    EXPECT_EQ(text->font().family(), QStringLiteral("黑体"));
    Choose(panel, "组合框3", QStringLiteral("是"));
    EXPECT_EQ(Text(panel, "编辑框_加粗"), QStringLiteral("bold"));
    EXPECT_TRUE(text->font().bold());

    panel->ChooseColour(QStringLiteral("颜色选择器2"), QColor(255, 0, 0));
    EXPECT_EQ(Text(panel, "编辑框_字色"), QStringLiteral("#FF0000"));
    EXPECT_EQ(text->TextColour(), QColor(255, 0, 0));
    Type(panel, "编辑框_字色", QStringLiteral("#00ff00"));
    EXPECT_EQ(text->TextColour(), QColor(0, 255, 0)); // typed colours show as picked ones
    Type(panel, "编辑框_字色", QString());
    EXPECT_EQ(Text(panel, "编辑框_字色"), QStringLiteral("#000000"));
    EXPECT_EQ(text->TextColour(), QColor(0, 0, 0));
    panel->ChooseColour(QStringLiteral("颜色选择器3"), QColor(18, 5, 171));
    EXPECT_EQ(Text(panel, "编辑框_背色"), QStringLiteral("#1205AB"));
    EXPECT_EQ(text->TextColour(), QColor(0, 0, 0));

    // Loaded words select their items and leave the label alone.
    Save(panel);
    TextLook look = document.LookOf(document.IdAt(Sort::Text, 1));
    look.alignment = TextLook::Alignment::Right;
    look.family = "宋体";
    document.SetTextLook(1, look);
    RightSelect(text);
    panel = panels.Panel(Kind::Text);
    EXPECT_EQ(Shown(panel, "组合框1"), QStringLiteral("居中"));
    EXPECT_EQ(Shown(panel, "组合框2"), QStringLiteral("黑体"));
    EXPECT_EQ(Shown(panel, "组合框3"), QStringLiteral("是"));
    EXPECT_EQ(text->TextAlignment(), Qt::AlignRight);
    EXPECT_EQ(text->font().family(), QStringLiteral("宋体"));
    EXPECT_EQ(text->font().pixelSize(), 18); // the size field's rule did run
}

TEST_F(TextPanelTest, ReopeningAndSavingStoresWhatWasStored)
{
    AddText();
    Type(panel, "编辑框_内容", QStringLiteral("新品 上市"));
    Type(panel, "编辑框_链接", QStringLiteral("https://shop.example/new"));
    Choose(panel, "组合框1", QStringLiteral("居右"));
    Type(panel, "编辑框_字号", QStringLiteral("16"));
    Type(panel, "编辑框_字距", QStringLiteral("30"));
    Choose(panel, "组合框2", QStringLiteral("微软雅黑"));
    Choose(panel, "组合框3", QStringLiteral("是"));
    panel->ChooseColour(QStringLiteral("颜色选择器2"), QColor(0, 0, 255));
    Type(panel, "编辑框_背色", QStringLiteral("  #eee "));
    Save(panel);
    const std::string saved = SettingsText(Kind::Text, 1);

    panel = Reopen(text, Kind::Text);
    EXPECT_EQ(Text(panel, "编辑框_背色"), QStringLiteral("  #eee "));
    Save(panel);
    EXPECT_EQ(SettingsText(Kind::Text, 1), saved);

    // A text stored without alignment loads "left", and saves it.
    document.WriteSettings(document.IdAt(Sort::Text, 1), {{"对齐", ""}});
    RightSelect(text);
    EXPECT_EQ(Text(panel, "编辑框_对齐"), QStringLiteral("left"));
    EXPECT_EQ(Shown(panel, "组合框1"), QStringLiteral("居左"));

    // Emptied content is stored empty; the label keeps its caption.
    Type(panel, "编辑框_内容", QString());
    Save(panel);
    EXPECT_EQ(ExportedValue(Kind::Text, 1, "内容"), "");
    EXPECT_EQ(text->Text(), QStringLiteral("新品 上市"));
}

TEST_F(TextPanelTest, TheTextPanelActsOnTheCurrentTextBesideAComponentPanel)
{
    AddText();
    AddPictureAt({0, 0});
    ASSERT_NE(panels.Panel(Kind::Picture), nullptr);
    RightSelect(text);
    panel = panels.Panel(Kind::Text);
    ASSERT_NE(panel, nullptr);
    Type(panel, "编辑框_内容", QStringLiteral("你好"));
    Save(panel);
    EXPECT_EQ(ExportedValue(Kind::Text, 1, "内容"), "你好");
    EXPECT_EQ(Cell(2, 9), ""); // the picture stays unsaved
}

} // namespace
} // namespace morvane

#include "KindTable.h"
#include "PanelTestFixture.h"

#include "PicturePanel.h"

namespace morvane {
namespace {

const char* const kColourFields[] = {"编辑框_搜框背景色", "编辑框_搜框文字色", "编辑框_搜框边框色", "编辑框_按扭背景色",
                                     "编辑框_按扭文字色"};

class SearchPanelTest : public KindPanelTest {
protected:
    SearchPanelTest() : KindPanelTest("超级按钮7", "搜索", {12, 34}) {}
};

TEST_F(SearchPanelTest, TheDefaultsAreSavedUnchanged)
{
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("搜索属性设置"));
    EXPECT_EQ(panel->frameGeometry().size(), QSize(278, 388));
    EXPECT_EQ(document.StatusText(), PicturePanel::UnsavedText);
    Save(panel);
    EXPECT_EQ(SettingsText(Kind::Search, 2),
              "[配置]\r\n宽度=238\r\n高度=31\r\n距左=12\r\n距顶=34\r\n搜框宽=180\r\n搜框高=30\r\n"
              "按扭宽=50\r\n按扭高=30\r\n预设字=\r\n店铺=\r\n搜框背景色=#fff\r\n搜框文字色=#000\r\n"
              "搜框边框色=#FF798A\r\n按扭背景色=#FF798A\r\n按扭文字色=#fff\r\n");
    EXPECT_EQ(Cell(2, 9), "1");
    for (int column = 1; column <= 8; ++column)
        EXPECT_EQ(Cell(2, column), "") << column;
    EXPECT_EQ(BadgeColour(panel), QColor(0, 255, 0));
    EXPECT_EQ(document.StatusText(), QStringLiteral("载入保存设置完成，可再次修改...."));
}

TEST_F(SearchPanelTest, EachPickerWritesOnlyItsOwnColourField)
{
    panel->ChooseColour(QStringLiteral("颜色选择器4"), QColor(18, 5, 171));
    EXPECT_EQ(Text(panel, "编辑框_按扭背景色"), QStringLiteral("#1205AB"));
    EXPECT_EQ(Text(panel, "编辑框_搜框背景色"), QStringLiteral("#fff"));
    EXPECT_EQ(Text(panel, "编辑框_搜框文字色"), QStringLiteral("#000"));
    EXPECT_EQ(Text(panel, "编辑框_搜框边框色"), QStringLiteral("#FF798A"));
    EXPECT_EQ(Text(panel, "编辑框_按扭文字色"), QStringLiteral("#fff"));
    Type(panel, "编辑框_按扭文字色", QStringLiteral("white"));
    Save(panel);
    EXPECT_EQ(ExportedValue(Kind::Search, 2, "按扭文字色"), "white");
    EXPECT_EQ(ExportedValue(Kind::Search, 2, "按扭背景色"), "#1205AB");
}

TEST_F(SearchPanelTest, ReopeningRestoresEveryValueAndANewBoxShowsTheDefaults)
{
    const std::vector<std::pair<const char*, QString>> typed{
        {"编辑框_搜框宽", QStringLiteral("200")},         {"编辑框_搜框高", QStringLiteral("28")},
        {"编辑框_按扭宽", QStringLiteral("60")},          {"编辑框_按扭高", QStringLiteral("28")},
        {"编辑框_预设字", QStringLiteral("连衣裙")},      {"编辑框_店铺", QStringLiteral("https://shop.example")},
        {"编辑框_搜框背景色", QStringLiteral("#111111")}, {"编辑框_搜框文字色", QStringLiteral("#222222")},
        {"编辑框_搜框边框色", QStringLiteral("#333333")}, {"编辑框_按扭背景色", QStringLiteral("#444444")},
        {"编辑框_按扭文字色", QStringLiteral("#555555")}};
    for (const auto& [unit, text] : typed)
        Type(panel, unit, text);
    Save(panel);
    const std::string saved = SettingsText(Kind::Search, 2);

    // A second search box loads in the same window: no leftovers.
    CanvasElement* second = AddAt("超级按钮7", {300, 34});
    panel = panels.Panel(Kind::Search);
    RightSelect(element);
    EXPECT_EQ(Text(panel, "编辑框_预设字"), QStringLiteral("连衣裙"));
    RightSelect(second);
    ASSERT_EQ(panels.Panel(Kind::Search), panel);
    EXPECT_EQ(Text(panel, "编辑框_搜框宽"), QStringLiteral("180"));
    EXPECT_EQ(Text(panel, "编辑框_预设字"), QString());
    EXPECT_EQ(Text(panel, "编辑框_店铺"), QString());
    const QString defaults[] = {QStringLiteral("#fff"), QStringLiteral("#000"), QStringLiteral("#FF798A"),
                                QStringLiteral("#FF798A"), QStringLiteral("#fff")};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Text(panel, kColourFields[i]), defaults[i]) << kColourFields[i];

    // The first one gets back every value it was saved with.
    Reopen();
    for (const auto& [unit, text] : typed)
        EXPECT_EQ(Text(panel, unit), text) << unit;
    Save(panel);
    EXPECT_EQ(SettingsText(Kind::Search, 2), saved);
}

TEST_F(SearchPanelTest, AKeyTheFileLacksShowsTheDefaultAndAnEmptyOneStaysEmpty)
{
    document.WriteSettings(document.IdAt(Sort::Component, 2),
                           {{"预设字", "包包"}, {"搜框宽", ""}, {"按扭文字色", "#123456"}});
    RightSelect(element);
    EXPECT_EQ(Text(panel, "编辑框_预设字"), QStringLiteral("包包"));
    EXPECT_EQ(Text(panel, "编辑框_搜框宽"), QString());
    EXPECT_EQ(Text(panel, "编辑框_按扭文字色"), QStringLiteral("#123456"));
    EXPECT_EQ(Text(panel, "编辑框_搜框高"), QStringLiteral("30"));
    EXPECT_EQ(Text(panel, "编辑框_店铺"), QString());
    EXPECT_EQ(Text(panel, "编辑框_搜框边框色"), QStringLiteral("#FF798A"));
}

} // namespace
} // namespace morvane

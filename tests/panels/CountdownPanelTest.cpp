#include "KindTable.h"
#include "PanelTestFixture.h"

#include "ComponentRecord.h"
#include "CountdownPanel.h"
#include "FileSystem.h"
#include "TextCodec.h"

namespace morvane {
namespace {

class CountdownPanelTest : public PanelTest {
protected:
    PropertyPanel* AddCountdown()
    {
        QTest::mouseClick(Find<QPushButton>(&window, "超级按钮2"), Qt::LeftButton);
        Drag(ComponentView(document.Count(Sort::Component)), {500, 10});
        return panels.Panel(Kind::Countdown);
    }

    static void Save(QWidget* panel) { QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton); }
    std::string Bytes() { return FileSystem::ReadWholeFile(ExportedPath(Kind::Countdown, 2)).value_or(""); }
};

TEST_F(CountdownPanelTest, ANewCountdownSavedUnchangedWritesTheDefaults)
{
    PropertyPanel* panel = AddCountdown();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("倒计时属性置"));
    EXPECT_EQ(Text(panel, "编辑框_底图"), CountdownPanel::DefaultBackgroundAddress);
    CanvasElement* element = ComponentView(2);
    Save(panel);
    const int left = element->x() - window.CanvasOrigin().x();
    const int top = element->y() - DesignerWindow::CanvasTop;
    EXPECT_EQ(TextCodec::Gb18030ToUtf8(Bytes()),
              "[配置]\r\n距左=" + std::to_string(left) + "\r\n距顶=" + std::to_string(top) +
                  "\r\n宽度=360\r\n高度=90\r\n底图=" + CountdownPanel::DefaultBackgroundAddress.toStdString() +
                  "\r\n年数=2015\r\n年字=年\r\n月数=5\r\n月字=月\r\n号数=9\r\n号字=日\r\n时数=20\r\n时字=时\r\n"
                  "分数=23\r\n分字=分\r\n秒数=18\r\n秒字=秒\r\n字距=89\r\n字号=18\r\n字体=微软雅黑\r\n字色=#fff\r\n");
    EXPECT_EQ(Cell(2, ComponentRecord::Saved), "1");
    EXPECT_EQ(Cell(2, ComponentRecord::Picture), ""); // only the flag is in the record
    EXPECT_EQ(document.StatusText(), QStringLiteral("倒计时属性值保存完成。右上角序号颜色为绿色，表示已保存设置，"
                                                    "若为橙黄色，表示未保存设置...."));
}

TEST_F(CountdownPanelTest, FontListPickerAndPictureCheck)
{
    PropertyPanel* panel = AddCountdown();
    auto* fonts = Find<QComboBox>(panel, "组合框2");
    fonts->activated(5);
    EXPECT_EQ(Text(panel, "编辑框_字体"), QStringLiteral("impact"));
    panel->WriteField(QStringLiteral("编辑框_字体"), QStringLiteral("楷体"));
    EXPECT_EQ(fonts->currentText(), QStringLiteral("楷体"));
    panel->WriteField(QStringLiteral("编辑框_字体"), QString());
    EXPECT_EQ(Text(panel, "编辑框_字体"), QStringLiteral("微软雅黑"));
    panel->ChooseColour(QStringLiteral("颜色选择器1"), QColor(255, 255, 255));
    EXPECT_EQ(Text(panel, "编辑框_文字色"), QStringLiteral("#FFFFFF"));
    Type(panel, "编辑框_底图", QString());
    EXPECT_EQ(Text(panel, "编辑框_底图"), CountdownPanel::DefaultBackgroundAddress);

    Type(panel, "编辑框_底图", QStringLiteral("bg.png"));
    Save(panel);
    EXPECT_EQ(document.StatusText(), QStringLiteral("图片地址不正确，请填写以http开头的网络图片地址...."));
    EXPECT_FALSE(FileSystem::Exists(ExportedPath(Kind::Countdown, 2)));
    EXPECT_EQ(Cell(2, ComponentRecord::Saved), "");
}

TEST_F(CountdownPanelTest, ReopeningASavedCountdownAndSavingChangesNoByte)
{
    PropertyPanel* panel = AddCountdown();
    const std::vector<std::pair<const char*, QString>> typed{
        {"编辑框_年数", "2027"}, {"编辑框_月数", "12"},
        {"编辑框_号数", "31"},   {"编辑框_号字", "天"},
        {"编辑框_秒字", "s"},    {"编辑框_字距", "60"},
        {"编辑框_字号", "24"},   {"编辑框_底图", "http://127.0.0.1:9/p/bg.png"}};
    for (const auto& [unit, text] : typed)
        Type(panel, unit, text);
    Find<QComboBox>(panel, "组合框2")->activated(0);
    panel->ChooseColour(QStringLiteral("颜色选择器1"), QColor(18, 5, 171));
    Save(panel);
    const std::string saved = Bytes();

    document.ClearSelection();
    Drag(ComponentView(2), {0, 0});
    panel = panels.Panel(Kind::Countdown);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(Text(panel, "编辑框_年数"), QStringLiteral("2027"));
    EXPECT_EQ(Find<QComboBox>(panel, "组合框2")->currentText(), QStringLiteral("宋体"));
    Save(panel);
    EXPECT_EQ(Bytes(), saved);

    // "载入保存数据" restores the same way.
    Type(panel, "编辑框_月数", QStringLiteral("1"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮4"), Qt::LeftButton);
    EXPECT_EQ(Text(panel, "编辑框_月数"), QStringLiteral("12"));
    EXPECT_EQ(document.StatusText(), QStringLiteral("载入保存设置完成，可再次修改...."));
}

TEST_F(CountdownPanelTest, LoadingSavedDataOfANeverSavedCountdownGivesTheDefaults)
{
    PropertyPanel* panel = AddCountdown();
    Type(panel, "编辑框_年数", QStringLiteral("2030"));
    Type(panel, "编辑框_文字色", QStringLiteral("#123456"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮4"), Qt::LeftButton);
    Save(panel);
    const std::string saved = TextCodec::Gb18030ToUtf8(Bytes());
    for (const char* line : {"\n年数=2015\r", "\n秒字=秒\r", "\n字号=18\r", "\n字体=微软雅黑\r", "\n字色=#fff\r"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;
}

} // namespace
} // namespace morvane

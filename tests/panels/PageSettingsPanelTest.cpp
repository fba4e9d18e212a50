#include "PanelTestFixture.h"

#include "PageSettings.h"
#include "PageSettingsPanel.h"

#include <QRadioButton>

namespace morvane {
namespace {

class PageSettingsTest : public PanelTest {
protected:
    PageSettingsPanel* Open()
    {
        panels.OpenPageSettings();
        PageSettingsPanel* panel = panels.PageSettings();
        EXPECT_NE(panel, nullptr);
        return panel;
    }
    std::string Stored(int column) { return document.Background().Cell(PageSettings::Row, column); }
    bool Checked(QWidget* panel, const char* unit) { return Find<QRadioButton>(panel, unit)->isChecked(); }
};

TEST_F(PageSettingsTest, FirstOpeningShowsTheDefaultsAndClosingStoresThem)
{
    PageSettingsPanel* panel = Open();
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("背景设置"));
    EXPECT_EQ(panel->pos(), QPoint(10, 100));
    const QString canvasHeight = QString::number(window.height() - 110);
    EXPECT_EQ(Text(panel, "编辑框_版本"), QStringLiteral("专业版"));
    EXPECT_EQ(Find<QComboBox>(panel, "组合框1")->currentText(), QStringLiteral("专业版"));
    EXPECT_EQ(Text(panel, "编辑框_宽度"), QStringLiteral("950"));
    EXPECT_EQ(Text(panel, "编辑框_高度"), canvasHeight);
    EXPECT_EQ(Text(panel, "编辑框_上间距"), QStringLiteral("0"));
    EXPECT_TRUE(Checked(panel, "单选框2"));
    EXPECT_TRUE(Checked(panel, "单选框6"));
    EXPECT_TRUE(Checked(panel, "单选框7"));
    EXPECT_TRUE(Checked(panel, "单选框11"));
    EXPECT_FALSE(Checked(panel, "单选框1"));
    EXPECT_EQ(Canvas()->geometry(), QRect(window.CanvasOrigin().x(), 90, 950, window.height() - 110));

    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    EXPECT_EQ(panels.PageSettings(), nullptr);
    const std::vector<std::pair<int, std::string>> expected{{PageSettings::Edition, "专业版"},
                                                            {PageSettings::Width, "950"},
                                                            {PageSettings::Height, canvasHeight.toStdString()},
                                                            {PageSettings::BackColour, ""},
                                                            {PageSettings::BackPicture, ""},
                                                            {PageSettings::Attachment, "scroll"},
                                                            {PageSettings::Repeat, "no-repeat"},
                                                            {PageSettings::VerticalPos, "top"},
                                                            {PageSettings::HorizontalPos, "center"},
                                                            {PageSettings::TopSpacing, "0"}};
    for (const auto& [column, text] : expected)
        EXPECT_EQ(Stored(column), text) << column;
    EXPECT_EQ(document.StatusText(), QStringLiteral("全局设置属性值保存完成,如需修改，请重新打开配置窗口...."));
}

TEST_F(PageSettingsTest, UserChoicesReachTheRecordOnTheCloseBox)
{
    PageSettingsPanel* panel = Open();
    auto* edition = Find<QComboBox>(panel, "组合框1");
    QTest::keyClick(edition, Qt::Key_Up); // "天猫版"
    QTest::mouseClick(Find<QRadioButton>(panel, "单选框1"), Qt::LeftButton);
    QTest::mouseClick(Find<QRadioButton>(panel, "单选框5"), Qt::LeftButton);
    QTest::mouseClick(Find<QRadioButton>(panel, "单选框9"), Qt::LeftButton);
    QTest::mouseClick(Find<QRadioButton>(panel, "单选框10"), Qt::LeftButton);
    Type(panel, "编辑框_上间距", QStringLiteral("12"));
    EXPECT_FALSE(Checked(panel, "单选框6"));
    panel->close();

    EXPECT_EQ(Stored(PageSettings::Edition), "天猫版");
    EXPECT_EQ(Stored(PageSettings::Attachment), "fixed");
    EXPECT_EQ(Stored(PageSettings::Repeat), "repeat-y");
    EXPECT_EQ(Stored(PageSettings::VerticalPos), "bottom");
    EXPECT_EQ(Stored(PageSettings::HorizontalPos), "right");
    EXPECT_EQ(Stored(PageSettings::TopSpacing), "12");

    // Reopening fills from the record: list and radios follow the words.
    panel = Open();
    EXPECT_EQ(Find<QComboBox>(panel, "组合框1")->currentIndex(), 0);
    EXPECT_TRUE(Checked(panel, "单选框1"));
    EXPECT_TRUE(Checked(panel, "单选框5"));
    EXPECT_TRUE(Checked(panel, "单选框9"));
    EXPECT_TRUE(Checked(panel, "单选框10"));
    // Unknown words change nothing.
    panel->WriteField(QStringLiteral("编辑框_平铺"), QStringLiteral("tile"));
    EXPECT_TRUE(Checked(panel, "单选框5"));

    // The toolbar button while open keeps the edits (no refill).
    Type(panel, "编辑框_上间距", QStringLiteral("30"));
    QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_全局"), Qt::LeftButton);
    EXPECT_EQ(panels.PageSettings(), panel);
    EXPECT_EQ(Text(panel, "编辑框_上间距"), QStringLiteral("30"));
}

TEST_F(PageSettingsTest, WidthCentresTheCanvasAndColoursShowOrHideIt)
{
    PageSettingsPanel* panel = Open();
    QLabel* canvas = Canvas();
    Type(panel, "编辑框_宽度", QStringLiteral("1200"));
    EXPECT_EQ(canvas->width(), 1200);
    EXPECT_EQ(canvas->x(), 1920 / 2 - 1200 / 2);
    Type(panel, "编辑框_宽度", QStringLiteral("1201"));
    EXPECT_EQ(canvas->x(), 359); // 960 - 600.5, cut toward zero
    Type(panel, "编辑框_宽度", QStringLiteral("800"));
    EXPECT_EQ(canvas->x(), window.CanvasOrigin().x());
    EXPECT_EQ(canvas->width(), 800);
    Type(panel, "编辑框_高度", QStringLiteral("300"));
    EXPECT_EQ(canvas->height(), 300);

    // Neither colour nor picture: hidden (transparent module).
    panel->WriteField(QStringLiteral("编辑框_背景色"), QString());
    EXPECT_FALSE(canvas->isVisible());
    panel->ChooseColour(QStringLiteral("颜色选择器1"), QColor(0, 0, 255));
    EXPECT_EQ(Text(panel, "编辑框_背景色"), QStringLiteral("#0000FF"));
    EXPECT_TRUE(canvas->isVisible());
    EXPECT_EQ(canvas->palette().color(QPalette::Window), QColor(0, 0, 255));
    panel->ChooseColour(QStringLiteral("颜色选择器1"), QColor(255, 128, 0));
    EXPECT_EQ(Text(panel, "编辑框_背景色"), QStringLiteral("#FF8000"));
    panel->ChooseColour(QStringLiteral("颜色选择器1"), QColor(18, 5, 171));
    EXPECT_EQ(Text(panel, "编辑框_背景色"), QStringLiteral("#1205AB"));

    // A typed colour is stored as typed and painted as a picked one.
    Type(panel, "编辑框_背景色", QStringLiteral("red"));
    EXPECT_EQ(canvas->palette().color(QPalette::Window), QColor(255, 0, 0));
    panel->close();
    EXPECT_EQ(Stored(PageSettings::BackColour), "red");
    EXPECT_EQ(Stored(PageSettings::Width), "800");
}

} // namespace
} // namespace morvane

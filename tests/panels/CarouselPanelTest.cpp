#include "KindTable.h"
#include "PanelTestFixture.h"

#include "CarouselPanel.h"
#include "ComponentRecord.h"
#include "FileSystem.h"
#include "TextCodec.h"

#include <QCheckBox>
#include <QMenu>
#include <QTabWidget>

namespace morvane {
namespace {

class CarouselPanelTest : public PanelTest {
protected:
    // A carousel from the toolbar, dragged to the canvas position given.
    PropertyPanel* AddCarouselAt(QPoint canvasPosition)
    {
        QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_轮播"), Qt::LeftButton);
        CanvasElement* carousel = ComponentView(document.Count(Sort::Component) - 2);
        const QPoint target(canvasPosition.x() + window.CanvasOrigin().x(),
                            canvasPosition.y() + DesignerWindow::CanvasTop);
        Drag(carousel, target - carousel->pos());
        return panels.Panel(Kind::Carousel);
    }

    void RightPress(CanvasElement* element)
    {
        QTest::mousePress(element, Qt::RightButton);
        QTest::mouseRelease(element, Qt::RightButton);
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<QMenu*>(widget))
                widget->hide();
    }

    static void Save(QWidget* panel) { QTest::mouseClick(Find<QPushButton>(panel, "按钮2"), Qt::LeftButton); }
    std::string Path(int number) { return ExportedPath(Kind::Carousel, number); }
    std::string Key(int number, const char* key) { return ExportedValue(Kind::Carousel, number, key); }
    std::string Bytes(int number) { return FileSystem::ReadWholeFile(Path(number)).value_or("<none>"); }
};

TEST_F(CarouselPanelTest, PlusAndMinusGrowAndShrinkTheRowsAndTheWindow)
{
    PropertyPanel* panel = AddCarouselAt({0, 0});
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("轮播属性设置"));
    EXPECT_EQ(panel->frameGeometry().size(), QSize(350, 320));
    auto* plus = Find<QPushButton>(panel, "按钮1");
    auto* minus = Find<QPushButton>(panel, "按钮3");
    auto* tabs = Find<QTabWidget>(panel, "高级选择夹1");
    EXPECT_FALSE(minus->isEnabled());
    for (int i = 0; i < 6; ++i)
        QTest::mouseClick(plus, Qt::LeftButton);
    EXPECT_EQ(Text(panel, "编辑框_数量"), QStringLiteral("8"));
    EXPECT_FALSE(plus->isEnabled());
    EXPECT_EQ(panel->frameGeometry().height(), 500);
    EXPECT_EQ(tabs->height(), 420);
    EXPECT_EQ(Find<QPushButton>(panel, "按钮2")->y(), 430);
    for (int i = 0; i < 6; ++i)
        QTest::mouseClick(minus, Qt::LeftButton);
    EXPECT_EQ(Text(panel, "编辑框_数量"), QStringLiteral("2"));
    EXPECT_FALSE(minus->isEnabled());
    EXPECT_TRUE(plus->isEnabled());
    EXPECT_EQ(panel->frameGeometry().height(), 320);
}

TEST_F(CarouselPanelTest, SavingWritesTheKeysInOrderUpToTheCountAndKeepsTheRest)
{
    PropertyPanel* panel = AddCarouselAt({10, 20});
    // An older fourth picture in the file stays.
    document.WriteSettings(document.IdAt(Sort::Component, 2), {{"图片4", "old.png"}});
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    Type(panel, "编辑框_图片3", QStringLiteral("http://127.0.0.1:9/p/3.jpg"));
    Type(panel, "编辑框_链接1", QStringLiteral("http://l/1"));
    Type(panel, "编辑框_链接3", QStringLiteral("http://l/3"));
    Find<QComboBox>(panel, "组合框2")->activated(1); // "否"
    Find<QComboBox>(panel, "组合框4")->activated(0); // "最原始均速"
    Save(panel);
    EXPECT_EQ(document.StatusText(), QStringLiteral("轮播属性值保存完成。右上角序号颜色为绿色，表示已保存设置，"
                                                    "若为橙黄色，表示未保存设置...."));
    const std::string picture = CarouselPanel::DefaultPictureAddress.toStdString();
    const std::string left = CarouselPanel::DefaultLeftArrowAddress.toStdString();
    const std::string right = CarouselPanel::DefaultRightArrowAddress.toStdString();
    EXPECT_EQ(TextCodec::Gb18030ToUtf8(Bytes(2)),
              "[配置]\r\n图片4=old.png\r\n宽度=300\r\n高度=130\r\n距左=10\r\n距顶=20\r\n编辑框数量=3\r\n左箭头=" +
                  left + "\r\n右箭头=" + right +
                  "\r\n左箭头距左=0\r\n左箭头距顶=90\r\n右箭头距左=260\r\n右箭头距顶=90\r\n打开方式=_blank\r\n"
                  "自动轮播=false\r\n动画效果=scrollx\r\n切换效果=easeNone\r\n刷新间隔=0.5\r\n箭头开关=block\r\n"
                  "图片1=" +
                  picture + "\r\n链接1=http://l/1\r\n图片2=" + picture +
                  "\r\n链接2=\r\n图片3=http://127.0.0.1:9/p/3.jpg\r\n链接3=http://l/3\r\n");
    EXPECT_EQ(Cell(2, ComponentRecord::Saved), "1");
    EXPECT_EQ(BadgeColour(panel), QColor(0, 255, 0));
}

TEST_F(CarouselPanelTest, ASevenPictureCarouselWritesItsSeventhLinkIntoItsOwnFile)
{
    AddCarouselAt({0, 0});
    PropertyPanel* panel = AddCarouselAt({0, 200});
    for (int i = 0; i < 5; ++i)
        QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    Type(panel, "编辑框_链接7", QStringLiteral("http://l/7"));
    Save(panel);
    EXPECT_EQ(Key(5, "链接7"), "http://l/7");
    EXPECT_EQ(Key(5, "编辑框数量"), "7");
    EXPECT_FALSE(FileSystem::Exists(Path(2)));
}

TEST_F(CarouselPanelTest, AFirstPictureWithoutHttpStopsTheSave)
{
    PropertyPanel* panel = AddCarouselAt({0, 0});
    Type(panel, "编辑框_图片1", QStringLiteral("ftp://p/1.jpg"));
    Save(panel);
    EXPECT_EQ(document.StatusText(), QStringLiteral("图片地址不正确，请填写以http开头的网络图片地址...."));
    EXPECT_FALSE(FileSystem::Exists(Path(2)));
    EXPECT_EQ(Cell(2, ComponentRecord::Saved), "");
    EXPECT_EQ(BadgeColour(panel), QColor(255, 128, 0));
}

TEST_F(CarouselPanelTest, LoadingSavedDataOfANeverSavedCarouselGivesTheFallbacks)
{
    PropertyPanel* panel = AddCarouselAt({0, 0});
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton); // three rows, strip moved
    Type(panel, "编辑框_图片3", QStringLiteral("mine.jpg"));
    panel->WriteField(QStringLiteral("编辑框_自动"), QStringLiteral("false"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮4"), Qt::LeftButton);
    EXPECT_EQ(document.StatusText(), QStringLiteral("载入保存设置完成，可再次修改...."));
    EXPECT_EQ(Text(panel, "编辑框_打开"), QStringLiteral("_blank"));
    EXPECT_EQ(Text(panel, "编辑框_动画"), QStringLiteral("scrollx"));
    EXPECT_EQ(Text(panel, "编辑框_切换"), QStringLiteral("bounceIn"));
    EXPECT_EQ(Text(panel, "编辑框_时长"), QStringLiteral("0.5"));
    EXPECT_EQ(Text(panel, "编辑框_左箭头"), CarouselPanel::DefaultLeftArrowAddress);
    EXPECT_EQ(Text(panel, "编辑框_右箭头"), CarouselPanel::DefaultRightArrowAddress);
    // Autoplay stays empty with its list unchanged; the count is empty.
    EXPECT_EQ(Text(panel, "编辑框_自动"), QString());
    EXPECT_EQ(Find<QComboBox>(panel, "组合框2")->currentText(), QStringLiteral("否"));
    EXPECT_EQ(Text(panel, "编辑框_数量"), QString());
    EXPECT_TRUE(Find<QPushButton>(panel, "按钮1")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(panel, "按钮3")->isEnabled());
    // No row is filled and the strip stays where it was.
    EXPECT_EQ(Text(panel, "编辑框_图片3"), QStringLiteral("mine.jpg"));
    EXPECT_EQ(panel->frameGeometry().height(), 350);
}

TEST_F(CarouselPanelTest, TheArrowBoxHidesBothArrowsAndSwitchesOnlyTheCarouselsColumn)
{
    PropertyPanel* panel = AddCarouselAt({0, 0});
    CanvasElement* leftArrow = ComponentView(3);
    CanvasElement* rightArrow = ComponentView(4);
    auto* box = Find<QCheckBox>(panel, "选择框1");
    box->click();
    EXPECT_FALSE(leftArrow->isVisible());
    EXPECT_FALSE(rightArrow->isVisible());
    EXPECT_EQ(Cell(2, ComponentRecord::Left), "假");
    EXPECT_FALSE(Find<PanelField>(panel, "编辑框_左箭头")->isEnabled());
    Save(panel);
    EXPECT_EQ(Key(2, "箭头开关"), "none");

    // Reopened, the box shows cleared and "none" is kept.
    RightPress(ComponentView(2));
    panel = panels.Panel(Kind::Carousel);
    EXPECT_FALSE(Find<QCheckBox>(panel, "选择框1")->isChecked());
    EXPECT_EQ(Text(panel, "编辑框1"), QStringLiteral("none"));

    // In arrow mode the box shows and hides the arrows but leaves column 1.
    box = Find<QCheckBox>(panel, "选择框1");
    box->click();
    ASSERT_EQ(Cell(2, ComponentRecord::Left), "真");
    RightPress(rightArrow);
    panel = panels.Panel(Kind::RightArrow);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(Find<QTabWidget>(panel, "高级选择夹1")->currentIndex(), 1);
    EXPECT_FALSE(Find<QPushButton>(panel, "按钮2")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(panel, "按钮4")->isEnabled());
    // The arrow's place relative to the canvas.
    EXPECT_EQ(Text(panel, "编辑框_右箭头左"), QString::number(rightArrow->x() - window.CanvasOrigin().x()));
    EXPECT_EQ(Text(panel, "编辑框_右箭头顶"), QString::number(rightArrow->y() - DesignerWindow::CanvasTop));
    Find<QCheckBox>(panel, "选择框1")->click();
    EXPECT_FALSE(leftArrow->isVisible());
    EXPECT_FALSE(rightArrow->isVisible());
    EXPECT_EQ(Cell(2, ComponentRecord::Left), "真");
}

TEST_F(CarouselPanelTest, RemovingAnArrowClearsTheBoxWithoutTouchingTheRecord)
{
    PropertyPanel* panel = AddCarouselAt({0, 0});
    RightPress(ComponentView(3));
    document.Remove(document.Selection().Current());
    panel = panels.Panel(Kind::Carousel);
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(Find<QCheckBox>(panel, "选择框1")->isChecked());
    EXPECT_EQ(Cell(2, ComponentRecord::Left), "真");
}

TEST_F(CarouselPanelTest, ReopeningASavedCarouselAndSavingChangesNoByte)
{
    PropertyPanel* panel = AddCarouselAt({40, 30});
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    for (int row = 1; row <= 5; ++row) {
        panel->WriteField(QStringLiteral("编辑框_图片%1").arg(row),
                          QStringLiteral("http://127.0.0.1:9/p/%1.jpg").arg(row));
        panel->WriteField(QStringLiteral("编辑框_链接%1").arg(row), QStringLiteral("http://l/%1").arg(row));
    }
    Find<QComboBox>(panel, "组合框2")->activated(1);
    Find<QComboBox>(panel, "组合框3")->activated(1);
    Find<QComboBox>(panel, "组合框4")->activated(13);
    Find<QComboBox>(panel, "组合框1")->activated(1);
    Type(panel, "编辑框_时长", QStringLiteral("1.5"));
    Type(panel, "编辑框_左箭头", QStringLiteral("http://127.0.0.1:9/p/l.png"));
    Find<QCheckBox>(panel, "选择框1")->click();
    Save(panel);
    const std::string saved = Bytes(2);

    document.ClearSelection();
    Drag(ComponentView(2), {0, 0});
    panel = panels.Panel(Kind::Carousel);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(Text(panel, "编辑框_图片5"), QStringLiteral("http://127.0.0.1:9/p/5.jpg"));
    EXPECT_EQ(panel->frameGeometry().height(), 410);
    Save(panel);
    EXPECT_EQ(Bytes(2), saved);
}

TEST_F(CarouselPanelTest, TheGeometryFieldsMoveTheCarouselWithItsArrowsAndSaveAsTyped)
{
    PropertyPanel* panel = AddCarouselAt({10, 20});
    CanvasElement* carousel = ComponentView(2);
    const QPoint arrow = ComponentView(4)->pos() - carousel->pos();
    for (const auto& [unit, text] :
         {std::pair{"编辑框_宽度", "500"}, {"编辑框_高度", "200"}, {"编辑框_距左", "40"}, {"编辑框_距顶", "60"}})
        Type(panel, unit, QString::fromUtf8(text));
    EXPECT_EQ(carousel->geometry(), QRect(40 + window.CanvasOrigin().x(), 60 + DesignerWindow::CanvasTop, 500, 200));
    EXPECT_EQ(ComponentView(4)->pos() - carousel->pos(), arrow);
    Save(panel);
    EXPECT_EQ(Key(2, "宽度"), "500");
    EXPECT_EQ(Key(2, "右箭头距左"), "260");

    // Reopened, it loads the size it shows; shown for an arrow, its fields
    // move nothing.
    document.ClearSelection();
    Drag(carousel, {0, 0});
    panel = panels.Panel(Kind::Carousel);
    EXPECT_EQ(Text(panel, "编辑框_宽度"), QStringLiteral("500"));
    RightPress(ComponentView(3));
    Type(panel, "编辑框_宽度", QStringLiteral("10"));
    EXPECT_EQ(ComponentView(3)->width(), 40);
    EXPECT_EQ(carousel->width(), 500);
}

} // namespace
} // namespace morvane

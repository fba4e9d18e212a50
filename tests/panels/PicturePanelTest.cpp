#include "KindTable.h"
#include "PanelTestFixture.h"

#include "ComponentRecord.h"
#include "PicturePanel.h"

namespace morvane {
namespace {

const QColor kOrange(255, 128, 0);
const QColor kGreen(0, 255, 0);

TEST_F(PanelTest, FirstPictureLoadsUnsavedAndTurnsGreenOnSave)
{
    CanvasElement* element = AddPictureAt({40, 30});
    PropertyPanel* panel = panels.Panel(Kind::Picture);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("属性设置"));
    // Sizes and places are those of the whole window, frame included.
    EXPECT_EQ(panel->frameGeometry().size(), QSize(296, 332));
    EXPECT_EQ(panel->pos(), QPoint(window.width() - panel->frameGeometry().width() - 5, 95));
    EXPECT_EQ(Find<QLabel>(panel, "透明标签_序号")->text(), QStringLiteral("1"));
    EXPECT_EQ(BadgeColour(panel), kOrange);
    EXPECT_EQ(document.StatusText(),
              QStringLiteral("该图片组件未保存设置，请配置好后点击 保存设置，否则会影响生成代码的效果...."));
    EXPECT_EQ(Text(panel, "编辑框_打开"), QStringLiteral("_blank"));
    EXPECT_EQ(Find<QComboBox>(panel, "组合框1")->currentIndex(), 0);
    EXPECT_EQ(Text(panel, "编辑框_图片"), PicturePanel::DefaultPictureAddress);
    EXPECT_EQ(Text(panel, "编辑框_链接"), QString()); // the initial "#" is overwritten
    EXPECT_EQ(Text(panel, "编辑框_提示"), QString());
    EXPECT_EQ(Text(panel, "编辑框_距左"), QStringLiteral("40"));
    EXPECT_EQ(Text(panel, "编辑框_距顶"), QStringLiteral("30"));
    EXPECT_EQ(Text(panel, "编辑框_宽度"), QString::number(element->width()));

    // No "http": saved as typed, and the canvas keeps its picture.
    const qint64 pictureKey = element->Picture().cacheKey();
    Type(panel, "编辑框_图片", QStringLiteral("ftp://host/a.jpg"));
    Type(panel, "编辑框_链接", QStringLiteral("https://shop.example/item?id=7"));
    Type(panel, "编辑框_提示", QStringLiteral("新品"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    const std::vector<std::string> expected{"40",
                                            "30",
                                            std::to_string(element->width()),
                                            std::to_string(element->height()),
                                            "_blank",
                                            "ftp://host/a.jpg",
                                            "https://shop.example/item?id=7",
                                            "新品",
                                            "1"};
    for (int column = 1; column <= 9; ++column)
        EXPECT_EQ(Cell(2, column), expected[static_cast<size_t>(column - 1)]) << column;
    EXPECT_EQ(BadgeColour(panel), kGreen);
    EXPECT_EQ(element->Picture().cacheKey(), pictureKey);
    EXPECT_TRUE(document.StatusText().startsWith(QStringLiteral("图片属性值保存完成")));

    // A second picture shows 2; reselecting the first loads it green again.
    AddPictureAt({300, 30});
    panel = panels.Panel(Kind::Picture);
    EXPECT_EQ(Find<QLabel>(panel, "透明标签_序号")->text(), QStringLiteral("2"));
    EXPECT_EQ(BadgeColour(panel), kOrange);
    Drag(element, {0, 0});
    panel = panels.Panel(Kind::Picture);
    EXPECT_EQ(Find<QLabel>(panel, "透明标签_序号")->text(), QStringLiteral("1"));
    EXPECT_EQ(BadgeColour(panel), kGreen);
    EXPECT_EQ(Text(panel, "编辑框_提示"), QStringLiteral("新品"));
}

TEST_F(PanelTest, GeometryFieldsMoveTheElementLiveAndSaveStoresThem)
{
    CanvasElement* element = AddPictureAt({10, 10});
    PropertyPanel* panel = panels.Panel(Kind::Picture);
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    const std::string savedWidth = Cell(2, ComponentRecord::Width);

    Type(panel, "编辑框_距左", QStringLiteral("-20"));
    EXPECT_EQ(element->x(), window.CanvasOrigin().x() - 20);
    Type(panel, "编辑框_距顶", QStringLiteral("15px"));
    EXPECT_EQ(element->y(), DesignerWindow::CanvasTop + 15);
    Type(panel, "编辑框_距顶", QStringLiteral("99999999999"));
    EXPECT_GT(element->y(), 1000000);
    Type(panel, "编辑框_距顶", QStringLiteral("15px"));
    Type(panel, "编辑框_宽度", QString());
    EXPECT_EQ(element->width(), 0);
    EXPECT_EQ(Cell(2, ComponentRecord::Width), savedWidth);
    EXPECT_EQ(Cell(2, ComponentRecord::Left), "10");

    // Selecting it again loses nothing that moved the element: the fields
    // come from the element, not from the record.
    Resize(element, {120, element->height()});
    QTest::mousePress(element, Qt::RightButton);
    QTest::mouseRelease(element, Qt::RightButton);
    panel = panels.Panel(Kind::Picture);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(Text(panel, "编辑框_距左"), QStringLiteral("-20"));
    EXPECT_EQ(Text(panel, "编辑框_宽度"), QStringLiteral("120"));

    // A drag followed by a save stores the new place.
    Drag(element, {50, 40});
    panel = panels.Panel(Kind::Picture);
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    EXPECT_EQ(Cell(2, ComponentRecord::Left), "30");
    EXPECT_EQ(Cell(2, ComponentRecord::Top), "55");

    // An emptied width is stored empty.
    Type(panel, "编辑框_宽度", QString());
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    EXPECT_EQ(Cell(2, ComponentRecord::Width), "");
}

TEST_F(PanelTest, LinkTargetAndPictureAddressRules)
{
    AddPictureAt({0, 0});
    PropertyPanel* panel = panels.Panel(Kind::Picture);
    auto* list = Find<QComboBox>(panel, "组合框1");
    QTest::keyClick(list, Qt::Key_Down); // the user picks "当前窗口"
    EXPECT_EQ(Text(panel, "编辑框_打开"), QStringLiteral("_self"));
    Type(panel, "编辑框_图片", QStringLiteral("file.jpg"));
    QTest::mouseClick(Find<QPushButton>(panel, "按钮1"), Qt::LeftButton);
    EXPECT_EQ(Cell(2, ComponentRecord::Open), "_self");

    // Written targets select the item; empty becomes "_blank"; other text
    // leaves the list alone.
    panel->WriteField(QStringLiteral("编辑框_打开"), QStringLiteral("_blank"));
    EXPECT_EQ(list->currentIndex(), 0);
    panel->WriteField(QStringLiteral("编辑框_打开"), QStringLiteral("_self"));
    panel->WriteField(QStringLiteral("编辑框_打开"), QStringLiteral("_parent"));
    EXPECT_EQ(list->currentIndex(), 1);
    panel->WriteField(QStringLiteral("编辑框_打开"), QString());
    EXPECT_EQ(Text(panel, "编辑框_打开"), QStringLiteral("_blank"));
    EXPECT_EQ(list->currentIndex(), 0);

    // A stored empty target and an empty picture load as the defaults.
    document.SetCells(document.IdAt(Sort::Component, 2), {{ComponentRecord::Open, QString()}});
    document.SetCells(document.IdAt(Sort::Component, 2), {{ComponentRecord::Picture, QString()}});
    panel->WriteField(QStringLiteral("编辑框_读数据"), QStringLiteral("1"));
    EXPECT_EQ(Text(panel, "编辑框_打开"), QStringLiteral("_blank"));
    EXPECT_EQ(Text(panel, "编辑框_图片"), PicturePanel::DefaultPictureAddress);

    Type(panel, "编辑框_图片", QString());
    EXPECT_EQ(Text(panel, "编辑框_图片"), PicturePanel::DefaultPictureAddress);
}

TEST_F(PanelTest, PanelOfAnotherKindNeverReachesTheNewSelection)
{
    CanvasElement* picture = AddPictureAt({0, 0});
    PropertyPanel* panel = panels.Panel(Kind::Picture);
    Type(panel, "编辑框_提示", QStringLiteral("unsaved"));

    QTest::mouseClick(Find<QPushButton>(&window, "超级按钮_轮播"), Qt::LeftButton);
    CanvasElement* carousel = ComponentView(3);
    ASSERT_EQ(Cell(3, ComponentRecord::Kind), "轮播");
    QTest::mousePress(carousel, Qt::RightButton);
    QTest::mouseRelease(carousel, Qt::RightButton);
    for (QWidget* menu : QApplication::topLevelWidgets()) {
        if (menu->objectName() == QStringLiteral("菜单"))
            menu->hide();
    }
    EXPECT_EQ(panels.Panel(Kind::Picture), nullptr);
    EXPECT_EQ(Cell(3, ComponentRecord::Tip), "");
    EXPECT_EQ(Cell(3, ComponentRecord::Saved), "");

    // Back on the picture: the unsaved edit is gone.
    Drag(picture, {0, 0});
    panel = panels.Panel(Kind::Picture);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(Text(panel, "编辑框_提示"), QString());

    // Deselect closes it; the page settings stay.
    panels.OpenPageSettings();
    document.ClearSelection();
    EXPECT_EQ(panels.Panel(Kind::Picture), nullptr);
    EXPECT_NE(panels.PageSettings(), nullptr);
}

} // namespace
} // namespace morvane

namespace morvane {
namespace {

TEST_F(PanelTest, PanelsBelongToTheDesignerAndAPressOnATextClosesNone)
{
    AddPictureAt({0, 0});
    PropertyPanel* panel = panels.Panel(Kind::Picture);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->parentWidget(), &window);
    EXPECT_TRUE(panel->isWindow());
    Type(panel, "编辑框_提示", QStringLiteral("unsaved"));

    QTest::mouseClick(Find<QPushButton>(&window, "超级按钮8"), Qt::LeftButton);
    Drag(TextView(1), {300, 100});
    ASSERT_EQ(panels.Panel(Kind::Picture), panel);
    EXPECT_EQ(Text(panel, "编辑框_提示"), QStringLiteral("unsaved"));
}

} // namespace
} // namespace morvane

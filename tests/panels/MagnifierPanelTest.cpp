#include "KindTable.h"
#include "PanelTestFixture.h"

#include "KindColumns.h"
#include "MagnifierPanel.h"
#include "PicturePanel.h"

namespace morvane {
namespace {

class MagnifierPanelTest : public KindPanelTest {
protected:
    MagnifierPanelTest() : KindPanelTest("超级按钮3", "放大镜", {40, 30}) {}
};

TEST_F(MagnifierPanelTest, ANewMagnifierLoadsSquareWithTheDefaults)
{
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("放大镜属性设置 "));
    EXPECT_EQ(panel->frameGeometry().size(), QSize(380, 328));
    EXPECT_EQ(Text(panel, "编辑框_宽度"), QStringLiteral("220"));
    EXPECT_EQ(Text(panel, "编辑框_高度"), QStringLiteral("220"));
    EXPECT_EQ(Text(panel, "编辑框_倍数"), QStringLiteral("264"));
    EXPECT_EQ(Text(panel, "编辑框_边框色"), QStringLiteral("#fff"));
    EXPECT_EQ(Shown(panel, "组合框2"), QStringLiteral("1.2 倍"));
    EXPECT_EQ(Text(panel, "编辑框_底图"), MagnifierPanel::DefaultPictureAddress);
    EXPECT_EQ(Text(panel, "编辑框_放大图"), MagnifierPanel::DefaultPictureAddress);
    EXPECT_EQ(Text(panel, "编辑框_链接"), QString()); // the initial "#" gives way to the empty column
    EXPECT_EQ(Text(panel, "编辑框_距左"), QStringLiteral("40"));
    EXPECT_EQ(Find<QLabel>(panel, "透明标签_序号")->text(), QStringLiteral("1"));
    EXPECT_EQ(BadgeColour(panel), QColor(255, 128, 0));
    EXPECT_EQ(document.StatusText(), PicturePanel::UnsavedText);

    Type(panel, "编辑框_底图", QString());
    EXPECT_EQ(Text(panel, "编辑框_底图"), MagnifierPanel::DefaultPictureAddress);
    Type(panel, "编辑框_放大图", QString());
    EXPECT_EQ(Text(panel, "编辑框_放大图"), MagnifierPanel::DefaultPictureAddress);
    panel->WriteField(QStringLiteral("编辑框_倍数"), QString());
    EXPECT_EQ(Text(panel, "编辑框_倍数"), QStringLiteral("264"));
}

TEST_F(MagnifierPanelTest, TheZoomWidthFollowsWidthAndRatioWhileTheElementKeepsItsWidth)
{
    Resize(element, {300, 300});
    RightSelect(element);
    Choose(panel, "组合框2", QStringLiteral("1.5 倍"));
    EXPECT_EQ(Text(panel, "编辑框_倍数"), QStringLiteral("450"));
    Type(panel, "编辑框_宽度", QStringLiteral("301"));
    EXPECT_EQ(Text(panel, "编辑框_倍数"), QStringLiteral("451"));
    EXPECT_EQ(element->width(), 300);

    // The double product is cut, also where binary fractions put it a hair
    // below a whole number.
    Choose(panel, "组合框2", QStringLiteral("1.4 倍"));
    Type(panel, "编辑框_宽度", QStringLiteral("45"));
    EXPECT_EQ(Text(panel, "编辑框_倍数"), QStringLiteral("62"));
    Type(panel, "编辑框_宽度", QStringLiteral("宽"));
    EXPECT_EQ(Text(panel, "编辑框_倍数"), QStringLiteral("0"));

    // The height resizes until the next load makes the magnifier square.
    Type(panel, "编辑框_高度", QStringLiteral("100"));
    EXPECT_EQ(element->size(), QSize(300, 100));
    RightSelect(element);
    EXPECT_EQ(element->size(), QSize(300, 300));
    EXPECT_EQ(Text(panel, "编辑框_高度"), QStringLiteral("300"));

    panel->ChooseColour(QStringLiteral("颜色选择器1"), QColor(255, 0, 0));
    EXPECT_EQ(Text(panel, "编辑框_边框色"), QStringLiteral("#FF0000"));
}

TEST_F(MagnifierPanelTest, SavingWritesItsOwnColumnsAndNeverTheHeight)
{
    Type(panel, "编辑框_底图", QStringLiteral("small.jpg"));
    Type(panel, "编辑框_放大图", QStringLiteral("big.jpg"));
    Type(panel, "编辑框_链接", QStringLiteral("https://shop.example/item"));
    Choose(panel, "组合框2", QStringLiteral("1.8 倍"));
    Save(panel, "按钮2");
    EXPECT_EQ(Row(2), (std::vector<std::string>{"放大镜", "40", "30", "220", "", "_blank", "small.jpg", "big.jpg",
                                                "https://shop.example/item", "1", "396", "#fff"}));
    EXPECT_EQ(BadgeColour(panel), QColor(0, 255, 0));
    EXPECT_EQ(document.StatusText(), QStringLiteral("放大镜属性值保存完成，如需修改，请再次点击该图片。"
                                                    "在设计模式不支持效果显示，可生成代码后预览效果...."));
}

TEST_F(MagnifierPanelTest, ReopeningRestoresRatioAndBorderSoASecondSaveChangesNothing)
{
    Choose(panel, "组合框2", QStringLiteral("1.5 倍"));
    panel->ChooseColour(QStringLiteral("颜色选择器1"), QColor(18, 5, 171));
    Save(panel, "按钮2");
    const std::vector<std::string> saved = Row(2);
    EXPECT_EQ(saved[MagnifierColumn::ZoomWidth], "330");
    EXPECT_EQ(saved[MagnifierColumn::BorderColour], "#1205AB");

    Reopen();
    EXPECT_EQ(Shown(panel, "组合框2"), QStringLiteral("1.5 倍"));
    EXPECT_EQ(Text(panel, "编辑框_倍数"), QStringLiteral("330"));
    EXPECT_EQ(Text(panel, "编辑框_边框色"), QStringLiteral("#1205AB"));
    Save(panel, "按钮2");
    EXPECT_EQ(Row(2), saved);

    // An emptied border colour stays empty.
    Type(panel, "编辑框_边框色", QString());
    Save(panel, "按钮2");
    Reopen();
    EXPECT_EQ(Text(panel, "编辑框_边框色"), QString());

    // Resized with the frame since: the ratio it was saved with gives the
    // zoom width of the new side.
    Resize(element, {310, 310});
    Reopen();
    EXPECT_EQ(Text(panel, "编辑框_宽度"), QStringLiteral("310"));
    EXPECT_EQ(Text(panel, "编辑框_倍数"), QStringLiteral("465"));
    Save(panel, "按钮2");
    EXPECT_EQ(Cell(2, MagnifierColumn::ZoomWidth), "465");
    EXPECT_EQ(Cell(2, MagnifierColumn::Side), "310");
}

// Every load keeps zoom width = side x the magnifier's own ratio: unsaved
// or saved, resized while its panel stays open, typed and reopened.
TEST_F(MagnifierPanelTest, EveryLoadKeepsTheZoomWidthTheProductOfSideAndRatio)
{
    Choose(panel, "组合框2", QStringLiteral("1.5 倍"));
    Type(panel, "编辑框_边框色", QStringLiteral("#123456"));
    Resize(element, {300, 300});
    RightSelect(element);
    EXPECT_EQ(Text(panel, "编辑框_倍数"), QStringLiteral("450"));
    EXPECT_EQ(Text(panel, "编辑框_边框色"), QStringLiteral("#123456"));
    Save(panel, "按钮2");
    Resize(element, {320, 320});
    RightSelect(element);
    Save(panel, "按钮2");
    EXPECT_EQ(Cell(2, MagnifierColumn::ZoomWidth), "480");

    Choose(panel, "组合框2", QStringLiteral("1.4 倍"));
    Type(panel, "编辑框_宽度", QStringLiteral("45"));
    Save(panel, "按钮2"); // 62
    Reopen();
    EXPECT_EQ(Text(panel, "编辑框_倍数"), QStringLiteral("448"));
    // A zoom width no ratio gives stays while the side is the saved one.
    document.SetCells(document.IdAt(Sort::Component, 2), {{MagnifierColumn::Side, QStringLiteral("320")}});
    document.SetCells(document.IdAt(Sort::Component, 2), {{MagnifierColumn::ZoomWidth, QStringLiteral("333")}});
    Reopen();
    EXPECT_EQ(Text(panel, "编辑框_倍数"), QStringLiteral("333"));

    // A colour text shows whole: scrolled to its end it looks as from its start.
    auto* border = Find<PanelField>(panel, "编辑框_边框色");
    border->setText(QStringLiteral("#00FF00"));
    border->home(false);
    const QImage start = border->grab().toImage();
    border->end(false);
    EXPECT_EQ(border->grab().toImage(), start);
}

TEST_F(MagnifierPanelTest, AMagnifierNeverSavedShowsTheDefaultsNotTheLastOnesLeftovers)
{
    Choose(panel, "组合框2", QStringLiteral("1.7 倍"));
    panel->ChooseColour(QStringLiteral("颜色选择器1"), QColor(0, 0, 255));
    Save(panel, "按钮2");
    CanvasElement* second = AddAt("超级按钮3", {400, 30});
    RightSelect(element);
    RightSelect(second); // the same window loads the second one
    panel = panels.Panel(Kind::Magnifier);
    EXPECT_EQ(Shown(panel, "组合框2"), QStringLiteral("1.2 倍"));
    EXPECT_EQ(Text(panel, "编辑框_倍数"), QStringLiteral("264"));
    EXPECT_EQ(Text(panel, "编辑框_边框色"), QStringLiteral("#fff"));
}

} // namespace
} // namespace morvane

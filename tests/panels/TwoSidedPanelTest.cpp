#include "PanelTestFixture.h"

#include "KindColumns.h"
#include "PicturePanel.h"
#include "TwoSidedPanel.h"

#include <set>

namespace morvane {
namespace {

QString Overlay(const QString& style)
{
    for (const PanelForm::Choice& overlay : TwoSidedPanel::Overlays()) {
        if (overlay.item == style)
            return overlay.word;
    }
    ADD_FAILURE() << style.toStdString();
    return {};
}

class TwoSidedPanelTest : public KindPanelTest {
protected:
    TwoSidedPanelTest() : KindPanelTest("超级按钮1", "双面图", {10, 20}) {}
};

TEST_F(TwoSidedPanelTest, ANewTwoSidedImageLoadsTheSunnyBubbles)
{
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("双面图属性设置"));
    EXPECT_EQ(panel->frameGeometry().size(), QSize(296, 344));
    auto* list = Find<QComboBox>(panel, "组合框2");
    ASSERT_EQ(list->count(), 11);
    EXPECT_EQ(list->itemText(0), QStringLiteral("大网格层"));
    EXPECT_EQ(list->itemText(10), QStringLiteral("樱花飞舞"));
    EXPECT_EQ(list->currentText(), QStringLiteral("阳光泡泡"));
    EXPECT_EQ(Text(panel, "编辑框_放大图"), Overlay(QStringLiteral("阳光泡泡")));
    EXPECT_EQ(Text(panel, "编辑框_底图"), TwoSidedPanel::DefaultFrontAddress);
    EXPECT_EQ(Text(panel, "编辑框_链接"), QString());
    EXPECT_EQ(document.StatusText(), PicturePanel::UnsavedText);
    std::set<QString> addresses;
    for (const PanelForm::Choice& overlay : TwoSidedPanel::Overlays())
        addresses.insert(overlay.word);
    EXPECT_EQ(addresses.size(), 11u);
    EXPECT_EQ(addresses.count(TwoSidedPanel::DefaultFrontAddress), 0u);
}

TEST_F(TwoSidedPanelTest, StylesAndBackPictureAddressesFollowEachOther)
{
    Choose(panel, "组合框2", QStringLiteral("蝴蝶飞舞"));
    EXPECT_EQ(Text(panel, "编辑框_放大图"), Overlay(QStringLiteral("蝴蝶飞舞")));
    Type(panel, "编辑框_放大图", Overlay(QStringLiteral("金光闪闪")));
    EXPECT_EQ(Shown(panel, "组合框2"), QStringLiteral("金光闪闪"));
    Type(panel, "编辑框_放大图", QStringLiteral("https://pictures.example/own.gif"));
    EXPECT_EQ(Shown(panel, "组合框2"), QStringLiteral("金光闪闪"));
    // An address differing only in case is some other picture.
    Type(panel, "编辑框_放大图", Overlay(QStringLiteral("细雨绵绵")).toUpper());
    EXPECT_EQ(Shown(panel, "组合框2"), QStringLiteral("金光闪闪"));

    Type(panel, "编辑框_放大图", QString());
    EXPECT_EQ(Text(panel, "编辑框_放大图"), Overlay(QStringLiteral("阳光泡泡")));
    EXPECT_EQ(Shown(panel, "组合框2"), QStringLiteral("阳光泡泡"));
    Type(panel, "编辑框_底图", QString());
    EXPECT_EQ(Text(panel, "编辑框_底图"), TwoSidedPanel::DefaultFrontAddress);
}

TEST_F(TwoSidedPanelTest, ASaveKeepsTheLinkInSevenAndTheBackPictureInEight)
{
    Type(panel, "编辑框_链接", QStringLiteral("https://shop.example/item?id=3"));
    Choose(panel, "组合框2", QStringLiteral("心形罩层"));
    Choose(panel, "组合框1", QStringLiteral("当前窗口"));
    Type(panel, "编辑框_底图", QStringLiteral("front.jpg"));
    Type(panel, "编辑框_宽度", QStringLiteral("150"));
    EXPECT_EQ(element->width(), 150);
    Save(panel, "按钮2");
    const std::vector<std::string> expected{"10",
                                            "20",
                                            "150",
                                            std::to_string(element->height()),
                                            "_self",
                                            "front.jpg",
                                            "https://shop.example/item?id=3",
                                            Overlay(QStringLiteral("心形罩层")).toStdString(),
                                            "1"};
    for (int column = 1; column <= 9; ++column)
        EXPECT_EQ(Cell(2, column), expected[static_cast<size_t>(column - 1)]) << column;
    EXPECT_EQ(Cell(2, 10), "");
    EXPECT_EQ(document.StatusText(),
              QStringLiteral("双面图属性值保存完成，如需修改，请再次点击该图片。实际效果请生成代码后预览...."));

    // Reopened and saved again, nothing changes.
    Reopen();
    EXPECT_EQ(Shown(panel, "组合框2"), QStringLiteral("心形罩层"));
    EXPECT_EQ(Shown(panel, "组合框1"), QStringLiteral("当前窗口"));
    Save(panel, "按钮2");
    for (int column = 1; column <= 9; ++column)
        EXPECT_EQ(Cell(2, column), expected[static_cast<size_t>(column - 1)]) << column;
}

} // namespace
} // namespace morvane

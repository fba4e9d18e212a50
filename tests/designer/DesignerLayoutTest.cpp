#include "DesignerLayout.h"

#include <gtest/gtest.h>

using morvane::DesignerLayout;

TEST(DesignerLayout, NumbersForCommonScreens)
{
    const auto small = DesignerLayout::Compute(1366, 728);
    EXPECT_EQ(small.canvasOrigin, 210);
    EXPECT_EQ(small.rightGuide, 1159);
    EXPECT_EQ(small.generateLeft, 1166);
    EXPECT_EQ(small.previewLeft, 1226);
    EXPECT_EQ(small.closeLeft, 1340);
    EXPECT_EQ(small.minimiseLeft, 1314);
    EXPECT_EQ(small.guideHeight, 638);
    EXPECT_EQ(small.canvasHeight, 618);
    EXPECT_EQ(small.statusTop, 708);
    EXPECT_EQ(small.statusPaneWidth, 1316);

    const auto wide = DesignerLayout::Compute(1920, 1040);
    EXPECT_EQ(wide.canvasOrigin, 487);
    EXPECT_EQ(wide.rightGuide, 487 + 949);
    EXPECT_EQ(wide.centreGuide, 487 + 475);
    EXPECT_EQ(wide.toolbarLeft, 487);
}

TEST(DesignerLayout, OddWidthsAreCutTowardZero)
{
    EXPECT_EQ(DesignerLayout::Compute(1365, 728).rulerLeft, 207);
    EXPECT_EQ(DesignerLayout::Compute(1365, 728).canvasOrigin, 209);
}

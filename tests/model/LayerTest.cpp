#include "BackgroundLayer.h"
#include "ComponentLayer.h"
#include "ComponentRecord.h"
#include "KindTable.h"
#include "PageSettings.h"
#include "SerialNumber.h"

#include <gtest/gtest.h>

using namespace morvane;

TEST(ComponentLayer, StartsWithTwoPlaceholderRows)
{
    ComponentLayer layer;
    ASSERT_EQ(layer.RowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column <= 10; ++column)
            EXPECT_EQ(layer.Cell(row, column), "-1") << row << "," << column;
        EXPECT_EQ(layer.Cell(row, ComponentRecord::Extra2), "");
    }
}

TEST(ComponentLayer, AppendedRecordHoldsOnlyItsKindAndRowsOutsideReadEmpty)
{
    ComponentLayer layer;
    const int row = layer.AppendComponent(Kind::Picture);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(layer.Cell(row, ComponentRecord::Kind), "图片");
    for (int column = 1; column < ComponentRecord::ColumnCount; ++column)
        EXPECT_EQ(layer.Cell(row, column), "");
    EXPECT_EQ(layer.Cell(7, 0), "");
    EXPECT_EQ(layer.Cell(-1, 0), "");
    EXPECT_EQ(layer.Cell(row, 99), "");
    layer.SetCell(9, 0, "x"); // no such row: ignored
    EXPECT_EQ(layer.RowCount(), 3);
}

TEST(ComponentLayer, DeletingACarouselsThreeRowsMovesLaterRecordsUp)
{
    // picture, carousel (+ two arrows), picture: rows 2 .. 6
    ComponentLayer layer;
    layer.AppendComponent(Kind::Picture);
    const int carousel = layer.AppendComponent(Kind::Carousel);
    layer.SetCell(carousel, ComponentRecord::Left, "真");
    layer.AppendComponent(Kind::LeftArrow);
    layer.AppendComponent(Kind::RightArrow);
    const int last = layer.AppendComponent(Kind::Picture);
    layer.SetCell(last, ComponentRecord::Picture, "http://x/last.jpg");
    EXPECT_EQ(carousel, 3);
    EXPECT_EQ(last, 6);

    for (int i = 0; i < 3; ++i)
        layer.DeleteRow(carousel);
    EXPECT_EQ(layer.RowCount(), 4);
    EXPECT_EQ(layer.Cell(3, ComponentRecord::Kind), "图片");
    EXPECT_EQ(layer.Cell(3, ComponentRecord::Picture), "http://x/last.jpg");
}

TEST(BackgroundLayer, PageSettingsDefaultsAndTextRows)
{
    BackgroundLayer layer;
    ASSERT_EQ(layer.RowCount(), 1);
    EXPECT_EQ(layer.Cell(0, PageSettings::Edition), "专业版");
    EXPECT_EQ(layer.Cell(0, PageSettings::Width), "");
    EXPECT_EQ(layer.Cell(0, PageSettings::Attachment), "scroll");
    EXPECT_EQ(layer.Cell(0, PageSettings::Repeat), "no-repeat");
    EXPECT_EQ(layer.Cell(0, PageSettings::VerticalPos), "top");
    EXPECT_EQ(layer.Cell(0, PageSettings::HorizontalPos), "center");
    EXPECT_EQ(layer.Cell(0, PageSettings::TopSpacing), "");

    EXPECT_EQ(layer.AppendText(), 1);
    EXPECT_EQ(layer.AppendText(), 2);
    EXPECT_EQ(layer.Cell(2, 0), "文字");
    layer.DeleteRow(1);
    EXPECT_EQ(layer.RowCount(), 2);
    EXPECT_EQ(layer.Cell(0, PageSettings::Edition), "专业版");
}

TEST(SerialNumber, ComponentsFromOneAndTextsAfterTheComponents)
{
    EXPECT_EQ(SerialNumber::ForComponent(2), 1);
    // three components: counter 4; texts 1 and 2 show 4 and 5
    EXPECT_EQ(SerialNumber::ForText(1, 4), 4);
    EXPECT_EQ(SerialNumber::ForText(2, 4), 5);
}

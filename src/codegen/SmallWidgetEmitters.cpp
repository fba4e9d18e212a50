// The eight small widget emitters: one template, a few record columns each.
#include "CodeGenerator.h"

#include "CodeTemplates.h"

#include "ComponentRecord.h"

namespace morvane {

namespace {
constexpr int kLeft = ComponentRecord::Left;
constexpr int kTop = ComponentRecord::Top;
constexpr int kCol3 = 3;
constexpr int kCol4 = 4;
constexpr int kCol5 = 5;
constexpr int kCol6 = 6;
} // namespace

void CodeGenerator::EmitWangwangGroup()
{
    if (!BeginEmit(Cell(kCol3), StatusUnsavedPicture))
        return;
    EndEmit(Apply(CodeTemplates::WangwangGroup, {
        {"宽度", Cell(kCol3), 1}, {"高度", Cell(kCol4), 1},
        {"距左", Cell(kLeft), 1}, {"距顶", Cell(kTop), 1},
        {"群ID", Cell(kCol5), 1}, {"群图标", Cell(kCol6), 1},
    }));
}

void CodeGenerator::EmitCart()
{
    if (!BeginEmit(Cell(kCol3), StatusUnsavedPicture))
        return;
    EndEmit(Apply(CodeTemplates::Cart, {
        {"宽度", Cell(kCol3), 1}, {"高度", Cell(kCol4), 1},
        {"距左", Cell(kLeft), 1}, {"距顶", Cell(kTop), 1},
        {"宝贝", Cell(kCol6), 1}, {"图标", Cell(kCol5), 1},
    }));
}

void CodeGenerator::EmitQrCode()
{
    if (!BeginEmit(Cell(kCol3), StatusUnsavedPicture))
        return;
    // The stored address holds "数字"; the second step puts the number there.
    EndEmit(Apply(CodeTemplates::QrCode, {
        {"#链接", Cell(kCol4), 1}, {"数字", Cell(kCol5), 1},
        {"距左", Cell(kLeft), 1}, {"距顶", Cell(kTop), 1},
    }));
}

void CodeGenerator::EmitVideo()
{
    if (!BeginEmit(Cell(kCol3), StatusUnsavedPicture))
        return;
    EndEmit(Apply(CodeTemplates::Video, {
        {"宽度", Cell(kCol3), 2}, {"高度", Cell(kCol4), 2},
        {"距左", Cell(kLeft), 1}, {"距顶", Cell(kTop), 1},
        {"视频", Cell(kCol5), 1},
    }));
}

void CodeGenerator::EmitShare()
{
    if (!BeginEmit(Cell(kCol3), StatusUnsavedPicture))
        return;
    EndEmit(Apply(CodeTemplates::Share, {
        {"宽度", Cell(kCol3), 2}, {"高度", Cell(kCol4), 2},
        {"距左", Cell(kLeft), 1}, {"距顶", Cell(kTop), 1},
        {"宝贝id", Cell(kCol5), 1}, {"图标", Cell(kCol6), 1},
    }));
}

void CodeGenerator::EmitFavourite()
{
    if (!BeginEmit(Cell(kCol3), StatusUnsavedPicture))
        return;
    EndEmit(Apply(CodeTemplates::Favourite, {
        {"宽度", Cell(kCol3), 2}, {"高度", Cell(kCol4), 2},
        {"距左", Cell(kLeft), 1}, {"距顶", Cell(kTop), 1},
        {"#链接", Cell(kCol6), 1}, {"图标", Cell(kCol5), 1},
    }));
}

void CodeGenerator::EmitLike()
{
    if (!BeginEmit(Cell(kCol3), StatusUnsavedPicture))
        return;
    EndEmit(Apply(CodeTemplates::Like, {
        {"样式", Cell(kCol3), 1}, {"宝贝", Cell(kCol4), 1},
        {"距左", Cell(kLeft), 1}, {"距顶", Cell(kTop), 1},
    }));
}

void CodeGenerator::EmitFollow()
{
    if (!BeginEmit(Cell(kCol3), StatusUnsavedPicture))
        return;
    EndEmit(Apply(CodeTemplates::Follow, {
        {"宽度", Cell(kCol3), 2}, {"高度", Cell(kCol4), 2},
        {"距左", Cell(kLeft), 1}, {"距顶", Cell(kTop), 1},
        {"店铺", Cell(kCol5), 1}, {"图标", Cell(kCol6), 1},
    }));
}

} // namespace morvane

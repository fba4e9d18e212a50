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
    static const CompiledTemplate block(CodeTemplates::WangwangGroup);
    EndEmit(block, {
                       {"宽度", Cell(kCol3), 1},
                       {"高度", Cell(kCol4), 1},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                       {"群ID", Cell(kCol5), 1},
                       {"群图标", Cell(kCol6), 1},
                   });
}

void CodeGenerator::EmitCart()
{
    if (!BeginEmit(Cell(kCol3), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Cart);
    EndEmit(block, {
                       {"宽度", Cell(kCol3), 1},
                       {"高度", Cell(kCol4), 1},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                       {"宝贝", Cell(kCol6), 1},
                       {"图标", Cell(kCol5), 1},
                   });
}

void CodeGenerator::EmitQrCode()
{
    if (!BeginEmit(Cell(kCol3), StatusUnsavedPicture))
        return;
    // The stored address holds "数字"; the second step puts the number there.
    static const CompiledTemplate block(CodeTemplates::QrCode);
    EndEmit(block, {
                       {"#链接", Cell(kCol4), 1},
                       {"数字", Cell(kCol5), 1},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                   });
}

void CodeGenerator::EmitVideo()
{
    if (!BeginEmit(Cell(kCol3), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Video);
    EndEmit(block, {
                       {"宽度", Cell(kCol3), 2},
                       {"高度", Cell(kCol4), 2},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                       {"视频", Cell(kCol5), 1},
                   });
}

void CodeGenerator::EmitShare()
{
    if (!BeginEmit(Cell(kCol3), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Share);
    EndEmit(block, {
                       {"宽度", Cell(kCol3), 2},
                       {"高度", Cell(kCol4), 2},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                       {"宝贝id", Cell(kCol5), 1},
                       {"图标", Cell(kCol6), 1},
                   });
}

void CodeGenerator::EmitFavourite()
{
    if (!BeginEmit(Cell(kCol3), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Favourite);
    EndEmit(block, {
                       {"宽度", Cell(kCol3), 2},
                       {"高度", Cell(kCol4), 2},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                       {"#链接", Cell(kCol6), 1},
                       {"图标", Cell(kCol5), 1},
                   });
}

void CodeGenerator::EmitLike()
{
    if (!BeginEmit(Cell(kCol3), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Like);
    EndEmit(block, {
                       {"样式", Cell(kCol3), 1},
                       {"宝贝", Cell(kCol4), 1},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                   });
}

void CodeGenerator::EmitFollow()
{
    if (!BeginEmit(Cell(kCol3), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Follow);
    EndEmit(block, {
                       {"宽度", Cell(kCol3), 2},
                       {"高度", Cell(kCol4), 2},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                       {"店铺", Cell(kCol5), 1},
                       {"图标", Cell(kCol6), 1},
                   });
}

} // namespace morvane

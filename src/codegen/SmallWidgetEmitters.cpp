// The eight small widget emitters: one template, a few record columns each.
#include "CodeGenerator.h"

#include "CodeTemplates.h"

#include "KindColumns.h"

namespace morvane {

namespace {
constexpr int kLeft = ComponentRecord::Left;
constexpr int kTop = ComponentRecord::Top;
constexpr int kWidth = ComponentRecord::Width;
constexpr int kHeight = ComponentRecord::Height;
} // namespace

void CodeGenerator::EmitWangwangGroup()
{
    if (!BeginEmit(Cell(kWidth), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::WangwangGroup);
    EndEmit(block, {
                       {"宽度", Cell(kWidth), 1},
                       {"高度", Cell(kHeight), 1},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                       {"群ID", Cell(WangwangGroupColumn::Group), 1},
                       {"群图标", Cell(WangwangGroupColumn::Icon), 1},
                   });
}

void CodeGenerator::EmitCart()
{
    if (!BeginEmit(Cell(kWidth), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Cart);
    EndEmit(block, {
                       {"宽度", Cell(kWidth), 1},
                       {"高度", Cell(kHeight), 1},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                       {"宝贝", Cell(CartColumn::Item), 1},
                       {"图标", Cell(CartColumn::Icon), 1},
                   });
}

void CodeGenerator::EmitQrCode()
{
    if (!BeginEmit(Cell(QrCodeColumn::Type), StatusUnsavedPicture))
        return;
    // The stored address holds "数字"; the second step puts the number there.
    static const CompiledTemplate block(CodeTemplates::QrCode);
    EndEmit(block, {
                       {"#链接", Cell(QrCodeColumn::Template), 1},
                       {"数字", Cell(QrCodeColumn::Number), 1},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                   });
}

void CodeGenerator::EmitVideo()
{
    if (!BeginEmit(Cell(kWidth), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Video);
    EndEmit(block, {
                       {"宽度", Cell(kWidth), 2},
                       {"高度", Cell(kHeight), 2},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                       {"视频", Cell(VideoColumn::Video), 1},
                   });
}

void CodeGenerator::EmitShare()
{
    if (!BeginEmit(Cell(kWidth), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Share);
    EndEmit(block, {
                       {"宽度", Cell(kWidth), 2},
                       {"高度", Cell(kHeight), 2},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                       {"宝贝id", Cell(ShareColumn::Item), 1},
                       {"图标", Cell(ShareColumn::Icon), 1},
                   });
}

void CodeGenerator::EmitFavourite()
{
    if (!BeginEmit(Cell(kWidth), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Favourite);
    EndEmit(block, {
                       {"宽度", Cell(kWidth), 2},
                       {"高度", Cell(kHeight), 2},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                       {"#链接", Cell(FavouriteColumn::Shop), 1},
                       {"图标", Cell(FavouriteColumn::Picture), 1},
                   });
}

void CodeGenerator::EmitLike()
{
    if (!BeginEmit(Cell(LikeColumn::Style), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Like);
    EndEmit(block, {
                       {"样式", Cell(LikeColumn::Style), 1},
                       {"宝贝", Cell(LikeColumn::Item), 1},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                   });
}

void CodeGenerator::EmitFollow()
{
    if (!BeginEmit(Cell(kWidth), StatusUnsavedPicture))
        return;
    static const CompiledTemplate block(CodeTemplates::Follow);
    EndEmit(block, {
                       {"宽度", Cell(kWidth), 2},
                       {"高度", Cell(kHeight), 2},
                       {"距左", Cell(kLeft), 1},
                       {"距顶", Cell(kTop), 1},
                       {"店铺", Cell(FollowColumn::Shop), 1},
                       {"图标", Cell(FollowColumn::Icon), 1},
                   });
}

} // namespace morvane

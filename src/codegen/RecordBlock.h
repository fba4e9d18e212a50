#pragma once

#include "CodeTemplates.h"

#include "ComponentRecord.h"
#include "Kind.h"
#include "KindColumns.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace morvane {

// A code block filled from the cells of one component record alone: the
// picture, the two-sided image and the eight small widgets. Each is a
// template and an ordered list of steps, every step putting one record
// cell in place of a placeholder at most a number of times. A row of data,
// not a function, so that adding such a kind adds one row.
struct RecordBlock {
    struct Step {
        std::string_view placeholder;
        int column;
        long long maxCount = 1;
    };

    Kind kind;
    std::string_view text;
    // The cell whose emptiness marks the component as never saved.
    int savedColumn;
    std::span<const Step> steps;

    static const RecordBlock* Of(Kind kind);
    static std::span<const RecordBlock> All();
};

namespace recordblocks {

using S = RecordBlock::Step;
using R = ComponentRecord;

// EmitPicture
inline constexpr std::array<S, 8> kPicture{{
    {"距左", PictureColumn::Left},
    {"距顶", PictureColumn::Top},
    {"宽度", PictureColumn::Width, 2},
    {"高度", PictureColumn::Height, 2},
    {"打开", PictureColumn::Open},
    {"图片", PictureColumn::Picture},
    {"#链接", PictureColumn::Link},
    {"提示", PictureColumn::Tip},
}};
// EmitTwoSided
inline constexpr std::array<S, 8> kTwoSided{{
    {"距左", TwoSidedColumn::Left},
    {"距顶", TwoSidedColumn::Top},
    {"宽度", TwoSidedColumn::Width, 5},
    {"高度", TwoSidedColumn::Height, 5},
    {"打开方式", TwoSidedColumn::Open, 2},
    {"底图", TwoSidedColumn::FrontPicture},
    {"变图", TwoSidedColumn::BackPicture},
    {"#链接", TwoSidedColumn::Link, 2},
}};
// EmitWangwangGroup
inline constexpr std::array<S, 6> kWangwangGroup{{
    {"宽度", R::Width},
    {"高度", R::Height},
    {"距左", R::Left},
    {"距顶", R::Top},
    {"群ID", WangwangGroupColumn::Group},
    {"群图标", WangwangGroupColumn::Icon},
}};
// EmitCart
inline constexpr std::array<S, 6> kCart{{
    {"宽度", R::Width},
    {"高度", R::Height},
    {"距左", R::Left},
    {"距顶", R::Top},
    {"宝贝", CartColumn::Item},
    {"图标", CartColumn::Icon},
}};
// EmitQrCode: the stored address holds "数字"; the second step puts the
// number there.
inline constexpr std::array<S, 4> kQrCode{{
    {"#链接", QrCodeColumn::Template},
    {"数字", QrCodeColumn::Number},
    {"距左", R::Left},
    {"距顶", R::Top},
}};
// EmitVideo
inline constexpr std::array<S, 5> kVideo{{
    {"宽度", R::Width, 2},
    {"高度", R::Height, 2},
    {"距左", R::Left},
    {"距顶", R::Top},
    {"视频", VideoColumn::Video},
}};
// EmitShare
inline constexpr std::array<S, 6> kShare{{
    {"宽度", R::Width, 2},
    {"高度", R::Height, 2},
    {"距左", R::Left},
    {"距顶", R::Top},
    {"宝贝id", ShareColumn::Item},
    {"图标", ShareColumn::Icon},
}};
// EmitFavourite
inline constexpr std::array<S, 6> kFavourite{{
    {"宽度", R::Width, 2},
    {"高度", R::Height, 2},
    {"距左", R::Left},
    {"距顶", R::Top},
    {"#链接", FavouriteColumn::Shop},
    {"图标", FavouriteColumn::Picture},
}};
// EmitLike
inline constexpr std::array<S, 4> kLike{{
    {"样式", LikeColumn::Style},
    {"宝贝", LikeColumn::Item},
    {"距左", R::Left},
    {"距顶", R::Top},
}};
// EmitFollow
inline constexpr std::array<S, 6> kFollow{{
    {"宽度", R::Width, 2},
    {"高度", R::Height, 2},
    {"距左", R::Left},
    {"距顶", R::Top},
    {"店铺", FollowColumn::Shop},
    {"图标", FollowColumn::Icon},
}};

// The small widgets all take column 3 as their test, also where it holds no
// width (the QR code's type, the like's style).
inline constexpr std::array<RecordBlock, 10> kTable{{
    {Kind::Picture, CodeTemplates::Picture, PictureColumn::Left, kPicture},
    {Kind::TwoSided, CodeTemplates::TwoSided, TwoSidedColumn::Left, kTwoSided},
    {Kind::WangwangGroup, CodeTemplates::WangwangGroup, R::Width, kWangwangGroup},
    {Kind::Cart, CodeTemplates::Cart, R::Width, kCart},
    {Kind::QrCode, CodeTemplates::QrCode, QrCodeColumn::Type, kQrCode},
    {Kind::Video, CodeTemplates::Video, R::Width, kVideo},
    {Kind::Share, CodeTemplates::Share, R::Width, kShare},
    {Kind::Favourite, CodeTemplates::Favourite, R::Width, kFavourite},
    {Kind::Like, CodeTemplates::Like, LikeColumn::Style, kLike},
    {Kind::Follow, CodeTemplates::Follow, R::Width, kFollow},
}};

constexpr const RecordBlock* Find(Kind kind)
{
    for (const RecordBlock& block : kTable) {
        if (block.kind == kind)
            return &block;
    }
    return nullptr;
}

} // namespace recordblocks

inline const RecordBlock* RecordBlock::Of(Kind kind)
{
    return recordblocks::Find(kind);
}

inline std::span<const RecordBlock> RecordBlock::All()
{
    return recordblocks::kTable;
}

} // namespace morvane

#pragma once

#include "Kind.h"
#include "KindColumns.h"
#include "SettingsKeys.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace morvane {

// Where a companion element sits when its owner is added: inside the
// owner's bottom-left or bottom-right corner.
enum class Anchor { BottomLeft, BottomRight };

// An element that is added, moved and removed together with its owner, on
// the rows right after it: the carousel's two arrows.
struct Companion {
    Kind kind;
    Anchor anchor;
};

// The placeholder picture a new element shows: reference size in pixels
// and the two colours of its gradient (0xRRGGBB). The prototype's general
// picture stands in for kinds that have none of their own; a zero size
// means no picture at all (texts).
struct Art {
    int width = 0;
    int height = 0;
    std::uint32_t top = 0;
    std::uint32_t bottom = 0;
    bool general = false;
};

// A record cell a new component starts with.
struct StartingCell {
    int column;
    std::string_view text;
};

// A toolbar button: its unit name and its place in the two rows of
// buttons. Kinds added only with their owner have none.
struct ToolbarSlot {
    std::string_view unit{};
    int row = 0;
    int column = 0;
    bool Exists() const { return !unit.empty(); }
};

// Where the address of the picture an element shows is kept once it is
// saved: a record cell, or a key of its settings file. Neither for kinds
// that show their placeholder whatever they hold.
struct PictureSource {
    int column = -1;
    std::string_view key{};
    // The address a new component's panel starts its pictures with: a
    // stand-in on the platform's picture host, not a picture of the shop.
    // Generation names the saved components that still carry it. Empty for
    // kinds whose default picture is artwork meant to stay (icons, arrows).
    std::string_view placeholder{};
    bool Exists() const { return column >= 0 || !key.empty(); }
};

namespace placeholders {
inline constexpr std::string_view kPicture =
    "https://img.alicdn.com/imgextra/i4/2206686532409/O1CN01morvane_!!2206686532409.jpg";
inline constexpr std::string_view kCarouselSlide =
    "https://img.alicdn.com/imgextra/i1/2206686532409/O1CN01morvaneSlide_!!2206686532409.jpg";
inline constexpr std::string_view kMagnifier =
    "https://img.alicdn.com/imgextra/i2/2206686532409/O1CN01morvane_magnifier_!!2206686532409.jpg";
inline constexpr std::string_view kTwoSidedFront =
    "https://img.alicdn.com/imgextra/i1/2206686532409/O1CN01morvane_front_!!2206686532409.jpg";
inline constexpr std::string_view kCountdownBackground =
    "https://img.alicdn.com/imgextra/i4/2206686532409/O1CN01morvaneCountdown_!!2206686532409.png";
} // namespace placeholders

// Everything the program knows about one kind, in one place: the toolbar,
// adding, removing, selecting, the panels, the settings files and the
// generator all read it.
struct KindInfo {
    Kind kind = Kind::Picture;
    // The word column 0 of a record holds, and the toolbar button's caption.
    std::string_view word{};
    // The element size a new component starts with.
    int width = 0;
    int height = 0;
    Art art{};
    std::span<const StartingCell> startingCells{};
    // Shown once the component is added; empty for none.
    std::string_view addedStatus{};
    // The settings file prefix inside the working folder ("lb" for lb5.ini);
    // empty for kinds that keep everything in their record.
    std::string_view settingsPrefix{};
    // Whether the selection frame with its resize handles is shown: not for
    // kinds whose size their code fixes.
    bool framed = true;
    // Rows added right after this one, in order.
    std::span<const Companion> companions{};
    // For a companion: the kind it belongs to.
    std::optional<Kind> owner{};
    // The kind whose panel edits this one: the arrows open their carousel's.
    Kind panel = Kind::Picture;
    ToolbarSlot toolbar{};
    PictureSource picture{};
};

namespace kinds {

inline constexpr std::array<Companion, 2> kCarouselArrows{{
    {Kind::LeftArrow, Anchor::BottomLeft},
    {Kind::RightArrow, Anchor::BottomRight},
}};
inline constexpr std::array<StartingCell, 1> kCarouselStart{{
    {CarouselColumn::ArrowSwitch, CarouselColumn::ArrowsShown},
}};

// In the order of the enum; the compiler checks it below.
inline constexpr KindArray<KindInfo> kTable{{
    {.kind = Kind::Picture,
     .word = "图片",
     .width = 120,
     .height = 120,
     .art = {600, 600, 0xA0AFC3, 0x6E7D96, true},
     .addedStatus = "添加一张图片成完，鼠标右键点击图片可删除，鼠标左键点击图片可进行属性设置，设置完成请务必点击 "
                    "保存配置...",
     .panel = Kind::Picture,
     .toolbar = {"超级按钮_图片", 0, 0},
     .picture = {PictureColumn::Picture, {}, placeholders::kPicture}},
    {.kind = Kind::Carousel,
     .word = "轮播",
     .width = 300,
     .height = 130,
     .art = {750, 325, 0x4682DC, 0x2850AA},
     .startingCells = kCarouselStart,
     .settingsPrefix = "lb",
     .companions = kCarouselArrows,
     .panel = Kind::Carousel,
     .toolbar = {"超级按钮_轮播", 0, 1},
     .picture = {-1, CarouselKey::FirstPicture, placeholders::kCarouselSlide}},
    {.kind = Kind::LeftArrow,
     .word = "左箭头",
     .width = 40,
     .height = 40,
     .art = {40, 40, 0x1E1E1E, 0x1E1E1E},
     .owner = Kind::Carousel,
     .panel = Kind::Carousel},
    {.kind = Kind::RightArrow,
     .word = "右箭头",
     .width = 40,
     .height = 40,
     .art = {40, 40, 0x1E1E1E, 0x1E1E1E},
     .owner = Kind::Carousel,
     .panel = Kind::Carousel},
    {.kind = Kind::Magnifier,
     .word = "放大镜",
     .width = 220,
     .height = 220,
     .art = {700, 700, 0x5AAAA0, 0x287878},
     .panel = Kind::Magnifier,
     .toolbar = {"超级按钮3", 0, 2},
     .picture = {MagnifierColumn::BasePicture, {}, placeholders::kMagnifier}},
    {.kind = Kind::TwoSided,
     .word = "双面图",
     .width = 120,
     .height = 120,
     .art = {700, 700, 0xE69650, 0xBE6432},
     .panel = Kind::TwoSided,
     .toolbar = {"超级按钮1", 0, 3},
     .picture = {TwoSidedColumn::FrontPicture, {}, placeholders::kTwoSidedFront}},
    {.kind = Kind::Countdown,
     .word = "倒计时",
     .width = 360,
     .height = 90,
     .art = {360, 90, 0xDC4646, 0xA01E28},
     .settingsPrefix = "djs",
     .panel = Kind::Countdown,
     .toolbar = {"超级按钮2", 0, 4},
     .picture = {-1, CountdownKey::Background, placeholders::kCountdownBackground}},
    {.kind = Kind::WangwangGroup,
     .word = "旺旺群",
     .width = 63,
     .height = 20,
     .art = {63, 20, 0xFFA028, 0xE67814},
     .panel = Kind::WangwangGroup,
     .toolbar = {"超级按钮4", 0, 5},
     .picture = {WangwangGroupColumn::Icon}},
    {.kind = Kind::Cart,
     .word = "购物车",
     .width = 120,
     .height = 31,
     .art = {120, 31, 0xFF5A28, 0xDC3214},
     .panel = Kind::Cart,
     .toolbar = {"超级按钮5", 0, 6},
     .picture = {CartColumn::Icon}},
    {.kind = Kind::QrCode,
     .word = "二维码",
     .width = 140,
     .height = 140,
     .art = {140, 140, 0xFAFAFA, 0xEBEBEB},
     .framed = false,
     .panel = Kind::QrCode,
     .toolbar = {"超级按钮6", 0, 7}},
    {.kind = Kind::CustomerService,
     .word = "客服",
     .width = 70,
     .height = 70,
     .art = {70, 70, 0x50A0F0, 0x286EC8},
     .panel = Kind::CustomerService,
     .toolbar = {"超级按钮_图片2", 1, 0},
     .picture = {CustomerServiceColumn::Avatar}},
    {.kind = Kind::Video,
     .word = "视频",
     .width = 350,
     .height = 240,
     .art = {350, 240, 0x32323C, 0x141419},
     .panel = Kind::Video,
     .toolbar = {"超级按钮_图片3", 1, 1}},
    {.kind = Kind::Share,
     .word = "分享",
     .width = 92,
     .height = 27,
     .art = {92, 27, 0x6EB45A, 0x468C3C},
     .panel = Kind::Share,
     .toolbar = {"超级按钮9", 1, 4},
     .picture = {ShareColumn::Icon}},
    {.kind = Kind::Search,
     .word = "搜索",
     .width = 238,
     .height = 31,
     .art = {238, 31, 0xFFFFFF, 0xF0F0F0},
     .settingsPrefix = "ss",
     .panel = Kind::Search,
     .toolbar = {"超级按钮7", 1, 2}},
    {.kind = Kind::Favourite,
     .word = "收藏",
     .width = 190,
     .height = 174,
     .art = {190, 174, 0xFAD250, 0xE6AA28},
     .panel = Kind::Favourite,
     .toolbar = {"超级按钮10", 1, 5},
     .picture = {FavouriteColumn::Picture}},
    {.kind = Kind::Like,
     .word = "喜欢",
     .width = 111,
     .height = 27,
     .art = {111, 27, 0xFA6E8C, 0xDC466E},
     .framed = false,
     .panel = Kind::Like,
     .toolbar = {"超级按钮11", 1, 6}},
    {.kind = Kind::Follow,
     .word = "关注",
     .width = 75,
     .height = 22,
     .art = {75, 22, 0xFF6E3C, 0xE65028},
     .panel = Kind::Follow,
     .toolbar = {"超级按钮12", 1, 7},
     .picture = {FollowColumn::Icon}},
    {.kind = Kind::Text,
     .word = "文字",
     .width = 75,
     .height = 22,
     .settingsPrefix = "wz",
     .panel = Kind::Text,
     .toolbar = {"超级按钮8", 1, 3}},
}};

constexpr bool CoversEveryKindInOrder()
{
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (IndexOf(kTable[i].kind) != i || kTable[i].word.empty())
            return false;
    }
    return true;
}
static_assert(CoversEveryKindInOrder(), "one row per kind, in the order of the enum");

} // namespace kinds

class KindTable {
public:
    static constexpr const KindInfo& Of(Kind kind) { return kinds::kTable[IndexOf(kind)]; }
    static constexpr std::span<const KindInfo> All() { return kinds::kTable; }
    static constexpr std::string_view Word(Kind kind) { return Of(kind).word; }
    // The kind a stored word names; nullopt for any other text ("-1", "").
    static std::optional<Kind> FromWord(std::string_view word);
};

} // namespace morvane

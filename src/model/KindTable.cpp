#include "KindTable.h"

#include "ComponentKind.h"

#include <array>

namespace morvane {

namespace {

using K = ComponentKind;

constexpr std::array<Companion, 2> kCarouselArrows{{
    {K::LeftArrow, Anchor::BottomLeft},
    {K::RightArrow, Anchor::BottomRight},
}};

// word, element size, placeholder size and colours, own picture, prefix,
// framed, panel, companions, owner
constexpr std::array<KindInfo, 18> kKinds{{
    {K::Picture, 120, 120, 600, 600, 0xA0AFC3, 0x6E7D96, true, "", true, K::Picture, {}, ""},
    {K::Carousel, 300, 130, 750, 325, 0x4682DC, 0x2850AA, false, "lb", true, K::Carousel, kCarouselArrows, ""},
    {K::LeftArrow, 40, 40, 40, 40, 0x1E1E1E, 0x1E1E1E, false, "", true, K::Carousel, {}, K::Carousel},
    {K::RightArrow, 40, 40, 40, 40, 0x1E1E1E, 0x1E1E1E, false, "", true, K::Carousel, {}, K::Carousel},
    {K::Magnifier, 220, 220, 700, 700, 0x5AAAA0, 0x287878, false, "", true, K::Magnifier, {}, ""},
    {K::TwoSided, 120, 120, 700, 700, 0xE69650, 0xBE6432, false, "", true, K::TwoSided, {}, ""},
    {K::Countdown, 360, 90, 360, 90, 0xDC4646, 0xA01E28, false, "djs", true, K::Countdown, {}, ""},
    {K::WangwangGroup, 63, 20, 63, 20, 0xFFA028, 0xE67814, false, "", true, K::WangwangGroup, {}, ""},
    {K::Cart, 120, 31, 120, 31, 0xFF5A28, 0xDC3214, false, "", true, K::Cart, {}, ""},
    {K::QrCode, 140, 140, 140, 140, 0xFAFAFA, 0xEBEBEB, false, "", false, K::QrCode, {}, ""},
    {K::CustomerService, 70, 70, 70, 70, 0x50A0F0, 0x286EC8, false, "", true, K::CustomerService, {}, ""},
    {K::Video, 350, 240, 350, 240, 0x32323C, 0x141419, false, "", true, K::Video, {}, ""},
    {K::Share, 92, 27, 92, 27, 0x6EB45A, 0x468C3C, false, "", true, K::Share, {}, ""},
    {K::Search, 238, 31, 238, 31, 0xFFFFFF, 0xF0F0F0, false, "ss", true, K::Search, {}, ""},
    {K::Favourite, 190, 174, 190, 174, 0xFAD250, 0xE6AA28, false, "", true, K::Favourite, {}, ""},
    {K::Like, 111, 27, 111, 27, 0xFA6E8C, 0xDC466E, false, "", false, K::Like, {}, ""},
    {K::Follow, 75, 22, 75, 22, 0xFF6E3C, 0xE65028, false, "", true, K::Follow, {}, ""},
    {K::Text, 75, 22, 0, 0, 0, 0, false, "wz", true, K::Text, {}, ""},
}};

} // namespace

const KindInfo* KindTable::Find(std::string_view word)
{
    for (const KindInfo& kind : kKinds) {
        if (kind.word == word)
            return &kind;
    }
    return nullptr;
}

std::span<const KindInfo> KindTable::All()
{
    return kKinds;
}

const KindInfo& KindTable::Text()
{
    return kKinds.back();
}

} // namespace morvane

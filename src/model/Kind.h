#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace morvane {

// Every kind of element a design can hold. Inside the program kinds travel
// as this enum; the kind words ("图片", "轮播", ...) appear only where the
// system stores or writes them: records, settings files, generated code.
// The order is the order of the table of kinds.
enum class Kind : std::uint8_t {
    Picture,
    Carousel,
    LeftArrow,
    RightArrow,
    Magnifier,
    TwoSided,
    Countdown,
    WangwangGroup,
    Cart,
    QrCode,
    CustomerService,
    Video,
    Share,
    Search,
    Favourite,
    Like,
    Follow,
    Text,
};

inline constexpr std::size_t KindCount = static_cast<std::size_t>(Kind::Text) + 1;

constexpr std::size_t IndexOf(Kind kind)
{
    return static_cast<std::size_t>(kind);
}

// One entry per kind, indexed by IndexOf.
template <typename T> using KindArray = std::array<T, KindCount>;

// A table filled in kind by kind at compile time, which knows which slots
// were filled: comparing function pointers with null is not a constant
// expression under UBSan's instrumentation, so coverage is checked here.
template <typename T> struct KindSlots {
    KindArray<T> value{};
    KindArray<bool> filled{};

    constexpr void Set(Kind kind, T entry)
    {
        value[IndexOf(kind)] = entry;
        filled[IndexOf(kind)] = true;
    }
};

// Components live in the component layer and are numbered from 2; texts in
// the background layer, numbered from 1. Everything that treats the two
// apart asks for this.
enum class Sort : std::uint8_t { Component, Text };

constexpr Sort SortOf(Kind kind)
{
    return kind == Kind::Text ? Sort::Text : Sort::Component;
}

} // namespace morvane

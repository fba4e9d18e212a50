#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace morvane {

// Where a companion element sits when its owner is added: inside the
// owner's bottom-left or bottom-right corner.
enum class Anchor { BottomLeft, BottomRight };

// An element that is added, moved and removed together with its owner, on
// the rows right after it: the carousel's two arrows.
struct Companion {
    std::string_view kind;
    Anchor anchor;
};

// Everything the program knows about one kind word, in one place: adding,
// removing, selecting, the panels and the settings store all read it.
struct KindInfo {
    std::string_view word;
    // The element size a new component starts with.
    int width = 0;
    int height = 0;
    // The placeholder picture: reference size in pixels and the two colours
    // of its gradient (0xRRGGBB). A zero size means no picture (texts).
    int artWidth = 0;
    int artHeight = 0;
    std::uint32_t artTop = 0;
    std::uint32_t artBottom = 0;
    // The general placeholder of the prototype instead of a picture of its own.
    bool prototypePicture = false;
    // The settings file prefix inside the working folder ("lb" for lb5.ini);
    // empty for kinds that keep everything in their record.
    std::string_view settingsPrefix;
    // Whether the selection frame with its resize handles is shown.
    bool framed = true;
    // The kind word of the panel that edits this kind.
    std::string_view panel;
    // Rows added right after this one, in order.
    std::span<const Companion> companions;
    // For a companion: the kind it belongs to.
    std::string_view owner;
};

class KindTable {
public:
    // The record of a kind word; nullptr for any other text.
    static const KindInfo* Find(std::string_view word);
    static std::span<const KindInfo> All();
    // The record of the text components.
    static const KindInfo& Text();
};

} // namespace morvane

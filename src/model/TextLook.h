#pragma once

#include <string>

namespace morvane {

// What a text's label shows on the canvas while it is designed: its caption
// and the font and colour the text panel gave it. Defaults are the label's
// own: the program's font, black, left aligned.
struct TextLook {
    enum class Alignment { Left, Centre, Right };

    std::string caption;
    std::string family; // empty: the program's font
    int pixelSize = 0;  // 0: the program's font size
    bool bold = false;
    Alignment alignment = Alignment::Left;
    std::string colour; // "#RRGGBB"; empty: black

    bool operator==(const TextLook&) const = default;
};

} // namespace morvane

#pragma once

namespace morvane {

// Columns of a text row (rows 1 and up of the background layer). All other
// settings of a text live in its settings file.
struct TextRecord {
    static constexpr int Kind = 0;  // "文字"
    static constexpr int Saved = 9; // "1" once the text panel has saved it
};

} // namespace morvane

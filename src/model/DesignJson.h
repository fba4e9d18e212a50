#pragma once

#include "Design.h"
#include "DesignElement.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// Elements as UTF-8 JSON text, the form components take on the clipboard
// (so that they go from one designer run to another) and in design files.
// Settings files keep their bytes exactly: as text where their GB18030
// bytes read back unchanged, base64 otherwise.
class DesignJson {
public:
    static constexpr std::string_view ProgramName = "Morvane";
    static constexpr int ElementsFormat = 1;
    static constexpr int DesignFormat = 1;

    static std::string ElementsToText(const std::vector<DesignElement>& elements);
    // nullopt for anything that is not such a text, or holds more than the
    // program itself could have written.
    static std::optional<std::vector<DesignElement>> ElementsFromText(std::string_view text);

    // A design file: the same text every time for the same design, so a
    // file written by the program reads and writes back byte for byte.
    static std::string DesignToText(const Design& design);
    struct DesignReading {
        std::optional<Design> design;
        // What is wrong, for the user, when design is empty.
        std::string problem;
    };
    // Holds a design to what the program itself can write: known kinds in
    // a valid order, numbers where numbers stand, sizes within bounds.
    static DesignReading DesignFromText(std::string_view text);
};

} // namespace morvane

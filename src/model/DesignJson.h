#pragma once

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

    static std::string ElementsToText(const std::vector<DesignElement>& elements);
    // nullopt for anything that is not such a text, or holds more than the
    // program itself could have written.
    static std::optional<std::vector<DesignElement>> ElementsFromText(std::string_view text);
};

} // namespace morvane

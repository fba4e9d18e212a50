#pragma once

#include "Placement.h"
#include "TextLook.h"

#include <optional>
#include <string>
#include <vector>

namespace morvane {

// One element of a design with everything that belongs to it: its record
// (column 0 holds the kind word), where it stands, the look of a text's
// label, and the bytes of its settings file, if it has one. Copies, pastes,
// removals that can be undone and design files all carry elements this way.
struct DesignElement {
    std::vector<std::string> cells;
    Placement placement;
    TextLook look;
    std::optional<std::string> settings;

    bool operator==(const DesignElement&) const = default;
};

} // namespace morvane

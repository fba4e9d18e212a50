#pragma once

#include "DesignElement.h"

#include <string>
#include <vector>

namespace morvane {

// A whole design as a file keeps it: the page settings (row 0 of the
// background layer) and every component and text in number order, each
// with its record, place, look and settings file.
struct Design {
    std::vector<std::string> page;
    std::vector<DesignElement> components;
    std::vector<DesignElement> texts;

    bool operator==(const Design&) const = default;
};

} // namespace morvane

#pragma once

#include <cstdint>

namespace morvane {

// Names one element of a design for as long as the design holds it, while
// additions, removals and undos change its number. Commands, views, the
// selection, pictures and panels know an element by it. 0 is no element.
using ElementId = std::uint64_t;

} // namespace morvane

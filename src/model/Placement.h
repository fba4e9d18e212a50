#pragma once

namespace morvane {

// Where an element stands on the canvas and whether it is shown. Left and
// top are measured from the canvas origin, the left guide line and the top
// of the canvas, as the records' "距左" and "距顶" are.
struct Placement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;

    bool operator==(const Placement&) const = default;
};

} // namespace morvane

#pragma once

#include "Kind.h"
#include "TextTable.h"

namespace morvane {

// One row per placed component (every kind but text), in the order of
// addition, which is also the order of generation. Rows 0 and 1 are
// placeholders that are never components; the first component is row 2.
class ComponentLayer : public TextTable {
public:
    static constexpr int FirstComponentRow = 2;

    ComponentLayer();

    // Appends a record holding only its kind word; returns its row.
    int AppendComponent(Kind kind);
    // Back to the state of start-up: the two placeholder rows only.
    void Reset();
};

} // namespace morvane

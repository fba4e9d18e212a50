#pragma once

#include "TextTable.h"

namespace morvane {

// Row 0 holds the page settings of the module; every further row is a text
// component. Row 0 exists from the start with its default values.
class BackgroundLayer : public TextTable {
public:
    BackgroundLayer();

    // Appends a text record ("文字"); returns its row, which is the text number.
    int AppendText();
    void Reset();
};

} // namespace morvane

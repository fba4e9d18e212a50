#pragma once

#include "Kind.h"

namespace morvane {

// How many elements a design has and what is selected. The design document
// keeps it and is its only writer; everyone else reads it.
struct DesignerState {
    // The highest component number (1 with no component: number 1 is the
    // window's prototype) and the highest text number.
    int componentCounter = 1;
    int textCounter = 0;
    // The selected component and text, 0 for none. A panel acts on the
    // selected element of its sort.
    int currentComponent = 0;
    int currentText = 0;
    bool currentIsComponent = true;

    int CurrentOf(Sort sort) const { return sort == Sort::Text ? currentText : currentComponent; }
    // The element the selection frame, the handles, removal and the keys
    // act on.
    Sort CurrentSort() const { return currentIsComponent ? Sort::Component : Sort::Text; }
    int Current() const { return CurrentOf(CurrentSort()); }
};

} // namespace morvane

#pragma once

#include "CanvasElement.h"

#include <QList>
#include <QPoint>
#include <QPointer>

namespace morvane {

// The elements of a run and what is selected. The design document keeps it
// and is its only writer; everyone else reads it.
struct DesignerState {
    // Position n (counted from 1) holds component number n; position 1 is
    // the hidden prototype. Index 0 of the QList is position 1.
    QList<CanvasElement*> componentElements;
    // Position n (from 1) holds text number n.
    QList<CanvasElement*> textElements;
    int componentCounter = 1;
    int textCounter = 0;
    QPointer<CanvasElement> currentComponent;
    QPointer<CanvasElement> currentText;
    bool currentIsComponent = true;
    // Where the current component stood when it was last pressed; a
    // carousel's arrows follow it by the difference.
    QPoint pressPosition;

    CanvasElement* ComponentElement(int number) const
    {
        return number >= 1 && number <= componentElements.size() ? componentElements[number - 1] : nullptr;
    }
    CanvasElement* TextElement(int number) const
    {
        return number >= 1 && number <= textElements.size() ? textElements[number - 1] : nullptr;
    }
    // The element the selection frame, the handles and removal act on.
    CanvasElement* Current() const { return currentIsComponent ? currentComponent.data() : currentText.data(); }
};

} // namespace morvane

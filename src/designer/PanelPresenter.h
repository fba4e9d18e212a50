#pragma once

#include "Kind.h"

#include <QPoint>

namespace morvane {

// The settings panels as the designer sees them. The panel set implements
// it and follows the document's selection itself: every selection presents
// the selected element's panel (Present), no selection closes the
// component panels. The designer calls the rest. Until one is installed
// the designer uses a presenter that does nothing.
class PanelPresenter {
public:
    virtual ~PanelPresenter() = default;
    // An element has just been selected (after its press and drag ended):
    // open the kind's panel if needed and make it load.
    virtual void Present(Sort sort, int number) = 0;
    // Close every open component panel without saving; the page settings
    // panel stays.
    virtual void CloseComponentPanels() = 0;
    // Open the page settings panel (start-up and the "全局设置 ☆" button);
    // bring it to the front when it is open already.
    virtual void OpenPageSettings() = 0;
    // The kind's panel, if open, closes: its component is being removed.
    virtual void ClosePanelOfKind(Kind kind) { (void)kind; }
    // Where the canvas's 0, 0 lies in the designer window, whenever the
    // window is laid out: the carousel panel shows its arrows in window
    // coordinates.
    virtual void SetCanvasOrigin(QPoint origin) { (void)origin; }
};

} // namespace morvane

#pragma once

#include <QPoint>

namespace morvane {

// The settings panels as the designer window sees them. The panel set
// implements it and follows the document's selection itself: every
// selection presents the selected element's panel, no selection closes the
// component panels, a removed element's panel closes. Until one is
// installed the window uses a presenter that does nothing.
class PanelPresenter {
public:
    virtual ~PanelPresenter() = default;
    // Open the page settings panel (start-up and the "全局设置 ☆" button);
    // bring it to the front when it is open already.
    virtual void OpenPageSettings() = 0;
    // Where the canvas's 0, 0 lies in the designer window, whenever the
    // window is laid out: the carousel panel shows its arrows in window
    // coordinates.
    virtual void SetCanvasOrigin(QPoint origin) { (void)origin; }
};

} // namespace morvane

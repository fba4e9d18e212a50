#pragma once

#include "Kind.h"

namespace morvane {

class CanvasElement;

// The designer's side of the selection protocol with the settings panels.
// The designer calls it; the panel set implements it. Until one is installed
// the designer uses a presenter that does nothing.
class PanelPresenter {
public:
    virtual ~PanelPresenter() = default;
    // A component or text element has just been selected (after its press
    // and drag ended): open the kind's panel if needed and make it load.
    virtual void Present(CanvasElement* element) = 0;
    // Close every open component panel without saving; the page settings
    // panel stays.
    virtual void CloseComponentPanels() = 0;
    // Open the page settings panel (start-up and the "全局设置 ☆" button);
    // bring it to the front when it is open already.
    virtual void OpenPageSettings() = 0;
    // The kind's panel, if open, closes: its component is being removed.
    virtual void ClosePanelOfKind(Kind kind) { (void)kind; }
    // A carousel's arrows were hidden through "移除": its panel's arrow box
    // is cleared without running its rule.
    virtual void ArrowsHidden() {}
};

} // namespace morvane

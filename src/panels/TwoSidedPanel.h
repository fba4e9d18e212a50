#pragma once

#include "PropertyPanel.h"

#include <vector>

namespace morvane {

// The panel of a two-sided image: a front picture and a back picture laid
// over it on pointing, normally one of eleven fixed overlay styles.
class TwoSidedPanel : public PropertyPanel {
    Q_OBJECT
public:
    static const QString DefaultFrontAddress;
    // The overlay styles in list order, each with its picture address.
    static const std::vector<Choice>& Overlays();
    // The overlay a new two-sided image starts with.
    static const QString& DefaultOverlay();

    explicit TwoSidedPanel(const PanelHost& host);
};

} // namespace morvane

#pragma once

#include "PropertyPanel.h"

namespace morvane {

// The panel of a picture component: a web picture with link, target and tip.
class PicturePanel : public PropertyPanel {
    Q_OBJECT
public:
    static const QString DefaultPictureAddress;
    // Other component panels show these texts too.
    static const QString UnsavedText;
    static const QString SavedText;

    explicit PicturePanel(const PanelHost& host);
};

} // namespace morvane

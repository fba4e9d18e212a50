#pragma once

#include "PropertyPanel.h"

namespace morvane {

// The panel of a picture component: a web picture with link, target and tip.
class PicturePanel : public PropertyPanel {
    Q_OBJECT
public:
    static const QString DefaultPictureAddress;

    explicit PicturePanel(const PanelHost& host);
};

} // namespace morvane

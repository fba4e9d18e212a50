#pragma once

#include "PropertyPanel.h"

namespace morvane {

// The panel of a magnifier: a square picture that pops up an enlarged one.
// The enlarged picture's width follows the side and the chosen ratio.
class MagnifierPanel : public PropertyPanel {
    Q_OBJECT
public:
    static const QString DefaultPictureAddress;

    explicit MagnifierPanel(const PanelHost& host);

private:
    // The whole part of width × the ratio of item `ratioItem` of "放大比例".
    static qint64 ZoomWidth(const QString& width, int ratioItem);
    void UpdateZoomWidth();
    // A saved magnifier gets back its border colour and zoom width, with
    // the ratio that gives that width; one never saved shows the window's
    // own defaults.
    void RestoreZoom();

    PanelField* width_;
    PanelField* zoomWidth_;
    PanelField* border_;
    QComboBox* ratio_;
};

} // namespace morvane

#pragma once

#include "PropertyPanel.h"

#include <optional>

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
    // The ratio item whose product with the side text gives the zoom width.
    static std::optional<int> RatioGiving(const QString& side, const QString& zoomWidth);
    // Wide enough to show any colour text ("#00FF00") whole.
    static int ColourTextWidth(const QLineEdit* field);
    // Before the width is loaded: a saved magnifier gets back its border
    // colour and the ratio its saved side and zoom width were made with.
    void RestoreZoom();
    void KeepUnmatchedZoomWidth();

    PanelField* width_;
    PanelField* zoomWidth_;
    PanelField* border_;
    QComboBox* ratio_;
    // The magnifier the ratio and border were last shown for.
    ElementId shownFor_ = 0;
    std::optional<int> matchedRatio_;
};

} // namespace morvane

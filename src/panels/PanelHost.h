#pragma once

#include <QPoint>

class QWidget;

namespace morvane {

class DesignDocument;
class ElementPictures;
class PictureFetcher;

// What every panel is built with: the design it edits, the window it
// belongs to (the designer, so the window manager keeps panels above it),
// the picture fetcher and the elements' pictures that outlive every panel,
// and where the designer's canvas lies in its window.
struct PanelHost {
    DesignDocument& document;
    QWidget* owner;
    PictureFetcher& pictures;
    ElementPictures& elementPictures;
    const QPoint& canvasOrigin;
};

} // namespace morvane

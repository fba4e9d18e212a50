#pragma once

class QWidget;

namespace morvane {

class DesignDocument;
class PictureFetcher;

// What every panel is built with: the design it edits, the window it
// belongs to (the designer, so the window manager keeps panels above it),
// and the one picture fetcher that outlives every panel.
struct PanelHost {
    DesignDocument& document;
    QWidget* owner;
    PictureFetcher& pictures;
};

} // namespace morvane

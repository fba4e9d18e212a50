#pragma once

#include "ElementId.h"

#include <QPoint>
#include <QString>

#include <cstdint>

class QKeyEvent;

namespace morvane {

class DesignDocument;

// The keys of the canvas, as the designer window hands them on: Delete and
// Backspace remove the selected element, the arrows nudge it (one pixel,
// ten with Shift), Ctrl+D duplicates it, and Ctrl+C and Ctrl+V copy it to
// the clipboard and paste this program's components from there. Undo and
// redo are shortcuts of their own, wherever the focus is.
class CanvasKeys {
public:
    // The MIME type of components on the clipboard.
    static const QString ClipboardType;

    explicit CanvasKeys(DesignDocument& document);

    // True when the key was the canvas's and has been acted on.
    bool Handle(const QKeyEvent& event);

private:
    void Nudge(QPoint delta);
    void Copy();
    void Paste();

    DesignDocument& document_;
    // Consecutive nudges of one element are one step.
    std::uint64_t nudgeMerge_ = 0;
    ElementId nudged_ = 0;
};

} // namespace morvane

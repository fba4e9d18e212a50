#pragma once

#include "DesignDocument.h"

#include <QObject>
#include <QPointer>
#include <QRect>

#include <array>
#include <functional>

class QWidget;

namespace morvane {

class SelectionHandle;

// The eight 8 x 8 handles around the selected element ("外形框1" to
// "外形框8") and the never-shown frame rectangle "外形框9". One handle enum
// drives the unit name, the cursor, the edges a handle moves and its place
// around the element, all from one table. The frame follows the document's
// selection and stays around its element wherever it goes; a handle drag
// resizes the element through the document, as one step.
class SelectionFrame : public QObject {
    Q_OBJECT
public:
    enum class Handle { BottomRight, TopLeft, BottomLeft, Left, Top, TopRight, Right, Bottom };
    static constexpr int HandleCount = 8;
    static constexpr int HandleSize = 8;

    // The view of an element, nullptr when there is none.
    using ViewOf = std::function<QWidget*(ElementId)>;

    // The handles are children of parent, which the views share.
    SelectionFrame(QWidget* parent, DesignDocument& document, ViewOf viewOf);

    // Around the selected element, if its kind has handles.
    void Follow();

    // Where a handle goes around an element at r; every division is cut
    // toward zero.
    static QPoint HandlePosition(Handle handle, const QRect& r);

private:
    void Attach(QWidget* target);
    void OnDragged(Handle handle, QPoint travel);

    DesignDocument& document_;
    ViewOf viewOf_;
    std::array<SelectionHandle*, HandleCount> handles_{};
    QWidget* frameRect_ = nullptr;
    // The element a handle drag resizes, and where it stood at the press.
    ElementId resized_ = 0;
    QRect resizeStart_;
    Placement placementStart_;
    DesignDocument::MergeKey merge_ = 0;
};

} // namespace morvane

#include "SelectionFrame.h"

#include "SelectionHandle.h"

#include "KindTable.h"

#include <QWidget>

#include <algorithm>

namespace morvane {

namespace {

// A handle's place: x = L + W * xHalves / 2 + xHandles * w, and likewise
// y = T + H * yHalves / 2 + yHalfHandles * h / 2. The right handle is
// centred on its edge; the left, top and bottom ones end at the middle.
struct HandleEntry {
    const char* unit;
    Qt::CursorShape cursor;
    bool left, top, right, bottom; // the edges that follow the mouse
    int xHalves, xHandles;
    int yHalves, yHalfHandles;
};

constexpr std::array<HandleEntry, SelectionFrame::HandleCount> kHandles{{
    {"外形框1", Qt::SizeFDiagCursor, false, false, true, true, 2, 0, 2, 0},
    {"外形框2", Qt::SizeFDiagCursor, true, true, false, false, 0, -1, 0, -2},
    {"外形框3", Qt::SizeBDiagCursor, true, false, false, true, 0, -1, 2, 0},
    {"外形框4", Qt::SizeHorCursor, true, false, false, false, 0, -1, 1, -2},
    {"外形框5", Qt::SizeVerCursor, false, true, false, false, 1, -1, 0, -2},
    {"外形框6", Qt::SizeBDiagCursor, false, true, true, false, 2, 0, 0, -2},
    {"外形框7", Qt::SizeHorCursor, false, false, true, false, 2, 0, 1, -1},
    {"外形框8", Qt::SizeVerCursor, false, false, false, true, 1, -1, 2, 0},
}};

const HandleEntry& EntryOf(SelectionFrame::Handle handle)
{
    return kHandles[static_cast<size_t>(handle)];
}

} // namespace

SelectionFrame::SelectionFrame(QWidget* parent, DesignDocument& document, ViewOf viewOf)
    : QObject(parent), document_(document), viewOf_(std::move(viewOf))
{
    for (size_t i = 0; i < kHandles.size(); ++i) {
        const auto handle = static_cast<Handle>(i);
        auto* widget = new SelectionHandle(QString::fromUtf8(kHandles[i].unit), kHandles[i].cursor, parent);
        widget->resize(HandleSize, HandleSize);
        handles_[i] = widget;
        connect(widget, &SelectionHandle::DragStarted, this, [this] {
            const ElementId current = document_.Selection().Current();
            QWidget* view = viewOf_(current);
            resized_ = view ? current : 0;
            if (!resized_)
                return;
            resizeStart_ = view->geometry();
            placementStart_ = document_.PlacementOf(current);
            merge_ = DesignDocument::NewMergeKey();
        });
        connect(widget, &SelectionHandle::Dragged, this, [this, handle](QPoint travel) { OnDragged(handle, travel); });
        connect(widget, &SelectionHandle::DragEnded, this, [this] {
            // A resize ends with a new selection, which loads the panel again.
            const ElementId resized = resized_;
            resized_ = 0;
            document_.Select(resized);
        });
    }
    // A selection shows the frame; everything that moves an element or
    // changes the lists places it again.
    connect(&document_.Selection(), &SelectionModel::Changed, this, &SelectionFrame::Follow);
    connect(&document_, &DesignDocument::PlacementChanged, this, &SelectionFrame::Follow);
    connect(&document_, &DesignDocument::ElementsInserted, this, &SelectionFrame::Follow);
    connect(&document_, &DesignDocument::ElementsRemoved, this, &SelectionFrame::Follow);
    frameRect_ = new QWidget(parent);
    frameRect_->setObjectName(QStringLiteral("外形框9"));
    frameRect_->resize(83, 73);
    frameRect_->hide();
}

QPoint SelectionFrame::HandlePosition(Handle handle, const QRect& r)
{
    const HandleEntry& s = EntryOf(handle);
    return {r.x() + r.width() * s.xHalves / 2 + s.xHandles * HandleSize,
            r.y() + r.height() * s.yHalves / 2 + s.yHalfHandles * HandleSize / 2};
}

void SelectionFrame::Follow()
{
    const ElementId current = document_.Selection().Current();
    const std::optional<Kind> kind = document_.KindOf(current);
    // Kinds whose size their code fixes are never resized with the mouse,
    // so they get no handles, and no handles of an earlier selection either.
    Attach(!kind || !KindTable::Of(*kind).framed ? nullptr : viewOf_(current));
}

void SelectionFrame::Attach(QWidget* target)
{
    if (!target || !target->isVisible()) {
        for (SelectionHandle* handle : handles_)
            handle->hide();
        return;
    }
    for (size_t i = 0; i < handles_.size(); ++i) {
        handles_[i]->move(HandlePosition(static_cast<Handle>(i), target->geometry()));
        handles_[i]->show();
        handles_[i]->raise();
    }
}

void SelectionFrame::OnDragged(Handle handle, QPoint travel)
{
    if (!document_.Find(resized_))
        return;
    const HandleEntry& s = EntryOf(handle);
    const QRect& r = resizeStart_;
    int left = r.left(), top = r.top(), right = r.left() + r.width(), bottom = r.top() + r.height();
    // An edge never crosses the one opposite: at least one pixel remains.
    if (s.left)
        left = std::min(left + travel.x(), right - 1);
    if (s.right)
        right = std::max(right + travel.x(), left + 1);
    if (s.top)
        top = std::min(top + travel.y(), bottom - 1);
    if (s.bottom)
        bottom = std::max(bottom + travel.y(), top + 1);
    Placement placement = placementStart_;
    placement.left += left - r.left();
    placement.top += top - r.top();
    placement.width = right - left;
    placement.height = bottom - top;
    document_.SetPlacement(resized_, placement, merge_);
}

} // namespace morvane

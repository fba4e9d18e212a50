#include "SelectionFrame.h"

#include "SelectionHandle.h"

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

SelectionFrame::SelectionFrame(QWidget* parent) : QObject(parent)
{
    for (size_t i = 0; i < kHandles.size(); ++i) {
        const auto handle = static_cast<Handle>(i);
        auto* widget = new SelectionHandle(QString::fromUtf8(kHandles[i].unit), kHandles[i].cursor, parent);
        widget->resize(HandleSize, HandleSize);
        handles_[i] = widget;
        connect(widget, &SelectionHandle::DragStarted, this, [this] {
            if (target_)
                resizeStart_ = target_->geometry();
        });
        connect(widget, &SelectionHandle::Dragged, this, [this, handle](QPoint travel) { OnDragged(handle, travel); });
        connect(widget, &SelectionHandle::DragEnded, this, [this] {
            if (target_)
                emit ResizeFinished();
        });
    }
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

void SelectionFrame::Attach(QWidget* target)
{
    target_ = target;
    if (!target) {
        Hide();
        return;
    }
    for (size_t i = 0; i < handles_.size(); ++i) {
        handles_[i]->move(HandlePosition(static_cast<Handle>(i), target->geometry()));
        handles_[i]->show();
        handles_[i]->raise();
    }
}

void SelectionFrame::Hide()
{
    for (SelectionHandle* handle : handles_)
        handle->hide();
    frameRect_->hide();
}

void SelectionFrame::OnDragged(Handle handle, QPoint travel)
{
    if (!target_)
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
    target_->setGeometry(left, top, right - left, bottom - top);
}

} // namespace morvane

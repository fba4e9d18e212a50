#include "SelectionHandle.h"

#include <QMouseEvent>
#include <QPainter>

namespace morvane {

SelectionHandle::SelectionHandle(const QString& unitName, Qt::CursorShape cursor, QWidget* parent) : QWidget(parent)
{
    setObjectName(unitName);
    setCursor(cursor);
    hide();
}

void SelectionHandle::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(30, 120, 255));
    p.setPen(Qt::white);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SelectionHandle::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    pressGlobal_ = event->globalPosition().toPoint();
    emit DragStarted();
}

void SelectionHandle::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_)
        emit Dragged(event->globalPosition().toPoint() - pressGlobal_);
}

void SelectionHandle::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_ || event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    emit Dragged(event->globalPosition().toPoint() - pressGlobal_);
    emit DragEnded();
}

} // namespace morvane

#pragma once

#include <QWidget>

namespace morvane {

// One square of the selection frame. It only reports its drag; the frame
// decides what the drag does.
class SelectionHandle : public QWidget {
    Q_OBJECT
public:
    SelectionHandle(const QString& unitName, Qt::CursorShape cursor, QWidget* parent);

signals:
    void DragStarted();
    // Mouse travel since the press, in pixels.
    void Dragged(QPoint travel);
    void DragEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint pressGlobal_;
    bool dragging_ = false;
};

} // namespace morvane

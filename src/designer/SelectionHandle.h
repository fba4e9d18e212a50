#pragma once

#include <QWidget>

namespace morvane {

// One of the eight 8 x 8 squares around the selected element. Dragging it
// moves the edges it stands for; the rest of the element stays put.
class SelectionHandle : public QWidget {
    Q_OBJECT
public:
    // Which edges follow the mouse.
    struct Edges {
        bool left = false, top = false, right = false, bottom = false;
    };

    SelectionHandle(const QString& unitName, Edges edges, Qt::CursorShape cursor, QWidget* parent);
    Edges GetEdges() const { return edges_; }

signals:
    void DragStarted(SelectionHandle* handle);
    // Mouse travel since the press, in pixels.
    void Dragged(SelectionHandle* handle, QPoint travel);
    void DragEnded(SelectionHandle* handle);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Edges edges_;
    QPoint pressGlobal_;
    bool dragging_ = false;
};

} // namespace morvane

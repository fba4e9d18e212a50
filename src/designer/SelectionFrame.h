#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

#include <array>

class QWidget;

namespace morvane {

class SelectionHandle;

// The eight 8 x 8 handles around the selected element ("外形框1" to
// "外形框8") and the never-shown frame rectangle "外形框9". One handle enum
// drives the unit name, the cursor, the edges a handle moves and its place
// around the element, all from one table.
class SelectionFrame : public QObject {
    Q_OBJECT
public:
    enum class Handle { BottomRight, TopLeft, BottomLeft, Left, Top, TopRight, Right, Bottom };
    static constexpr int HandleCount = 8;
    static constexpr int HandleSize = 8;

    // The handles are children of parent, which the element shares.
    explicit SelectionFrame(QWidget* parent);

    // Places the handles around the target, touching it, shows them and
    // makes their drags resize it.
    void Attach(QWidget* target);
    void Hide();

    // Where a handle goes around an element at r; every division is cut
    // toward zero.
    static QPoint HandlePosition(Handle handle, const QRect& r);

signals:
    // A drag of a handle has ended; the target has its new geometry.
    void ResizeFinished();

private:
    void OnDragged(Handle handle, QPoint travel);

    std::array<SelectionHandle*, HandleCount> handles_{};
    QWidget* frameRect_ = nullptr;
    QPointer<QWidget> target_;
    QRect resizeStart_;
};

} // namespace morvane

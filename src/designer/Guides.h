#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace morvane {

struct DesignerLayout;

// The aids for placing components: the fixed left and right lines of a
// 950-pixel module, the centre line, the horizontal line with its grip
// square, and their controls in the toolbar. None of them reaches the code.
class Guides : public QObject {
    Q_OBJECT
public:
    static constexpr int GripOffset = 7; // the grip square stands this far above the line

    // Lines and grip go on the window, below every element created later;
    // the controls go on the toolbar.
    Guides(QWidget* window, QWidget* toolbar);

    void LayOut(const DesignerLayout& layout);

    void SetColour(const QColor& colour);

signals:
    void StatusShown(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceHorizontalLine();
    void Paint();

    QWidget* leftLine_ = nullptr;
    QWidget* rightLine_ = nullptr;
    QWidget* centreLine_ = nullptr;
    QWidget* horizontalLine_ = nullptr;
    QLabel* grip_ = nullptr;
    QCheckBox* showHorizontal_ = nullptr;
    QCheckBox* showCentre_ = nullptr;
    QLineEdit* distance_ = nullptr;
    QPushButton* picker_ = nullptr;
    QColor colour_{0, 224, 128};
    // Dragging the grip: where the mouse and the grip were at the press.
    bool gripDragging_ = false;
    QPoint gripPressGlobal_;
    QPoint gripStart_;
};

} // namespace morvane

#pragma once

#include "ElementId.h"
#include "Kind.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace morvane {

class DesignDocument;

// The view of one element of the design on the canvas: a picture box for
// every kind but text, a transparent label for a text. It is a child of the
// designer window and shows what the document holds for its element; it
// changes nothing itself, and reports the mouse to the window.
//
// A placeholder picture is shared: every element of a kind holds the same
// QPixmap (implicitly shared) and scales it while painting, so a design of
// hundreds of elements keeps one decoded picture per kind. An element
// without any picture draws a thin outline so it can still be found.
class CanvasElement : public QWidget {
    Q_OBJECT
public:
    // A picture box for a component, a transparent label for a text; the
    // view of the element id (0 for the window's prototypes).
    CanvasElement(morvane::Sort sort, morvane::ElementId id, QWidget* parent);

    bool IsText() const { return sort_ == morvane::Sort::Text; }

    morvane::ElementId Id() const { return id_; }
    // The component or text number as it stands now; also the record's row.
    int Number() const { return number_; }
    void SetNumber(int number) { number_ = number; }
    // The number as the element's tag shows it.
    QString Tag() const { return QString::number(number_); }

    // Shows the element as the document holds it; canvasOrigin is where
    // the canvas's 0, 0 lies in the window.
    void Sync(const DesignDocument& document, QPoint canvasOrigin);

    // What it shows. A picture box: a shared placeholder or the
    // component's own picture; a null pixmap shows no picture.
    const QPixmap& Picture() const { return picture_; }
    bool HasPicture() const { return !picture_.isNull(); }
    void SetPicture(const QPixmap& picture);
    // A text label: caption, colour and alignment as the text panel set them.
    QString Text() const { return text_; }
    QColor TextColour() const { return textColour_; }
    Qt::Alignment TextAlignment() const { return textAlignment_; }

signals:
    // The designer handles presses itself (selection, drag, menu).
    void Pressed(CanvasElement* element, QMouseEvent* event);
    void Moved(CanvasElement* element, QMouseEvent* event);
    void Released(CanvasElement* element, QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    morvane::Sort sort_;
    morvane::ElementId id_;
    int number_ = 0;
    QPixmap picture_;
    QString text_;
    QColor textColour_{Qt::black};
    Qt::Alignment textAlignment_ = Qt::AlignLeft;
};

} // namespace morvane

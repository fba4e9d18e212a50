#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace morvane {

// The visible counterpart of one record on the canvas: a picture box for
// every kind but text, a transparent label for a text. It is a child of the
// designer window, positioned in window coordinates.
//
// A placeholder picture is shared: every element of a kind holds the same
// QPixmap (implicitly shared) and scales it while painting, so a design of
// hundreds of elements keeps one decoded picture per kind. An element
// without any picture draws a thin outline so it can still be found.
class CanvasElement : public QWidget {
    Q_OBJECT
public:
    enum class Shape { PictureBox, TextLabel };

    CanvasElement(Shape shape, QWidget* parent);

    Shape GetShape() const { return shape_; }
    bool IsText() const { return shape_ == Shape::TextLabel; }

    // The component or text number as decimal text; also the record's row.
    QString Tag() const { return tag_; }
    void SetTag(const QString& tag) { tag_ = tag; }
    int Number() const { return tag_.toInt(); }

    // Picture boxes: a shared placeholder or the component's own picture;
    // a null pixmap shows no picture.
    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }
    bool HasPicture() const { return !picture_.isNull(); }

    // Text labels: text, font and colours as the text panel sets them.
    void SetText(const QString& text);
    QString Text() const { return text_; }
    void SetTextColour(const QColor& colour);
    QColor TextColour() const { return textColour_; }
    void SetTextFont(const QFont& font);
    // Horizontal alignment of the text inside the label.
    void SetTextAlignment(Qt::Alignment alignment);
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
    Shape shape_;
    QString tag_;
    QPixmap picture_;
    QString text_;
    QColor textColour_{Qt::black};
    Qt::Alignment textAlignment_ = Qt::AlignLeft;
};

} // namespace morvane

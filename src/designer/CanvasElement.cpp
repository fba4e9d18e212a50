#include "CanvasElement.h"

#include <QMouseEvent>
#include <QPainter>

namespace morvane {

CanvasElement::CanvasElement(Sort sort, QWidget* parent) : QWidget(parent), sort_(sort)
{
    setAttribute(Qt::WA_NoSystemBackground, IsText());
    setAttribute(Qt::WA_TranslucentBackground, IsText());
    setObjectName(IsText() ? QStringLiteral("透明标签") : QStringLiteral("图片框"));
}

void CanvasElement::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void CanvasElement::SetText(const QString& text)
{
    text_ = text;
    update();
}

void CanvasElement::SetTextColour(const QColor& colour)
{
    textColour_ = colour;
    update();
}

void CanvasElement::SetTextFont(const QFont& font)
{
    setFont(font);
    update();
}

void CanvasElement::SetTextAlignment(Qt::Alignment alignment)
{
    textAlignment_ = alignment & Qt::AlignHorizontal_Mask;
    update();
}

void CanvasElement::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (IsText()) {
        painter.setPen(textColour_);
        painter.drawText(rect(), static_cast<int>(textAlignment_ | Qt::AlignVCenter) | Qt::TextWordWrap, text_);
        if (text_.isEmpty()) {
            painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        return;
    }
    if (!picture_.isNull()) {
        // Scaling while painting keeps one shared pixmap per kind in memory
        // instead of one scaled copy per element.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture_);
        return;
    }
    painter.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CanvasElement::mousePressEvent(QMouseEvent* event)
{
    emit Pressed(this, event);
}

void CanvasElement::mouseMoveEvent(QMouseEvent* event)
{
    emit Moved(this, event);
}

void CanvasElement::mouseReleaseEvent(QMouseEvent* event)
{
    emit Released(this, event);
}

} // namespace morvane

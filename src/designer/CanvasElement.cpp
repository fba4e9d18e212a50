#include "CanvasElement.h"

#include "Artwork.h"
#include "DesignDocument.h"
#include "KindTable.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace morvane {

CanvasElement::CanvasElement(Sort sort, ElementId id, QWidget* parent) : QWidget(parent), sort_(sort), id_(id)
{
    setAttribute(Qt::WA_NoSystemBackground, IsText());
    setAttribute(Qt::WA_TranslucentBackground, IsText());
    setObjectName(IsText() ? QStringLiteral("透明标签") : QStringLiteral("图片框"));
}

void CanvasElement::SetPicture(const QPixmap& picture)
{
    if (picture.cacheKey() == picture_.cacheKey() && picture.isNull() == picture_.isNull())
        return;
    picture_ = picture;
    update();
}

void CanvasElement::Sync(const DesignDocument& document, QPoint canvasOrigin)
{
    const Placement& place = document.PlacementOf(id_);
    const auto toWindow = [](int canvas, int origin) {
        return static_cast<int>(std::clamp<qint64>(qint64(canvas) + origin, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    };
    setGeometry(toWindow(place.left, canvasOrigin.x()), toWindow(place.top, canvasOrigin.y()), place.width,
                place.height);
    setVisible(place.visible);
    if (!IsText()) {
        const std::optional<QPixmap>& fetched = document.PictureOf(id_);
        if (fetched) {
            SetPicture(*fetched);
        } else {
            const std::optional<Kind> kind = document.KindOf(id_);
            SetPicture(Artwork::Placeholder(kind && !KindTable::Of(*kind).art.general ? kind : std::nullopt));
        }
        return;
    }
    const TextLook& look = document.LookOf(id_);
    QFont face = parentWidget() ? parentWidget()->font() : font();
    if (!look.family.empty())
        face.setFamily(QString::fromStdString(look.family));
    if (look.pixelSize > 0)
        face.setPixelSize(look.pixelSize);
    face.setBold(look.bold);
    setFont(face);
    text_ = QString::fromStdString(look.caption);
    const QColor colour(QString::fromStdString(look.colour));
    textColour_ = colour.isValid() ? colour : QColor(Qt::black);
    textAlignment_ = look.alignment == TextLook::Alignment::Centre  ? Qt::AlignHCenter
                     : look.alignment == TextLook::Alignment::Right ? Qt::AlignRight
                                                                    : Qt::AlignLeft;
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

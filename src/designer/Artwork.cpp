#include "Artwork.h"

#include "KindTable.h"
#include "KindWords.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace morvane {

namespace {

QColor Rgb(std::uint32_t rgb)
{
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

QPixmap Draw(Kind ofKind, const QString& caption)
{
    const Kind kind = KindTable::Of(ofKind).art.general ? Kind::Picture : ofKind;
    const Art& art = KindTable::Of(kind).art;
    const QSize size(art.width, art.height);
    const QColor top = Rgb(art.top);
    const QColor bottom = Rgb(art.bottom);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, size.width(), size.height());
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    if (kind == Kind::LeftArrow || kind == Kind::RightArrow) {
        // Arrows float over the carousel, so they are half transparent.
        QColor disc = top;
        disc.setAlpha(170);
        p.setBrush(disc);
        p.setPen(Qt::NoPen);
        p.drawEllipse(r.adjusted(1, 1, -1, -1));
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const bool left = kind == Kind::LeftArrow;
        const double x = left ? 23 : 17;
        const double dx = left ? -7 : 7;
        p.drawPolyline(QPolygonF({QPointF(x, 11), QPointF(x + dx, 20), QPointF(x, 29)}));
        return pixmap;
    }
    p.fillRect(r, gradient);
    const QColor ink = top.lightness() > 200 ? QColor(60, 60, 60) : QColor(255, 255, 255);
    if (kind == Kind::QrCode) {
        // A stylised code: three finder squares and a scatter of modules.
        const double m = r.width() / 25.0;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 40, 40));
        auto finder = [&](double x, double y) {
            p.drawRect(QRectF(x, y, 7 * m, 7 * m));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(x + m, y + m, 5 * m, 5 * m));
            p.setBrush(QColor(40, 40, 40));
            p.drawRect(QRectF(x + 2 * m, y + 2 * m, 3 * m, 3 * m));
        };
        finder(m, m);
        finder(17 * m, m);
        finder(m, 17 * m);
        for (int i = 0; i < 25; ++i)
            for (int j = 0; j < 25; ++j)
                if (((i * 7 + j * 13) % 5 == 0) && !((i < 9 && j < 9) || (i > 15 && j < 9) || (i < 9 && j > 15)))
                    p.drawRect(QRectF(i * m, j * m, m, m));
        return pixmap;
    }
    // Caption centred, scaled to the picture.
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setBold(true);
    font.setPixelSize(
        std::max(9, std::min(size.height() * 2 / 5, size.width() / std::max(2, int(caption.size()) + 1))));
    p.setFont(font);
    p.setPen(ink);
    p.drawText(r, Qt::AlignCenter, caption);
    p.setPen(QPen(ink, std::max(1.0, r.height() / 120.0)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    return pixmap;
}

} // namespace

const QPixmap& Artwork::Placeholder(std::optional<Kind> kind)
{
    // Drawn on first use; the prototype's slot sits after the kinds'.
    static std::array<QPixmap, KindCount + 1> cache;
    QPixmap& slot = cache[kind ? IndexOf(*kind) : KindCount];
    if (slot.isNull())
        slot = kind ? Draw(*kind, KindWords::Of(*kind)) : Draw(Kind::Picture, QStringLiteral("图片"));
    return slot;
}

const QPixmap& Artwork::Ruler()
{
    static const QPixmap ruler = [] {
        QPixmap pixmap(980, 18);
        pixmap.fill(QColor(245, 246, 248));
        QPainter p(&pixmap);
        p.setPen(QColor(90, 96, 110));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(8);
        p.setFont(font);
        for (int x = 0; x <= 975; x += 5) {
            const int px = x + 2; // zero mark two pixels in
            const int length = x % 100 == 0 ? 17 : x % 50 == 0 ? 10 : x % 10 == 0 ? 6 : 3;
            p.drawLine(px, 18 - length, px, 17);
            if (x % 100 == 0)
                p.drawText(px + 2, 9, QString::number(x));
        }
        p.drawLine(0, 17, 979, 17);
        return pixmap;
    }();
    return ruler;
}

const QPixmap& Artwork::Logo()
{
    static const QPixmap logo = [] {
        QPixmap pixmap(66, 66);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 8, 0, 58);
        g.setColorAt(0, QColor(255, 140, 60));
        g.setColorAt(1, QColor(240, 80, 60));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(9, 9, 48, 48), 12, 12);
        p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(
            QPolygonF({QPointF(19, 45), QPointF(19, 22), QPointF(33, 37), QPointF(47, 22), QPointF(47, 45)}));
        return pixmap;
    }();
    return logo;
}

} // namespace morvane

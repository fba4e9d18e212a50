#include "Artwork.h"

#include "ComponentKind.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace morvane {

namespace {

struct KindArt {
    QSize element; // default element size
    QSize picture; // reference size of the placeholder picture
    QColor top, bottom;
};

KindArt ArtFor(const QString& kind)
{
    const std::string k = kind.toStdString();
    auto is = [&](std::string_view word) { return k == word; };
    if (is(ComponentKind::Carousel))
        return {{300, 130}, {750, 325}, QColor(70, 130, 220), QColor(40, 80, 170)};
    if (is(ComponentKind::LeftArrow) || is(ComponentKind::RightArrow))
        return {{40, 40}, {40, 40}, QColor(30, 30, 30, 170), QColor(30, 30, 30, 170)};
    if (is(ComponentKind::Magnifier))
        return {{220, 220}, {700, 700}, QColor(90, 170, 160), QColor(40, 120, 120)};
    if (is(ComponentKind::TwoSided))
        return {{120, 120}, {700, 700}, QColor(230, 150, 80), QColor(190, 100, 50)};
    if (is(ComponentKind::Countdown))
        return {{360, 90}, {360, 90}, QColor(220, 70, 70), QColor(160, 30, 40)};
    if (is(ComponentKind::WangwangGroup))
        return {{63, 20}, {63, 20}, QColor(255, 160, 40), QColor(230, 120, 20)};
    if (is(ComponentKind::Cart))
        return {{120, 31}, {120, 31}, QColor(255, 90, 40), QColor(220, 50, 20)};
    if (is(ComponentKind::QrCode))
        return {{140, 140}, {140, 140}, QColor(250, 250, 250), QColor(235, 235, 235)};
    if (is(ComponentKind::CustomerService))
        return {{70, 70}, {70, 70}, QColor(80, 160, 240), QColor(40, 110, 200)};
    if (is(ComponentKind::Video))
        return {{350, 240}, {350, 240}, QColor(50, 50, 60), QColor(20, 20, 25)};
    if (is(ComponentKind::Share))
        return {{92, 27}, {92, 27}, QColor(110, 180, 90), QColor(70, 140, 60)};
    if (is(ComponentKind::Search))
        return {{238, 31}, {238, 31}, QColor(255, 255, 255), QColor(240, 240, 240)};
    if (is(ComponentKind::Favourite))
        return {{190, 174}, {190, 174}, QColor(250, 210, 80), QColor(230, 170, 40)};
    if (is(ComponentKind::Like))
        return {{111, 27}, {111, 27}, QColor(250, 110, 140), QColor(220, 70, 110)};
    if (is(ComponentKind::Follow))
        return {{75, 22}, {75, 22}, QColor(255, 110, 60), QColor(230, 80, 40)};
    if (is(ComponentKind::Text))
        return {{75, 22}, {0, 0}, {}, {}};
    return {{120, 120}, {600, 600}, QColor(160, 175, 195), QColor(110, 125, 150)};
}

QPixmap Draw(const QString& kind)
{
    const KindArt art = ArtFor(kind);
    QPixmap pixmap(art.picture);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, art.picture.width(), art.picture.height());
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, art.top);
    gradient.setColorAt(1, art.bottom);
    const std::string k = kind.toStdString();
    if (k == ComponentKind::LeftArrow || k == ComponentKind::RightArrow) {
        p.setBrush(art.top);
        p.setPen(Qt::NoPen);
        p.drawEllipse(r.adjusted(1, 1, -1, -1));
        p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const bool left = k == ComponentKind::LeftArrow;
        const double x = left ? 23 : 17;
        const double dx = left ? -7 : 7;
        p.drawPolyline(QPolygonF({QPointF(x, 11), QPointF(x + dx, 20), QPointF(x, 29)}));
        return pixmap;
    }
    p.fillRect(r, gradient);
    const QColor ink = art.top.lightness() > 200 ? QColor(60, 60, 60) : QColor(255, 255, 255);
    if (k == ComponentKind::QrCode) {
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
        std::max(9, std::min(art.picture.height() * 2 / 5, art.picture.width() / std::max(2, int(kind.size()) + 1))));
    p.setFont(font);
    p.setPen(ink);
    p.drawText(r, Qt::AlignCenter, kind.isEmpty() ? QStringLiteral("图片") : kind);
    p.setPen(QPen(ink, std::max(1.0, r.height() / 120.0)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    return pixmap;
}

} // namespace

const QPixmap& Artwork::Placeholder(const QString& kind)
{
    static QHash<QString, QPixmap> cache;
    auto it = cache.find(kind);
    if (it == cache.end())
        it = cache.insert(kind, Draw(kind));
    return *it;
}

QSize Artwork::DefaultSize(const QString& kind)
{
    return ArtFor(kind).element;
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

// imgFl01 .. imgFl21: an airliner seen from above, white with a coloured tail, turned
// to fly along the routes from Wien that the destination table gives it.
#include "Zeitzonen.h"

#include "core/FlugzieleU.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace kalmiro::karte {

namespace {

constexpr int seite = 34;
const QColor rumpfFarbe(252, 252, 250);
const QColor leitwerkFarbe(232, 70, 40);
const QColor triebwerkFarbe(176, 184, 196);
const QColor umrissFarbe(38, 44, 60);
const QColor fensterFarbe(60, 72, 92);

// The aircraft with its nose along +x, centred on the wing root; one side is drawn and
// mirrored. Units are pixels before the fitting scale below.
QPainterPath Gespiegelt(const QPolygonF& seitenhaelfte) {
    QPolygonF ganz = seitenhaelfte;
    for (auto it = seitenhaelfte.crbegin(); it != seitenhaelfte.crend(); ++it)
        ganz << QPointF(it->x(), -it->y());
    QPainterPath p;
    p.addPolygon(ganz);
    p.closeSubpath();
    return p;
}

QPainterPath Rumpf() {
    QPainterPath p;
    p.moveTo(15.5, 0);
    p.cubicTo(15.3, -1.7, 13.6, -2.4, 11.0, -2.4);
    p.lineTo(-10.0, -2.2);
    p.cubicTo(-13.0, -2.0, -15.0, -1.2, -15.8, 0);
    p.cubicTo(-15.0, 1.2, -13.0, 2.0, -10.0, 2.2);
    p.lineTo(11.0, 2.4);
    p.cubicTo(13.6, 2.4, 15.3, 1.7, 15.5, 0);
    p.closeSubpath();
    return p;
}

QPainterPath Fluegel() {
    QPainterPath p =
        Gespiegelt({{4.0, 0}, {4.0, -2.0}, {-4.4, -15.0}, {-7.4, -15.0}, {-3.6, -2.0}});
    return p;
}

QPainterPath Hoehenleitwerk() {
    return Gespiegelt({{-9.6, 0}, {-9.6, -1.8}, {-13.6, -6.4}, {-15.6, -6.4}, {-14.4, -1.6}});
}

void Triebwerke(QPainter& maler) {
    for (const double y : {-7.0, 7.0}) {
        const QRectF gondel(-1.6, y - 1.35, 5.6, 2.7);
        maler.drawRoundedRect(gondel, 1.3, 1.3);
    }
}

} // namespace

double Flugzeugkurs(int n) {
    const TFlugziel& wien = Flugziele[Heimatstadt];
    double sx = 0, sy = 0;
    for (const TFlugziel& z : Flugziele) {
        if (z.Nummer == Heimatstadt || z.Bild != n) continue;
        // Map pixels: 20 a unit across, 19 down, the screen's y growing downwards.
        const double dx = 20.0 * (z.X - wien.X), dy = -19.0 * (z.Y - wien.Y);
        const double l = std::hypot(dx, dy);
        sx += dx / l;
        sy += dy / l;
    }
    return std::atan2(sy, sx) * 180 / std::numbers::pi;
}

QImage Flugzeugbild(int n) {
    QImage bild(seite, seite, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.translate(seite / 2.0, seite / 2.0);
    maler.rotate(Flugzeugkurs(n));
    // Wing tips and tail tips just inside the circle that every turn keeps in the picture.
    const double masstab = 15.3 / std::hypot(15.6, 6.4);
    maler.scale(masstab, masstab);
    const QPen umriss(umrissFarbe, 1.0 / masstab, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    maler.setPen(umriss);
    maler.setBrush(rumpfFarbe);
    maler.drawPath(Fluegel());
    maler.setBrush(leitwerkFarbe);
    maler.drawPath(Hoehenleitwerk());
    maler.setBrush(triebwerkFarbe);
    Triebwerke(maler);
    maler.setBrush(rumpfFarbe);
    maler.drawPath(Rumpf());
    // The fin, seen edge on, and the cockpit windows.
    maler.setPen(QPen(leitwerkFarbe, 1.7, Qt::SolidLine, Qt::RoundCap));
    maler.drawLine(QPointF(-8.6, 0), QPointF(-15.0, 0));
    maler.setPen(Qt::NoPen);
    maler.setBrush(fensterFarbe);
    QPainterPath fenster;
    fenster.moveTo(13.9, -1.5);
    fenster.quadTo(15.0, 0, 13.9, 1.5);
    fenster.lineTo(12.9, 1.2);
    fenster.quadTo(13.6, 0, 12.9, -1.2);
    fenster.closeSubpath();
    maler.drawPath(fenster);
    return bild;
}

} // namespace kalmiro::karte

// The faces and marks of the unit-conversion screen: a face per row (blue while the
// task is open, green smiling when it was right at once, orange when it took two
// attempts, red when it went wrong) and a green tick or a red cross per attempt.
// Round, glossy shapes with a dark outline, on a transparent ground.
#include "Bilder.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int gesichtBreite = 63;
constexpr int gesichtHoehe = 69;
constexpr int zeichenSeite = 40;

enum class Mund { Gerade, Laecheln, Traurig };

struct Gesichtsfarben {
    QColor hell, grund, rand;
};

QImage Leer(int breite, int hoehe) {
    QImage bild(breite, hoehe, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    return bild;
}

void Glanzlicht(QPainter& p, const QRectF& flaeche) {
    QLinearGradient glanz(flaeche.topLeft(), flaeche.bottomLeft());
    glanz.setColorAt(0, QColor(255, 255, 255, 190));
    glanz.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glanz);
    p.drawEllipse(flaeche);
}

QImage Gesicht(const Gesichtsfarben& f, Mund mund) {
    QImage bild = Leer(gesichtBreite, gesichtHoehe);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);

    // The head, a little taller than wide, as the picture is.
    const QRectF kopf(3.5, 4.5, 56, 61);
    QRadialGradient fuellung(QPointF(24, 22), 46, QPointF(20, 18));
    fuellung.setColorAt(0, f.hell);
    fuellung.setColorAt(0.55, f.grund);
    fuellung.setColorAt(1, f.grund.darker(125));
    p.setPen(QPen(f.rand, 2.5));
    p.setBrush(fuellung);
    p.drawEllipse(kopf);
    Glanzlicht(p, QRectF(13, 8.5, 30, 17));

    // Eyes with a white glint, so the face looks at the pupil.
    const QColor dunkel(35, 30, 45);
    p.setPen(Qt::NoPen);
    for (double x : {22.0, 41.0}) {
        p.setBrush(dunkel);
        p.drawEllipse(QRectF(x - 3.6, 26.5, 7.2, 9.5));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(x - 1.9, 28, 2.8, 3.2));
    }

    QPen mundStift(dunkel, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(mundStift);
    p.setBrush(Qt::NoBrush);
    QPainterPath linie;
    switch (mund) {
    case Mund::Gerade:
        linie.moveTo(22, 48);
        linie.quadTo(31.5, 49.5, 41, 48);
        break;
    case Mund::Laecheln:
        linie.moveTo(19, 44);
        linie.quadTo(31.5, 58, 44, 44);
        break;
    case Mund::Traurig:
        linie.moveTo(21, 53);
        linie.quadTo(31.5, 42, 42, 53);
        // Brows sloping down to the sides.
        p.drawLine(QPointF(16.5, 22.5), QPointF(25, 20));
        p.drawLine(QPointF(38, 20), QPointF(46.5, 22.5));
        break;
    }
    p.drawPath(linie);
    return bild;
}

// A thick stroke in three layers: dark outline, the colour, a light line along its top.
void Strich(QPainter& p, const QPainterPath& weg, const QColor& rand, const QColor& farbe,
            const QColor& glanz) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rand, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(weg);
    p.setPen(QPen(farbe, 6.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(weg);
    p.setPen(QPen(glanz, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(weg.translated(-0.8, -1.3));
}

QImage Zeichen(const QPainterPath& weg, const QColor& rand, const QColor& farbe,
               const QColor& glanz) {
    QImage bild = Leer(zeichenSeite, zeichenSeite);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    Strich(p, weg, rand, farbe, glanz);
    return bild;
}

QImage Haken() {
    QPainterPath weg;
    weg.moveTo(7, 21);
    weg.lineTo(16, 31);
    weg.lineTo(33, 8);
    return Zeichen(weg, QColor(16, 90, 26), QColor(52, 190, 62), QColor(190, 250, 180, 200));
}

QImage Kreuz() {
    QPainterPath weg;
    weg.moveTo(9, 9);
    weg.lineTo(31, 31);
    weg.moveTo(31, 9);
    weg.lineTo(9, 31);
    return Zeichen(weg, QColor(120, 12, 18), QColor(232, 40, 44), QColor(255, 190, 180, 200));
}

} // namespace

void EinheitenBilder(Bildliste& liste) {
    const QString gruppe = QStringLiteral("einheiten");
    liste.push_back({gruppe, QStringLiteral("gesicht_blau.png"), [] {
                         return Gesicht(
                             {QColor(170, 215, 255), QColor(70, 140, 230), QColor(20, 50, 120)},
                             Mund::Gerade);
                     }});
    liste.push_back({gruppe, QStringLiteral("gesicht_gruen.png"), [] {
                         return Gesicht(
                             {QColor(200, 255, 180), QColor(80, 200, 70), QColor(20, 95, 25)},
                             Mund::Laecheln);
                     }});
    liste.push_back({gruppe, QStringLiteral("gesicht_orange.png"), [] {
                         return Gesicht(
                             {QColor(255, 225, 160), QColor(255, 160, 30), QColor(150, 75, 0)},
                             Mund::Traurig);
                     }});
    liste.push_back({gruppe, QStringLiteral("gesicht_rot.png"), [] {
                         return Gesicht(
                             {QColor(255, 175, 165), QColor(228, 48, 44), QColor(115, 10, 12)},
                             Mund::Traurig);
                     }});
    liste.push_back({gruppe, QStringLiteral("haken.png"), Haken});
    liste.push_back({gruppe, QStringLiteral("kreuz.png"), Kreuz});
}

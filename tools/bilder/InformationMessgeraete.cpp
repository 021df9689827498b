// The pictures of the second page, the instruments: water clock, sundial, hourglass,
// pendulum clock, quartz clock and atomic clock.
#include "InformationMalen.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace kalmiro::infobilder {

namespace {

constexpr double pi = std::numbers::pi;

// A gradient across a round body from left to right: dark rim, a highlight left of the
// middle, so cylinders, pots and columns look lit from the upper left.
QLinearGradient Walze(double links, double rechts, const QColor& farbe) {
    QLinearGradient g(links, 0, rechts, 0);
    g.setColorAt(0, farbe.darker(150));
    g.setColorAt(0.3, farbe.lighter(130));
    g.setColorAt(0.45, farbe.lighter(112));
    g.setColorAt(1, farbe.darker(190));
    return g;
}

// A body of revolution round the vertical line at mitte: halbe(y) is its half-width.
QPainterPath Drehkoerper(double mitte, double oben, double unten,
                         const std::function<double(double)>& halbe) {
    constexpr int schritte = 80;
    QPolygonF rand;
    for (int i = 0; i <= schritte; ++i) {
        const double y = oben + (unten - oben) * i / schritte;
        rand << QPointF(mitte + halbe(y), y);
    }
    for (int i = schritte; i >= 0; --i) {
        const double y = oben + (unten - oben) * i / schritte;
        rand << QPointF(mitte - halbe(y), y);
    }
    QPainterPath pfad;
    pfad.addPolygon(rand);
    pfad.closeSubpath();
    return pfad;
}

// Water clock: water runs from a pot on a stone pedestal into a vessel with marks.
void Wasseruhr(QPainter& p, double w, double h) {
    constexpr double boden = 164;
    Himmel(p, QRectF(0, 0, w, boden), QColor(248, 234, 206), QColor(228, 202, 160));
    Himmel(p, QRectF(0, boden, w, h - boden), QColor(196, 158, 112), QColor(168, 128, 88));
    Schein(p, QPointF(60, 50), 80, QColor(255, 250, 235, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 84, 50, 70));
    p.drawEllipse(QRectF(10, boden - 3, 80, 8));
    p.drawEllipse(QRectF(68, boden - 3, 70, 8));

    // The pedestal.
    p.setBrush(Walze(14, 82, QColor(200, 184, 158)));
    p.drawRect(QRectF(16, 86, 64, boden - 86));
    p.setBrush(Walze(10, 86, QColor(212, 196, 170)));
    p.drawRect(QRectF(11, 80, 74, 7));
    p.drawRect(QRectF(13, boden - 6, 70, 6));

    // The upper pot, terracotta with a dark band on its shoulder.
    constexpr double mitte = 48;
    const auto topf = [](double y) {
        if (y < 24) return 16 - (y - 18) * 0.5;
        if (y < 50) {
            const double t = (y - 24) / 26;
            return 13 + 15 * std::sin(t * pi / 2);
        }
        const double t = (y - 50) / 30;
        return 28 - 12 * t * t;
    };
    const QPainterPath koerper = Drehkoerper(mitte, 18, 80, topf);
    p.setBrush(Walze(mitte - 28, mitte + 28, QColor(204, 108, 60)));
    p.drawPath(koerper);
    p.save();
    p.setClipPath(koerper);
    p.setBrush(QColor(40, 26, 22));
    p.drawRect(QRectF(0, 38, w, 9));
    p.setBrush(QColor(214, 120, 70));
    for (int i = 0; i < 9; ++i)
        p.drawEllipse(QPointF(mitte - 24 + i * 6, 42.5), 1.3, 1.3);
    p.setBrush(QColor(40, 26, 22, 200));
    p.drawRect(QRectF(0, 70, w, 1.6));
    p.restore();
    p.setBrush(QColor(150, 70, 36));
    p.drawEllipse(QRectF(mitte - 16, 15.5, 32, 5.5));
    p.setBrush(QColor(60, 70, 90));
    p.drawEllipse(QRectF(mitte - 13, 16.6, 26, 3.6));

    // Spout and the water jet falling into the vessel.
    QLinearGradient roehre(0, 70, 0, 75);
    roehre.setColorAt(0, QColor(236, 206, 130));
    roehre.setColorAt(1, QColor(150, 110, 50));
    p.setBrush(roehre);
    p.drawRoundedRect(QRectF(mitte + 16, 70.5, 12, 4), 1.5, 1.5);
    QPainterPath strahl;
    strahl.moveTo(mitte + 28, 72.5);
    strahl.cubicTo(mitte + 38, 73.5, mitte + 45, 90, mitte + 47, 128);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(90, 150, 210, 220), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strahl);
    p.setPen(QPen(QColor(235, 248, 255, 220), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strahl.translated(-0.5, 0));

    // The lower vessel of alabaster; the water inside shows over its rim.
    constexpr double gefaess = 102, rand = 124;
    const auto schale = [](double y) { return 31 - 10 * std::pow((y - rand) / 40, 1.6); };
    p.setPen(Qt::NoPen);
    p.setBrush(Walze(gefaess - 31, gefaess + 31, QColor(232, 222, 200)));
    p.drawPath(Drehkoerper(gefaess, rand, boden, schale));
    p.drawEllipse(QRectF(gefaess - 21, boden - 3, 42, 6));
    p.setBrush(QColor(210, 196, 170));
    p.drawEllipse(QRectF(gefaess - 31, rand - 6, 62, 12));
    QRadialGradient wasser(QPointF(gefaess - 6, rand), 30);
    wasser.setColorAt(0, QColor(120, 186, 230));
    wasser.setColorAt(1, QColor(50, 110, 170));
    p.setBrush(wasser);
    p.drawEllipse(QRectF(gefaess - 27.5, rand - 4, 55, 8.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 245, 255, 170), 0.6));
    for (double r : {3.0, 6.5, 10.0})
        p.drawEllipse(QPointF(mitte + 47, rand + 0.5), r, r * 0.3);
    // The marks by which the hours were read.
    p.setPen(QPen(QColor(120, 90, 60, 200), 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const double y = rand + 9 + i * 5.2;
        p.drawLine(QPointF(gefaess - 3, y), QPointF(gefaess + 3, y));
    }
    p.setPen(QPen(QColor(120, 90, 60, 200), 0.7));
    p.drawLine(QPointF(gefaess, rand + 8), QPointF(gefaess, rand + 36));
}

// Sundial: a bronze dial on a stone column in a garden, the shadow of its gnomon on
// the hour line of ten in the morning.
void Sonnenuhr(QPainter& p, double w, double h) {
    constexpr double horizont = 70;
    Himmel(p, QRectF(0, 0, w, horizont), QColor(130, 186, 236), QColor(222, 238, 246));
    Himmel(p, QRectF(0, horizont, w, h - horizont), QColor(136, 180, 92), QColor(86, 138, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 140, 74));
    for (int i = 0; i < 9; ++i)
        p.drawEllipse(QPointF(i * 15 - 2, horizont + 1), 10, 7);
    p.setBrush(QColor(50, 90, 40, 90));
    p.drawEllipse(QRectF(30, 103, 62, 12));

    // The column.
    const QColor stein(214, 204, 188);
    p.setBrush(Walze(36, 84, stein));
    p.drawRect(QRectF(38, 100, 44, 8));
    p.drawEllipse(QRectF(38, 104, 44, 8));
    p.setBrush(Walze(50, 70, stein));
    p.drawRect(QRectF(50, 58, 20, 44));
    p.setBrush(Walze(44, 76, stein));
    p.drawRect(QRectF(44, 58, 32, 6));

    // The dial: a circle on the ground plane, turned a little and seen from above.
    const QPointF mitte(60, 46);
    constexpr double drehung = 0.55, breite = 46, tiefe = 18, senkrecht = 40;
    const auto bild = [&](double u, double v, double z = 0) {
        const double a = u * std::cos(drehung) - v * std::sin(drehung);
        const double b = u * std::sin(drehung) + v * std::cos(drehung);
        return QPointF(mitte.x() + a * breite, mitte.y() - b * tiefe - z * senkrecht);
    };
    p.setBrush(QColor(130, 90, 44));
    p.drawEllipse(QRectF(mitte.x() - breite, mitte.y() - tiefe + 3.5, 2 * breite, 2 * tiefe));
    p.drawRect(QRectF(mitte.x() - breite, mitte.y(), 2 * breite, 3.5));
    QLinearGradient bronze(mitte.x() - breite, mitte.y() - tiefe, mitte.x() + breite,
                           mitte.y() + tiefe);
    bronze.setColorAt(0, QColor(240, 206, 130));
    bronze.setColorAt(0.5, QColor(214, 168, 92));
    bronze.setColorAt(1, QColor(170, 118, 58));
    p.setBrush(bronze);
    p.drawEllipse(QRectF(mitte.x() - breite, mitte.y() - tiefe, 2 * breite, 2 * tiefe));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 70, 30, 170), 0.6));
    p.drawEllipse(
        QRectF(mitte.x() - breite * 0.9, mitte.y() - tiefe * 0.9, 1.8 * breite, 1.8 * tiefe));

    // Hour lines of a horizontal dial at about 48 degrees north, from the root of the
    // gnomon to the ring.
    const QPointF wurzel(0, -0.55);
    const double breitengrad = 48 * pi / 180;
    const auto stundenlinie = [&](int stunde) {
        const double winkel = std::atan(std::sin(breitengrad) * std::tan(stunde * pi / 12));
        const double du = std::sin(winkel), dv = std::cos(winkel);
        // Where the line from the root meets the ring of radius 0.9.
        const double b = wurzel.x() * du + wurzel.y() * dv;
        const double c = wurzel.x() * wurzel.x() + wurzel.y() * wurzel.y() - 0.81;
        const double t = -b + std::sqrt(b * b - c);
        return QPointF(wurzel.x() + t * du, wurzel.y() + t * dv);
    };
    for (int stunde = -5; stunde <= 5; ++stunde) {
        const QPointF ende = stundenlinie(stunde);
        p.setPen(QPen(QColor(100, 64, 28, 200), stunde == 0 ? 0.9 : 0.6));
        p.drawLine(bild(wurzel.x(), wurzel.y()), bild(ende.x(), ende.y()));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(100, 64, 28));
        const QPointF marke = ende * 1.06;
        p.drawEllipse(bild(marke.x(), marke.y()), 0.9, 0.9);
    }

    // The gnomon's shadow along the ten o'clock line, then the gnomon: its edge rises
    // from the root at the angle of the latitude.
    const double fussV = 0.05;
    const double spitze = (fussV - wurzel.y()) * std::tan(breitengrad);
    const QPointF schattenEnde = stundenlinie(-2) * 0.95;
    p.setBrush(QColor(60, 34, 12, 175));
    p.drawPolygon(
        QPolygonF{bild(0, wurzel.y()), bild(0, fussV), bild(schattenEnde.x(), schattenEnde.y())});
    p.setBrush(QColor(150, 100, 46));
    p.drawPolygon(
        QPolygonF{bild(0.045, wurzel.y()), bild(0.045, fussV), bild(0.045, fussV, spitze)});
    QLinearGradient blech(bild(0, fussV, spitze), bild(0, wurzel.y()));
    blech.setColorAt(0, QColor(250, 222, 150));
    blech.setColorAt(1, QColor(196, 146, 76));
    p.setBrush(blech);
    p.drawPolygon(QPolygonF{bild(0, wurzel.y()), bild(0, fussV), bild(0, fussV, spitze)});
    p.setPen(QPen(QColor(255, 240, 200), 0.6));
    p.drawLine(bild(0, wurzel.y()), bild(0, fussV, spitze));
}

// Hourglass: a turned wooden frame, the sand running from the upper bulb to a heap.
void Sanduhr(QPainter& p, double w, double h) {
    Himmel(p, QRectF(0, 0, w, h), QColor(252, 243, 224), QColor(234, 210, 172));
    Schein(p, QPointF(w / 2, h * 0.45), 70, QColor(255, 255, 250, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 70, 40, 70));
    p.drawEllipse(QRectF(4, 196, w - 8, 10));

    const double mitte = w / 2, oben = 26, unten = 183, hals = (oben + unten) / 2;
    const auto glas = [&](double y) {
        const double u = std::fabs(y - hals) / (hals - oben);
        return 2.4 + 29 * std::pow(std::sin(pi * std::min(u, 1.0) * 0.86), 0.75);
    };
    const QColor holz(150, 92, 48);
    const auto saeule = [](double y) {
        const double t = (y - 26) / 157;
        // Beads near both ends and a slight swell in the middle.
        return 3.2 + 0.8 * std::sin(t * pi) + 1.6 * std::exp(-std::pow((t - 0.06) / 0.025, 2)) +
               1.6 * std::exp(-std::pow((t - 0.94) / 0.025, 2));
    };
    // The third column, behind the glass.
    p.setBrush(Walze(mitte - 4, mitte + 4, holz.darker(130)));
    p.drawPath(Drehkoerper(mitte, oben, unten, saeule));

    const QPainterPath kolben = Drehkoerper(mitte, oben, unten, glas);
    p.setBrush(QColor(236, 244, 252, 110));
    p.drawPath(kolben);

    p.save();
    p.setClipPath(kolben);
    QLinearGradient sand(0, 60, 0, unten);
    sand.setColorAt(0, QColor(246, 206, 124));
    sand.setColorAt(1, QColor(206, 146, 66));
    p.setBrush(sand);
    // A sand surface from the glass wall at rand to its middle at tief, filled down to
    // boden.
    const auto flaeche = [&](double rand, double tief, double weit, double boden) {
        QPainterPath sandflaeche;
        sandflaeche.moveTo(0, rand);
        const double zurueck = (tief - rand) * 0.2;
        sandflaeche.cubicTo(mitte - weit, rand, mitte - weit * 0.45, tief - zurueck, mitte, tief);
        sandflaeche.cubicTo(mitte + weit * 0.45, tief - zurueck, mitte + weit, rand, w, rand);
        sandflaeche.lineTo(w, boden);
        sandflaeche.lineTo(0, boden);
        sandflaeche.closeSubpath();
        p.drawPath(sandflaeche);
    };
    // Upper sand with a hollow where it runs out, and the heap below.
    flaeche(66, 76, 14, hals);
    flaeche(166, 145, 18, unten);
    p.setPen(QPen(QColor(226, 176, 96), 1.1));
    p.drawLine(QPointF(mitte, hals - 2), QPointF(mitte, 146));
    p.setPen(Qt::NoPen);
    // Grains on the surfaces.
    for (int i = 0; i < 120; ++i) {
        const QPointF ort(Zufall(8, i) * w, 60 + Zufall(9, i) * (unten - 60));
        p.setBrush(Zufall(10, i) < 0.5 ? QColor(255, 230, 170, 150) : QColor(170, 110, 50, 120));
        p.drawEllipse(ort, 0.5, 0.5);
    }
    p.restore();
    // Glass edge and its highlights.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 170, 190, 200), 0.8));
    p.drawPath(kolben);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (double y0 : {oben + 12, hals + 16}) {
        QPainterPath glanz;
        for (int i = 0; i <= 20; ++i) {
            const double y = y0 + i * 2.2;
            const QPointF ort(mitte - glas(y) * 0.72, y);
            if (i == 0)
                glanz.moveTo(ort);
            else
                glanz.lineTo(ort);
        }
        p.drawPath(glanz);
    }

    // Front columns and the two boards.
    p.setPen(Qt::NoPen);
    for (double x : {17.0, w - 17}) {
        p.setBrush(Walze(x - 5, x + 5, holz));
        p.drawPath(Drehkoerper(x, oben, unten, saeule));
    }
    const auto brett = [&](double y, double dick) {
        QLinearGradient g(0, y, 0, y + dick);
        g.setColorAt(0, holz.lighter(140));
        g.setColorAt(0.35, holz);
        g.setColorAt(1, holz.darker(170));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(7, y, w - 14, dick), 3, 3);
    };
    brett(8, 14);
    brett(21, 5);
    brett(183, 5);
    brett(187, 14);
}

// Pendulum clock: a wall regulator of walnut with a brass pendulum, alone on white.
void Pendeluhr(QPainter& p, double w, double h) {
    p.fillRect(QRectF(0, 0, w, h), Qt::white);
    const QColor nuss(126, 70, 36);
    const double mitte = w / 2;
    const auto leiste = [&](double links, double rechts, double y, double dick) {
        QLinearGradient g(0, y, 0, y + dick);
        g.setColorAt(0, nuss.lighter(150));
        g.setColorAt(0.4, nuss);
        g.setColorAt(1, nuss.darker(180));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(links, y, rechts - links, dick), 1.5, 1.5);
    };
    p.setPen(Qt::NoPen);

    // Crown with a finial.
    QPainterPath krone;
    krone.moveTo(14, 20);
    krone.cubicTo(22, 8, 40, 9, mitte, 9);
    krone.cubicTo(w - 40, 9, w - 22, 8, w - 14, 20);
    krone.closeSubpath();
    p.setBrush(Walze(14, w - 14, nuss));
    p.drawPath(krone);
    QRadialGradient kugel(QPointF(mitte - 1, 4), 4);
    kugel.setColorAt(0, QColor(255, 236, 160));
    kugel.setColorAt(1, QColor(170, 120, 40));
    p.setBrush(kugel);
    p.drawEllipse(QPointF(mitte, 6), 3, 3);
    leiste(6, w - 6, 18, 6);

    // Head with the face.
    p.setBrush(Walze(10, w - 10, nuss));
    p.drawRect(QRectF(10, 24, w - 20, 52));
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRect(QRectF(14, 27, w - 28, 46));
    Zifferblatt blatt;
    blatt.rand = QColor(200, 160, 70);
    blatt.tinte = QColor(40, 30, 24);
    blatt.randBreite = 0.14;
    blatt.minutenStriche = true;
    blatt.male(p, QPointF(mitte, 50), 24);
    p.setBrush(QColor(220, 180, 90));
    for (QPointF ecke :
         {QPointF(17, 31), QPointF(w - 17, 31), QPointF(17, 69), QPointF(w - 17, 69)})
        p.drawEllipse(ecke, 1.6, 1.6);
    leiste(7, w - 7, 75, 6);

    // The body behind its glass door: the pendulum, caught mid-swing, and a weight.
    p.setBrush(Walze(16, w - 16, nuss));
    p.drawRect(QRectF(16, 81, w - 32, 107));
    const QRectF tuer(23, 87, w - 46, 95);
    QLinearGradient rueckwand(tuer.topLeft(), tuer.bottomLeft());
    rueckwand.setColorAt(0, QColor(78, 44, 24));
    rueckwand.setColorAt(1, QColor(48, 26, 14));
    p.setBrush(rueckwand);
    p.drawRect(tuer);
    p.save();
    p.setClipRect(tuer);
    const QPointF aufhaengung(mitte, 82);
    constexpr double laenge = 80;
    const auto pendel = [&](double grad, int deckung) {
        const double a = grad * pi / 180;
        const QPointF linse = aufhaengung + QPointF(std::sin(a), std::cos(a)) * laenge;
        p.setPen(QPen(QColor(214, 176, 90, deckung), 1.4));
        p.drawLine(aufhaengung, linse);
        p.setPen(Qt::NoPen);
        QRadialGradient messing(linse + QPointF(-3, -3), 11);
        messing.setColorAt(0, QColor(255, 240, 180, deckung));
        messing.setColorAt(0.6, QColor(214, 168, 70, deckung));
        messing.setColorAt(1, QColor(150, 104, 30, deckung));
        p.setBrush(messing);
        p.drawEllipse(linse, 9, 9);
    };
    pendel(8, 50);
    pendel(4, 80);
    pendel(-5, 255);
    p.setPen(QPen(QColor(190, 160, 100), 0.6, Qt::DotLine));
    p.drawLine(QPointF(31, 87), QPointF(31, 104));
    p.setPen(Qt::NoPen);
    p.setBrush(Walze(28, 35, QColor(200, 160, 80)));
    p.drawRoundedRect(QRectF(28, 104, 7, 26), 1.5, 1.5);
    // Reflections on the glass.
    p.setBrush(QColor(255, 255, 255, 36));
    p.drawPolygon(QPolygonF{{tuer.left() + 6, tuer.bottom()},
                            {tuer.right(), tuer.top() + 20},
                            {tuer.right(), tuer.top() + 34},
                            {tuer.left() + 18, tuer.bottom()}});
    p.drawPolygon(QPolygonF{{tuer.left(), tuer.top() + 50},
                            {tuer.left() + 30, tuer.top()},
                            {tuer.left() + 36, tuer.top()},
                            {tuer.left(), tuer.top() + 60}});
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(214, 176, 90), 0.8));
    p.drawRect(tuer);
    p.setPen(Qt::NoPen);

    // Foot and pendant.
    leiste(12, w - 12, 187, 6);
    QPainterPath fuss;
    fuss.moveTo(24, 193);
    fuss.cubicTo(34, 197, 44, 200, mitte, 207);
    fuss.cubicTo(w - 44, 200, w - 34, 197, w - 24, 193);
    fuss.closeSubpath();
    p.setBrush(Walze(24, w - 24, nuss));
    p.drawPath(fuss);
    p.setBrush(kugel);
    p.drawEllipse(QPointF(mitte, 206), 2.5, 2.5);
}

// A hexagonal quartz prism with a pointed end, standing at fuss and leaning by neigung
// degrees: three faces seen, each lit differently.
void Kristall(QPainter& p, QPointF fuss, double neigung, double halb, double lang) {
    p.save();
    p.translate(fuss);
    p.rotate(neigung);
    const double spitze = -lang - halb * 1.2;
    const QPointF a(-halb, 0), b(-halb / 2, 0), c(halb / 2, 0), d(halb, 0);
    const QPointF ao(-halb, -lang), bo(-halb / 2, -lang - halb * 0.15),
        co(halb / 2, -lang - halb * 0.15), dob(halb, -lang), s(0, spitze);
    const QColor flaechen[3] = {QColor(226, 220, 248, 225), QColor(250, 248, 255, 235),
                                QColor(186, 180, 222, 225)};
    const QColor kappen[3] = {QColor(240, 236, 255, 235), QColor(255, 255, 255, 240),
                              QColor(200, 194, 232, 235)};
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.5));
    p.setBrush(flaechen[0]);
    p.drawPolygon(QPolygonF{a, ao, bo, b});
    p.setBrush(flaechen[1]);
    p.drawPolygon(QPolygonF{b, bo, co, c});
    p.setBrush(flaechen[2]);
    p.drawPolygon(QPolygonF{c, co, dob, d});
    p.setBrush(kappen[0]);
    p.drawPolygon(QPolygonF{ao, s, bo});
    p.setBrush(kappen[1]);
    p.drawPolygon(QPolygonF{bo, s, co});
    p.setBrush(kappen[2]);
    p.drawPolygon(QPolygonF{co, s, dob});
    // A faint violet inside, as in real rock crystal.
    QLinearGradient innen(0, 0, 0, spitze);
    innen.setColorAt(0, QColor(150, 120, 210, 70));
    innen.setColorAt(1, QColor(150, 120, 210, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(innen);
    p.drawPolygon(QPolygonF{a, ao, s, dob, d});
    p.restore();
}

// Quartz clock: a round clock with a second hand, above rock crystal whose
// oscillation keeps it in step.
void Quarzuhr(QPainter& p, double w, double h) {
    Himmel(p, QRectF(0, 0, w, h), QColor(242, 238, 252), QColor(208, 216, 240));
    Schein(p, QPointF(w / 2, 56), 80, QColor(255, 255, 255, 220));

    const QPointF uhr(w / 2, 56);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 70, 120, 40));
    p.drawEllipse(uhr + QPointF(2, 3), 45, 45);
    Zifferblatt blatt;
    blatt.rand = QColor(110, 126, 170);
    blatt.blatt = QColor(252, 252, 255);
    blatt.tinte = QColor(30, 36, 60);
    blatt.randBreite = 0.1;
    blatt.sekunde = 33;
    blatt.male(p, uhr, 44);

    // The crystal's oscillation, fading out at both ends.
    QPainterPath welle;
    for (int i = 0; i <= 120; ++i) {
        const double x = 22 + i * (w - 44) / 120;
        const double y = 114 + 4.5 * std::sin((x - 22) / (w - 44) * 4 * 2 * pi);
        if (i == 0)
            welle.moveTo(x, y);
        else
            welle.lineTo(x, y);
    }
    QLinearGradient ton(22, 0, w - 22, 0);
    ton.setColorAt(0, QColor(120, 100, 220, 0));
    ton.setColorAt(0.3, QColor(120, 100, 220, 220));
    ton.setColorAt(0.7, QColor(120, 100, 220, 220));
    ton.setColorAt(1, QColor(120, 100, 220, 0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(ton), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(welle);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 80, 140, 60));
    p.drawEllipse(QRectF(w / 2 - 46, h - 10, 92, 10));
    Kristall(p, QPointF(w / 2 - 16, h - 5), -28, 8, 24);
    Kristall(p, QPointF(w / 2 + 18, h - 5), 24, 7, 20);
    Kristall(p, QPointF(w / 2, h - 4), 0, 10, 32);
    Funkeln(p, QPointF(w / 2 - 4, 136), 3.2, QColor(255, 255, 255));
    Funkeln(p, QPointF(w / 2 + 27, 152), 2.4, QColor(255, 255, 255));
}

// Atomic clock: a clock face as the nucleus of an atom, electrons on their orbits.
void Atomuhr(QPainter& p, double w, double h) {
    const QPointF mitte(w / 2, h / 2);
    QRadialGradient raum(mitte, w * 0.6);
    raum.setColorAt(0, QColor(40, 72, 140));
    raum.setColorAt(1, QColor(10, 18, 50));
    p.fillRect(QRectF(0, 0, w, h), raum);
    Sterne(p, QRectF(0, 0, w, h), 30, 51, 0.7);

    constexpr double bahnX = 56, bahnY = 15;
    const double drehungen[3] = {0, 60, -60};
    const QColor bahnfarbe(120, 220, 255);
    // Each orbit in two halves, the far one behind the clock, the near one in front.
    const auto bahn = [&](double drehung, bool vorn) {
        p.save();
        p.translate(mitte);
        p.rotate(drehung);
        const QRectF r(-bahnX, -bahnY, 2 * bahnX, 2 * bahnY);
        const int anfang = vorn ? 180 * 16 : 0, laenge = 180 * 16;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Durchsichtig(bahnfarbe, 0.18), 3.2));
        p.drawArc(r, anfang, laenge);
        p.setPen(QPen(Durchsichtig(bahnfarbe, 0.8), 0.9));
        p.drawArc(r, anfang, laenge);
        p.restore();
    };
    const auto elektron = [&](double drehung, double t) {
        const double a = drehung * pi / 180;
        const QPointF lokal(bahnX * std::cos(t), bahnY * std::sin(t));
        const QPointF ort = mitte + QPointF(lokal.x() * std::cos(a) - lokal.y() * std::sin(a),
                                            lokal.x() * std::sin(a) + lokal.y() * std::cos(a));
        Schein(p, ort, 7, QColor(150, 235, 255, 200));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 252, 255));
        p.drawEllipse(ort, 2, 2);
    };
    // Angles in the orbit's own frame: sin < 0 is the far half (drawn upwards on screen).
    const double lage[3] = {-0.6, 2.2, 4.1};
    for (int i = 0; i < 3; ++i)
        bahn(drehungen[i], false);
    for (int i = 0; i < 3; ++i)
        if (std::sin(lage[i]) < 0) elektron(drehungen[i], lage[i]);

    Schein(p, mitte, 40, QColor(130, 200, 255, 150));
    Zifferblatt blatt;
    blatt.rand = QColor(150, 176, 210);
    blatt.blatt = QColor(236, 244, 255);
    blatt.tinte = QColor(16, 34, 80);
    blatt.randBreite = 0.13;
    blatt.sekunde = 40;
    blatt.zeigerSekunde = QColor(0, 150, 210);
    blatt.male(p, mitte, 24);

    for (int i = 0; i < 3; ++i)
        bahn(drehungen[i], true);
    for (int i = 0; i < 3; ++i)
        if (std::sin(lage[i]) >= 0) elektron(drehungen[i], lage[i]);
}

} // namespace

void MessgeraeteBilder(std::vector<Seitenbild>& bilder) {
    bilder.push_back({"img06.jpg", 141, 176, Wasseruhr});
    bilder.push_back({"img07.jpg", 120, 120, Sonnenuhr});
    bilder.push_back({"img08.jpg", 113, 209, Sanduhr});
    bilder.push_back({"img09.jpg", 102, 211, Pendeluhr});
    bilder.push_back({"img10.jpg", 147, 175, Quarzuhr});
    bilder.push_back({"img11.jpg", 144, 98, Atomuhr});
}

} // namespace kalmiro::infobilder

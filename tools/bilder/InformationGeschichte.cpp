// The pictures of the first page, the history of time measurement: a thinker before a
// clock, the cycles of sun and moon, the calendar stars, moon phases on a cave wall and
// the shadow of the gnomon.
#include "InformationMalen.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace kalmiro::infobilder {

namespace {

constexpr double pi = std::numbers::pi;

double Bogenmass(double grad) {
    return grad * pi / 180;
}

// A question mark drawn as a stroke, so it needs no font; ort is the foot of its hook.
void Fragezeichen(QPainter& p, QPointF ort, double s, const QColor& farbe) {
    p.save();
    p.translate(ort);
    QPainterPath haken;
    haken.moveTo(-0.45 * s, -0.55 * s);
    haken.cubicTo(-0.45 * s, -1.1 * s, 0.5 * s, -1.15 * s, 0.5 * s, -0.58 * s);
    haken.cubicTo(0.5 * s, -0.22 * s, 0, -0.2 * s, 0, 0.18 * s);
    p.setPen(QPen(farbe, 0.24 * s, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(haken);
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawEllipse(QPointF(0, 0.58 * s), 0.15 * s, 0.15 * s);
    p.restore();
}

// What is time? A thinker at dusk looks up at a clock, a question before him.
void WasIstZeit(QPainter& p, double w, double h) {
    Himmel(p, QRectF(0, 0, w, h),
           {{0, QColor(26, 32, 84)},
            {0.5, QColor(98, 76, 140)},
            {0.82, QColor(222, 138, 122)},
            {1, QColor(250, 198, 130)}});
    Sterne(p, QRectF(0, 0, w, h * 0.45), 36, 11);

    const QPointF uhr(88, 52);
    Schein(p, uhr, 66, QColor(255, 214, 150, 110));
    Zifferblatt blatt;
    blatt.rand = QColor(200, 150, 64);
    blatt.stunde = 10;
    blatt.minute = 9;
    blatt.male(p, uhr, 38);

    Fragezeichen(p, QPointF(108, 124), 17, QColor(255, 222, 140));

    // The thinker in profile, facing right and looking up.
    QPainterPath kopf;
    kopf.moveTo(-4, h + 2);
    kopf.lineTo(-4, 158);
    kopf.cubicTo(6, 150, 18, 150, 23, 148);
    kopf.cubicTo(25, 144, 24, 140, 24, 136);
    kopf.cubicTo(17, 123, 23, 103, 42, 102);
    kopf.cubicTo(56, 102, 62, 111, 61, 119);
    kopf.lineTo(62, 123);
    kopf.cubicTo(64, 126, 67, 129, 66, 131);
    kopf.lineTo(62, 133);
    kopf.cubicTo(63.5, 135, 63, 136, 61.5, 137);
    kopf.cubicTo(62.5, 139, 62, 140, 60.5, 141);
    kopf.cubicTo(60, 144, 58, 146, 54, 146.5);
    kopf.cubicTo(50, 147, 46, 147, 46, 151);
    kopf.lineTo(47, 155);
    kopf.cubicTo(60, 158, 82, 163, 92, h + 2);
    kopf.closeSubpath();
    QTransform neigung;
    neigung.translate(30, 152);
    neigung.rotate(-9);
    neigung.translate(-30, -152);
    const QPainterPath figur = neigung.map(kopf);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(42, 28, 62));
    p.drawPath(figur);
    // The warm light of the clock on the face.
    p.save();
    p.setClipRect(QRectF(52, 0, w, 150));
    p.setPen(QPen(QColor(255, 196, 130, 200), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(figur);
    p.restore();
}

// Sun, earth and the eight phases of the moon round its orbit.
void SonneUndMond(QPainter& p, double w, double h) {
    Himmel(p, QRectF(0, 0, w, h), QColor(14, 20, 56), QColor(28, 36, 88));
    Sterne(p, QRectF(40, 0, w - 40, h), 70, 22);
    QLinearGradient licht(0, 0, w * 0.7, 0);
    licht.setColorAt(0, QColor(255, 196, 110, 120));
    licht.setColorAt(1, QColor(255, 196, 110, 0));
    p.fillRect(QRectF(0, 0, w, h), licht);

    const QPointF sonne(6, h / 2);
    Schein(p, sonne, 62, QColor(255, 190, 90, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 110, 200));
    for (int i = 0; i < 16; ++i) {
        const double a = i * pi / 8 + pi / 16;
        const double b = 0.09;
        QPolygonF strahl;
        strahl << sonne + QPointF(std::cos(a - b), std::sin(a - b)) * 26
               << sonne + QPointF(std::cos(a), std::sin(a)) * 38
               << sonne + QPointF(std::cos(a + b), std::sin(a + b)) * 26;
        p.drawPolygon(strahl);
    }
    QRadialGradient scheibe(sonne, 26);
    scheibe.setColorAt(0, QColor(255, 252, 220));
    scheibe.setColorAt(0.7, QColor(255, 208, 80));
    scheibe.setColorAt(1, QColor(250, 160, 40));
    p.setBrush(scheibe);
    p.drawEllipse(sonne, 26, 26);

    const QPointF erde(130, h / 2);
    constexpr double bahn = 50;
    p.setPen(QPen(QColor(190, 205, 255, 110), 0.9, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(erde, bahn, bahn);
    // Arrows on the orbit between the moons: the moon runs left, down, right, up.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 215, 255, 170));
    for (int k = 0; k < 8; ++k) {
        const double t = pi - (k + 0.5) * pi / 4;
        const QPointF ort = erde + QPointF(std::cos(t), std::sin(t)) * bahn;
        const QPointF vor(std::sin(t), -std::cos(t));
        const QPointF quer(std::cos(t), std::sin(t));
        QPolygonF pfeil;
        pfeil << ort + vor * 3.2 << ort - vor * 2 + quer * 2.4 << ort - vor * 2 - quer * 2.4;
        p.drawPolygon(pfeil);
    }

    // The earth, its day side towards the sun.
    Schein(p, erde, 18, QColor(120, 170, 255, 90));
    QRadialGradient meer(erde + QPointF(-3, -3), 12);
    meer.setColorAt(0, QColor(90, 170, 240));
    meer.setColorAt(1, QColor(30, 80, 170));
    p.setBrush(meer);
    p.drawEllipse(erde, 10, 10);
    p.save();
    QPainterPath kugel;
    kugel.addEllipse(erde, 10, 10);
    p.setClipPath(kugel);
    p.setBrush(QColor(80, 170, 90));
    p.drawEllipse(erde + QPointF(-4, -4), 5, 3.5);
    p.drawEllipse(erde + QPointF(2, 3), 4, 5);
    p.drawEllipse(erde + QPointF(6, -6), 3, 2);
    p.setBrush(QColor(8, 14, 44, 170));
    p.drawPath(kugel.subtracted(Mondlicht(erde, 10, 0.75)));
    p.restore();

    for (int k = 0; k < 8; ++k) {
        const double t = pi - k * pi / 4;
        const QPointF ort = erde + QPointF(std::cos(t), std::sin(t)) * bahn;
        if (k == 4) Schein(p, ort, 20, QColor(255, 250, 220, 80));
        Mond(p, ort, 9, k / 8.0, QColor(246, 240, 218), QColor(52, 58, 92));
        p.setPen(QPen(QColor(150, 160, 200, 120), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(ort, 9, 9);
        p.setPen(Qt::NoPen);
    }
}

// Night over the pyramids: the ecliptic as a golden band with the decan stars on it.
void Kalendersterne(QPainter& p, double w, double h) {
    Himmel(p, QRectF(0, 0, w, h),
           {{0, QColor(8, 14, 48)},
            {0.65, QColor(36, 38, 96)},
            {0.9, QColor(120, 84, 104)},
            {1, QColor(150, 100, 96)}});
    Sterne(p, QRectF(0, 0, w, h * 0.8), 60, 33, 0.8);

    QPainterPath ekliptik;
    ekliptik.moveTo(-6, 70);
    ekliptik.quadTo(w / 2, -14, w + 6, 70);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 200, 100, 45), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(ekliptik);
    p.setPen(QPen(QColor(255, 210, 120, 150), 0.8, Qt::DashLine));
    p.drawPath(ekliptik);
    for (int i = 0; i < 11; ++i) {
        const double t = 0.06 + i * 0.088;
        Funkeln(p, ekliptik.pointAtPercent(t), i % 2 ? 2.6 : 3.4, QColor(255, 244, 200));
    }

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(58, 42, 50));
    p.drawRect(QRectF(0, 74, w, h - 74));
    // Two pyramids, the faint light of the sky on their left faces.
    const auto pyramide = [&](double links, double spitze, double rechts, double hoch) {
        const QPointF oben(spitze, hoch), l(links, 75), r(rechts, 75);
        const QPointF mitte(spitze + (rechts - spitze) * 0.35, 75);
        p.setBrush(QColor(96, 76, 92));
        p.drawPolygon(QPolygonF{l, oben, mitte});
        p.setBrush(QColor(62, 48, 68));
        p.drawPolygon(QPolygonF{mitte, oben, r});
    };
    pyramide(64, 84, 108, 58);
    pyramide(8, 40, 76, 46);
    QLinearGradient sand(0, 75, 0, h);
    sand.setColorAt(0, QColor(88, 66, 70));
    sand.setColorAt(1, QColor(46, 34, 44));
    p.setBrush(sand);
    p.drawRect(QRectF(0, 75, w, h - 75));
}

// Moon phases in red ochre and a row of charcoal dots on a torch-lit cave wall, round
// a hand stencil.
void Hoehlenmalerei(QPainter& p, double w, double h) {
    const QPointF fackel(w * 0.48, h * 0.45);
    const auto hoehe = [](double x, double y) { return Rauschen(x / 38, y / 30, 6); };
    Pixelweise(p, w, h, [&](double x, double y) {
        const double n = hoehe(x, y);
        // Light from the upper left on the bumps of the rock.
        const double relief = (hoehe(x - 0.8, y - 0.8) - hoehe(x + 0.8, y + 0.8)) * 14;
        const double korn = Zufall(static_cast<int>(x * 7), static_cast<int>(y * 7)) - 0.5;
        QColor c = Mische(QColor(166, 116, 76), QColor(234, 202, 152), n * 1.3 - 0.15 + korn * 0.1);
        c = relief > 0 ? Mische(c, QColor(252, 228, 184), relief)
                       : Mische(c, QColor(96, 60, 36), -relief);
        const double d = std::hypot(x - fackel.x(), y - fackel.y()) / 105;
        return Mische(c, QColor(34, 18, 10), std::pow(d, 2.2));
    });
    const int b = p.device()->width(), hh = p.device()->height();
    QImage farbe(b, hh, QImage::Format_ARGB32_Premultiplied);
    farbe.fill(Qt::transparent);
    {
        QPainter f(&farbe);
        f.setRenderHint(QPainter::Antialiasing);
        f.scale(b / w, hh / h);
        const QColor ocker(176, 50, 28);
        const QPointF mitte(80, 94);
        // The blown ochre round the hand, then the hand taken out of it.
        const QPointF hand(80, 108);
        QRadialGradient hauch(hand + QPointF(0, -6), 32);
        hauch.setColorAt(0, QColor(150, 40, 22, 240));
        hauch.setColorAt(0.55, QColor(150, 40, 22, 200));
        hauch.setColorAt(1, QColor(150, 40, 22, 0));
        f.setPen(Qt::NoPen);
        f.setBrush(hauch);
        f.drawEllipse(hand + QPointF(0, -6), 32, 32);
        f.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        f.translate(hand - QPointF(80, 104));
        f.setBrush(Qt::black);
        f.drawEllipse(QPointF(80, 104), 10.5, 12);
        f.drawRoundedRect(QRectF(73, 106, 14, 22), 5, 5);
        const QLineF finger[5] = {{71, 106, 61, 94},
                                  {74, 96, 70, 78},
                                  {79.5, 94, 79.5, 74},
                                  {84.5, 95, 88, 78},
                                  {89, 99, 95, 87}};
        const double dicke[5] = {5.6, 5, 5.2, 5, 4.2};
        for (int i = 0; i < 5; ++i) {
            f.setPen(QPen(Qt::black, dicke[i], Qt::SolidLine, Qt::RoundCap));
            f.drawLine(finger[i]);
        }
        f.resetTransform();
        f.scale(b / w, hh / h);
        f.setCompositionMode(QPainter::CompositionMode_SourceOver);

        // A whole cycle over the hand: thin crescent, half, full, half, thin crescent.
        constexpr int anzahl = 9;
        f.setPen(Qt::NoPen);
        f.setBrush(ocker);
        for (int i = 0; i < anzahl; ++i) {
            const double a = Bogenmass(192 - i * 204.0 / (anzahl - 1));
            const QPointF ort = mitte + QPointF(std::cos(a), -std::sin(a)) * 60;
            const double phase = 0.1 + i * 0.8 / (anzahl - 1);
            f.drawPath(Mondlicht(ort, 8.5, phase));
        }
        // Charcoal dots counting the days, one arc inside.
        f.setBrush(QColor(36, 22, 18));
        constexpr int tage = 29;
        for (int i = 0; i < tage; ++i) {
            const double a = Bogenmass(194 - i * 208.0 / (tage - 1));
            f.drawEllipse(mitte + QPointF(std::cos(a), -std::sin(a)) * 46, 1.6, 1.6);
        }
    }
    // Worn paint: thinner in patches, the rock showing through.
    for (int y = 0; y < hh; ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(farbe.scanLine(y));
        for (int x = 0; x < b; ++x) {
            const double n = Rauschen(x * w / b / 2.5 + 40, y * h / hh / 2.5, 3);
            const double t = std::clamp((n - 0.56) / 0.16, 0.0, 1.0);
            const double deckung = 0.92 - 0.45 * t * t * (3 - 2 * t);
            const QRgb c = zeile[x];
            const auto mal = [deckung](int k) { return static_cast<int>(k * deckung); };
            zeile[x] = qRgba(mal(qRed(c)), mal(qGreen(c)), mal(qBlue(c)), mal(qAlpha(c)));
        }
    }
    p.drawImage(QRectF(0, 0, w, h), farbe);
}

// Where a figure standing on the ground line boden casts its shadow: a point at height z
// above that line moves by z times schritt, the shadow's step per unit of height.
QTransform Schattenwurf(double boden, QPointF schritt) {
    return QTransform(1, 0, -schritt.x(), -schritt.y(), boden * schritt.x(),
                      boden * (1 + schritt.y()));
}

// The gnomon in the sun: its shadow now, the lines of its shadow at other hours, the
// sun's path over the sky, and a man who reads the time from his own shadow.
void Schatten(QPainter& p, double w, double h) {
    constexpr double horizont = 94;
    Himmel(p, QRectF(0, 0, w, horizont),
           {{0, QColor(92, 156, 224)}, {0.75, QColor(186, 216, 242)}, {1, QColor(250, 236, 204)}});
    Himmel(p, QRectF(0, horizont, w, h - horizont),
           {{0, QColor(196, 186, 130)}, {0.1, QColor(224, 200, 150)}, {1, QColor(204, 168, 116)}});

    // The sun's path from east (left) to west; azimuth 0 is south, behind the gnomon.
    const auto himmelsort = [&](double azimut) {
        return QPointF(74 + 66 * std::sin(azimut), horizont - 72 * std::cos(azimut));
    };
    constexpr double azimut = -50 * pi / 180, sonnenhoehe = 36 * pi / 180;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220, 210));
    for (int i = 0; i <= 30; ++i) {
        const double a = Bogenmass(-84 + i * 5.6);
        if (std::fabs(a - azimut) < 0.16) continue;
        p.drawEllipse(himmelsort(a), 0.9, 0.9);
    }
    const QPointF ziel = himmelsort(Bogenmass(86)), vorher = himmelsort(Bogenmass(80));
    const QPointF richtung =
        (ziel - vorher) / std::hypot(ziel.x() - vorher.x(), ziel.y() - vorher.y());
    const QPointF quer(-richtung.y(), richtung.x());
    p.drawPolygon(QPolygonF{ziel + richtung * 3.5, ziel - richtung * 2 + quer * 2.8,
                            ziel - richtung * 2 - quer * 2.8});

    const QPointF sonne = himmelsort(azimut);
    Schein(p, sonne, 34, QColor(255, 236, 160, 200));
    QRadialGradient scheibe(sonne, 9);
    scheibe.setColorAt(0, QColor(255, 255, 236));
    scheibe.setColorAt(1, QColor(255, 214, 90));
    p.setBrush(scheibe);
    p.drawEllipse(sonne, 9, 9);

    // Ground in perspective: a step towards the viewer is a third as long on the picture.
    const auto schattenrichtung = [](double az) {
        return QPointF(-std::sin(az), 0.34 * std::cos(az));
    };
    const QPointF schritt = schattenrichtung(azimut) / std::tan(sonnenhoehe);
    const QPointF fuss(68, 122);
    constexpr double stab = 60;
    // The lines where the shadow falls at other hours, a stone at the end of each.
    for (double grad : {-75.0, -25.0, 0.0, 25.0, 50.0, 75.0}) {
        const double az = Bogenmass(grad);
        const double hoehe = Bogenmass(62 * std::pow(std::cos(az), 0.8));
        const double laenge = std::min(stab / std::tan(hoehe), 150.0);
        const QPointF ende = fuss + schattenrichtung(az) * laenge;
        p.setPen(QPen(QColor(160, 120, 80, 90), 0.7));
        p.drawLine(fuss, ende);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(168, 158, 146));
        if (laenge < 150) p.drawEllipse(ende, 2, 1);
    }

    // The gnomon: an obelisk on a round stone, lit from the left.
    const double unten = fuss.y() - 1, oben = unten - stab + 6, x = fuss.x();
    QPolygonF obelisk{
        {x - 4, unten}, {x - 2.4, oben}, {x, oben - 6}, {x + 2.4, oben}, {x + 4, unten}};
    p.setBrush(QColor(112, 80, 54, 165));
    p.drawPolygon(Schattenwurf(fuss.y(), schritt).map(obelisk));
    p.setBrush(QColor(160, 150, 140));
    p.drawEllipse(QRectF(x - 13, fuss.y() - 2, 26, 8));
    p.setBrush(QColor(198, 190, 178));
    p.drawEllipse(QRectF(x - 13, fuss.y() - 5, 26, 8));
    p.setBrush(QColor(240, 226, 196));
    p.drawPolygon(QPolygonF{{x - 4, unten}, {x - 2.4, oben}, {x, oben}, {x, unten + 1}});
    p.setBrush(QColor(170, 144, 110));
    p.drawPolygon(QPolygonF{{x, unten + 1}, {x, oben}, {x + 2.4, oben}, {x + 4, unten}});
    p.setBrush(QColor(250, 236, 200));
    p.drawPolygon(QPolygonF{{x - 2.4, oben}, {x, oben - 6}, {x, oben}});
    p.setBrush(QColor(180, 152, 116));
    p.drawPolygon(QPolygonF{{x, oben}, {x, oben - 6}, {x + 2.4, oben}});

    // The man and his shadow, which falls the same way.
    const QPointF steht(22, 134);
    constexpr double gross = 30;
    const auto strich = [](QPointF a, QPointF b, double breite) {
        QPainterPath linie;
        linie.moveTo(a);
        linie.lineTo(b);
        QPainterPathStroker stift;
        stift.setWidth(breite);
        stift.setCapStyle(Qt::RoundCap);
        return stift.createStroke(linie);
    };
    QPainterPath beine =
        strich(steht + QPointF(-1.5, 0), steht + QPointF(-1.5, -8), 1.6)
            .united(strich(steht + QPointF(1.5, 0), steht + QPointF(1.8, -8), 1.6));
    // His arm points to the gnomon.
    const QPainterPath arm =
        strich(steht + QPointF(1.5, -gross + 9), steht + QPointF(9, -gross + 11), 2.2);
    QPainterPath rumpf;
    rumpf.addPolygon(QPolygonF{steht + QPointF(-3.2, -gross + 7.5),
                               steht + QPointF(3.2, -gross + 7.5), steht + QPointF(4.8, -7),
                               steht + QPointF(-4.8, -7)});
    rumpf.closeSubpath();
    rumpf = rumpf.united(arm);
    const QPointF kopf = steht + QPointF(0, -gross + 4);
    QPainterPath umriss = beine.united(rumpf);
    umriss.addEllipse(kopf, 3.3, 3.6);
    p.setBrush(QColor(112, 80, 54, 150));
    p.drawPath(Schattenwurf(steht.y(), schritt).map(umriss.simplified()));
    const QColor haut(150, 96, 66);
    p.setBrush(haut.darker(120));
    p.drawPath(beine);
    p.setBrush(QColor(70, 62, 110));
    p.drawPath(rumpf);
    p.setBrush(haut);
    p.drawEllipse(kopf, 3.3, 3.6);
    p.setBrush(QColor(60, 40, 30));
    p.drawChord(QRectF(kopf.x() - 3.4, kopf.y() - 3.7, 6.8, 6.4), 0, 180 * 16);
}

} // namespace

void GeschichteBilder(std::vector<Seitenbild>& bilder) {
    bilder.push_back({"img01.jpg", 140, 177, WasIstZeit});
    bilder.push_back({"img02.jpg", 203, 143, SonneUndMond});
    bilder.push_back({"img03.jpg", 112, 86, Kalendersterne});
    bilder.push_back({"img04.jpg", 160, 163, Hoehlenmalerei});
    bilder.push_back({"img05.jpg", 148, 154, Schatten});
}

} // namespace kalmiro::infobilder

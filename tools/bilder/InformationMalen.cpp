#include "InformationMalen.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace kalmiro::infobilder {

namespace {
constexpr int feinheit = 3;
constexpr double pi = std::numbers::pi;
} // namespace

QImage Male(int breite, int hoehe, const std::function<void(QPainter&)>& malen) {
    QImage gross(breite * feinheit, hoehe * feinheit, QImage::Format_RGB32);
    gross.fill(Qt::white);
    {
        QPainter p(&gross);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(feinheit, feinheit);
        malen(p);
    }
    return gross.scaled(breite, hoehe, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void Pixelweise(QPainter& p, double breite, double hoehe,
                const std::function<QColor(double x, double y)>& farbe) {
    const int b = static_cast<int>(std::lround(breite * feinheit));
    const int h = static_cast<int>(std::lround(hoehe * feinheit));
    QImage bild(b, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < b; ++x)
            bild.setPixelColor(x, y, farbe((x + 0.5) / feinheit, (y + 0.5) / feinheit));
    p.drawImage(QRectF(0, 0, breite, hoehe), bild);
}

QColor Durchsichtig(const QColor& c, double deckung) {
    QColor d = c;
    d.setAlphaF(static_cast<float>(std::clamp(deckung, 0.0, 1.0)));
    return d;
}

double Zufall(int a, int b) {
    std::uint32_t h =
        static_cast<std::uint32_t>(a) * 73856093u ^ static_cast<std::uint32_t>(b) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<double>(h & 0xFFFFFF) / static_cast<double>(0xFFFFFF);
}

namespace {

double Gitterrauschen(double x, double y) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const auto glatt = [](double t) { return t * t * (3 - 2 * t); };
    const double u = glatt(x - fx), v = glatt(y - fy);
    const double oben = Zufall(ix, iy) + (Zufall(ix + 1, iy) - Zufall(ix, iy)) * u;
    const double unten = Zufall(ix, iy + 1) + (Zufall(ix + 1, iy + 1) - Zufall(ix, iy + 1)) * u;
    return oben + (unten - oben) * v;
}

} // namespace

double Rauschen(double x, double y, int oktaven) {
    double summe = 0, gewicht = 1, gesamt = 0, massstab = 1;
    for (int i = 0; i < oktaven; ++i) {
        // Each octave shifted, so their lattices do not line up.
        summe += gewicht * Gitterrauschen(x * massstab + 17.3 * i, y * massstab - 9.1 * i);
        gesamt += gewicht;
        gewicht *= 0.5;
        massstab *= 2;
    }
    return summe / gesamt;
}

void Himmel(QPainter& p, const QRectF& r, const QColor& oben, const QColor& unten) {
    Himmel(p, r, {{0, oben}, {1, unten}});
}

void Himmel(QPainter& p, const QRectF& r, const QGradientStops& stufen) {
    QLinearGradient verlauf(r.topLeft(), r.bottomLeft());
    verlauf.setStops(stufen);
    p.fillRect(r, verlauf);
}

void Schein(QPainter& p, QPointF mitte, double radius, const QColor& farbe) {
    QRadialGradient verlauf(mitte, radius);
    verlauf.setColorAt(0, farbe);
    verlauf.setColorAt(0.4, Durchsichtig(farbe, farbe.alphaF() * 0.45));
    verlauf.setColorAt(1, Durchsichtig(farbe, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(verlauf);
    p.drawEllipse(mitte, radius, radius);
    p.restore();
}

void Sterne(QPainter& p, const QRectF& r, int anzahl, int saat, double groesse) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < anzahl; ++i) {
        const QPointF ort(r.left() + Zufall(saat, 3 * i) * r.width(),
                          r.top() + Zufall(saat, 3 * i + 1) * r.height());
        // Mostly faint ones, a few bright.
        const double hell = std::pow(Zufall(saat, 3 * i + 2), 3.0);
        const double rad = groesse * (0.35 + 0.75 * hell);
        const QColor farbe = Mische(QColor(200, 215, 255), QColor(255, 250, 225), hell);
        if (hell > 0.5) Schein(p, ort, rad * 3.5, Durchsichtig(farbe, 0.35));
        p.setBrush(Durchsichtig(farbe, 0.55 + 0.45 * hell));
        p.drawEllipse(ort, rad, rad);
    }
    p.restore();
}

void Funkeln(QPainter& p, QPointF ort, double r, const QColor& farbe) {
    Schein(p, ort, r * 2.6, Durchsichtig(farbe, 0.45));
    QPainterPath stern;
    stern.moveTo(ort + QPointF(0, -r));
    const double k = r * 0.18;
    stern.quadTo(ort + QPointF(k, -k), ort + QPointF(r, 0));
    stern.quadTo(ort + QPointF(k, k), ort + QPointF(0, r));
    stern.quadTo(ort + QPointF(-k, k), ort + QPointF(-r, 0));
    stern.quadTo(ort + QPointF(-k, -k), ort + QPointF(0, -r));
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPath(stern);
}

void Zifferblatt::male(QPainter& p, QPointF mitte, double radius) const {
    p.save();
    p.translate(mitte);
    p.setPen(Qt::NoPen);
    // Bezel: lit from the top left.
    QLinearGradient ring(-radius, -radius, radius, radius);
    ring.setColorAt(0, rand.lighter(150));
    ring.setColorAt(0.5, rand);
    ring.setColorAt(1, rand.darker(160));
    p.setBrush(ring);
    p.drawEllipse(QPointF(), radius, radius);
    const double innen = radius * (1 - randBreite);
    QRadialGradient flaeche(QPointF(-innen * 0.3, -innen * 0.35), innen * 1.4);
    flaeche.setColorAt(0, blatt.lighter(106));
    flaeche.setColorAt(1, blatt.darker(112));
    p.setBrush(flaeche);
    p.drawEllipse(QPointF(), innen, innen);

    const double dicke = std::max(0.5, innen * 0.055);
    for (int i = 0; i < 60; ++i) {
        const bool voll = i % 5 == 0;
        if (!voll && !minutenStriche) continue;
        const double w = i * pi / 30;
        const double aussen = innen * 0.9,
                     laenge = voll ? innen * (i % 15 == 0 ? 0.2 : 0.14) : innen * 0.06;
        QPen stift(tinte, voll ? dicke : dicke * 0.45, Qt::SolidLine, Qt::FlatCap);
        p.setPen(stift);
        p.drawLine(QPointF(std::sin(w) * aussen, -std::cos(w) * aussen),
                   QPointF(std::sin(w) * (aussen - laenge), -std::cos(w) * (aussen - laenge)));
    }
    const auto zeiger = [&](double winkel, double laenge, double breite) {
        QPainterPath form;
        form.moveTo(0, innen * 0.12);
        form.lineTo(-breite, 0);
        form.lineTo(0, -laenge);
        form.lineTo(breite, 0);
        form.closeSubpath();
        p.save();
        p.rotate(winkel);
        p.setPen(Qt::NoPen);
        p.setBrush(tinte);
        p.drawPath(form);
        p.restore();
    };
    zeiger((stunde + minute / 60) * 30, innen * 0.52, innen * 0.075);
    zeiger(minute * 6, innen * 0.78, innen * 0.055);
    if (sekunde >= 0) {
        p.save();
        p.rotate(sekunde * 6);
        p.setPen(QPen(zeigerSekunde, std::max(0.4, innen * 0.025), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(0, innen * 0.2), QPointF(0, -innen * 0.84));
        p.restore();
        p.setBrush(zeigerSekunde);
        p.drawEllipse(QPointF(), innen * 0.05, innen * 0.05);
    }
    p.setBrush(tinte);
    p.drawEllipse(QPointF(), innen * 0.07, innen * 0.07);
    p.restore();
}

QPainterPath Mondlicht(QPointF mitte, double radius, double phase) {
    phase -= std::floor(phase);
    const bool zunehmend = phase <= 0.5;
    // Half-width of the terminator: positive while a crescent, negative when gibbous.
    const double w = radius * std::cos(2 * pi * phase);
    QPainterPath licht;
    const QRectF scheibe(-radius, -radius, 2 * radius, 2 * radius);
    const QRectF grenze(-std::fabs(w), -radius, 2 * std::fabs(w), 2 * radius);
    licht.moveTo(0, -radius);
    licht.arcTo(scheibe, 90, -180);
    licht.arcTo(grenze, 270, w > 0 ? 180 : -180);
    licht.closeSubpath();
    QTransform lage;
    lage.translate(mitte.x(), mitte.y());
    // The waxing moon is lit on the right, the waning one on the left.
    if (!zunehmend) lage.scale(-1, 1);
    return lage.map(licht);
}

void Mond(QPainter& p, QPointF mitte, double radius, double phase, const QColor& hell,
          const QColor& dunkel) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(dunkel);
    p.drawEllipse(mitte, radius, radius);
    QRadialGradient glanz(mitte + QPointF(-radius * 0.3, -radius * 0.3), radius * 1.3);
    glanz.setColorAt(0, hell.lighter(108));
    glanz.setColorAt(1, hell.darker(118));
    p.setBrush(glanz);
    p.drawPath(Mondlicht(mitte, radius, phase));
    p.restore();
}

} // namespace kalmiro::infobilder

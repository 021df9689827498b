// imgBild: a small shaded-relief world with the night side darkened, as at the June
// solstice at 16:00 Greenwich time, and the day-night line drawn in.
#include "KarteProjektion.h"
#include "KarteZeichnen.h"
#include "Zeitzonen.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace kalmiro::karte {

namespace {

constexpr int breite = 350, hoehe = 200;
constexpr double rad = std::numbers::pi / 180;
// Miller, the whole turn across, from 85 N down to the Antarctic coast.
constexpr double pixelJeBogen = breite / (2 * std::numbers::pi);
constexpr double obenY = 2.05;

// The sun stands over 23.44 N, 60 W.
constexpr double sonneBreite = 23.44, sonneLaenge = -60;

QPointF Abbilden(QPointF lonlat) {
    return {(lonlat.x() + 180) * rad * pixelJeBogen - 0.5,
            (obenY - MillerY(lonlat.y())) * pixelJeBogen - 0.5};
}

QPointF Geo(double x, double y) {
    return {(x + 0.5) / pixelJeBogen / rad - 180, MillerBreite(obenY - (y + 0.5) / pixelJeBogen)};
}

// Height of the sun over the horizon, in degrees.
double Sonnenhoehe(QPointF lonlat) {
    const double b = lonlat.y() * rad, d = sonneBreite * rad;
    const double h = (lonlat.x() - sonneLaenge) * rad;
    return std::asin(std::sin(b) * std::sin(d) + std::cos(b) * std::cos(d) * std::cos(h)) / rad;
}

// Smooth noise in 0..1 for the hills; repeats east-west with the map.
double Wert(int x, int y) {
    std::uint32_t h = static_cast<std::uint32_t>(((x % 512) + 512) % 512) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<double>((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

double Rauschen(double x, double y) {
    double summe = 0, gewicht = 0, a = 1;
    for (int o = 0; o < 5; ++o) {
        const double f = 1 << o;
        const double u = x * f / 16, v = y * f / 16;
        const int iu = static_cast<int>(std::floor(u)), iv = static_cast<int>(std::floor(v));
        const double fu = u - iu, fv = v - iv;
        const double su = fu * fu * (3 - 2 * fu), sv = fv * fv * (3 - 2 * fv);
        const double oben = Wert(iu, iv) + (Wert(iu + 1, iv) - Wert(iu, iv)) * su;
        const double unten = Wert(iu, iv + 1) + (Wert(iu + 1, iv + 1) - Wert(iu, iv + 1)) * su;
        summe += a * (oben + (unten - oben) * sv);
        gewicht += a;
        a *= 0.45;
    }
    return summe / gewicht;
}

} // namespace

QImage Tagundnachtkarte() {
    const Weltdaten& welt = Welt();
    if (!welt.fehler.isEmpty()) return {};
    const Laengen sicht{-182, 182};
    const QSize groesse(breite, hoehe);
    const Maske land = Deckung(Flaechenpfad(welt.festland, Abbilden, sicht), groesse);
    std::vector<Flaeche> eisflaechen;
    for (const Staat& s : welt.staaten)
        if (s.name == QLatin1String("Greenland") || s.name == QLatin1String("Antarctica"))
            eisflaechen.insert(eisflaechen.end(), s.flaechen.begin(), s.flaechen.end());
    const Maske eis = Weich(Deckung(Flaechenpfad(eisflaechen, Abbilden, sicht), groesse), 1);
    const Maske fern = Weich(land, 6);  // how far inland, roughly
    const Maske tief = Weich(land, 10); // how near the sea floor rises to a coast

    // Height: the land rises gently away from the coasts, with hills on top.
    std::vector<double> h(static_cast<std::size_t>(breite) * hoehe);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            h[static_cast<std::size_t>(y) * breite + x] =
                land(x, y) * (0.6 * fern(x, y) + 0.9 * (Rauschen(x, y) - 0.3) * fern(x, y));

    QImage bild(groesse, QImage::Format_RGB32);
    for (int y = 0; y < hoehe; ++y) {
        const QPointF geoZeile = Geo(0, y);
        const double b = geoZeile.y();
        QRgb* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < breite; ++x) {
            const auto hoehe_ = [&](int xx, int yy) {
                xx = (xx + breite) % breite;
                yy = std::clamp(yy, 0, hoehe - 1);
                return h[static_cast<std::size_t>(yy) * breite + xx];
            };
            // Light from the north-west.
            const double gx = hoehe_(x + 1, y) - hoehe_(x - 1, y);
            const double gy = hoehe_(x, y + 1) - hoehe_(x, y - 1);
            const double licht = std::clamp(1.0 - 2.2 * (gx + gy), 0.55, 1.35);

            const double trocken = std::clamp(1 - std::fabs(std::fabs(b) - 24) / 12, 0.0, 1.0) *
                                   std::clamp((fern(x, y) - 0.55) * 3, 0.0, 1.0);
            const double norden = std::clamp((std::fabs(b) - 50) / 12, 0.0, 1.0);
            QColor boden = Mische(QColor(92, 148, 72), QColor(214, 190, 128), trocken);
            boden = Mische(boden, QColor(120, 136, 96), norden);
            boden = Mische(
                boden, QColor(166, 130, 96),
                std::clamp(h[static_cast<std::size_t>(y) * breite + x] - 0.55, 0.0, 0.4) * 1.5);
            boden = Mische(boden, QColor(244, 247, 250), eis(x, y));
            boden = QColor::fromRgbF(std::min(1.0f, static_cast<float>(boden.redF() * licht)),
                                     std::min(1.0f, static_cast<float>(boden.greenF() * licht)),
                                     std::min(1.0f, static_cast<float>(boden.blueF() * licht)));
            const QColor meer = Mische(QColor(28, 74, 140), QColor(86, 150, 204), tief(x, y) * 1.6);
            QColor c = Mische(meer, boden, land(x, y));

            // Dusk over about ten degrees of the sun's height below the horizon.
            const double s = Sonnenhoehe(Geo(x, y));
            const double nacht = std::clamp((1.5 - s) / 10, 0.0, 1.0);
            const QColor dunkel = QColor::fromRgbF(static_cast<float>(c.redF() * 0.22),
                                                   static_cast<float>(c.greenF() * 0.26),
                                                   static_cast<float>(c.blueF() * 0.42 + 0.05));
            zeile[x] = Mische(c, dunkel, nacht).rgb();
        }
    }

    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.translate(0.5, 0.5);
    // The day-night line: where the sun stands on the horizon.
    QPolygonF grenze;
    for (double l = -180; l <= 180; l += 1) {
        const double b =
            std::atan(-std::cos((l - sonneLaenge) * rad) / std::tan(sonneBreite * rad)) / rad;
        grenze << Abbilden({l, b});
    }
    maler.setPen(QPen(QColor(255, 214, 96), 1.3));
    maler.drawPolyline(grenze);
    // The sun over the point where it stands highest.
    const QPointF sonne = Abbilden({sonneLaenge, sonneBreite});
    maler.setPen(QPen(QColor(255, 200, 40), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const double w = i * std::numbers::pi / 4;
        const QPointF r(std::cos(w), std::sin(w));
        maler.drawLine(sonne + 6 * r, sonne + 9 * r);
    }
    maler.setPen(QPen(QColor(230, 150, 20), 1));
    maler.setBrush(QColor(255, 222, 70));
    maler.drawEllipse(sonne, 4.5, 4.5);
    return bild;
}

} // namespace kalmiro::karte

// imgKarte: the world in 24 hour strips under the paint box of the time-zone screen,
// with a dot on every city of the flights.
#include "KarteProjektion.h"
#include "KarteZeichnen.h"
#include "Zeitzonen.h"

#include "core/FlugzieleU.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace kalmiro::karte {

namespace {

// Zone z covers the picture's columns 433 + 40 z .. 472 + 40 z; the columns past +12
// begin the strips again from the west.
constexpr int zonenbreite = 40;
constexpr int zoneNullLinks = 433;
constexpr int bandhoehe = 16;

int Zone(int spalte) {
    return static_cast<int>(std::floor(static_cast<double>(spalte - zoneNullLinks) / zonenbreite));
}
bool Hell(int zone) {
    return ((zone % 2) + 2) % 2 == 0;
}

// Two tints of each, so that neighbouring strips differ at a glance.
const QColor meerHell(196, 226, 246), meerDunkel(170, 209, 236);
const QColor landHell(222, 234, 178), landDunkel(203, 221, 152);
const QColor eis(238, 242, 244);
const QColor bandHell(62, 104, 150), bandDunkel(44, 80, 124);
const QColor kuesteFarbe(78, 118, 150);
const QColor grenzeFarbe(150, 128, 96, 170);
const QColor aequatorFarbe(24, 64, 150);
const QColor datumsgrenzeFarbe(128, 40, 140);

Laengen Sicht(const Kartenabbildung& k) {
    return {k.grob.Umkehrung({-2, 0}).x() - 4, k.grob.Umkehrung({KarteBreite + 2, 0}).x() + 4};
}

// Land and sea in their strip tints; the sea lighter near the shore, the ice sheets
// white and the far north paling towards them.
void Grund(QImage& bild, const Maske& land, const Maske& eisschild, const Kartenabbildung& k) {
    const Maske ufer = Weich(land, 4);
    for (int y = 0; y < bild.height(); ++y) {
        const double breite = std::fabs(k.grob.Umkehrung({0, static_cast<double>(y)}).y());
        const double polar = 0.6 * std::clamp((breite - 70.0) / 12.0, 0.0, 1.0);
        QRgb* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            const bool hell = Hell(Zone(x));
            const QColor meer = Mische(hell ? meerHell : meerDunkel, Qt::white, 0.35 * ufer(x, y));
            const QColor boden =
                Mische(hell ? landHell : landDunkel, eis, std::max<double>(polar, eisschild(x, y)));
            zeile[x] = Mische(meer, boden, land(x, y)).rgb();
        }
    }
}

// The date line as it is kept: along 180 degrees but round the Bering Strait, the
// Aleutians, the east of Kiribati, Samoa and Tonga. Past 180 the longitudes run on;
// what runs past the east edge shows again at the west one, a turn earlier.
QPolygonF Datumsgrenze(const Kartenabbildung& k, double turn) {
    const QPointF ecken[] = {{180, 88},    {180, 75},    {191, 68.25}, {191, 65.5}, {170, 52.5},
                             {180, 47.5},  {180, 6},     {210, 6},     {210, -12},  {189, -14.5},
                             {187.5, -16}, {187.5, -45}, {180, -51.2}, {180, -75}};
    QPolygonF p;
    for (std::size_t i = 0; i + 1 < std::size(ecken); ++i) {
        const QPointF a = ecken[i], b = ecken[i + 1];
        const int teile =
            static_cast<int>(std::ceil(std::hypot(b.x() - a.x(), b.y() - a.y()) / 0.5));
        for (int t = 0; t < teile; ++t)
            p << k(a + (b - a) * (static_cast<double>(t) / teile) + QPointF(turn, 0));
    }
    p << k(ecken[std::size(ecken) - 1] + QPointF(turn, 0));
    return p;
}

// Every city must sit on its land; say so loudly if a change of data or fit moved one off.
void PruefeStadtpunkte(const Maske& land) {
    for (const TFlugziel& f : Flugziele) {
        const QPointF p = Kartenpunkt(f.X, f.Y);
        const int x = static_cast<int>(std::nearbyint(p.x())),
                  y = static_cast<int>(std::nearbyint(p.y()));
        if (land(x, y) < 0.5f)
            std::fprintf(stderr, "bilder: the dot of %s lies in the sea\n", qPrintable(f.Stadt));
    }
}

QPolygonF Breitenkreis(const Kartenabbildung& k, double breite, Laengen sicht) {
    QPolygonF p;
    for (double l = sicht.westen; l <= sicht.osten; l += 0.5)
        p << k({l, breite});
    return p;
}

void Gestrichelt(QPainter& maler, const QPolygonF& p, const QColor& farbe) {
    QPen stift(farbe, 1.6, Qt::CustomDashLine, Qt::FlatCap);
    stift.setDashPattern({5, 3});
    maler.setPen(stift);
    maler.drawPolyline(p);
}

void Beschriftung(QPainter& maler, QPointF mitte, double winkel, const QString& text,
                  const QColor& farbe) {
    maler.save();
    maler.translate(mitte);
    maler.rotate(winkel);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(11);
    schrift.setBold(true);
    schrift.setItalic(true);
    maler.setFont(schrift);
    const QRectF r(-80, -14, 160, 12);
    // A soft light rim keeps the words readable on land and sea alike.
    maler.setPen(QColor(255, 255, 255, 170));
    for (const QPointF d : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
        maler.drawText(r.translated(d), Qt::AlignCenter, text);
    maler.setPen(farbe);
    maler.drawText(r, Qt::AlignCenter, text);
    maler.restore();
}

double Richtung(const QPolygonF& p, int i) {
    const QPointF d = p[std::min(i + 1, static_cast<int>(p.size()) - 1)] - p[std::max(i - 1, 0)];
    return std::atan2(d.y(), d.x()) * 180 / 3.14159265358979;
}

// The hour strips' names: offset from Greenwich along the top, along the bottom the
// time in each strip when it is noon at Greenwich.
void Baender(QPainter& maler) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(11);
    schrift.setBold(true);
    maler.setFont(schrift);
    for (int z = -11; z <= 13; ++z) {
        const int links = zoneNullLinks + zonenbreite * z;
        const QColor grund = Hell(z) ? bandHell : bandDunkel;
        for (const int oben : {0, KarteHoehe - bandhoehe}) {
            const QRectF r(links - 0.5, oben - 0.5, zonenbreite, bandhoehe);
            maler.fillRect(r, grund);
            if (z > 12) continue;
            QString text;
            if (oben == 0)
                text = z < 0 ? QStringLiteral("\u2212%1h").arg(-z)
                             : (z == 0 ? QStringLiteral("0h") : QStringLiteral("+%1h").arg(z));
            else
                text = QStringLiteral("%1:00").arg(z + 12);
            maler.setPen(Qt::white);
            maler.drawText(r, Qt::AlignCenter, text);
        }
    }
}

void Stadtpunkte(QPainter& maler) {
    maler.setPen(QPen(Qt::white, 1.4));
    maler.setBrush(Stadtpunktfarbe);
    for (const TFlugziel& f : Flugziele) {
        const double r = f.Nummer == Heimatstadt ? 4.6 : 3.7;
        maler.drawEllipse(Kartenpunkt(f.X, f.Y), r, r);
    }
}

} // namespace

QImage Zeitzonenkarte() {
    const Weltdaten& welt = Welt();
    if (!welt.fehler.isEmpty()) {
        std::fprintf(stderr, "bilder: %s\n", qPrintable(welt.fehler));
        return {};
    }
    const Kartenabbildung& k = Zeitzonenabbildung();
    const Abbildung abb = [&k](QPointF p) { return k(p); };
    const Laengen sicht = Sicht(k);
    const QSize groesse(KarteBreite, KarteHoehe);

    std::vector<Flaeche> eisschilde;
    for (const Staat& s : welt.staaten)
        if (s.name == QLatin1String("Greenland") || s.name == QLatin1String("Antarctica"))
            eisschilde.insert(eisschilde.end(), s.flaechen.begin(), s.flaechen.end());
    const Maske land = Deckung(Flaechenpfad(welt.festland, abb, sicht), groesse);
    PruefeStadtpunkte(land);
    QImage bild(groesse, QImage::Format_RGB32);
    Grund(bild, land, Deckung(Flaechenpfad(eisschilde, abb, sicht), groesse), k);

    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);
    maler.translate(0.5, 0.5);
    maler.setBrush(Qt::NoBrush);
    maler.setPen(QPen(grenzeFarbe, 0.6));
    ZeichneZuege(maler, welt.grenzen, abb, sicht);
    maler.setPen(QPen(kuesteFarbe, 0.8));
    ZeichneZuege(maler, welt.kuesten, abb, sicht);

    const QPolygonF aequator = Breitenkreis(k, 0, sicht);
    Gestrichelt(maler, aequator, aequatorFarbe);
    const QPolygonF datum = Datumsgrenze(k, 0);
    Gestrichelt(maler, datum, datumsgrenzeFarbe);
    Gestrichelt(maler, Datumsgrenze(k, -360), datumsgrenzeFarbe);
    // The equator's name in the open Atlantic, between Brazil and Africa.
    const int ia = static_cast<int>((-22 - sicht.westen) / 0.5);
    Beschriftung(maler, aequator[ia], Richtung(aequator, ia), QStringLiteral("Äquator"),
                 aequatorFarbe);
    // Along the straight stretch in the North Pacific.
    int id = 0;
    while (id + 1 < datum.size() && datum[id].y() < k({180, 28}).y())
        ++id;
    Beschriftung(maler, datum[id], Richtung(datum, id), QStringLiteral("Datumsgrenze"),
                 datumsgrenzeFarbe);

    Baender(maler);
    Stadtpunkte(maler);
    return bild;
}

} // namespace kalmiro::karte

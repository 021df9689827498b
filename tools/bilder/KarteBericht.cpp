// What the fit of the time-zone map and the turns of the aircraft come to, in figures:
// printed when BILDER_BERICHT is set, for whoever changes the pictures.
#include "KarteProjektion.h"
#include "KarteZeichnen.h"
#include "Zeitzonen.h"

#include "core/FlugzieleU.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace kalmiro::karte {

namespace {

const Staat* Finde(const Weltdaten& welt, const char* name) {
    for (const Staat& s : welt.staaten)
        if (s.name == QLatin1String(name)) return &s;
    return nullptr;
}

bool ImStaat(const Staat* s, QPointF lonlat) {
    if (!s) return false;
    return std::any_of(s->flaechen.begin(), s->flaechen.end(),
                       [&](const Flaeche& f) { return Enthaelt(f, lonlat); });
}

// For a city whose centre the map data puts in the sea: the nearest point a little way
// inland, with land all round it, as far as the island allows.
QPointF Landeinwaerts(const Weltdaten& welt, const Staat* staat, QPointF geo) {
    const auto anLand = [&](QPointF q) {
        return std::any_of(welt.festland.begin(), welt.festland.end(),
                           [&](const Flaeche& f) { return Enthaelt(f, q); });
    };
    for (const double rand : {0.4, 0.2, 0.1}) {
        for (double r = 0.05; r <= 1.0; r += 0.05) {
            const int schritte = static_cast<int>(16 * r / 0.05);
            for (int i = 0; i < schritte; ++i) {
                const double w = 2 * std::numbers::pi * i / schritte;
                const QPointF q = geo + r * QPointF(std::cos(w), std::sin(w));
                if (!ImStaat(staat, q)) continue;
                bool rundum = true;
                for (const QPointF d :
                     {QPointF(rand, 0), QPointF(-rand, 0), QPointF(0, rand), QPointF(0, -rand)})
                    rundum = rundum && anLand(q + d);
                if (rundum) return q;
            }
        }
    }
    return geo;
}

void Passung() {
    const Weltdaten& welt = Welt();
    const Kartenabbildung& k = Zeitzonenabbildung();
    const Abbildung abb = [&k](QPointF p) { return k(p); };
    const Laengen sicht{k.grob.Umkehrung({-6, 0}).x(), k.grob.Umkehrung({KarteBreite + 6, 0}).x()};
    const Maske land = Deckung(Flaechenpfad(welt.festland, abb, sicht), {KarteBreite, KarteHoehe});

    std::printf("Miller fit: column = %.3f + %.5f * longitude, row = %.3f %+.3f * MillerY\n",
                k.grob.a, k.grob.b, k.grob.c, k.grob.d);
    std::printf("%-20s %7s %7s %6s %9s %6s %s\n", "city", "dx", "dy", "|d|", "after", "land",
                "country");
    const std::vector<QPointF> rest = Restfehler();
    double quadrate = 0, groesster = 0, nachher = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const Stadtlage& s = Stadtlagen[i];
        const QPointF geo(s.laenge, s.breite);
        const QPointF ziel = Kartenpunkt(Flugziele[i].X, Flugziele[i].Y);
        const double d = std::hypot(rest[i].x(), rest[i].y());
        const double danach = std::hypot(k(geo).x() - ziel.x(), k(geo).y() - ziel.y());
        const int px = static_cast<int>(std::nearbyint(ziel.x())),
                  py = static_cast<int>(std::nearbyint(ziel.y()));
        quadrate += d * d;
        groesster = std::max(groesster, d);
        nachher = std::max(nachher, danach);
        std::printf("%-20s %7.2f %7.2f %6.2f %9.1e %6.2f %s\n", qPrintable(Flugziele[i].Stadt),
                    rest[i].x(), rest[i].y(), d, danach, static_cast<double>(land(px, py)),
                    ImStaat(Finde(welt, s.staat), geo) ? s.staat : "NOT IN ITS COUNTRY");
        if (!ImStaat(Finde(welt, s.staat), geo) || land(px, py) < 0.5f) {
            const QPointF q = Landeinwaerts(welt, Finde(welt, s.staat), geo);
            std::printf("    not on land: try %.3f, %.3f\n", q.y(), q.x());
        }
    }
    std::printf("before the bend: rms %.2f px, largest %.2f px; after it: largest %.1e px\n",
                std::sqrt(quadrate / static_cast<double>(rest.size())), groesster, nachher);

    // How far the bend moves the map, and that it folds nowhere.
    double weitester = 0, enger = 1e9;
    for (int y = 0; y < KarteHoehe; y += 4) {
        for (int x = 0; x < KarteBreite; x += 4) {
            const QPointF p(x, y);
            const QPointF v = k.fein(p);
            weitester = std::max(weitester, std::hypot(v.x(), v.y()));
            const QPointF ex = (k.fein(p + QPointF(0.5, 0)) - k.fein(p - QPointF(0.5, 0)));
            const QPointF ey = (k.fein(p + QPointF(0, 0.5)) - k.fein(p - QPointF(0, 0.5)));
            enger = std::min(enger, (1 + ex.x()) * (1 + ey.y()) - ex.y() * ey.x());
        }
    }
    std::printf("bend: moves the map by at most %.2f px; area scale at least %.3f\n", weitester,
                enger);
}

void Kurse() {
    const TFlugziel& wien = Flugziele[Heimatstadt];
    std::printf("%-8s %8s %7s %s\n", "picture", "heading", "spread", "routes");
    for (int n = 1; n <= AnzahlFlugzeugbilder; ++n) {
        const double kurs = Flugzeugkurs(n);
        double weiteste = 0;
        int routen = 0;
        for (const TFlugziel& z : Flugziele) {
            if (z.Nummer == Heimatstadt || z.Bild != n) continue;
            const double w =
                std::atan2(-19.0 * (z.Y - wien.Y), 20.0 * (z.X - wien.X)) * 180 / std::numbers::pi;
            weiteste = std::max(weiteste, std::fabs(std::remainder(w - kurs, 360.0)));
            ++routen;
        }
        std::printf("imgFl%02d %8.1f %7.1f %d\n", n, kurs, weiteste, routen);
    }
}

} // namespace

void Kartenbericht() {
    QElapsedTimer uhr;
    uhr.start();
    if (!Welt().fehler.isEmpty()) return;
    std::printf("map data read in %lld ms\n", static_cast<long long>(uhr.restart()));
    Passung();
    Kurse();
    Zeitzonenkarte();
    std::printf("imgKarte drawn in %lld ms\n", static_cast<long long>(uhr.restart()));
    Tagundnachtkarte();
    std::printf("imgBild drawn in %lld ms\n", static_cast<long long>(uhr.restart()));
    for (int n = 1; n <= AnzahlFlugzeugbilder; ++n)
        Flugzeugbild(n);
    std::printf("21 aircraft drawn in %lld ms\n", static_cast<long long>(uhr.restart()));
}

} // namespace kalmiro::karte

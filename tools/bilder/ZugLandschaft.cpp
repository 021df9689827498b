#include "ZugLandschaft.h"

#include "Bilder.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <numbers>

namespace zug {

double Zufall::operator()() {
    std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) / 9007199254740992.0;
}

namespace {

constexpr double pi = std::numbers::pi;

QColor Heller(const QColor& c, double k) {
    return Mische(c, k > 0 ? QColor(255, 255, 255) : QColor(0, 0, 0), std::fabs(k));
}

Farbe Linear(const QColor& c) {
    return Linear(Farbe{c.redF(), c.greenF(), c.blueF()});
}

// A smooth value noise along one axis.
double Rauschen(double x, std::uint32_t samen) {
    const auto wert = [samen](long long i) {
        std::uint64_t h =
            static_cast<std::uint64_t>(i) * 0x9E3779B97F4A7C15ull ^ (samen * 0xC2B2AE3D27D4EB4Full);
        h ^= h >> 29;
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 32;
        return static_cast<double>(h & 0xFFFFFF) / 16777215.0;
    };
    const double f = std::floor(x);
    const double t = x - f;
    const double s = t * t * (3 - 2 * t);
    const long long i = static_cast<long long>(f);
    return wert(i) * (1 - s) + wert(i + 1) * s;
}

double Schichten(double x, std::uint32_t samen, int oktaven, double rauheit = 0.5) {
    double summe = 0, gewicht = 1, norm = 0;
    for (int k = 0; k < oktaven; ++k) {
        summe += gewicht * Rauschen(x, samen + 7919u * static_cast<std::uint32_t>(k));
        norm += gewicht;
        gewicht *= rauheit;
        x *= 2.03;
    }
    return summe / norm;
}

struct Himmelsfarben {
    QColor oben, mitte, unten, wolke, wolkenschatten, sonne;
    double hoehe,
        drehung; // sun: elevation, and turn from the seen side towards the front (degrees)
    double kraft, sicht;
    bool lampen;
};

Himmelsfarben Farben(Tageszeit zeit) {
    // clang-format off
    //        sky top          middle           horizon          cloud            cloud shade      sun            elev turn  power  view   lamps
    switch (zeit) {
    case Tageszeit::Mittag:     return {{42, 100, 184}, {93, 149, 214},  {199, 221, 239}, {255, 255, 255}, {196, 208, 222}, {255, 246, 232}, 48, 35, 1.0,  3000, false};
    case Tageszeit::Morgen:     return {{79, 127, 196}, {143, 178, 216}, {240, 217, 189}, {255, 244, 232}, {205, 188, 186}, {255, 226, 184}, 22, -50, 0.95, 2000, false};
    case Tageszeit::Abend:      return {{62, 96, 156},  {188, 156, 160}, {250, 204, 150}, {252, 214, 186}, {150, 134, 160}, {255, 206, 156}, 13, 50, 1.0,  2000, false};
    case Tageszeit::Dunst:      return {{111, 156, 204}, {169, 196, 222}, {228, 233, 234}, {244, 246, 247}, {213, 219, 224}, {255, 242, 220}, 40, 20, 0.85, 900, false};
    case Tageszeit::Bedeckt:    return {{126, 138, 151}, {162, 172, 182}, {200, 205, 210}, {180, 188, 196}, {140, 150, 161}, {255, 255, 255}, 60, 0, 0.12, 1200, false};
    case Tageszeit::Daemmerung: return {{26, 42, 92},   {86, 96, 150},   {236, 156, 104}, {196, 126, 120}, {60, 62, 100},   {255, 170, 120}, 3, 60, 0.35, 2200, true};
    case Tageszeit::Winter:     return {{63, 124, 196}, {134, 176, 220}, {221, 233, 242}, {255, 255, 255}, {203, 213, 226}, {255, 240, 220}, 18, 40, 0.95, 3500, false};
    }
    // clang-format on
    return Farben(Tageszeit::Mittag);
}

// Cuts a polygon to one side of a line: where seite(p) >= 0.
template <typename Seite> QPolygonF Schneide(const QPolygonF& ein, Seite seite) {
    QPolygonF aus;
    for (int i = 0; i < ein.size(); ++i) {
        const QPointF a = ein[i], b = ein[(i + 1) % ein.size()];
        const double sa = seite(a), sb = seite(b);
        if (sa >= 0) aus << a;
        if ((sa >= 0) != (sb >= 0)) aus << a + (b - a) * (sa / (sa - sb));
    }
    return aus;
}

// Clips a polygon in space to what lies in front of the camera and projects it. The
// result is cut to a margin round the canvas too: the painter works in fixed point and
// would overflow on the huge coordinates of points close to the camera.
QPolygonF Flach(const Kamera& k, const std::vector<V3>& ecken) {
    constexpr double nah = 0.5;
    std::vector<V3> raum;
    for (const V3& e : ecken)
        raum.push_back(k.Raum(e));
    QPolygonF bild;
    for (std::size_t i = 0; i < raum.size(); ++i) {
        const V3 a = raum[i], b = raum[(i + 1) % raum.size()];
        if (a.z >= nah) bild << k.Bild(a);
        if ((a.z >= nah) != (b.z >= nah)) {
            const double t = (nah - a.z) / (b.z - a.z);
            bild << k.Bild(a + (b - a) * t);
        }
    }
    constexpr double rand = 4000;
    bild = Schneide(bild, [](QPointF q) { return q.x() + rand; });
    bild = Schneide(bild, [](QPointF q) { return rand - q.x(); });
    bild = Schneide(bild, [](QPointF q) { return q.y() + rand; });
    return Schneide(bild, [](QPointF q) { return rand - q.y(); });
}

void Vieleck(QPainter& p, const Kamera& k, const std::vector<V3>& ecken, const QBrush& pinsel) {
    const QPolygonF bild = Flach(k, ecken);
    if (bild.size() >= 3) {
        p.setPen(Qt::NoPen);
        p.setBrush(pinsel);
        p.drawPolygon(bild);
    }
}

// Across the track from the train's, or between it and the camera; seite points away
// from the camera.
double ZweitesGleis(const Landschaft& land, double seite) {
    return (land.gleisNah ? -seite : seite) * 4.6;
}

class Maler {
public:
    Maler(QPainter& p, const Kamera& k, const Szene& s, const Licht& l)
        : p_(p), k_(k), s_(s), l_(l), f_(Farben(s.zeit)), breite_(p.device()->width()),
          hoehe_(p.device()->height()), horizont_(k.Horizont()) {
        seite_ = k.Ort().y < 0 ? 1 : -1;
        boden_ = Bodenhoehe(s.land);
        // Snow lies on the near ground too.
        gras_ = s.land.schnee ? QColor(236, 241, 247) : s.land.gras;
    }

    void Alles(double zugLaenge) {
        Himmel();
        Wolken();
        Gelaende();
        Boden();
        Baeume();
        Gleise();
        Schatten(zugLaenge);
    }

private:
    // Haze over a colour seen at a distance.
    QColor Dunst(const QColor& c, double weite) const {
        return Mische(c, f_.unten, 1 - std::exp(-weite / l_.sicht));
    }

    void Himmel() {
        QLinearGradient g(0, 0, 0, horizont_);
        g.setColorAt(0, f_.oben);
        g.setColorAt(0.6, f_.mitte);
        g.setColorAt(1, f_.unten);
        p_.fillRect(QRectF(0, 0, breite_, horizont_ + 2), g);
        // The glow round the sun, or round where it has just set.
        const V3 sonne = k_.Raum(k_.Ort() + l_.sonne * 1e5);
        double hx = breite_ * (l_.sonne.x * seite_ > 0 ? 0.8 : 0.2);
        if (sonne.z > 0) hx = k_.Bild(sonne).x();
        if (s_.zeit == Tageszeit::Abend || s_.zeit == Tageszeit::Daemmerung ||
            s_.zeit == Tageszeit::Morgen) {
            QRadialGradient glut(QPointF(hx, horizont_), breite_ * 0.7);
            QColor c = f_.sonne;
            c.setAlphaF(s_.zeit == Tageszeit::Morgen ? 0.35f : 0.55f);
            glut.setColorAt(0, c);
            c.setAlphaF(0);
            glut.setColorAt(1, c);
            p_.fillRect(QRectF(0, 0, breite_, horizont_ + 2), glut);
        }
    }

    void Wolken() {
        Zufall z(s_.samen * 31u + 7u);
        if (s_.zeit == Tageszeit::Bedeckt) {
            // Low, even cloud in soft bands.
            for (int k = 0; k < 14; ++k) {
                const double y = z.Zwischen(-0.1, 0.85) * horizont_;
                const double b = z.Zwischen(0.5, 1.4) * breite_;
                const double x = z.Zwischen(-0.3, 1.0) * breite_;
                QColor c = Mische(f_.wolkenschatten, f_.wolke, z());
                c.setAlphaF(0.45f);
                QRadialGradient g(QPointF(x + b / 2, y), b / 2);
                g.setColorAt(0, c);
                c.setAlphaF(0);
                g.setColorAt(1, c);
                p_.save();
                p_.translate(x + b / 2, y);
                p_.scale(1, 0.18);
                p_.translate(-(x + b / 2), -y);
                p_.fillRect(QRectF(x, y - b / 2, b, b), g);
                p_.restore();
            }
            return;
        }
        // Four kinds of sky, by the seed: a few big heaps, many small ones reaching down
        // to the horizon, veils of cirrus over a small heap or two, and nearly clear.
        const int art = static_cast<int>(s_.samen % 4);
        const bool abends = s_.zeit == Tageszeit::Abend || s_.zeit == Tageszeit::Daemmerung;
        const int haufen = abends     ? 0
                           : art == 0 ? static_cast<int>(z.Zwischen(2, 4))
                           : art == 1 ? static_cast<int>(z.Zwischen(5, 9))
                           : art == 2 ? static_cast<int>(z.Zwischen(1, 3))
                                      : static_cast<int>(z.Zwischen(0, 2));
        const int schleier = abends     ? static_cast<int>(z.Zwischen(3, 6))
                             : art == 2 ? static_cast<int>(z.Zwischen(4, 8))
                                        : 0;
        for (int k = 0; k < schleier; ++k) {
            const double y = z.Zwischen(0.1, 0.8) * horizont_;
            const double x = z.Zwischen(-0.1, 1.0) * breite_;
            const double w =
                breite_ * z.Zwischen(0.25, 0.6) * (1.1 - 0.6 * y / std::max(1.0, horizont_));
            QColor c = f_.wolke;
            c.setAlphaF(abends ? 0.75f : 0.5f);
            QRadialGradient g(QPointF(0, 0), w / 2);
            g.setColorAt(0, c);
            c.setAlphaF(0);
            g.setColorAt(1, c);
            p_.save();
            p_.translate(x, y);
            p_.rotate(z.Zwischen(-4, 4));
            p_.scale(1, z.Zwischen(0.05, 0.1));
            p_.setPen(Qt::NoPen);
            p_.setBrush(g);
            p_.drawEllipse(QPointF(0, 0), w / 2, w / 2);
            p_.restore();
        }
        for (int k = 0; k < haufen; ++k) {
            const double t = z.Zwischen(0.08, art == 1 ? 0.92 : 0.7);
            const double y = t * horizont_;
            const double x = z.Zwischen(-0.05, 1.05) * breite_;
            // Clouds near the horizon are further away, so smaller.
            const double gross =
                (0.15 + 0.85 * (1 - t)) * breite_ * z.Zwischen(0.08, art == 1 ? 0.13 : 0.2);
            Haufenwolke(QPointF(x, y), gross, z);
        }
    }

    // A heap of cumulus: soft round puffs, lit on top, greyer towards the flat base.
    void Haufenwolke(QPointF fuss, double gross, Zufall& z) {
        const int n = static_cast<int>(z.Zwischen(6, 11));
        p_.setPen(Qt::NoPen);
        for (int lage = 0; lage < 2; ++lage) {
            Zufall w(s_.samen + static_cast<std::uint32_t>(fuss.x() * 13));
            for (int i = 0; i < n; ++i) {
                const double t = (i + 0.5) / n;
                const double r = gross * (0.22 + 0.3 * std::sin(pi * t)) * w.Zwischen(0.8, 1.2);
                const QPointF m(fuss.x() + (t - 0.5) * gross * 1.9,
                                fuss.y() - r * 0.55 - w.Zwischen(0, 0.35) * r);
                // First the shaded underside, then the lit tops a little higher.
                const QPointF mitte = lage == 0 ? m : m + QPointF(-r * 0.08, -r * 0.14);
                const double rr = lage == 0 ? r : r * 0.82;
                QColor c = lage == 0 ? f_.wolkenschatten : f_.wolke;
                QRadialGradient g(mitte, rr);
                c.setAlphaF(0.95f);
                g.setColorAt(0, c);
                g.setColorAt(0.7, c);
                c.setAlphaF(0);
                g.setColorAt(1, c);
                p_.setBrush(g);
                p_.drawEllipse(mitte, rr, rr);
            }
        }
    }

    // Heights of a skyline across the canvas, in pixels above the horizon.
    std::vector<double> Kamm(double hoehe, double massstab, std::uint32_t samen,
                             bool zackig) const {
        std::vector<double> h(static_cast<std::size_t>(breite_) + 1);
        for (int x = 0; x <= breite_; ++x) {
            const double u = x / massstab;
            double v;
            if (zackig) {
                // Ridged noise gives peaks and arêtes.
                v = 0;
                double g = 1, n = 0, uu = u;
                for (int o = 0; o < 4; ++o) {
                    const double r =
                        1 - std::fabs(
                                2 * Rauschen(uu, samen + 101u * static_cast<std::uint32_t>(o)) - 1);
                    v += g * r * r;
                    n += g;
                    g *= 0.5;
                    uu *= 2.1;
                }
                v /= n;
                // Some peaks stand higher than others.
                v *= 0.5 + 0.5 * Rauschen(u * 0.45 + 3.7, samen + 55u);
            } else {
                v = Schichten(u, samen, 4, 0.45);
            }
            h[static_cast<std::size_t>(x)] = hoehe * v;
        }
        return h;
    }

    // A range of terrain standing on the line basis: the sides turned from the sun in
    // shade, facet by facet from each peak, and snow above schneeAb.
    void Bergkette(const std::vector<double>& h, double basis, QColor farbe, double schneeAb = 1e9,
                   bool facetten = false) {
        const auto top = [&](int x) {
            return basis -
                   h[static_cast<std::size_t>(std::clamp(x, 0, static_cast<int>(h.size()) - 1))];
        };
        QPolygonF umriss;
        umriss << QPointF(0, basis + 2);
        for (int x = 0; x <= breite_; x += 2)
            umriss << QPointF(x, top(x));
        umriss << QPointF(breite_, basis + 2);
        double spitze = 0;
        for (double v : h)
            spitze = std::max(spitze, v);
        if (spitze < 0.5) return;
        QLinearGradient g(0, basis - spitze, 0, basis);
        g.setColorAt(0, farbe);
        g.setColorAt(1, Mische(farbe, f_.unten, 0.5));
        p_.setPen(Qt::NoPen);
        p_.setBrush(g);
        p_.drawPolygon(umriss);
        // Snow: between the ridge and a ragged line below it.
        if (spitze > schneeAb) {
            QPolygonF schnee;
            std::vector<QPointF> unten;
            for (int x = 0; x <= breite_; x += 2) {
                const double ueber = h[static_cast<std::size_t>(x)] - schneeAb;
                const double tief =
                    std::max(0.0, ueber) * (0.7 + 0.5 * Schichten(x * 0.02, s_.samen + 3u, 3));
                schnee << QPointF(x, top(x));
                unten.push_back(QPointF(x, top(x) + tief));
            }
            for (auto it = unten.rbegin(); it != unten.rend(); ++it)
                schnee << *it;
            p_.setBrush(Mische(QColor(246, 249, 253), f_.unten, 0.2));
            p_.drawPolygon(schnee);
        }
        // Shade: from each peak, the slope on the side away from the sun down to the
        // next valley, cut off below by a line falling from the peak.
        // On the canvas the sun is to the right when it stands towards the train's front
        // and the train heads right; the shade lies on the other side of each peak.
        if (!facetten) return;
        const int schritt = l_.sonne.x * seite_ > 0 ? -2 : 2;
        QColor schatten = Mische(QColor(30, 40, 80), f_.oben, 0.3);
        schatten.setAlphaF(0.26f);
        p_.setBrush(schatten);
        for (int x = 2; x < breite_ - 2; x += 2) {
            if (!(top(x) < top(x - 2) && top(x) <= top(x + 2))) continue;
            int v = x;
            while (v + schritt >= 0 && v + schritt <= breite_ && top(v + schritt) >= top(v))
                v += schritt;
            if (std::abs(v - x) < 4) continue;
            QPolygonF facette;
            for (int u = x; u != v; u += schritt)
                facette << QPointF(u, top(u));
            facette << QPointF(v, top(v)) << QPointF(v, basis + 1);
            facette << QPointF(x - schritt * (basis - top(x)) * 0.12, basis + 1);
            p_.drawPolygon(facette);
        }
    }

    void Gelaende() {
        const double b = breite_;
        const std::uint32_t s = s_.samen;
        const QColor fern = Mische(QColor(110, 128, 150), f_.unten, 0.35);
        const bool schnee = s_.land.schnee;
        const QColor huegel =
            schnee ? QColor(200, 210, 224) : Mische(s_.land.gras, QColor(60, 90, 80), 0.45);
        switch (s_.land.ferne) {
        case Ferne::Ebene:
            break;
        case Ferne::Huegel:
            Bergkette(Kamm(b * 0.07, b * 0.5, s, false), horizont_ + 1,
                      Mische(huegel, f_.unten, 0.55));
            Bergkette(Kamm(b * 0.045, b * 0.3, s + 9u, false), horizont_ + 2,
                      Mische(huegel, f_.unten, 0.3));
            break;
        case Ferne::Berge:
            Bergkette(Kamm(b * 0.16, b * 0.35, s, true), horizont_ + 1, fern,
                      schnee ? b * 0.06 : 1e9, true);
            Bergkette(Kamm(b * 0.06, b * 0.25, s + 5u, false), horizont_ + 2,
                      Mische(huegel, f_.unten, 0.35));
            break;
        case Ferne::Alpen:
            Bergkette(Kamm(b * 0.3, b * 0.3, s, true), horizont_ + 1,
                      Mische(QColor(96, 110, 138), f_.unten, 0.3), b * 0.13, true);
            Bergkette(Kamm(b * 0.1, b * 0.22, s + 5u, false), horizont_ + 2,
                      schnee ? QColor(190, 200, 215) : Mische(QColor(52, 86, 62), f_.unten, 0.3));
            break;
        case Ferne::Fuji: {
            const double mitte = b * (0.25 + 0.5 * Rauschen(1.5, s));
            std::vector<double> h(static_cast<std::size_t>(breite_) + 1);
            for (int x = 0; x <= breite_; ++x) {
                const double u = std::fabs(x - mitte) / (b * 0.42);
                h[static_cast<std::size_t>(x)] =
                    u < 1 ? b * 0.2 * std::min(0.93, std::pow(1 - u, 1.55)) : 0;
            }
            Bergkette(h, horizont_ + 1, Mische(QColor(86, 98, 140), f_.unten, 0.25), b * 0.12,
                      true);
            Bergkette(Kamm(b * 0.04, b * 0.2, s + 5u, false), horizont_ + 2,
                      Mische(QColor(60, 96, 70), f_.unten, 0.4));
            break;
        }
        case Ferne::Karst:
            for (int lage = 0; lage < 3; ++lage) {
                std::vector<double> h(static_cast<std::size_t>(breite_) + 1, 0);
                Zufall z(s + 17u * static_cast<std::uint32_t>(lage));
                const int n = 5 + lage * 2;
                for (int i = 0; i < n; ++i) {
                    const double m = z.Zwischen(-0.05, 1.05) * b,
                                 w = z.Zwischen(0.03, 0.06) * b * (1 + 0.4 * (2 - lage));
                    const double hh = z.Zwischen(0.5, 1) * b * (0.16 - 0.035 * lage);
                    for (int x = 0; x <= breite_; ++x)
                        h[static_cast<std::size_t>(x)] =
                            std::max(h[static_cast<std::size_t>(x)],
                                     hh * std::exp(-std::pow((x - m) / w, 4)));
                }
                Bergkette(h, horizont_ + 1 + lage,
                          Mische(QColor(70, 104, 84), f_.unten, 0.65 - 0.2 * lage));
            }
            break;
        case Ferne::Stadt:
            Bergkette(Kamm(b * 0.05, b * 0.4, s, false), horizont_ + 1,
                      Mische(huegel, f_.unten, 0.6));
            Stadt();
            break;
        case Ferne::Meer:
            break;
        case Ferne::Mesa: {
            std::vector<double> h(static_cast<std::size_t>(breite_) + 1, 0);
            Zufall z(s);
            for (int i = 0; i < 4; ++i) {
                const double m = z.Zwischen(0, 1) * b, w = z.Zwischen(0.06, 0.16) * b,
                             hh = z.Zwischen(0.05, 0.1) * b;
                for (int x = 0; x <= breite_; ++x) {
                    const double u = std::fabs(x - m) / w;
                    const double v = u < 1 ? 1 : std::max(0.0, 1 - (u - 1) * 2.2);
                    h[static_cast<std::size_t>(x)] =
                        std::max(h[static_cast<std::size_t>(x)],
                                 hh * v * (0.96 + 0.04 * Rauschen(x * 0.2, s)));
                }
            }
            Bergkette(h, horizont_ + 1, Mische(QColor(170, 98, 62), f_.unten, 0.35));
            break;
        }
        }
    }

    void Stadt() {
        Zufall z(s_.samen + 77u);
        const QColor grund = Mische(QColor(96, 108, 128), f_.unten, 0.45);
        double x = -10;
        while (x < breite_) {
            const double w = z.Zwischen(0.015, 0.045) * breite_;
            double h = z.Zwischen(0.02, 0.08) * breite_;
            if (z() < 0.12) h *= 2.2;
            const QColor c = Heller(grund, z.Zwischen(-0.12, 0.12));
            const QRectF haus(x, horizont_ + 2 - h, w, h);
            p_.fillRect(haus, c);
            if (l_.lampen) {
                for (double wy = haus.top() + 3; wy < haus.bottom() - 3; wy += 5)
                    for (double wx = haus.left() + 2; wx < haus.right() - 2; wx += 4)
                        if (z() < 0.35) p_.fillRect(QRectF(wx, wy, 2, 2), QColor(255, 214, 140));
            }
            x += w + z.Zwischen(0, 0.01) * breite_;
        }
    }

    // Where the ground at distance y beyond the track lies on the canvas.
    double BodenY(double weite) const {
        return k_.Projektion({k_.Ort().x, seite_ * weite, boden_}).y();
    }

    void Boden() {
        const double unten = hoehe_;
        const QColor fern = Dunst(gras_, 1500), nah = gras_;
        QLinearGradient g(0, horizont_, 0, unten);
        g.setColorAt(0, fern);
        g.setColorAt(0.5, Mische(fern, nah, 0.8));
        g.setColorAt(1, Heller(nah, -0.06));
        p_.fillRect(QRectF(0, horizont_ + 1, breite_, unten - horizont_), g);
        Wiese();
        if (s_.land.wasser || s_.land.ferne == Ferne::Meer) Wasser();
        if (!s_.land.felder.empty()) Felder();
        Haeuser();
    }

    // Soft patches of lighter and darker grass, lying flat on the ground.
    void Wiese() {
        Zufall z(s_.samen + 3u);
        const V3 o = k_.Ort();
        p_.setPen(Qt::NoPen);
        for (int k = 0; k < 260; ++k) {
            const double y = o.y + seite_ * std::pow(z(), 1.6) * 120;
            const V3 m{o.x + z.Zwischen(-150, 150), y, boden_};
            if (k_.Raum(m).z < 2 || std::fabs(y) < 3.5) continue;
            const double r = z.Zwischen(1, 4) * k_.Massstab(m);
            const double flach =
                std::clamp((o.z - boden_) / std::max(1.0, Betrag(m - o)), 0.05, 1.0);
            QColor c = Heller(gras_, z.Zwischen(-0.12, 0.1));
            c.setAlphaF(0.35f);
            QRadialGradient g(k_.Projektion(m), r);
            g.setColorAt(0, c);
            c.setAlphaF(0);
            g.setColorAt(1, c);
            p_.setBrush(g);
            p_.save();
            const QPointF mp = k_.Projektion(m);
            p_.translate(mp);
            p_.scale(1, flach);
            p_.translate(-mp);
            p_.drawEllipse(mp, r, r);
            p_.restore();
        }
    }

    void Wasser() {
        // From the far shore (or the horizon) down to a near shore beyond the fields.
        const double ufer = 160;
        const double y1 = BodenY(ufer);
        const double y0 = horizont_ + (s_.land.ferne == Ferne::Meer ? 0 : 1.5);
        if (y1 <= y0) return;
        QLinearGradient g(0, y0, 0, y1);
        const QColor tief =
            s_.land.ferne == Ferne::Meer ? QColor(38, 98, 150) : QColor(52, 98, 128);
        g.setColorAt(0, Mische(tief, f_.unten, 0.6));
        g.setColorAt(1, Mische(tief, f_.oben, 0.25));
        p_.fillRect(QRectF(0, y0, breite_, y1 - y0), g);
        Zufall z(s_.samen + 5u);
        for (int k = 0; k < 40; ++k) {
            const double y = z.Zwischen(y0, y1);
            const double w = z.Zwischen(4, 22) * (0.3 + (y - y0) / (y1 - y0));
            QColor c = Heller(Mische(tief, f_.unten, 0.6), 0.3);
            c.setAlphaF(0.5f);
            p_.fillRect(QRectF(z.Zwischen(0, breite_), y, w, 1), c);
        }
        // A strip of shore in front of the water.
        QColor strand = s_.land.ferne == Ferne::Meer ? QColor(214, 200, 160) : Heller(gras_, -0.1);
        p_.fillRect(QRectF(0, y1 - 0.5, breite_, std::max(1.5, (y1 - y0) * 0.06)),
                    Dunst(strand, ufer));
    }

    void Felder() {
        Zufall z(s_.samen + 11u);
        const auto& farben = s_.land.felder;
        const double kx = k_.Ort().x;
        // Rows of fields from far to near, each cut into plots.
        std::vector<double> grenzen{1200};
        double y = 1200;
        while (y > 14) {
            y /= z.Zwischen(1.35, 1.8);
            grenzen.push_back(std::max(y, 12.0));
        }
        const double wasserBis = s_.land.wasser || s_.land.ferne == Ferne::Meer ? 160 : 1e9;
        for (std::size_t r = 0; r + 1 < grenzen.size(); ++r) {
            const double y0 = std::min(grenzen[r], wasserBis), y1 = grenzen[r + 1];
            if (y1 >= y0) continue;
            double x = kx - 1500;
            while (x < kx + 1500) {
                const double w = z.Zwischen(40, 160) * (0.5 + y0 / 800);
                QColor c = farben[static_cast<std::size_t>(z() * farben.size()) % farben.size()];
                c = Heller(c, z.Zwischen(-0.08, 0.08));
                const double mitte = (y0 + y1) / 2;
                Vieleck(p_, k_,
                        {{x, seite_ * y0, boden_},
                         {x + w, seite_ * y0, boden_},
                         {x + w, seite_ * y1, boden_},
                         {x, seite_ * y1, boden_}},
                        Dunst(c, mitte));
                // Hedges between some plots.
                if (z() < 0.4)
                    Vieleck(p_, k_,
                            {{x, seite_ * y0, boden_},
                             {x + 1.5, seite_ * y0, boden_},
                             {x + 1.5, seite_ * y1, boden_},
                             {x, seite_ * y1, boden_}},
                            Dunst(QColor(58, 88, 48), mitte));
                x += w;
            }
        }
    }

    void Haeuser() {
        if (!s_.land.haeuser) return;
        Zufall z(s_.samen + 23u);
        const double kx = k_.Ort().x;
        struct Haus {
            double x, y, w, t, h;
        };
        std::vector<Haus> haeuser;
        for (int k = 0; k < 7; ++k)
            haeuser.push_back({kx + z.Zwischen(-260, 120), z.Zwischen(30, 220), z.Zwischen(7, 13),
                               z.Zwischen(6, 9), z.Zwischen(4, 7)});
        std::sort(haeuser.begin(), haeuser.end(),
                  [](const Haus& a, const Haus& b) { return a.y > b.y; });
        for (const Haus& h : haeuser) {
            const double y0 = seite_ * h.y, y1 = seite_ * (h.y + h.t);
            const double b = boden_;
            const QColor wand = Dunst(s_.land.wand, h.y), dach = Dunst(s_.land.dach, h.y);
            // Front wall, then the gable end towards the camera, then the roof.
            Vieleck(
                p_, k_,
                {{h.x, y0, b}, {h.x + h.w, y0, b}, {h.x + h.w, y0, b + h.h}, {h.x, y0, b + h.h}},
                wand);
            const double ende = k_.Ort().x > h.x + h.w / 2 ? h.x + h.w : h.x;
            Vieleck(p_, k_,
                    {{ende, y0, b},
                     {ende, y1, b},
                     {ende, y1, b + h.h},
                     {ende, (y0 + y1) / 2, b + h.h + h.t * 0.45},
                     {ende, y0, b + h.h}},
                    Heller(wand, -0.12));
            Vieleck(p_, k_,
                    {{h.x - 0.3, y0 - seite_ * 0.4, b + h.h - 0.2},
                     {h.x + h.w + 0.3, y0 - seite_ * 0.4, b + h.h - 0.2},
                     {h.x + h.w + 0.3, (y0 + y1) / 2, b + h.h + h.t * 0.45},
                     {h.x - 0.3, (y0 + y1) / 2, b + h.h + h.t * 0.45}},
                    dach);
            // Two windows, lit at dusk.
            for (double t : {0.25, 0.65}) {
                const QColor fenster =
                    l_.lampen ? QColor(255, 206, 120) : Dunst(QColor(60, 70, 80), h.y);
                Vieleck(p_, k_,
                        {{h.x + h.w * t, y0 - seite_ * 0.05, b + h.h * 0.45},
                         {h.x + h.w * t + 1.1, y0 - seite_ * 0.05, b + h.h * 0.45},
                         {h.x + h.w * t + 1.1, y0 - seite_ * 0.05, b + h.h * 0.75},
                         {h.x + h.w * t, y0 - seite_ * 0.05, b + h.h * 0.75}},
                        fenster);
            }
        }
    }

    void Baum(V3 fuss, double hoehe, Zufall& z) {
        if (k_.Raum(fuss).z < 3) return;
        const QPointF unten = k_.Projektion(fuss);
        const double m = k_.Massstab(fuss);
        const double h = hoehe * m;
        if (h < 1) return;
        const double weite = std::fabs(fuss.y);
        const bool schnee = s_.land.schnee;
        const double licht = l_.sonne.x * seite_ > 0 ? 1 : -1;
        p_.setPen(Qt::NoPen);
        const auto kreis = [&](QPointF mitte, double r, QColor c) {
            QRadialGradient g(mitte + QPointF(licht * r * 0.35, -r * 0.35), r * 1.3);
            g.setColorAt(0, Dunst(Heller(c, 0.18), weite));
            g.setColorAt(1, Dunst(Heller(c, -0.2), weite));
            p_.setBrush(g);
            p_.drawEllipse(mitte, r, r);
        };
        const QColor stamm = Dunst(QColor(84, 62, 44), weite);
        switch (s_.land.baeume) {
        case Bewuchs::Keine:
            break;
        case Bewuchs::Laub:
        case Bewuchs::Kirsche:
        case Bewuchs::Olive:
        case Bewuchs::Herbst: {
            QColor laub = s_.land.baeume == Bewuchs::Kirsche ? QColor(246, 186, 208)
                          : s_.land.baeume == Bewuchs::Olive ? QColor(128, 140, 100)
                          : s_.land.baeume == Bewuchs::Herbst
                              ? QColor(z() < 0.5 ? 214 : 190, z() < 0.5 ? 120 : 70, 40)
                              : QColor(74, 112, 52);
            laub = Heller(laub, z.Zwischen(-0.08, 0.08));
            // Hoar frost on bare crowns.
            if (schnee) laub = QColor(214, 222, 232);
            p_.fillRect(QRectF(unten.x() - h * 0.03, unten.y() - h * 0.45, h * 0.06, h * 0.45),
                        stamm);
            const double r = h * (s_.land.baeume == Bewuchs::Olive ? 0.3 : 0.26);
            kreis(unten + QPointF(0, -h * 0.68), r, laub);
            kreis(unten + QPointF(-r * 0.7, -h * 0.5), r * 0.8, laub);
            kreis(unten + QPointF(r * 0.7, -h * 0.52), r * 0.8, laub);
            break;
        }
        case Bewuchs::Nadel: {
            // Three tiers of branches, each lit on the sun's side.
            const QColor gruen = QColor(36, 72, 48);
            p_.fillRect(QRectF(unten.x() - h * 0.025, unten.y() - h * 0.12, h * 0.05, h * 0.12),
                        stamm);
            for (int i = 2; i >= 0; --i) {
                const double spitze = h * (1 - i * 0.22), fuss = h * (0.5 - i * 0.2),
                             halb = h * (0.13 + i * 0.065);
                const QPointF s = unten + QPointF(0, -spitze);
                const QPointF l = unten + QPointF(-halb, -fuss), r = unten + QPointF(halb, -fuss),
                              m = unten + QPointF(0, -fuss + h * 0.03);
                p_.setBrush(Dunst(Heller(gruen, licht < 0 ? 0.1 : -0.12), weite));
                p_.drawPolygon(QPolygonF({s, l, m}));
                p_.setBrush(Dunst(Heller(gruen, licht > 0 ? 0.1 : -0.12), weite));
                p_.drawPolygon(QPolygonF({s, m, r}));
                if (schnee) {
                    p_.setBrush(Dunst(QColor(238, 243, 250), weite));
                    const double t = 0.45;
                    p_.drawPolygon(
                        QPolygonF({s, s + (l - s) * t, s + (m - s) * t * 0.8, s + (r - s) * t}));
                }
            }
            break;
        }
        case Bewuchs::Zypresse: {
            const QColor gruen = Dunst(QColor(44, 72, 40), weite);
            p_.setBrush(gruen);
            p_.drawEllipse(QRectF(unten.x() - h * 0.08, unten.y() - h, h * 0.16, h));
            break;
        }
        case Bewuchs::Birke: {
            p_.fillRect(QRectF(unten.x() - h * 0.02, unten.y() - h * 0.8, h * 0.04, h * 0.8),
                        Dunst(QColor(236, 232, 222), weite));
            if (!schnee) {
                kreis(unten + QPointF(0, -h * 0.75), h * 0.18, QColor(122, 160, 70));
            } else {
                QPen ast(Dunst(QColor(120, 100, 90), weite), std::max(0.5, h * 0.01));
                p_.setPen(ast);
                for (int i = 0; i < 5; ++i) {
                    const QPointF a = unten + QPointF(0, -h * (0.45 + i * 0.08));
                    p_.drawLine(a, a + QPointF((i % 2 ? 1 : -1) * h * 0.14, -h * 0.14));
                }
                p_.setPen(Qt::NoPen);
            }
            break;
        }
        case Bewuchs::Palme: {
            QPen pen(stamm, std::max(1.0, h * 0.04));
            p_.setPen(pen);
            const QPointF krone = unten + QPointF(h * 0.12, -h);
            QPainterPath pfad(unten);
            pfad.quadTo(unten + QPointF(0, -h * 0.6), krone);
            p_.setBrush(Qt::NoBrush);
            p_.drawPath(pfad);
            p_.setPen(QPen(Dunst(QColor(60, 110, 50), weite), std::max(1.0, h * 0.05),
                           Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 7; ++i) {
                const double a = pi * (0.1 + 0.8 * i / 6.0);
                p_.drawLine(krone, krone + QPointF(std::cos(a) * h * 0.32,
                                                   -std::sin(a) * h * 0.12 + h * 0.1));
            }
            p_.setPen(Qt::NoPen);
            break;
        }
        }
    }

    void Baeume() {
        if (s_.land.baeume == Bewuchs::Keine) return;
        Zufall z(s_.samen + 41u);
        const double kx = k_.Ort().x;
        struct Stelle {
            V3 fuss;
            double h;
        };
        std::vector<Stelle> stellen;
        const double abstand = s_.land.wasser || s_.land.ferne == Ferne::Meer ? 0 : 1;
        for (int k = 0; k < s_.land.baumzahl; ++k) {
            const double y = z.Zwischen(12, abstand > 0 ? 260 : 60);
            const double x = kx + z.Zwischen(-220, 120) * (0.4 + y / 160);
            double h = z.Zwischen(7, 14);
            if (s_.land.baeume == Bewuchs::Zypresse) h *= 1.3;
            if (s_.land.baeume == Bewuchs::Olive) h *= 0.5;
            // Trees come in clumps.
            const int klumpen = static_cast<int>(z.Zwischen(1, 4));
            for (int i = 0; i < klumpen; ++i)
                stellen.push_back(
                    {{x + z.Zwischen(-1.5, 1.5) * h, seite_ * (y + z.Zwischen(0, 6)), boden_},
                     h * z.Zwischen(0.8, 1.1)});
        }
        std::sort(stellen.begin(), stellen.end(), [](const Stelle& a, const Stelle& b) {
            return std::fabs(a.fuss.y) > std::fabs(b.fuss.y);
        });
        for (const Stelle& s : stellen)
            Baum(s.fuss, s.h, z);
    }

    void Gleis(double mitte) {
        const double kx = k_.Ort().x;
        const double x0 = kx - 3000, x1 = kx + 3000;
        const double sy = mitte;
        const QColor schotter = s_.land.schnee ? QColor(200, 200, 204) : QColor(150, 138, 124);
        // Bed of ballast with sloping sides.
        const double fuss = 2.9 + (0 - std::max(boden_, -0.6)) * 1.2;
        Vieleck(p_, k_,
                {{x0, sy - fuss, std::max(boden_, -0.6)},
                 {x1, sy - fuss, std::max(boden_, -0.6)},
                 {x1, sy - 1.9, 0},
                 {x0, sy - 1.9, 0}},
                Heller(schotter, -0.15));
        Vieleck(p_, k_,
                {{x0, sy + fuss, std::max(boden_, -0.6)},
                 {x1, sy + fuss, std::max(boden_, -0.6)},
                 {x1, sy + 1.9, 0},
                 {x0, sy + 1.9, 0}},
                Heller(schotter, -0.05));
        Vieleck(p_, k_,
                {{x0, sy - 1.9, 0}, {x1, sy - 1.9, 0}, {x1, sy + 1.9, 0}, {x0, sy + 1.9, 0}},
                schotter);
        // Sleepers, as long as they are far enough apart to show.
        const QColor schwelle = s_.land.schnee ? QColor(170, 170, 176) : QColor(184, 180, 172);
        for (double x = std::floor(kx - 400); x < kx + 400; x += 0.6) {
            const V3 a{x, sy - 1.3, 0.04};
            if (k_.Raum(a).z < 1) continue;
            if (k_.Massstab(a) * 0.6 < 1.6) continue;
            Vieleck(p_, k_,
                    {{x - 0.13, sy - 1.3, 0.04},
                     {x + 0.13, sy - 1.3, 0.04},
                     {x + 0.13, sy + 1.3, 0.04},
                     {x - 0.13, sy + 1.3, 0.04}},
                    Dunst(schwelle, std::fabs(x - kx)));
        }
        // Rails: a bright head, a dark side.
        for (double r : {-0.7175, 0.7175}) {
            const double y = sy + r;
            Vieleck(p_, k_,
                    {{x0, y - seite_ * 0.04, 0.04},
                     {x1, y - seite_ * 0.04, 0.04},
                     {x1, y - seite_ * 0.04, 0.17},
                     {x0, y - seite_ * 0.04, 0.17}},
                    QColor(92, 70, 56));
            Vieleck(p_, k_,
                    {{x0, y - 0.036, 0.172},
                     {x1, y - 0.036, 0.172},
                     {x1, y + 0.036, 0.172},
                     {x0, y + 0.036, 0.172}},
                    s_.zeit == Tageszeit::Daemmerung ? QColor(190, 170, 170)
                                                     : QColor(214, 214, 216));
        }
    }

    void Gleise() {
        if (s_.land.strecke == Strecke::Damm) {
            // Grass banks of the embankment.
            const double kx = k_.Ort().x;
            for (double s : {-1.0, 1.0}) {
                Vieleck(p_, k_,
                        {{kx - 3000, s * 7.5, -0.6},
                         {kx + 3000, s * 7.5, -0.6},
                         {kx + 3000, s * 13, boden_},
                         {kx - 3000, s * 13, boden_}},
                        Heller(gras_, s * seite_ > 0 ? 0.03 : -0.04));
                Vieleck(p_, k_,
                        {{kx - 3000, s * 2.9, -0.6},
                         {kx + 3000, s * 2.9, -0.6},
                         {kx + 3000, s * 7.5, -0.6},
                         {kx - 3000, s * 7.5, -0.6}},
                        Heller(gras_, 0.03));
            }
        }
        // The nearer track last.
        const double zweites = ZweitesGleis(s_.land, seite_);
        if (s_.land.gleisNah) {
            Gleis(0);
            Gleis(zweites);
        } else {
            Gleis(zweites);
            Gleis(0);
        }
    }

    void Schatten(double zugLaenge) {
        p_.setPen(Qt::NoPen);
        // The train's outline from above, with its height: the nose tapers and is low.
        struct Stelle {
            double x, halb, hoch;
        };
        const Stelle umriss[] = {
            {-0.3, 0.3, 1.0}, {-3, 1.3, 2.6}, {-6.5, 1.45, 3.8}, {-zugLaenge, 1.45, 3.8}};
        // Under the cars it is dark even without sun.
        QColor unter(20, 16, 14);
        unter.setAlphaF(0.45f);
        std::vector<V3> fuss;
        for (const Stelle& s : umriss)
            fuss.push_back({s.x, -s.halb, 0.06});
        for (auto it = std::rbegin(umriss); it != std::rend(umriss); ++it)
            fuss.push_back({it->x, it->halb, 0.06});
        Vieleck(p_, k_, fuss, unter);
        if (l_.sonne.z <= 0.02 || s_.zeit == Tageszeit::Bedeckt) return;
        // The cast shadow: the footprint and the roof's outline thrown along the light.
        const double weit = std::min(3.3, 1 / l_.sonne.z);
        const double dx = -l_.sonne.x * weit, dy = -l_.sonne.y * weit;
        std::vector<QPointF> punkte;
        for (const Stelle& s : umriss)
            for (double y : {-s.halb, s.halb}) {
                punkte.push_back({s.x, y});
                punkte.push_back({s.x + dx * s.hoch, y + dy * s.hoch});
            }
        std::sort(punkte.begin(), punkte.end(), [](QPointF a, QPointF b) {
            return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
        });
        std::vector<QPointF> huelle;
        const auto dreh = [](QPointF o, QPointF a, QPointF b) {
            return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
        };
        for (int durchgang = 0; durchgang < 2; ++durchgang) {
            const std::size_t anfang = huelle.size();
            for (const QPointF& q : punkte) {
                while (huelle.size() >= anfang + 2 &&
                       dreh(huelle[huelle.size() - 2], huelle.back(), q) <= 0)
                    huelle.pop_back();
                huelle.push_back(q);
            }
            huelle.pop_back();
            std::reverse(punkte.begin(), punkte.end());
        }
        std::vector<V3> boden;
        for (const QPointF& q : huelle)
            boden.push_back({q.x(), q.y(), 0.05});
        QColor schatten(24, 28, 44);
        schatten.setAlphaF(0.3f * static_cast<float>(std::min(1.0, f_.kraft * 1.2)));
        Vieleck(p_, k_, boden, schatten);
    }

    QPainter& p_;
    const Kamera& k_;
    const Szene& s_;
    const Licht& l_;
    Himmelsfarben f_;
    double breite_, hoehe_, horizont_;
    double seite_ = 1, boden_ = -0.5;
    QColor gras_;
};

} // namespace

Licht LichtFuer(const Szene& szene, const Kamera& kamera) {
    const Himmelsfarben f = Farben(szene.zeit);
    Licht l;
    // The sun shines on the side of the train the camera sees, turned towards its front
    // (or its back) by the time of day's angle.
    const double seite = kamera.Ort().y < 0 ? -1 : 1;
    const double richtung = std::atan2(seite, 0.0) - seite * f.drehung * pi / 180;
    const double hoehe = f.hoehe * pi / 180;
    l.sonne = Einheit({std::cos(richtung) * std::cos(hoehe), std::sin(richtung) * std::cos(hoehe),
                       std::sin(hoehe)});
    l.sonnenfarbe = Linear(f.sonne) * (f.kraft * 0.95);
    l.himmel = Linear(f.mitte) * 0.55 + Linear(f.oben) * 0.2;
    l.horizont = Linear(f.unten);
    l.boden = Linear(szene.land.schnee ? QColor(220, 226, 235) : szene.land.gras) * 0.5;
    if (szene.zeit == Tageszeit::Bedeckt) l.himmel = Linear(f.unten) * 1.05;
    if (szene.zeit == Tageszeit::Daemmerung)
        l.himmel = Linear(f.mitte) * 0.9 + Linear(f.unten) * 0.25;
    l.dunst = Linear(f.unten);
    l.sicht = f.sicht;
    l.lampen = f.lampen;
    return l;
}

double Bodenhoehe(const Landschaft& land) {
    switch (land.strecke) {
    case Strecke::Ebene:
        return -0.5;
    case Strecke::Damm:
        return -3.5;
    case Strecke::Viadukt:
        return -9;
    }
    return -0.5;
}

void Hintergrund(QPainter& p, const Kamera& kamera, const Szene& szene, const Licht& licht,
                 double zugLaenge) {
    p.setRenderHint(QPainter::Antialiasing);
    Maler(p, kamera, szene, licht).Alles(zugLaenge);
}

double Bauwerke(Raster& raster, const Szene& szene, std::vector<Teil>& teile) {
    const Kamera& k = raster.Blick();
    const double kx = k.Ort().x;
    const double seite = k.Ort().y < 0 ? 1 : -1;
    const double zweites = ZweitesGleis(szene.land, seite);
    if (szene.land.strecke == Strecke::Viadukt) {
        const int beton = static_cast<int>(teile.size());
        teile.push_back({Teil::Art::Beton});
        const double boden = Bodenhoehe(szene.land);
        for (double x = std::floor((kx - 700) / 10) * 10; x < kx + 300; x += 10) {
            // Deck edges and parapets in short pieces, so that the ones beside the camera
            // can be dropped without losing the rest.
            const double a = std::min(0.0, zweites) - 2.6, b = std::max(0.0, zweites) + 2.6;
            for (double y : {a, b})
                raster.Kiste({x, y - 0.12, -1.5}, {x + 9.95, y + 0.12, 0.9}, beton);
            if (static_cast<long long>(std::floor(x / 10)) % 3 == 0)
                raster.Kiste({x + 4.3, a + 2.0, boden}, {x + 5.5, b - 2.0, -1.5}, beton);
        }
    }
    if (!szene.land.oberleitung) return 0;
    const int mast = static_cast<int>(teile.size());
    teile.push_back({Teil::Art::Mast});
    const int draht = mast + 1;
    teile.push_back({Teil::Art::Draht});
    constexpr double fahrdraht = 5.3, tragseil = 6.5, feld = 55;
    const double boden = szene.land.strecke == Strecke::Viadukt ? -1.0 : Bodenhoehe(szene.land);
    const double mastY = seite * (std::max(0.0, zweites * seite) + 3.8);
    const double start = std::floor((kx - 900) / feld) * feld + 7;
    for (double x = start; x < kx + 400; x += feld) {
        raster.Stab({x, mastY, boden}, {x, mastY, 7.6}, 0.32, mast);
        for (double gleis : {0.0, zweites}) {
            raster.Stab({x, mastY, tragseil + 0.2}, {x, gleis, tragseil + 0.2}, 0.08, mast);
            raster.Stab({x, mastY, fahrdraht + 0.4}, {x, gleis, tragseil + 0.2}, 0.06, mast);
            // Wires along the span, in short pieces; the messenger sags between masts.
            const double zick =
                (static_cast<long long>(std::floor(x / feld)) % 2 == 0) ? 0.2 : -0.2;
            constexpr int stuecke = 11;
            for (int i = 0; i < stuecke; ++i) {
                const double t0 = static_cast<double>(i) / stuecke,
                             t1 = static_cast<double>(i + 1) / stuecke;
                const double a = x + feld * t0, b = x + feld * t1;
                raster.Stab({a, gleis + zick * (1 - 2 * t0), fahrdraht},
                            {b, gleis + zick * (1 - 2 * t1), fahrdraht}, 0.03, draht);
                const auto durchhang = [&](double t) {
                    return tragseil + 0.2 - 0.9 * 4 * t * (1 - t);
                };
                raster.Stab({a, gleis, durchhang(t0)}, {b, gleis, durchhang(t1)}, 0.03, draht);
            }
        }
    }
    return fahrdraht;
}

} // namespace zug

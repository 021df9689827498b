#include "ZugRaum.h"

#include <numbers>

namespace zug {

Kamera::Kamera(V3 ort, V3 ziel, double brennweite, QPointF mitte)
    : ort_(ort), vorn_(Einheit(ziel - ort)), f_(brennweite), mitte_(mitte) {
    rechts_ = Einheit(Kreuz(vorn_, {0, 0, 1}));
    oben_ = Kreuz(rechts_, vorn_);
}

V3 Kamera::Raum(V3 p) const {
    const V3 d = p - ort_;
    return {Skalar(d, rechts_), Skalar(d, oben_), Skalar(d, vorn_)};
}

double Kamera::Horizont() const {
    const V3 waagrecht = Einheit({vorn_.x, vorn_.y, 0});
    return mitte_.y() - f_ * Skalar(waagrecht, oben_) / Skalar(waagrecht, vorn_);
}

Raster::Raster(int breite, int hoehe, const Kamera& kamera)
    : breite_(breite), hoehe_(hoehe), kamera_(kamera),
      puffer_(static_cast<std::size_t>(breite) * hoehe) {}

void Raster::Dreieck(const Ecke& a, const Ecke& b, const Ecke& c, int teil) {
    const Ecke* e[3] = {&a, &b, &c};
    QPointF s[3];
    double iz[3];
    for (int k = 0; k < 3; ++k) {
        const V3 r = kamera_.Raum(e[k]->p);
        // Nothing the camera stands beside reaches this close; dropping is enough.
        if (r.z < 0.05) return;
        s[k] = kamera_.Bild(r);
        iz[k] = 1 / r.z;
    }
    const auto kante = [](QPointF p, QPointF q, double x, double y) {
        return (q.x() - p.x()) * (y - p.y()) - (q.y() - p.y()) * (x - p.x());
    };
    const double flaeche = kante(s[0], s[1], s[2].x(), s[2].y());
    if (std::fabs(flaeche) < 1e-9) return;
    const int x0 =
        std::max(0, static_cast<int>(std::floor(std::min({s[0].x(), s[1].x(), s[2].x()}))));
    const int x1 = std::min(breite_ - 1,
                            static_cast<int>(std::ceil(std::max({s[0].x(), s[1].x(), s[2].x()}))));
    const int y0 =
        std::max(0, static_cast<int>(std::floor(std::min({s[0].y(), s[1].y(), s[2].y()}))));
    const int y1 =
        std::min(hoehe_ - 1, static_cast<int>(std::ceil(std::max({s[0].y(), s[1].y(), s[2].y()}))));
    for (int y = y0; y <= y1; ++y) {
        const double py = y + 0.5;
        for (int x = x0; x <= x1; ++x) {
            const double px = x + 0.5;
            const double w0 = kante(s[1], s[2], px, py) / flaeche;
            const double w1 = kante(s[2], s[0], px, py) / flaeche;
            const double w2 = 1 - w0 - w1;
            if (w0 < 0 || w1 < 0 || w2 < 0) continue;
            // Perspective-correct weights.
            const double q0 = w0 * iz[0], q1 = w1 * iz[1], q2 = w2 * iz[2];
            const double summe = q0 + q1 + q2;
            const double tiefe = 1 / summe;
            Fragment& f = puffer_[static_cast<std::size_t>(y) * breite_ + x];
            if (tiefe >= f.tiefe) continue;
            const auto mische = [&](double va, double vb, double vc) {
                return static_cast<float>((q0 * va + q1 * vb + q2 * vc) / summe);
            };
            f.tiefe = static_cast<float>(tiefe);
            f.x = mische(a.p.x, b.p.x, c.p.x);
            f.y = mische(a.p.y, b.p.y, c.p.y);
            f.z = mische(a.p.z, b.p.z, c.p.z);
            const V3 n = Einheit({(q0 * a.n.x + q1 * b.n.x + q2 * c.n.x),
                                  (q0 * a.n.y + q1 * b.n.y + q2 * c.n.y),
                                  (q0 * a.n.z + q1 * b.n.z + q2 * c.n.z)});
            f.nx = static_cast<float>(n.x);
            f.ny = static_cast<float>(n.y);
            f.nz = static_cast<float>(n.z);
            f.teil = teil;
        }
    }
}

void Raster::Kiste(V3 a, V3 b, int teil) {
    const auto ecke = [&](double x, double y, double z, V3 n) { return Ecke{{x, y, z}, n}; };
    const V3 nx{1, 0, 0}, ny{0, 1, 0}, nz{0, 0, 1};
    Viereck(ecke(b.x, a.y, a.z, nx), ecke(b.x, b.y, a.z, nx), ecke(b.x, b.y, b.z, nx),
            ecke(b.x, a.y, b.z, nx), teil);
    Viereck(ecke(a.x, a.y, a.z, nx * -1), ecke(a.x, b.y, a.z, nx * -1),
            ecke(a.x, b.y, b.z, nx * -1), ecke(a.x, a.y, b.z, nx * -1), teil);
    Viereck(ecke(a.x, b.y, a.z, ny), ecke(b.x, b.y, a.z, ny), ecke(b.x, b.y, b.z, ny),
            ecke(a.x, b.y, b.z, ny), teil);
    Viereck(ecke(a.x, a.y, a.z, ny * -1), ecke(b.x, a.y, a.z, ny * -1),
            ecke(b.x, a.y, b.z, ny * -1), ecke(a.x, a.y, b.z, ny * -1), teil);
    Viereck(ecke(a.x, a.y, b.z, nz), ecke(b.x, a.y, b.z, nz), ecke(b.x, b.y, b.z, nz),
            ecke(a.x, b.y, b.z, nz), teil);
}

void Raster::Scheibe(V3 mitte, double radius, double seite, int teil) {
    constexpr int stuecke = 18;
    const V3 n{0, seite, 0};
    for (int k = 0; k < stuecke; ++k) {
        const double a0 = 2 * std::numbers::pi * k / stuecke,
                     a1 = 2 * std::numbers::pi * (k + 1) / stuecke;
        Dreieck({mitte, n}, {mitte + V3{radius * std::cos(a0), 0, radius * std::sin(a0)}, n},
                {mitte + V3{radius * std::cos(a1), 0, radius * std::sin(a1)}, n}, teil);
    }
}

void Raster::Gitter(const std::vector<std::vector<V3>>& punkte, int teil, bool spitze) {
    const int ni = static_cast<int>(punkte.size());
    if (ni < 2) return;
    const int nj = static_cast<int>(punkte[0].size());
    const auto punkt = [&](int i, int j) -> V3 {
        j = std::clamp(j, 0, nj - 1);
        if (i < 0) return punkte[0][j];
        if (i >= ni) {
            // Past a pointed tip the body goes on as its own mirror image.
            if (!spitze) return punkte[ni - 1][j];
            return punkte[ni - 2][nj - 1 - j];
        }
        return punkte[i][j];
    };
    std::vector<std::vector<V3>> normalen(ni, std::vector<V3>(nj));
    for (int i = 0; i < ni; ++i) {
        for (int j = 0; j < nj; ++j) {
            V3 n = Einheit(
                Kreuz(punkt(i + 1, j) - punkt(i - 1, j), punkt(i, j + 1) - punkt(i, j - 1)));
            if (Betrag(n) < 0.5)
                n = Einheit(
                    Kreuz(punkt(i + 1, j) - punkt(i - 2, j), punkt(i, j + 2) - punkt(i, j - 2)));
            if (Betrag(n) < 0.5) n = {1, 0, 0};
            normalen[i][j] = n;
        }
    }
    for (int i = 0; i + 1 < ni; ++i)
        for (int j = 0; j + 1 < nj; ++j)
            Viereck({punkte[i][j], normalen[i][j]}, {punkte[i + 1][j], normalen[i + 1][j]},
                    {punkte[i + 1][j + 1], normalen[i + 1][j + 1]},
                    {punkte[i][j + 1], normalen[i][j + 1]}, teil);
}

void Raster::Stab(V3 a, V3 b, double breite, int teil) {
    const V3 mitte = (a + b) * 0.5;
    const V3 quer = Einheit(Kreuz(b - a, kamera_.Ort() - mitte));
    if (Betrag(quer) < 0.5) return;
    const auto halb = [&](V3 p) { return std::max(breite / 2, 0.65 / kamera_.Massstab(p)); };
    const V3 n = Einheit(kamera_.Ort() - mitte);
    Viereck({a - quer * halb(a), n}, {b - quer * halb(b), n}, {b + quer * halb(b), n},
            {a + quer * halb(a), n}, teil);
}

void Raster::Deckel(const std::vector<V3>& ring, V3 normale, int teil) {
    if (ring.size() < 3) return;
    V3 mitte;
    for (const V3& p : ring)
        mitte = mitte + p;
    mitte = mitte * (1.0 / static_cast<double>(ring.size()));
    for (std::size_t k = 0; k + 1 < ring.size(); ++k)
        Dreieck({mitte, normale}, {ring[k], normale}, {ring[k + 1], normale}, teil);
    Dreieck({mitte, normale}, {ring.back(), normale}, {ring.front(), normale}, teil);
}

} // namespace zug

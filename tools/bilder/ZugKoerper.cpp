#include "ZugKoerper.h"

#include <numbers>

namespace zug {

Kurve::Kurve(std::initializer_list<QPointF> punkte) {
    for (const QPointF& p : punkte) {
        d_.push_back(p.x());
        w_.push_back(p.y());
    }
    const std::size_t n = d_.size();
    steigung_.assign(n, 0);
    if (n < 2) return;
    std::vector<double> delta(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k)
        delta[k] = (w_[k + 1] - w_[k]) / (d_[k + 1] - d_[k]);
    steigung_[0] = delta[0];
    steigung_[n - 1] = delta[n - 2];
    for (std::size_t k = 1; k + 1 < n; ++k)
        steigung_[k] = delta[k - 1] * delta[k] <= 0 ? 0 : (delta[k - 1] + delta[k]) / 2;
    // Fritsch and Carlson: limit the slopes so that no segment overshoots.
    for (std::size_t k = 0; k + 1 < n; ++k) {
        if (delta[k] == 0) {
            steigung_[k] = steigung_[k + 1] = 0;
            continue;
        }
        const double a = steigung_[k] / delta[k], b = steigung_[k + 1] / delta[k];
        const double s = a * a + b * b;
        if (s > 9) {
            const double t = 3 / std::sqrt(s);
            steigung_[k] = t * a * delta[k];
            steigung_[k + 1] = t * b * delta[k];
        }
    }
}

double Kurve::operator()(double d) const {
    if (d_.empty()) return 0;
    if (d <= d_.front()) return w_.front();
    if (d >= d_.back()) return w_.back();
    const std::size_t k =
        static_cast<std::size_t>(std::upper_bound(d_.begin(), d_.end(), d) - d_.begin()) - 1;
    const double h = d_[k + 1] - d_[k];
    const double t = (d - d_[k]) / h;
    const double t2 = t * t, t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * w_[k] + (t3 - 2 * t2 + t) * h * steigung_[k] +
           (-2 * t3 + 3 * t2) * w_[k + 1] + (t3 - t2) * h * steigung_[k + 1];
}

Flaeche Band(double z0, double z1, Farbe farbe, double d0, double d1) {
    return {QPolygonF({{d0, z0}, {d1, z0}, {d1, z1}, {d0, z1}}), farbe};
}

Schnitt SchnittAn(const Wagenkasten& w, double a) {
    Schnitt s{w.unten, w.hoehe, w.breite / 2, 0, w.rund};
    const bool nase = w.nase && a < w.nase->laenge;
    if (nase) {
        s.oben = w.hoehe * w.nase->dach(a);
        s.halb *= w.nase->breite(a);
        if (!w.nase->unten.Leer()) s.unten = w.nase->unten(a);
        if (!w.nase->rund.Leer()) s.rund = w.nase->rund(a);
    }
    // Plain ends are rounded off a little at the corners.
    constexpr double ecke = 0.3;
    const double ende = w.nase ? w.laenge - a : std::min(a, w.laenge - a);
    if (ende < ecke) {
        const double k = std::sqrt(std::max(0.0, 1 - std::pow(1 - ende / ecke, 2)));
        s.halb *= 0.92 + 0.08 * k;
        s.oben -= 0.1 * (1 - k);
    }
    s.schulter = s.unten + w.schulter * (s.oben - s.unten);
    return s;
}

std::vector<double> Wagenanfaenge(const Zug& zug) {
    std::vector<double> anfang;
    double d = 0;
    for (int k = 0; k < zug.anzahl; ++k) {
        anfang.push_back(d);
        d += (k == 0 ? zug.kopf.laenge : zug.wagen.laenge) + zug.spalt;
    }
    return anfang;
}

namespace {

constexpr int bogenPunkte = 12, wandPunkte = 6;

// One section round the body at x, from the bottom left over the roof to the bottom right.
std::vector<V3> Ring(const Wagenkasten& w, const Schnitt& s, double x, double neigung) {
    std::vector<QPointF> rechts; // (y, z) from the top middle down the right side
    for (int k = 0; k <= bogenPunkte; ++k) {
        const double phi = std::numbers::pi / 2 * (1 - static_cast<double>(k) / bogenPunkte);
        const double c = std::pow(std::max(0.0, std::cos(phi)), 2 / s.rund);
        const double sn = std::pow(std::max(0.0, std::sin(phi)), 2 / s.rund);
        rechts.push_back({s.halb * c, s.schulter + (s.oben - s.schulter) * sn});
    }
    for (int k = 1; k <= wandPunkte; ++k) {
        const double t = static_cast<double>(k) / wandPunkte;
        rechts.push_back(
            {s.halb * (1 - w.einzug * t * t), s.schulter - t * (s.schulter - s.unten)});
    }
    const double c = std::cos(neigung), sn = std::sin(neigung);
    constexpr double drehpunkt = 1.0;
    const auto punkt = [&](double y, double z) {
        const double dz = z - drehpunkt;
        return V3{x, y * c - dz * sn, drehpunkt + y * sn + dz * c};
    };
    std::vector<V3> ring;
    for (std::size_t k = rechts.size() - 1; k >= 1; --k)
        ring.push_back(punkt(-rechts[k].x(), rechts[k].y()));
    for (const QPointF& p : rechts)
        ring.push_back(punkt(p.x(), p.y()));
    return ring;
}

// Where to cut sections: dense in the nose, where the shape changes, sparse along the sides.
std::vector<double> Schnittstellen(const Wagenkasten& w) {
    std::vector<double> a;
    double ab = 0;
    if (w.nase) {
        constexpr int n = 48;
        for (int k = 0; k < n; ++k)
            a.push_back(w.nase->laenge * std::pow(static_cast<double>(k) / n, 1.8));
        ab = w.nase->laenge;
    } else {
        for (double e : {0.0, 0.05, 0.12, 0.2, 0.3})
            a.push_back(e);
        ab = 0.3;
    }
    const double bis = w.laenge - 0.3;
    const int stuecke = std::max(1, static_cast<int>(std::ceil((bis - ab) / 1.5)));
    for (int k = 0; k < stuecke; ++k)
        a.push_back(ab + (bis - ab) * k / stuecke);
    for (double e : {0.3, 0.2, 0.12, 0.05, 0.0})
        a.push_back(w.laenge - e);
    return a;
}

void Kasten(Raster& raster, const Wagenkasten& w, double anfang, double neigung, int teil) {
    const std::vector<double> stellen = Schnittstellen(w);
    std::vector<std::vector<V3>> reihen;
    // Rows along +x: from the rear end forward to the front.
    for (auto it = stellen.rbegin(); it != stellen.rend(); ++it)
        reihen.push_back(Ring(w, SchnittAn(w, *it), -(anfang + *it), neigung));
    raster.Gitter(reihen, teil, w.nase != nullptr);
    raster.Deckel(reihen.front(), {-1, 0, 0}, teil);
    if (!w.nase) raster.Deckel(reihen.back(), {1, 0, 0}, teil);
}

void Drehgestell(Raster& raster, double x, int rahmen, int rad) {
    raster.Kiste({x - 1.55, -1.05, 0.42}, {x + 1.55, 1.05, 0.86}, rahmen);
    for (double dx : {-1.25, 1.25})
        for (double seite : {-1.0, 1.0})
            raster.Scheibe({x + dx, seite * 0.8, 0.46}, 0.45, seite, rad);
}

// A single-arm pantograph, its head pressed against the wire (or folded down).
void Buegel(Raster& raster, double x, double dach, double draht, int teil) {
    const double kopf = draht > 0 ? draht - 0.02 : dach + 0.55;
    raster.Kiste({x - 0.9, -0.55, dach - 0.05}, {x + 0.9, 0.55, dach + 0.22}, teil);
    const V3 fuss{x - 0.8, 0, dach + 0.3};
    const double hub = kopf - fuss.z;
    const V3 knie{x + std::sqrt(std::max(0.0, 1.7 * 1.7 - hub * hub / 4)), 0, fuss.z + hub * 0.5};
    const V3 oben{x - 0.6, 0, kopf};
    for (double y : {-0.3, 0.3})
        raster.Stab(fuss + V3{0, y, 0}, knie, 0.07, teil);
    raster.Stab(knie, oben, 0.05, teil);
    for (double dx : {-0.15, 0.15})
        raster.Stab(oben + V3{dx, -0.85, 0}, oben + V3{dx, 0.85, 0}, 0.06, teil);
}

} // namespace

void ZugAufbauen(Raster& raster, const Zug& zug, std::vector<Teil>& teile, double draht) {
    const std::vector<double> anfang = Wagenanfaenge(zug);
    const double neigung = zug.neigung * std::numbers::pi / 180;
    const int fahrwerk = static_cast<int>(teile.size());
    teile.push_back({Teil::Art::Fahrwerk});
    const int rad = fahrwerk + 1;
    teile.push_back({Teil::Art::Rad});
    const int balg = fahrwerk + 2;
    teile.push_back({Teil::Art::Balg});
    const int dach = fahrwerk + 3;
    teile.push_back({Teil::Art::Dach});
    for (int k = 0; k < zug.anzahl; ++k) {
        const Wagenkasten& w = k == 0 ? zug.kopf : zug.wagen;
        const int teil = static_cast<int>(teile.size());
        teile.push_back({Teil::Art::Kasten, k, anfang[k]});
        Kasten(raster, w, anfang[k], neigung, teil);
        for (double a : w.drehgestelle)
            Drehgestell(raster, -(anfang[k] + a), fahrwerk, rad);
        const bool buegel =
            zug.buegelAn.empty() ||
            std::find(zug.buegelAn.begin(), zug.buegelAn.end(), k) != zug.buegelAn.end();
        // Without a wire the train runs on diesel or a turbine: no pantographs.
        if (buegel && draht > 0)
            for (double a : w.buegel)
                Buegel(raster, -(anfang[k] + a), SchnittAn(w, a).oben, draht, dach);
        if (w.dachkasten) {
            const double mitte = w.laenge / 2;
            const double z = SchnittAn(w, mitte).oben;
            raster.Kiste({-(anfang[k] + mitte + 3), -0.7, z - 0.1},
                         {-(anfang[k] + mitte - 3), 0.7, z + 0.18}, dach);
        }
        if (k + 1 < zug.anzahl) {
            const Wagenkasten& n = zug.wagen;
            const double hoch = std::min(w.hoehe, n.hoehe) - 0.4;
            const double x0 = -(anfang[k + 1] + 0.3), x1 = -(anfang[k] + w.laenge - 0.3);
            raster.Kiste({x0, -1.2, std::max(w.unten, n.unten) + 0.2}, {x1, 1.2, hoch}, balg);
        }
    }
}

namespace {

// Inside a window with rounded corners, grown by rand on every side.
bool InRundung(double u, double z, double laenge, double z0, double z1, double ecke, double rand) {
    if (u < -rand || u > laenge + rand || z < z0 - rand || z > z1 + rand) return false;
    const double r = ecke + rand;
    const double dx = std::max({0.0, r - rand - u, u - (laenge + rand - r)});
    const double dz = std::max({0.0, z0 - rand + r - z, z - (z1 + rand - r)});
    return dx * dx + dz * dz <= r * r;
}

// In a window of the car (a metres behind its front), or in the seal round one.
bool ImFenster(const Fenster& f, double a, double laenge, double z, bool& dichtung) {
    dichtung = false;
    constexpr double rand = 0.05;
    const double von = f.von, bis = laenge - f.bis;
    if (a < von - rand || a > bis + rand) return false;
    const int n = std::max(1, static_cast<int>(std::floor((bis - von - f.laenge) / f.teilung)) + 1);
    const double start = von + ((bis - von) - ((n - 1) * f.teilung + f.laenge)) / 2;
    const double k = std::clamp(std::floor((a - start) / f.teilung), 0.0, n - 1.0);
    for (const auto& [z0, z1] : f.reihen) {
        for (double nr : {k, k + 1}) {
            if (nr > n - 1) continue;
            const double u = a - start - nr * f.teilung;
            if (InRundung(u, z, f.laenge, z0, z1, f.ecke, 0)) return true;
            if (InRundung(u, z, f.laenge, z0, z1, f.ecke, rand)) dichtung = true;
        }
    }
    return false;
}

} // namespace

Oberflaeche LackAn(const Zug& zug, int wagen, double anfang, double d, double z, double quer) {
    const Wagenkasten& w = wagen == 0 ? zug.kopf : zug.wagen;
    const Lackierung& l = zug.lack;
    Oberflaeche o{l.grund, l.grundstoff};
    const QPointF p(d, z);
    for (const Flaeche& f : l.flaechen) {
        if (f.nur == Flaeche::Nur::Kopf && wagen != 0) continue;
        if (f.nur == Flaeche::Nur::Wagen && wagen == 0) continue;
        if (quer < f.querVon || quer > f.querBis) continue;
        if (f.umriss.containsPoint(p, Qt::OddEvenFill)) o = {f.farbe, f.stoff};
    }
    const double a = d - anfang;
    if (w.nase && a < w.nase->laenge + 1) {
        const QPointF q(a, z / w.hoehe);
        for (const Flaeche& f : w.nase->teile)
            if (quer >= f.querVon && quer <= f.querBis &&
                f.umriss.containsPoint(q, Qt::OddEvenFill))
                o = {f.farbe, f.stoff};
    }
    bool rahmen = false;
    if (ImFenster(w.fenster, a, w.laenge, z, rahmen)) return {l.glas, Stoff::Fenster};
    if (rahmen) return {o.farbe * 0.35, Stoff::Matt};
    // Door outlines: a thin dark seam.
    constexpr double tuer = 0.95, fuge = 0.035;
    const double oben = std::min(w.hoehe * 0.78, w.unten + 2.1);
    for (double t : w.tueren) {
        const bool innen =
            a > t - fuge && a < t + tuer + fuge && z > w.unten + 0.1 && z < oben + fuge;
        const bool mitte = a > t + fuge && a < t + tuer - fuge && z < oben - fuge;
        if (innen && !mitte) return {o.farbe * 0.55, o.stoff};
    }
    return o;
}

} // namespace zug

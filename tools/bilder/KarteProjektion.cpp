#include "KarteProjektion.h"

#include "core/FlugzieleU.h"

#include <QString>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <utility>

namespace kalmiro::karte {

namespace {
constexpr double rad = std::numbers::pi / 180;
}

double MillerY(double breite) {
    return 1.25 * std::log(std::tan(std::numbers::pi / 4 + 0.4 * breite * rad));
}

double MillerBreite(double y) {
    return (2.5 * std::atan(std::exp(0.8 * y)) - 0.625 * std::numbers::pi) / rad;
}

// City centres; where a centre lies on the very shore the point is taken a little
// inland, so that the dot sits on the city's land at the map's scale.
// clang-format off
const std::array<Stadtlage, 59> Stadtlagen{{
    {u"Wien",               48.208,   16.373, "Austria"},
    {u"Anchorage",          61.218, -149.900, "United States of America"},
    {u"Montreal",           45.502,  -73.567, "Canada"},
    {u"New York",           40.759,  -74.025, "United States of America"},
    {u"Chicago",            41.878,  -87.630, "United States of America"},
    {u"San Francisco",      37.902, -122.264, "United States of America"},
    {u"Los Angeles",        34.052, -118.244, "United States of America"},
    {u"Miami",              25.850,  -80.531, "United States of America"},
    {u"Mexico City",        19.433,  -99.133, "Mexico"},
    {u"Caracas",            10.481,  -66.904, "Venezuela"},
    {u"Bogota",              4.711,  -74.072, "Colombia"},
    {u"Qito",               -0.180,  -78.468, "Ecuador"},
    {u"Lima",              -12.046,  -76.743, "Peru"},
    {u"Manaus",             -3.119,  -60.022, "Brazil"},
    {u"Brasilia",          -15.794,  -47.882, "Brazil"},
    {u"Salvador",          -12.591,  -38.605, "Brazil"},
    {u"Rio de Janeiro",    -22.560,  -43.217, "Brazil"},
    {u"Sao Paulo",         -23.551,  -46.633, "Brazil"},
    {u"La Paz",            -16.490,  -68.119, "Bolivia"},
    {u"Buenos Aires",      -34.604,  -58.382, "Argentina"},
    {u"Santiago",          -33.449,  -70.669, "Chile"},
    {u"Rabat",              34.021,   -6.841, "Morocco"},
    {u"Kairo",              30.044,   31.236, "Egypt"},
    {u"Khartum",            15.501,   32.560, "Sudan"},
    {u"Addis Abeba",         9.030,   38.740, "Ethiopia"},
    {u"Nairobi",            -1.292,   36.822, "Kenya"},
    {u"Dar es-Salam",       -6.792,   39.208, "Tanzania"},
    {u"Kinshasa",           -4.441,   15.266, "Dem. Rep. Congo"},
    {u"Lusaka",            -15.387,   28.323, "Zambia"},
    {u"Pretoria",          -25.747,   28.229, "South Africa"},
    {u"Kapstadt",          -33.925,   18.424, "South Africa"},
    {u"Lagos",               6.524,    3.379, "Nigeria"},
    {u"Sydne",             -33.869,  151.209, "Australia"},
    {u"Perth",             -31.950,  115.861, "Australia"},
    {u"Alice Springs",     -23.698,  133.881, "Australia"},
    {u"Kabul",              34.555,   69.207, "Afghanistan"},
    {u"Karatschi",          24.881,   67.259, "Pakistan"},
    {u"Neu Dheli",          28.614,   77.209, "India"},
    {u"Mumbai",             19.076,   73.228, "India"},
    {u"Yangon",             16.866,   96.195, "Myanmar"},
    {u"Ho-Chi-Minh-Stadt",  10.823,  106.630, "Vietnam"},
    {u"Singapur",            1.352,  103.820, "Singapore"},
    {u"Jakarta",            -6.208,  106.846, "Indonesia"},
    {u"Peking",             39.904,  116.407, "China"},
    {u"Shanghai",           31.230,  121.474, "China"},
    {u"Hongkong",           22.366,  114.188, "Hong Kong"},
    {u"Ulan Bator",         47.886,  106.906, "Mongolia"},
    {u"Kingston",           18.156,  -76.870, "Jamaica"},
    {u"Havanna",            22.779,  -82.064, "Cuba"},
    {u"Bangkok",            13.756,  100.502, "Thailand"},
    {u"Vientiane",          17.975,  102.633, "Laos"},
    {u"Tokio",              35.690,  139.692, "Japan"},
    {u"Katmandu",           27.717,   85.324, "Nepal"},
    {u"Rawalpindi",         33.598,   73.044, "Pakistan"},
    {u"Teheran",            35.689,   51.389, "Iran"},
    {u"Bagdad",             33.315,   44.366, "Iraq"},
    {u"Riad",               24.713,   46.675, "Saudi Arabia"},
    {u"Muskat",             23.310,   58.095, "Oman"},
    {u"Sanaa",              15.369,   44.191, "Yemen"},
}};
// clang-format on

QPointF Grobabbildung::operator()(QPointF lonlat) const {
    return {a + b * lonlat.x(), c + d * MillerY(lonlat.y())};
}

QPointF Grobabbildung::Umkehrung(QPointF pixel) const {
    return {(pixel.x() - a) / b, MillerBreite((pixel.y() - c) / d)};
}

namespace {

// Slope and intercept of the straight line through (u, v) by least squares.
std::pair<double, double> Gerade(const std::vector<double>& u, const std::vector<double>& v) {
    const double n = static_cast<double>(u.size());
    double su = 0, sv = 0;
    for (std::size_t i = 0; i < u.size(); ++i)
        su += u[i], sv += v[i];
    const double mu = su / n, mv = sv / n;
    double suu = 0, suv = 0;
    for (std::size_t i = 0; i < u.size(); ++i) {
        suu += (u[i] - mu) * (u[i] - mu);
        suv += (u[i] - mu) * (v[i] - mv);
    }
    const double steigung = suu > 0 ? suv / suu : 0;
    return {mv - steigung * mu, steigung};
}

double Kern(double r2) {
    return r2 > 0 ? 0.5 * r2 * std::log(r2) : 0;
} // r^2 log r

// Solves a x = rechts for two right-hand sides, Gaussian elimination with row pivoting.
void Loese(std::vector<std::vector<double>> a, std::vector<double>& x, std::vector<double>& y) {
    const std::size_t n = a.size();
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t p = k;
        for (std::size_t i = k + 1; i < n; ++i)
            if (std::fabs(a[i][k]) > std::fabs(a[p][k])) p = i;
        std::swap(a[k], a[p]);
        std::swap(x[k], x[p]);
        std::swap(y[k], y[p]);
        for (std::size_t i = k + 1; i < n; ++i) {
            const double f = a[i][k] / a[k][k];
            if (f == 0) continue;
            for (std::size_t j = k; j < n; ++j)
                a[i][j] -= f * a[k][j];
            x[i] -= f * x[k];
            y[i] -= f * y[k];
        }
    }
    for (std::size_t k = n; k-- > 0;) {
        for (std::size_t j = k + 1; j < n; ++j) {
            x[k] -= a[k][j] * x[j];
            y[k] -= a[k][j] * y[j];
        }
        x[k] /= a[k][k];
        y[k] /= a[k][k];
    }
}

std::vector<QPointF> Geolagen() {
    std::vector<QPointF> g;
    for (const Stadtlage& s : Stadtlagen)
        g.emplace_back(s.laenge, s.breite);
    return g;
}

std::vector<QPointF> Zielpunkte() {
    std::vector<QPointF> z;
    for (const TFlugziel& f : Flugziele)
        z.push_back(Kartenpunkt(f.X, f.Y));
    return z;
}

Kartenabbildung Anpassen() {
    for (std::size_t i = 0; i < Stadtlagen.size(); ++i) {
        if (QString::fromUtf16(Stadtlagen[i].stadt) != Flugziele[i].Stadt)
            std::fprintf(stderr, "bilder: city %zu of the map is not %s\n", i,
                         qPrintable(Flugziele[i].Stadt));
    }
    const std::vector<QPointF> geo = Geolagen(), ziel = Zielpunkte();
    Kartenabbildung k;
    k.grob = PasseAn(geo, ziel);
    k.periode = 360 * k.grob.b;
    // The map runs a little more than once round the earth: give the bend the same
    // cities one turn east and west too, so that both ends of the map agree.
    std::vector<QPointF> stuetzen, verschiebungen;
    for (const double turn : {0.0, -1.0, 1.0}) {
        for (std::size_t i = 0; i < geo.size(); ++i) {
            const QPointF p = k.grob(geo[i]);
            stuetzen.push_back(p + QPointF(turn * k.periode, 0));
            verschiebungen.push_back(ziel[i] - p);
        }
    }
    k.fein = Duennplatte(std::move(stuetzen), verschiebungen);
    return k;
}

} // namespace

Grobabbildung PasseAn(const std::vector<QPointF>& lonlat, const std::vector<QPointF>& ziel) {
    std::vector<double> laenge, miller, spalte, zeile;
    for (std::size_t i = 0; i < lonlat.size(); ++i) {
        laenge.push_back(lonlat[i].x());
        miller.push_back(MillerY(lonlat[i].y()));
        spalte.push_back(ziel[i].x());
        zeile.push_back(ziel[i].y());
    }
    Grobabbildung g;
    std::tie(g.a, g.b) = Gerade(laenge, spalte);
    std::tie(g.c, g.d) = Gerade(miller, zeile);
    return g;
}

Duennplatte::Duennplatte(std::vector<QPointF> stuetzen, const std::vector<QPointF>& verschiebungen)
    : stuetzen_(std::move(stuetzen)) {
    const std::size_t n = stuetzen_.size();
    std::vector<std::vector<double>> a(n + 3, std::vector<double>(n + 3, 0.0));
    std::vector<double> x(n + 3, 0.0), y(n + 3, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF& p = stuetzen_[i];
        for (std::size_t j = 0; j < n; ++j) {
            const QPointF d = p - stuetzen_[j];
            a[i][j] = Kern(d.x() * d.x() + d.y() * d.y());
        }
        const double affin[3] = {1, p.x(), p.y()};
        for (std::size_t j = 0; j < 3; ++j)
            a[i][n + j] = a[n + j][i] = affin[j];
        x[i] = verschiebungen[i].x();
        y[i] = verschiebungen[i].y();
    }
    Loese(std::move(a), x, y);
    gx_.assign(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(n));
    gy_.assign(y.begin(), y.begin() + static_cast<std::ptrdiff_t>(n));
    for (std::size_t j = 0; j < 3; ++j)
        ax_[j] = x[n + j], ay_[j] = y[n + j];
}

QPointF Duennplatte::operator()(QPointF p) const {
    double dx = ax_[0] + ax_[1] * p.x() + ax_[2] * p.y();
    double dy = ay_[0] + ay_[1] * p.x() + ay_[2] * p.y();
    for (std::size_t i = 0; i < stuetzen_.size(); ++i) {
        const QPointF d = p - stuetzen_[i];
        const double k = Kern(d.x() * d.x() + d.y() * d.y());
        dx += gx_[i] * k;
        dy += gy_[i] * k;
    }
    return {dx, dy};
}

QPointF Kartenabbildung::operator()(QPointF lonlat) const {
    const QPointF p = grob(lonlat);
    return p + fein(p);
}

// The map lies at (25, 92) in the window, the paint box at (8, 2), and the paint box's
// world origin at its pixel (500, 350), 20 pixels a unit across and 19 down.
QPointF Kartenpunkt(float x, float y) {
    return {500.0 + 8 - 25 + 20.0 * static_cast<double>(x),
            350.0 + 2 - 92 - 19.0 * static_cast<double>(y)};
}

const Kartenabbildung& Zeitzonenabbildung() {
    static const Kartenabbildung k = Anpassen();
    return k;
}

std::vector<QPointF> Restfehler() {
    const Kartenabbildung& k = Zeitzonenabbildung();
    const std::vector<QPointF> geo = Geolagen(), ziel = Zielpunkte();
    std::vector<QPointF> r;
    for (std::size_t i = 0; i < geo.size(); ++i)
        r.push_back(k.grob(geo[i]) - ziel[i]);
    return r;
}

} // namespace kalmiro::karte

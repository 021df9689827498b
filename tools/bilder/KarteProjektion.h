#pragma once

// How the time-zone map lays the world onto its 966 x 529 pixels: a Miller projection
// fitted to the map positions of the flight destinations, then bent a little, smoothly,
// so that every city falls exactly on its dot.
//
// Picture coordinates: pixel (i, j) has its centre at (i, j).

#include <QPointF>
#include <array>
#include <vector>

namespace kalmiro::karte {

// Miller's cylindrical projection: height above the equator, in equator radians.
double MillerY(double breite);
double MillerBreite(double y);

// Where the cities really lie, in the order of the destination table.
struct Stadtlage {
    const char16_t* stadt; // as in the destination table, to keep the two in step
    double breite;
    double laenge;
    const char* staat; // its country as the map data names it
};
extern const std::array<Stadtlage, 59> Stadtlagen;

// column = a + b * longitude, row = c + d * MillerY(latitude).
struct Grobabbildung {
    double a = 0, b = 1, c = 0, d = 1;
    QPointF operator()(QPointF lonlat) const;
    QPointF Umkehrung(QPointF pixel) const;
};

// Least squares, each axis on its own.
Grobabbildung PasseAn(const std::vector<QPointF>& lonlat, const std::vector<QPointF>& ziel);

// A smooth displacement of the plane that takes each support point exactly by its
// given shift: the thin-plate spline, the least bent surface through the points.
class Duennplatte {
public:
    Duennplatte() = default;
    Duennplatte(std::vector<QPointF> stuetzen, const std::vector<QPointF>& verschiebungen);
    QPointF operator()(QPointF p) const;

private:
    std::vector<QPointF> stuetzen_;
    std::vector<double> gx_, gy_;       // weights of the radial terms
    std::array<double, 3> ax_{}, ay_{}; // affine part: 1, x, y
};

struct Kartenabbildung {
    Grobabbildung grob;
    Duennplatte fein;
    double periode = 0; // pixels per turn of the earth
    QPointF operator()(QPointF lonlat) const;
};

// The time-zone map: picture size, and the pixel of world point (X, Y) of the screen.
inline constexpr int KarteBreite = 966;
inline constexpr int KarteHoehe = 529;
QPointF Kartenpunkt(float x, float y);

// The map's projection, fitted once to the destination table.
const Kartenabbildung& Zeitzonenabbildung();

// For the notes on the map: the straight fit's miss at each city, in pixels (x, y).
std::vector<QPointF> Restfehler();

} // namespace kalmiro::karte

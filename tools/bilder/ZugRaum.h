// Space, camera and a small depth-buffered rasteriser for the train pictures. The trains
// are real bodies seen through a camera, so a three-quarter view, a side view and a view
// from a bridge come from the same description.
#pragma once

#include <QPointF>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace zug {

struct V3 {
    double x = 0, y = 0, z = 0;
};

inline V3 operator+(V3 a, V3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline V3 operator-(V3 a, V3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline V3 operator*(V3 a, double k) {
    return {a.x * k, a.y * k, a.z * k};
}
inline double Skalar(V3 a, V3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline V3 Kreuz(V3 a, V3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Betrag(V3 a) {
    return std::sqrt(Skalar(a, a));
}
inline V3 Einheit(V3 a) {
    const double b = Betrag(a);
    return b > 1e-12 ? a * (1 / b) : V3{};
}

// Linear colour, 0..1 a channel; shading works in it before the picture is written.
struct Farbe {
    double r = 0, g = 0, b = 0;
};

inline Farbe operator+(Farbe a, Farbe b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Farbe operator*(Farbe a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline Farbe operator*(Farbe a, Farbe b) {
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}
inline Farbe Mix(Farbe a, Farbe b, double t) {
    return a * (1 - t) + b * t;
}
// A display value (0..1) in linear light, and a display colour in linear colour.
inline double Linear(double c) {
    return std::pow(std::clamp(c, 0.0, 1.0), 2.2);
}
inline Farbe Linear(Farbe c) {
    return {Linear(c.r), Linear(c.g), Linear(c.b)};
}
// From 0xRRGGBB.
constexpr Farbe Hex(std::uint32_t rgb) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

// A pinhole camera: x runs along the track, y across it, z up, in metres; the picture in
// pixels of the drawing canvas.
class Kamera {
public:
    // From a position looking at a target; brennweite in pixels.
    Kamera(V3 ort, V3 ziel, double brennweite, QPointF mitte);

    V3 Ort() const { return ort_; }
    // Camera space: x right, y up, z depth in front of the camera.
    V3 Raum(V3 p) const;
    QPointF Bild(V3 raum) const {
        return {mitte_.x() + f_ * raum.x / raum.z, mitte_.y() - f_ * raum.y / raum.z};
    }
    QPointF Projektion(V3 p) const { return Bild(Raum(p)); }
    double Brennweite() const { return f_; }
    // Height in the picture of the horizon (the camera never rolls).
    double Horizont() const;
    // Screen scale at a point: pixels per metre.
    double Massstab(V3 p) const { return f_ / std::max(Raum(p).z, 0.01); }

private:
    V3 ort_, vorn_, rechts_, oben_;
    double f_;
    QPointF mitte_;
};

// One surface sample of the depth buffer.
struct Fragment {
    float tiefe = 1e30f;
    float x = 0, y = 0, z = 0;
    float nx = 0, ny = 0, nz = 0;
    std::int32_t teil = -1;
};

struct Ecke {
    V3 p, n;
};

class Raster {
public:
    Raster(int breite, int hoehe, const Kamera& kamera);

    void Dreieck(const Ecke& a, const Ecke& b, const Ecke& c, int teil);
    // a b c d in order round the face.
    void Viereck(const Ecke& a, const Ecke& b, const Ecke& c, const Ecke& d, int teil) {
        Dreieck(a, b, c, teil);
        Dreieck(a, c, d, teil);
    }
    // A flat box, axis-aligned, for frames, bellows and roof gear.
    void Kiste(V3 min, V3 max, int teil);
    // A wheel: a disc standing across y, seen from the side y points to.
    void Scheibe(V3 mitte, double radius, double seite, int teil);
    // A surface from rows of points: i along x, j across the body from left over the top
    // to the right, so that the normals point outwards. With spitze the last row is a
    // pointed tip: the surface goes on mirrored, so the tip faces forward, not sideways.
    void Gitter(const std::vector<std::vector<V3>>& punkte, int teil, bool spitze = false);
    // A thin rod or wire, as a ribbon facing the camera; never thinner than about a pixel
    // of the canvas, so far wires still show.
    void Stab(V3 a, V3 b, double breite, int teil);
    // Closes a ring of points with a flat face.
    void Deckel(const std::vector<V3>& ring, V3 normale, int teil);

    int Breite() const { return breite_; }
    int Hoehe() const { return hoehe_; }
    const Fragment& An(int x, int y) const {
        return puffer_[static_cast<std::size_t>(y) * breite_ + x];
    }
    const Kamera& Blick() const { return kamera_; }

private:
    int breite_, hoehe_;
    const Kamera& kamera_;
    std::vector<Fragment> puffer_;
};

} // namespace zug

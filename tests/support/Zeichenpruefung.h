#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace kalmiro::test {

// The plain colours the drawing tests paint and probe with.
inline const QColor schwarz(0, 0, 0);
inline const QColor weiss(255, 255, 255);
inline const QColor rot(255, 0, 0);
inline const QColor blau(0, 0, 255);
// Colours of the program's palette that clocks and texts are drawn in.
inline const QColor pink(255, 0, 102);
inline const QColor grau128(128, 128, 128);
inline const QColor grau240(240, 240, 240);

// A white canvas to draw on.
inline QImage Leinwand(int breite, int hoehe) {
    QImage bild(breite, hoehe, QImage::Format_ARGB32);
    bild.fill(Qt::white);
    return bild;
}

// Matches pixels of about this colour (each channel within toleranz); for Umriss.
inline std::function<bool(const QColor&)> Etwa(const QColor& farbe, int toleranz = 40) {
    return [farbe, toleranz](const QColor& c) {
        return std::abs(c.red() - farbe.red()) <= toleranz &&
               std::abs(c.green() - farbe.green()) <= toleranz &&
               std::abs(c.blue() - farbe.blue()) <= toleranz;
    };
}

// Matches pixels darker than the given lightness (0..255).
inline std::function<bool(const QColor&)> DunklerAls(int helligkeit) {
    return [helligkeit](const QColor& c) { return c.lightness() < helligkeit; };
}

// Matches the ink of text on white: anything clearly darker than the paper.
inline bool Tinte(const QColor& c) {
    return c.lightness() < 170;
}

// The pixel at a distance from a centre in a compass direction (degrees clockwise from
// straight up), as a clock's hands point.
inline QPoint Richtung(QPoint mitte, double grad, double abstand) {
    const double w = grad * 3.14159265358979323846 / 180.0;
    return {static_cast<int>(std::lround(mitte.x() + abstand * std::sin(w))),
            static_cast<int>(std::lround(mitte.y() - abstand * std::cos(w)))};
}

} // namespace kalmiro::test

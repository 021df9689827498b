// Shared strokes of the information window's pictures: supersampled drawing, colour
// mixing, fixed noise, clock faces, moons and stars.
#pragma once

#include "Bilder.h"

#include <QColor>
#include <QGradient>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <functional>
#include <vector>

namespace kalmiro::infobilder {

// Draws in the picture's own pixel coordinates on a larger canvas and scales down, so
// thin lines and small shapes stay smooth at these small sizes.
QImage Male(int breite, int hoehe, const std::function<void(QPainter&)>& malen);

// The colour with its alpha set, for glows and shadows.
QColor Durchsichtig(const QColor& c, double deckung);

// A fixed value in 0..1 for a pair of integers: the pictures come out the same each run.
double Zufall(int a, int b);
// Smooth value noise in about 0..1 over several octaves, for stone and sand.
double Rauschen(double x, double y, int oktaven = 4);

// Fills the picture pixel by pixel at full resolution; farbe is asked at the pixel's
// centre in the picture's own coordinates.
void Pixelweise(QPainter& p, double breite, double hoehe,
                const std::function<QColor(double x, double y)>& farbe);

// Fills the rectangle with a vertical gradient from oben to unten, or through the
// given stops (0 at its top, 1 at its bottom).
void Himmel(QPainter& p, const QRectF& r, const QColor& oben, const QColor& unten);
void Himmel(QPainter& p, const QRectF& r, const QGradientStops& stufen);
// A soft round glow that fades to nothing at its radius.
void Schein(QPainter& p, QPointF mitte, double radius, const QColor& farbe);

// Stars of different brightness scattered over the rectangle.
void Sterne(QPainter& p, const QRectF& r, int anzahl, int saat, double groesse = 1.0);

// A four-pointed sparkle with a glow, for bright stars and glints.
void Funkeln(QPainter& p, QPointF ort, double r, const QColor& farbe);

// A clock face with twelve hour marks (and minute marks if it is large enough) and two
// hands at the given time; rand is the colour of the bezel.
struct Zifferblatt {
    QColor blatt{252, 248, 236};
    QColor tinte{50, 40, 35};
    QColor rand{150, 110, 50};
    double randBreite = 0.12; // of the radius
    double stunde = 10, minute = 10;
    double sekunde = -1; // no second hand if negative
    QColor zeigerSekunde{200, 40, 40};
    bool minutenStriche = true;
    void male(QPainter& p, QPointF mitte, double radius) const;
};

// The moon in its phase: 0 new, 0.25 first quarter, 0.5 full, 0.75 last quarter. The
// dark part is drawn in dunkel (transparent leaves it out).
void Mond(QPainter& p, QPointF mitte, double radius, double phase, const QColor& hell,
          const QColor& dunkel);
// Only the lit part of the moon, as a path.
QPainterPath Mondlicht(QPointF mitte, double radius, double phase);

// The pictures of the two pages.
struct Seitenbild {
    const char* name;
    int breite, hoehe;
    void (*male)(QPainter& p, double breite, double hoehe);
};
void GeschichteBilder(std::vector<Seitenbild>& bilder);
void MessgeraeteBilder(std::vector<Seitenbild>& bilder);

} // namespace kalmiro::infobilder

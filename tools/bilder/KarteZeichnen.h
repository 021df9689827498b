#pragma once

// Turning the map data into paths and masks of a picture.

#include "Bilder.h"
#include "KarteDaten.h"

#include <QImage>
#include <QPainterPath>
#include <functional>
#include <vector>

class QPainter;

namespace kalmiro::karte {

// (longitude, latitude) to picture coordinates.
using Abbildung = std::function<QPointF(QPointF)>;

// The part of the world a picture shows, west to east; it may run past +-180 degrees.
struct Laengen {
    double westen;
    double osten;
};

// The zug through the projection, shifted by whole turns to every place where it shows
// in the picture; long steps are cut short so that the projection can bend them.
std::vector<QPolygonF> Abgebildet(const Zug& zug, const Abbildung& abbildung, Laengen sicht);

// All the areas as one even-odd path (holes stay open).
QPainterPath Flaechenpfad(const std::vector<Flaeche>& flaechen, const Abbildung& abbildung,
                          Laengen sicht);
void ZeichneZuege(QPainter& maler, const std::vector<Zug>& zuege, const Abbildung& abbildung,
                  Laengen sicht);

// How much of each pixel the path covers, 0 .. 1, one float a pixel.
struct Maske {
    int breite = 0;
    int hoehe = 0;
    std::vector<float> wert;
    float operator()(int x, int y) const { return wert[static_cast<std::size_t>(y) * breite + x]; }
};
Maske Deckung(const QPainterPath& pfad, QSize groesse);
// Softened by three box passes of the given radius each way (about a Gaussian).
Maske Weich(const Maske& m, int radius);

} // namespace kalmiro::karte

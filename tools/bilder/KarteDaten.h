#pragma once

// Coastlines and borders of the world, read from the Natural Earth TopoJSON in
// tools/bilder/daten. All points are (longitude, latitude) in degrees.

#include <QPointF>
#include <QString>
#include <vector>

namespace kalmiro::karte {

using Linie = std::vector<QPointF>;

// A closed ring or an open line, with its longitudes unwrapped so that no step jumps
// across the date line: a shape that crosses it runs on past 180 degrees.
struct Zug {
    Linie punkte;
    double westen = 0; // smallest and largest longitude
    double osten = 0;
};

// One polygon: its outer ring and its holes.
using Flaeche = std::vector<Zug>;

struct Staat {
    QString name;
    std::vector<Flaeche> flaechen;
};

struct Weltdaten {
    std::vector<Flaeche> festland; // the countries merged
    std::vector<Staat> staaten;
    std::vector<Zug> kuesten; // outline of the land
    std::vector<Zug> grenzen; // lines between two countries
    QString fehler;           // why the file could not be read; empty if it was
};

Weltdaten LeseWeltdaten(const QString& pfad);
// The data file of the repository, next to the sources of the picture program.
QString Weltdatenpfad();
// The data, read once.
const Weltdaten& Welt();

// True if the point lies inside the polygon (even-odd rule over its rings), trying the
// point at its own longitude and one turn east or west.
bool Enthaelt(const Flaeche& flaeche, QPointF punkt);

} // namespace kalmiro::karte

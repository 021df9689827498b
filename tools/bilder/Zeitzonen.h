#pragma once

// The pictures of the time-zone and flight screens.

#include <QColor>
#include <QImage>
#include <QPointF>

namespace kalmiro::karte {

// Colour of the city dots on the time-zone map, found nowhere else on it.
inline const QColor Stadtpunktfarbe(208, 24, 36);

QImage Zeitzonenkarte();   // imgKarte, 966 x 529
QImage Tagundnachtkarte(); // imgBild, 350 x 200

// Aircraft n (1 .. 21), 34 x 34, nose along the mean of its routes on the screen.
QImage Flugzeugbild(int n);
// That direction in degrees, measured on the screen (y down) clockwise from east.
double Flugzeugkurs(int n);

// Prints the fit of the map to the cities (for the closing notes of a change).
void Kartenbericht();

} // namespace kalmiro::karte

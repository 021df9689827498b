#pragma once

#include "core/FlugzieleU.h"

namespace kalmiro {

// A point or a vector in world units of the time-zone map.
struct Weltpunkt {
    float x = 0, y = 0;
};

// The route of a flight from Wien on the map, and the steps the aircraft flies it in.
struct TFlugroute {
    Weltpunkt Start;       // Wien
    Weltpunkt Ziel;        // the destination
    Weltpunkt Richtung;    // from Wien to the destination
    Weltpunkt Routenmitte; // halfway
    // 3.5 units either side of the midpoint, across the route: Feld1 on the side the
    // route's normal points to, Feld2 on the other.
    Weltpunkt Feld1, Feld2;
    float ZielUhrY = 0; // the destination's clock, halfway down to its label
    // |Round(10 x the larger component of Richtung)|: a tenth of a unit a step at most.
    int Flugschritte = 0;
};

// The height of the destination's label below the map.
inline constexpr float Zielbeschriftungshoehe = -14.6f;

TFlugroute Flugroute(const TFlugziel& ziel);

// Where the aircraft is after the given number of steps: Wien + schritt / Flugschritte
// of the way, a real fraction, so that it glides; on the destination from the last step
// on, and at Wien before the first.
Weltpunkt Flugposition(const TFlugroute& route, int schritt);

} // namespace kalmiro

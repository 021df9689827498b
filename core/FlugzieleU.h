#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace kalmiro {

// One city of the flight exercises. The offset (Stunden, Minuten) is the local time's
// distance from the time at Wien; both parts carry the sign of the offset's hours and
// are added as they are. X and Y place the city on the time-zone map in world units.
struct TFlugziel {
    std::int32_t Nummer;
    std::int32_t Stunden;
    std::int32_t Minuten;
    QString Stadt; // at most 40 characters
    QString Land;  // at most 40 characters
    float X;
    float Y;
    std::int32_t Entfernung; // flight distance from Wien in km
    std::int32_t Bild;       // aircraft picture imgFl01 .. imgFl21 pointing along the route
};

inline constexpr int AnzahlFlugziele = 59;
// Record 0 is the home city, Wien; the tasks draw from 1 .. 58.
inline constexpr int Heimatstadt = 0;
inline constexpr int AnzahlFlugzeugbilder = 21;

extern const std::array<TFlugziel, AnzahlFlugziele> Flugziele;

} // namespace kalmiro

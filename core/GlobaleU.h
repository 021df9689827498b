#pragma once

#include <QString>
#include <array>

namespace kalmiro {

// Program-wide state: written by the main window's activation and by the screens,
// never persisted. Arrays are indexed from 1 as the settings are numbered.

inline int EinheitenArt = 1; // 1 "ohne Brüche", 2 "mit Brüchen"
inline int MusterArt = 1;    // 1 addition, 2 subtraction, 3 multiplication, 4 division
inline int UebungArt = 1;    // same coding
inline int ZeitpunktArt = 1; // 1 "Begriffe", 2 "Musterbeispiele"
inline int BeispielArt = 1;  // 1 time-zone display, 2 flight exercises
inline int MaxanzahlArt = 1; // which rounds setting the rounds dialog edits

// Rounds per series: [1] unit conversion, [2] operations, [3] trains, [4] flights.
inline constexpr std::array<int, 5> StandardDurchgaenge{0, 3, 2, 5, 5};
inline std::array<int, 5> MaxDurchgaenge = StandardDurchgaenge;

inline int Durchgang = 1;
inline int Versuch = 1;
inline int Versuche = 0;
inline float Punkte = 0.0f;
inline float GesamtPunkte = 0.0f;
inline int GesamtVersuche = 0;

inline QString Ergebnis; // expected answer, at most 20 characters
inline QString Antwort;  // the pupil's normalised answer, at most 20 characters

inline bool ZeitanzeigeEin = false;
inline bool Bildschirm1024 = false;

inline int GewaehlteZone = -15;
inline int ZonenAuswahl = 0;

} // namespace kalmiro

#pragma once

#include "core/FarbenU.h"
#include "core/ZugaufgabenU.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace kalmiro {

// The six worked examples on the time line as data: the rows each step writes, what it
// says and what it slides. The window draws the time line and plays the steps; every
// value is fixed here, before anything is painted.

inline constexpr int ZeitBeispiele = 6;
inline constexpr int MaxZeitschritte = 8;

// Steps of example 1..6: 4, 4, 4, 8, 5, 8.
int Schrittzahl(int aufgabenart);

// An example of kind 1..6 with times drawn as for a train task of that kind, and its
// travel time.
TZugaufgabe NeuesZeitbeispiel(int aufgabenart);

enum class Zeittinte { Schwarz, Rotbraun, Pink, Blau, Orange, Dunkelgruen, Braun };
// The colour of an ink; the palette must be set.
Farbe Tintenfarbe(Zeittinte tinte);

// A row of a written computation: the hours with "h" end at basis, the minutes with
// "min" at basis + Minutenspalte.
inline constexpr float Minutenspalte = 3.7f;
struct Rechenzeile {
    float basis = 0;
    float y = 0;
    int stunden = 0;
    int minuten = 0;
    Zeittinte tinte = Zeittinte::Schwarz;
    bool ohneNull = false; // the minutes without a leading zero, as "5min"

    QString StundenText() const;
    QString MinutenText() const;
    friend bool operator==(const Rechenzeile&, const Rechenzeile&) = default;
};

// Rows of one computation are 1.5 units apart: the two operands at y + 1.5 and y, the
// sign beside the lower one, the line under it and the result at y - 1.5.
inline constexpr float Zeilenabstand = 1.5f;
enum class Rechenart { Plus, Minus };
struct Rechenzeichen {
    Rechenart art = Rechenart::Plus;
    float basis = 0;
    float y = 0; // the lower operand's row
    friend bool operator==(const Rechenzeichen&, const Rechenzeichen&) = default;
};

// A heading over a computation ("1.Art").
struct Rechentitel {
    QString text;
    float x = 0;
    float y = 0;
    friend bool operator==(const Rechentitel&, const Rechentitel&) = default;
};

// What the written computations and the travel-time label show.
struct Zeitstand {
    std::vector<Rechenzeile> zeilen;
    std::vector<Rechenzeichen> zeichen;
    std::vector<Rechentitel> titel;
    QString fahrzeittext; // under the travel-time arrow: "Fahrzeit ?" or a duration

    // The row at (basis, y), or nullptr.
    const Rechenzeile* Zeile(float basis, float y) const;
    friend bool operator==(const Zeitstand&, const Zeitstand&) = default;
};

// The written computations as a screen reader reads them: block by block from the left,
// a heading before the first block right of it, each block's rows from the top, a row
// with its sign in front ("minus 20h 35min").
QStringList Rechnungstexte(const Zeitstand& stand);

// One straight leg of a borrow or carry label.
struct Zeitstrecke {
    float x = 0; // where the label's right end arrives
    float y = 0;
    QString label; // its text on this leg
    QString satz;  // the explanation from the start of the leg; empty keeps the last one
    std::optional<Zeitstand> halbwegs; // shown from half the leg on
};

// A borrow (one hour up, across as 60min, down into the minutes) or a carry (60min down,
// across as one hour, up into the hours).
struct Zeituebertrag {
    QString satz; // in pink, before the label sets off
    float x = 0;  // where the label sets off
    float y = 0;
    std::array<Zeitstrecke, 3> strecken;
    int pauseNachher = 1000; // ms once the label has gone
};

struct Zeitschritt {
    Zeitstand stand; // from the start of the step (and while a label slides)
    std::optional<Zeituebertrag> uebertrag;
    Zeitstand ende; // once the step is done
    // The step's sentence, shown once any slide is done; empty clears the text.
    QString text;
    Zeittinte farbe = Zeittinte::Schwarz;
};

// The steps of an example whose times and travel time are set.
std::vector<Zeitschritt> Zeitpunktschritte(const TZugaufgabe& beispiel);

// The result sentences name the example's own times, so a test can hold them against
// the rows.
QString FahrzeitSatz(int stunden, int minuten); // "Die Fahrzeit beträgt 07h 45min"

// The "Begriffe" page: four points in time, one each in the hours 1..3, 6..9, 12..15
// and 20..23.
struct Uhrzeit {
    int stunden = 0;
    int minuten = 0;
    friend bool operator==(const Uhrzeit&, const Uhrzeit&) = default;
};
std::array<Uhrzeit, 4> NeueZeitpunkte();
// The duration from von to bis as the page writes it: "2h 5min".
QString Dauertext(Uhrzeit von, Uhrzeit bis);
// The three ways to write a point in time, "^" raising the next digit: "7:05   7.05   7^0^5".
QString Schreibweisen(Uhrzeit zeit);
// The same as a screen reader reads them: "7:05, 7.05, 7 hochgestellt 05".
QString SchreibweisenGelesen(Uhrzeit zeit);

} // namespace kalmiro

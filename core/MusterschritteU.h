#pragma once

#include "core/ZeitaufgabenU.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace kalmiro {

// Worked examples of the four operations as data: what each step writes, says and
// carries. The window only plays them: it moves the label and paints.

inline constexpr int MusterBeispiele = 4;

// The four examples of an operation, example n at carry level n. They are drawn one
// after the other, example 1 first, each as ErzeugeAufgabe draws a task of its level,
// with the summands' hours from 1..23, the factor from 2..5 (example 3 always 5, without
// a draw) and the divisor from 2..11.
std::array<TZeitAufgabe, MusterBeispiele> NeueMusterbeispiele(int art);

// The columns of a time quantity, left to right.
enum class Spalte { Tage, Stunden, Minuten, Sekunden };
int& Wert(Zeitmenge& menge, Spalte spalte);
int Wert(const Zeitmenge& menge, Spalte spalte);
// "d", "h", "min", "s".
QString Einheit(Spalte spalte);

enum class Textfarbe { Schwarz, Rotbraun, Pink, Navy };

// A row of values under the operands.
struct Musterzeile {
    Zeitmenge wert;
    bool sichtbar = false;
    bool mitTagen = false; // the days column is written, also when it is 0

    friend bool operator==(const Musterzeile&, const Musterzeile&) = default;
};

// What the drawing shows under the operands.
struct Musterstand {
    // The column sums, differences, products or quotients.
    Musterzeile spalten;
    // The row the carries, borrows and remainders change: the result row of addition and
    // multiplication, the working copy of the minuend or dividend.
    Musterzeile arbeit;
    // The result is reached: "=" (addition, multiplication), or the second half of the
    // layout (subtraction: the subtrahend again; division: ":" k and a line).
    bool fertig = false;

    friend bool operator==(const Musterstand&, const Musterstand&) = default;
};

// A carry, borrow or remainder: a label slides down from its column, turns into the
// other unit, slides across and up into the target column.
struct Musteruebertrag {
    Spalte von = Spalte::Sekunden;
    Spalte nach = Spalte::Minuten;
    QString abzug;          // the label as it leaves: "60s", "1min", "3h"
    QString zugabe;         // the label once converted: "1min", "60s", "180min"
    QString umwandlung;     // the explanation while it slides across
    QString hinzufuegen;    // the explanation while it slides up
    Musterstand nachAbzug;  // from half way down: the source column dropped
    Musterstand nachZugabe; // from half way up: the target column grown
};

struct Musterschritt {
    QString text; // the explanation at the start; for a carry its first sentence
    Textfarbe farbe = Textfarbe::Schwarz;
    Musterstand stand; // shown from the start of the step
    std::optional<Musteruebertrag> uebertrag;
    Musterstand ende; // shown once the step is done
    // After a carry: the closing sentence, in navy; empty clears the explanation.
    QString schluss;
};

// The steps of an example (1..4) of an operation: example n has n + 1 steps. The values
// are worked out step by step from the operands, never taken from the task's result.
std::vector<Musterschritt> Musterschritte(int art, int beispiel, const TZeitAufgabe& aufgabe);

} // namespace kalmiro

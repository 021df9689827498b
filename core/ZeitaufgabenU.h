#pragma once

#include <QString>
#include <array>

namespace kalmiro {

// Operation codes of UebungArt and MusterArt.
inline constexpr int ArtAddition = 1;
inline constexpr int ArtSubtraktion = 2;
inline constexpr int ArtMultiplikation = 3;
inline constexpr int ArtDivision = 4;

inline constexpr int AufgabenProRunde = 6;

// A time quantity in days, hours, minutes and seconds, as the columns are written.
struct Zeitmenge {
    int Tage = 0;
    int Stunden = 0;
    int Minuten = 0;
    int Sekunden = 0;

    friend bool operator==(const Zeitmenge&, const Zeitmenge&) = default;
};

// One task of an operation exercise. The second operand (addition, subtraction) never
// has days; k is the factor (multiplication) or the divisor (division).
struct TZeitAufgabe {
    int Stufe = 1;
    int Tage1 = 0, Stunden1 = 0, Minuten1 = 0, Sekunden1 = 0;
    int Stunden2 = 0, Minuten2 = 0, Sekunden2 = 0;
    int k = 0;
    int ErgebnisTage = 0, ErgebnisStunden = 0, ErgebnisMinuten = 0, ErgebnisSekunden = 0;
    QString Erwartet; // the expected answer, at most 20 characters

    Zeitmenge Ergebnis() const {
        return {ErgebnisTage, ErgebnisStunden, ErgebnisMinuten, ErgebnisSekunden};
    }
};

// The carry level of a task: 1 (10 %), 2, 3 or 4 (30 % each).
int ZieheStufe();

// A task of the operation (1..4) at the level (1..4), with its result and expected text.
// Codes out of range are taken as the nearest valid one.
TZeitAufgabe ErzeugeAufgabe(int art, int stufe);

// Where a screen draws its operands from other ranges than the exercises do.
struct Ziehbereiche {
    int SummandenStundenBis = 59; // addition: the hours of each summand from 1..this
    int FaktorBis = 6;            // multiplication: k from 2..this
    int Faktor = 0;               // multiplication: this k without a draw, if not 0
    int TeilerBis = 10;           // division: k from 2..this
};
TZeitAufgabe ErzeugeAufgabe(int art, int stufe, const Ziehbereiche& bereiche);

// Column arithmetic as a pupil works it: seconds first, carries, borrows or remainders
// passed from column to column.
Zeitmenge Addiere(int h1, int m1, int s1, int h2, int m2, int s2);
Zeitmenge Subtrahiere(int d1, int h1, int m1, int s1, int h2, int m2, int s2);
Zeitmenge Multipliziere(int d1, int h1, int m1, int s1, int k);
// The quotient's hours are not carried into days. k < 1 gives an empty result.
Zeitmenge Dividiere(int d1, int h1, int m1, int s1, int k);

// Fills in the task's result by its operation and the expected text.
void Berechne(int art, TZeitAufgabe& aufgabe);

// "1d0h5min9s", or "12h0min3s" without days; cut to 20 characters.
QString ErgebnisText(int tage, int stunden, int minuten, int sekunden);

// A task as a screen reader reads it: "5h 55min 50s plus 12h 43min 42s",
// "1d 2h 0min 5s durch 3".
QString Aufgabentext(int art, const TZeitAufgabe& aufgabe);

// Six tasks of a round. In division the first task is always of level 4.
std::array<TZeitAufgabe, AufgabenProRunde> NeueAufgabenreihe(int art);

} // namespace kalmiro

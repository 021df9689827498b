#pragma once

#include "core/UebungsprotokollU.h"

#include <QString>
#include <QStringView>
#include <array>

namespace kalmiro {

// Time units and the unit-conversion task generators.

// The units as they stand after a number, without a blank: 2h 5min.
inline constexpr QStringView EinheitTag = u"d";
inline constexpr QStringView EinheitStunde = u"h";
inline constexpr QStringView EinheitMinute = u"min";
inline constexpr QStringView EinheitSekunde = u"s";

inline constexpr int StundenJeTag = 24;
inline constexpr int MinutenJeStunde = 60;
inline constexpr int SekundenJeMinute = 60;
inline constexpr int SekundenJeStunde = 3600;

// Where a row's entry field stands once its task is set, and how wide it is.
inline constexpr int EingabeLinksPixel = 425;
inline constexpr int EingabeBreite = 150;

// One conversion task, one row of the exercise screen.
struct Umwandlungsaufgabe {
    float AngabeWert = 0;   // given value (plain tasks)
    float LoesungWert = 0;  // expected value (plain tasks)
    int StellenAngabe = 0;  // decimals of AngabeText
    int StellenLoesung = 0; // decimals of LoesungText; 1: the answer needs a comma
    int Zaehler = 0;
    int Nenner = 0;
    QString AngabeText;  // the given quantity as shown
    QString LoesungText; // the exact expected answer
    QString ZaehlerText;
    QString NennerText;
    QString VonEinheit; // empty for a compound quantity such as 2h 5min
    QString NachEinheit;
    bool Offen = false;      // shown with its entry field open
    bool Geloest = false;    // answered right, at the first or second attempt
    bool Aufgedeckt = false; // failed twice, the answer shown
    bool Bruchart = false;   // one of the fraction kinds
    bool BruchAngabe = false;
    bool BruchLoesung = false;
    int EingabeLinks = 0;
};

inline constexpr int AnzahlAufgaben = 5;

// The five tasks of the exercise screen, numbered 1 to 5 as its rows are (0 unused).
inline std::array<Umwandlungsaufgabe, AnzahlAufgaben + 1> Umwandlungsaufgaben;

// Fill task i (1..5) with a new random task; other numbers are ignored.
void AufgabeOhneBrueche(int i);
void AufgabeMitBruechen(int i);
// Clears every field of task i (1..5).
void AufgabeLoeschen(int i);

// A number in fixed point with the given decimals and a decimal comma: 0,3, 5940.
QString Festkomma(double wert, int stellen);

// A pupil's entry as it is compared: trailing zeros after the comma and leading zeros
// dropped (180,0 and 0180 read 180, ,1 reads 0,1); cut to 40 characters.
QString EingabeNormalisiert(QStringView text);

// Whether the entry field of the task takes the character: digits always, a slash for
// a fraction answer, a comma for any other.
bool ZeichenErlaubt(const Umwandlungsaufgabe& aufgabe, QChar zeichen);

// What a task asks, as a screen reader reads it: "2400 min in h", "3h 45min in min".
QString Aufgabentext(const Umwandlungsaufgabe& aufgabe);
// A finished task with the answer its row shows: "2400 min = 40 h".
QString Loesungssatz(const Umwandlungsaufgabe& aufgabe, const QString& antwort);

// Judges a normalised entry against the task by the exercise protocol: Geloest or
// Aufgedeckt are set when the task is finished, and the task's own attempt number goes
// to 2 after a first wrong answer and back to 1 when the task is finished.
Urteil Bewerte(Umwandlungsaufgabe& aufgabe, int& versuch, const QString& eingabe);

} // namespace kalmiro

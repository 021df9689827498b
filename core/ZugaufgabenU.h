#pragma once

#include "core/ZeiteingabeU.h"

#include <QString>
#include <QStringList>
#include <array>

namespace kalmiro {

// The train-journey tasks: a departure and an arrival time of day and the travel time
// between them, one of the three withheld. Kinds 1..3 stay within one day, 4..6 run
// overnight to the following day.
inline constexpr int FahrzeitGesucht = 1;
inline constexpr int AnkunftGesucht = 2;
inline constexpr int AbfahrtGesucht = 3;
inline constexpr int ErsteNachtart = 4;

struct TZugaufgabe {
    int Aufgabenart = FahrzeitGesucht;
    int AbfahrtStunde = 0, AbfahrtMinute = 0;
    int AnkunftStunde = 0, AnkunftMinute = 0;
    int FahrzeitStunden = 0, FahrzeitMinuten = 0;
    QString Ergebnis; // the expected answer, at most 20 characters

    bool UeberNacht() const { return Aufgabenart >= ErsteNachtart; }
    // What is sought: FahrzeitGesucht, AnkunftGesucht or AbfahrtGesucht.
    int Gesucht() const { return (Aufgabenart - 1) % 3 + 1; }
    // The form of the answer: a duration for the travel time, else a time of day.
    Zeitform Form() const {
        return Gesucht() == FahrzeitGesucht ? Zeitform::Zeitdauer : Zeitform::Uhrzeit;
    }
};

// What is given and what is sought, by what is sought: "Geg.: Abfahrt, Ankunft" and
// "Ges.: Fahrzeit" for the travel time.
const QString& GegebenText(int gesucht);
const QString& GesuchtText(int gesucht);

// What is sought as its entry field is named: "Fahrzeit", "Ankunftszeit", "Abfahrtszeit".
const QString& GesuchteZeit(int gesucht);
// The task as a screen reader reads it beside its field: the two given times, what is
// sought and whether the journey runs overnight, as in "Geg.: Abfahrt 7:40, Fahrzeit
// 5h 45min, Ges.: Ankunft, Fahrt an einem Tag".
QString Zugaufgabentext(const TZugaufgabe& a);

// A task of the kind (1..6; others are taken as the nearest): the hours, then the
// minutes of departure and arrival drawn again until they fit, within one day the arrival
// hour more than five above the departure hour, overnight any hours from 3 to 20, the two
// minutes always different; then its travel time and expected answer.
TZugaufgabe ZugaufgabeDerArt(int aufgabenart);

// A whole new task, the kind drawn first: 10 % each within one day, 23, 23 and 24 %
// overnight.
TZugaufgabe NeueZugaufgabe();

// The travel time and the expected answer of a task whose times are set.
void FahrzeitUndErgebnis(TZugaufgabe& a);

// The trains shown beside the tasks. A '#' switches the text between black and red.
struct TZugdaten {
    QString Ueberschrift;
    QString Wert1; // may be empty
    QString Wert2;
    QString Wert3;
};

inline constexpr int AnzahlZuege = 66;

// Row n of the train table, 1..66 like the pictures img01..img66.
const TZugdaten& Zug(int nummer);

// The three speed lines of a train as they are drawn.
std::array<QString, 3> Geschwindigkeitszeilen(const TZugdaten& zug);
// The heading and the three speed lines as they are read, without their colour marks.
QStringList Zugdatentexte(const TZugdaten& zug);

} // namespace kalmiro

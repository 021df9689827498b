#pragma once

#include "core/FlugzieleU.h"
#include "core/ZeiteingabeU.h"

#include <QString>
#include <QStringList>

namespace kalmiro {

// The flight tasks: a flight from Wien with its departure in local time at Wien, its
// flight time and its arrival in local time at the destination; two are given, the
// third is asked.
inline constexpr int FlugzeitGefragt = 1;
inline constexpr int AnkunftGefragt = 2;
inline constexpr int AbflugGefragt = 3;

struct TFlugaufgabe {
    int Ziel = 1;    // record of the destination table, 1..58
    int Tempo = 850; // km/h
    int FlugStunden = 0, FlugMinuten = 0;
    int Aufgabenart = FlugzeitGefragt;
    int AbflugStunde = 0, AbflugMinute = 0;   // local time at Wien
    int AnkunftStunde = 0, AnkunftMinute = 0; // local time at the destination, 0:00..23:59
    QString Zeile1, Zeile2;                   // the given data; '#' switches between black and red
    QString Gesucht;                          // "Flugzeit", "Ankunft" or "Abflug"
    QString Ergebnis;                         // the expected answer, at most 20 characters

    const TFlugziel& Flugziel() const;
    // A duration for the flight time, else a time of day.
    Zeitform Form() const {
        return Aufgabenart == FlugzeitGefragt ? Zeitform::Zeitdauer : Zeitform::Uhrzeit;
    }
};

// A new task, drawn in this order: the destination, the speed, the kind, the departure
// hour (0..22) and minute; then its flight time, arrival, texts and expected answer.
TFlugaufgabe FlugaufgabeZiehen();

// The destination as its label shows it, with its offset from Wien: "New York (–6h)",
// "Kabul (+3h 30min)", "Kinshasa (0h)".
QString Zielbeschriftung(const TFlugziel& ziel);
// The lines beside the map: "Flug von Wien nach New York (USA)", "Flugstrecke: 6801 km".
QString Flugtitel(const TFlugziel& ziel);
QString Flugstrecke(const TFlugziel& ziel);
// "Ges.: Flugzeit" and so on.
QString Gesuchtzeile(const TFlugaufgabe& a);

// Every text the screen shows of a task, in reading order and without colour marks: the
// given lines, what is sought, the flight, its distance and the destination's label.
QStringList Flugtexte(const TFlugaufgabe& a);

} // namespace kalmiro

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <array>

class QDateTime;
class QTime;

namespace kalmiro {

// Zone codes of the time-zone screen and its choice dialog: 0 Greenwich, -1 .. -10 and
// 2 .. 12 the zone's offset from Greenwich in whole hours, and the three below. The home
// zone, +1, is always shown and has no code.
inline constexpr int KeineZone = -15;   // nothing chosen since the screen opened
inline constexpr int AndereZonen = -20; // the zones whose offsets are not whole hours
inline constexpr int OhneZone = -30;    // "Keine Auswahl"
inline constexpr int Heimatzonenstunden = 1;

// The codes of the choice dialog's items, in their order (left column first).
inline constexpr int AnzahlZonenEintraege = 24;
// clang-format off
inline constexpr std::array<int, AnzahlZonenEintraege> ZonenCodes{
    0, -1, -2, -3, -4, -5, -6, -7, -8, -9, -10, AndereZonen,
    2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, OhneZone};
// clang-format on

// The code of item i of the dialog; KeineZone for a number that is no item.
int ZonenCode(int eintrag);
// The item that carries the code; -1 if none does.
int ZonenEintrag(int code);

// A zone of whole hours east or west of Greenwich that gets a clock on the map.
bool IstStundenzone(int code);

// The countries of a chosen zone: a title and its lines. For AndereZonen the lines are
// the nine entries of the other zones, row by row.
struct Zonentexte {
    QString titel;
    QStringList zeilen;
};
// nullptr for a code with nothing to show (KeineZone, OhneZone, the home zone, any code
// outside the table).
const Zonentexte* TexteDerZone(int code);

// The countries of the home zone; the last line differs while the choice dialog is open.
const Zonentexte& TexteDerHeimatzone(bool auswahlOffen);

// The home zone: Central European time with its summer time where the system has zone
// data, else the fixed standard time UTC+1 h. ZoneOderMEZ is the same for any zone name.
QTimeZone ZoneOderMEZ(const QByteArray& name);
const QTimeZone& Heimatzone();

// The time of day at home, and on Greenwich's clock, at an instant given in any zone.
QTime Heimatzeit(const QDateTime& zeitpunkt);
QTime Weltzeit(const QDateTime& zeitpunkt);

} // namespace kalmiro

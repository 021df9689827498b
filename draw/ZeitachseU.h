#pragma once

#include <QColor>
#include <QString>
#include <vector>

class QPainter;

namespace kalmiro {

// Time lines in world units of the module-level mapping (KoordU), from x = -24 to 24.
// One day runs from 0 Uhr at -24 to 24 Uhr at 24, two units an hour; two days put the
// midnight between them at 0, one unit an hour.
enum class Zeitachsenart { EinTag, ZweiTage };

// The x of h:m on the time line; on the two-day line, folgetag puts it after midnight.
float ZeitachseX(Zeitachsenart art, int stunden, int minuten, bool folgetag = false);

// The axis at height a, its ticks every teilung units (those at multiples of haupt major
// and blue), and an hour label under every major tick one unit below the axis, "24 Uhr"
// ending at the right edge.
void DrawZeitachse(QPainter& canvas, Zeitachsenart art, float hoehe, float teilung,
                   float haupt = 6);

// The hour labels of a time line from the left, as DrawZeitachse writes them: centred on
// x, or ending there (the last, "24 Uhr").
struct Achsenlabel {
    QString text;
    float x = 0;
    bool rechtsbuendig = false;
};
std::vector<Achsenlabel> Achsenbeschriftung(Zeitachsenart art, float haupt = 6);
// The time line as a screen reader reads it: "Zeitleiste: 0 Uhr, 6 Uhr, ..., 24 Uhr".
QString Zeitleistentext(Zeitachsenart art, float haupt = 6);

// A time mark for h:m at x on the axis at height a: the clock six units above the axis,
// an arrow in farbe from under the clock down onto the axis, the time above the clock in
// farbe, and the dotted drop line three units below the axis. An empty text writes h:mm;
// a computed result may be written beside the clock's own time. hub lifts the clock, the
// arrow's top and the time further above the axis.
void DrawZeitmarke(QPainter& canvas, float x, float hoehe, int stunden, int minuten,
                   const QColor& farbe, const QString& text = {}, float hub = 0);

// The dotted blue drop line at x from von down to bis.
void DrawLotlinie(QPainter& canvas, float x, float von, float bis);

// The travel time between two marks: a blue double arrow 2.2 units below the axis at
// height a, and its text (none if empty) centred under it.
void DrawFahrzeitpfeil(QPainter& canvas, float hoehe, float x1, float x2, const QString& text);

// Where a mark's time stands above the axis, and the travel time's text below it.
inline constexpr float ZeitmarkeTextAbstand = 9.5f;
inline constexpr float FahrzeitTextTiefe = 2.5f;

// The size of every text of a time line, in points.
inline constexpr int ZeitachseSchrift = 12;

} // namespace kalmiro

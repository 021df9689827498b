#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace kalmiro {

// Typed times read strictly. The lenient helpers of TexteU read "13:" as 13:00 and
// "1:99999999999" as some number; an answer is not judged on such a guess.

// The two forms a typed time takes.
enum class Zeitform {
    Uhrzeit,   // a time of day: hours, ":", minutes, as 9:05
    Zeitdauer, // a duration: hours, "h", minutes, "min", as 7h 05min
};

// The texts as the program writes them: hours without a leading zero, the minutes with
// two digits.
QString Uhrzeittext(int stunden, int minuten);
QString Zeitdauertext(int stunden, int minuten);

// What an entry field for a time takes: the digits, Backspace ('\b') and Enter ('\r');
// for a duration also the blank and h, i, m, n (capitals lowered), for a time of day ":".
// Anything else gives a null QChar.
QChar Zeitzeichen(Zeitform form, QChar c);

// Reads a typed time: the entry cut to 20 characters, split after the first ":" (time of
// day) or "h" (duration). What comes before stays as typed, so 013:25 is not 13:25. Of a
// duration's minutes part the last three characters ("min") are dropped where it has at
// least three. The minutes part must then be a strict number: leading blanks, then 1 to 9
// decimal digits and nothing else. The result is the normalised text (6h20 and 6h 020min
// read 6h 20min, 13:025 reads 13:25), or nothing when the minutes are not a number (13:,
// 6h 20, 6h 20 min, an empty entry).
std::optional<QString> LeseZeiteingabe(QStringView eingabe, Zeitform form);

// What reaches the answer fields of the operation exercises: digits, blank, the unit
// letters d h i m n s (capitals but D lowered), Backspace and Enter; nothing else.
QChar UebungFilter(QChar c);

// An answer of the operation exercises as it is compared: leading zeros dropped as
// FuehrendeNullen does, but a zero that is a whole number ("0h12min3s") stays.
QString OhneFuehrendeNullen(const QString& text);

} // namespace kalmiro

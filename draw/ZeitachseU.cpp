#include "draw/ZeitachseU.h"

#include "core/FarbenU.h"
#include "core/ZeiteingabeU.h"
#include "draw/AnaloguhrU.h"
#include "draw/LinienU.h"
#include "draw/SchriftU.h"

#include <QPainter>
#include <QStringList>
#include <cmath>

namespace kalmiro {
namespace {

const QColor schwarz(0, 0, 0);
const QColor blau(0, 0, 255);

constexpr float Rand = 24.0f;      // the axis runs from -Rand to Rand
constexpr float UhrAbstand = 6.0f; // the clock's centre above the axis
constexpr float UhrRadius = 2.0f;
constexpr int UhrZiffern = 8;
constexpr float PfeilAnfang = 4.0f; // the mark's arrow starts under the clock
constexpr float LotLaenge = 3.0f;
constexpr float PfeilTiefe = 2.2f; // the travel-time arrow under the axis

QString Uhr(int stunden) {
    return QString::number(stunden) + QStringLiteral(" Uhr");
}

} // namespace

float ZeitachseX(Zeitachsenart art, int stunden, int minuten, bool folgetag) {
    if (art == Zeitachsenart::EinTag)
        return static_cast<float>(2 * stunden) - Rand + static_cast<float>(minuten) / 30.0f;
    const float x = static_cast<float>(stunden) - Rand + static_cast<float>(minuten) / 60.0f;
    return folgetag ? x + Rand : x;
}

void DrawZeitachse(QPainter& canvas, Zeitachsenart art, float hoehe, float teilung, float haupt) {
    DrawLine(canvas, 3, schwarz, -Rand, hoehe, Rand, hoehe, 1);
    if (teilung > 0) {
        const int striche = static_cast<int>(std::lround(2 * Rand / teilung));
        for (int i = 0; i <= striche; ++i) {
            const float x = -Rand + static_cast<float>(i) * teilung;
            if (std::fmod(x, haupt) == 0.0f)
                DrawLine(canvas, 3, blau, x, hoehe - 0.5f, x, hoehe + 0.5f, 1);
            else
                DrawLine(canvas, 1, schwarz, x, hoehe - 0.3f, x, hoehe + 0.3f, 1);
        }
    }
    const float y = hoehe - 1;
    for (const Achsenlabel& l : Achsenbeschriftung(art, haupt)) {
        if (l.rechtsbuendig)
            TextRight(canvas, l.text, l.x, y, blau, ZeitachseSchrift, true);
        else
            TextCentre(canvas, l.text, l.x, y, blau, ZeitachseSchrift, true);
    }
}

std::vector<Achsenlabel> Achsenbeschriftung(Zeitachsenart art, float haupt) {
    // Two units an hour on one day, one on two, where midnight between the days is both
    // 24 and 0 Uhr.
    std::vector<Achsenlabel> labels;
    const bool einTag = art == Zeitachsenart::EinTag;
    const int anzahl = haupt > 0 ? static_cast<int>(std::lround(2 * Rand / haupt)) : 0;
    for (int k = 0; k < anzahl; ++k) {
        const float x = -Rand + haupt * static_cast<float>(k);
        const int einheiten = static_cast<int>(std::lround(x + Rand));
        if (!einTag && einheiten == 24)
            labels.push_back({QStringLiteral("24 Uhr = 0 Uhr"), -0.2f, false});
        else
            labels.push_back({Uhr(einTag ? einheiten / 2 : einheiten % 24), x, false});
    }
    labels.push_back({Uhr(24), Rand + 1, true});
    return labels;
}

QString Zeitleistentext(Zeitachsenart art, float haupt) {
    QStringList texte;
    for (const Achsenlabel& l : Achsenbeschriftung(art, haupt))
        texte << l.text;
    return QStringLiteral("Zeitleiste: ") + texte.join(QStringLiteral(", "));
}

void DrawZeitmarke(QPainter& canvas, float x, float hoehe, int stunden, int minuten,
                   const QColor& farbe, const QString& text, float hub) {
    const float uhrY = hoehe + hub + UhrAbstand;
    DrawClockFace(canvas, QColor::fromRgb(fbGrau128), QColor::fromRgb(fbGrau240), UhrZiffern, x,
                  uhrY, UhrRadius);
    DrawClockHandsHM(canvas, QColor::fromRgb(fbGrau53), QColor::fromRgb(fbGrau128), 3, 2, stunden,
                     minuten, x, uhrY, UhrRadius);
    DrawArrowV(canvas, 3, farbe, x, hoehe + hub + PfeilAnfang, hoehe, 'U');
    TextCentre(canvas, text.isEmpty() ? Uhrzeittext(stunden, minuten) : text, x,
               hoehe + hub + ZeitmarkeTextAbstand, farbe, ZeitachseSchrift, true);
    DrawLotlinie(canvas, x, hoehe, hoehe - LotLaenge);
}

void DrawLotlinie(QPainter& canvas, float x, float von, float bis) {
    DrawLine(canvas, 1, blau, x, von, x, bis, 2);
}

void DrawFahrzeitpfeil(QPainter& canvas, float hoehe, float x1, float x2, const QString& text) {
    DrawArrowH(canvas, 3, blau, x1, x2, hoehe - PfeilTiefe, 'B');
    if (!text.isEmpty())
        TextCentre(canvas, text, (x1 + x2) / 2, hoehe - FahrzeitTextTiefe, blau, ZeitachseSchrift,
                   true);
}

} // namespace kalmiro

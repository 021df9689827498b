#include "draw/AnaloguhrU.h"

#include "draw/KoordU.h"
#include "draw/LinienU.h"
#include "draw/Runden.h"
#include "draw/SchriftU.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTime>
#include <cmath>

namespace kalmiro {
namespace {

// The angles as the clocks have always used them: the minute step and the hour step
// held as 32-bit reals, pi for the hands in extended precision.
constexpr float minutenSchritt = 0.10471976f;
constexpr float stundenSchritt = 0.5235988f;
constexpr long double pi = 3.1415926535897932385L;

const QColor schwarz(0, 0, 0);

// The point at angle theta (0 at twelve, clockwise) and distance r from the centre.
void Punkt(float x, float y, long double theta, long double r, float& px, float& py) {
    px = static_cast<float>(x + r * std::sin(theta));
    py = static_cast<float>(y + r * std::cos(theta));
}

// What the two faces differ in, as fractions of the radius unless said otherwise.
struct Zifferblatt {
    float punktAbstand;
    float punktRadius; // world units
    float strichVon, strichBis;
    int strichBreite;
    float zifferAbstand;
    int zifferGroesse;
};

void Zeichne(QPainter& canvas, const Zifferblatt& z, const QColor& blatt, float x, float y,
             float r) {
    DrawCircle(canvas, 1, schwarz, x, y, r, blatt, true);
    for (int i = 0; i < 60; ++i) {
        const long double theta = static_cast<long double>(i) * minutenSchritt;
        float ax = 0, ay = 0;
        if (i % 5 != 0) {
            Punkt(x, y, theta, static_cast<long double>(z.punktAbstand) * r, ax, ay);
            DrawCircle(canvas, 1, schwarz, ax, ay, z.punktRadius, schwarz, true);
        } else {
            float bx = 0, by = 0;
            Punkt(x, y, theta, static_cast<long double>(z.strichVon) * r, ax, ay);
            Punkt(x, y, theta, static_cast<long double>(z.strichBis) * r, bx, by);
            DrawLine(canvas, z.strichBreite, schwarz, ax, ay, bx, by, 1);
        }
    }

    // Each numeral centred on its point: half its size in world units back from it.
    const QFont schrift = Arial(z.zifferGroesse, true);
    const QFontMetrics masse(schrift, canvas.device());
    const Weltabbildung& a = Abbildung();
    if (a.unitx == 0 || a.unity == 0) return;
    for (int q = 1; q <= 12; ++q) {
        const QString ziffer = QString::number(q);
        const float w = static_cast<float>(masse.horizontalAdvance(ziffer)) / 2.0f /
                        static_cast<float>(a.unitx);
        const float h = static_cast<float>(masse.height()) / 2.0f / static_cast<float>(a.unity);
        float zx = 0, zy = 0;
        Punkt(x, y, static_cast<long double>(q) * stundenSchritt,
              static_cast<long double>(z.zifferAbstand) * r, zx, zy);
        TextLeft(canvas, ziffer, zx - w, zy + h, schwarz, z.zifferGroesse, true);
    }
}

void Zeiger(QPainter& canvas, const QColor& farbe, int breite, long double winkel, float laenge,
            float x, float y) {
    float ex = 0, ey = 0;
    Punkt(x, y, winkel, laenge, ex, ey);
    DrawLine(canvas, breite, farbe, x, y, ex, ey, 1);
}

// Hour and minute hands for any count of hours and minutes, negative or past a day:
// the angles simply go round again.
void StundeUndMinute(QPainter& canvas, const QColor& stunde, const QColor& minute, int breiteStunde,
                     int breiteMinute, long double h, long double m, long double minutenWinkel,
                     float x, float y, float r) {
    Zeiger(canvas, stunde, breiteStunde, (h + m / 60) * pi / 6, 0.6f * r, x, y);
    Zeiger(canvas, minute, breiteMinute, minutenWinkel, 0.85f * r, x, y);
}

void Mittelpunkt(QPainter& canvas, float x, float y, float radius) {
    DrawCircle(canvas, 1, schwarz, x, y, radius, schwarz, true);
}

// Hours, minutes and seconds of a time of day; a time that is not one shows midnight.
struct Zeitteile {
    long long h = 0, m = 0, s = 0;
};

Zeitteile Teile(const QTime& zeit) {
    if (!zeit.isValid()) return {};
    return {zeit.hour(), zeit.minute(), zeit.second()};
}

void DreiZeiger(QPainter& canvas, const QColor& stunde, const QColor& minute, const QColor& sekunde,
                int breiteStunde, int breiteMinute, int breiteSekunde, const Zeitteile& t, float x,
                float y, float r) {
    const long double h = static_cast<long double>(t.h);
    const long double m = static_cast<long double>(t.m);
    const long double s = static_cast<long double>(t.s);
    StundeUndMinute(canvas, stunde, minute, breiteStunde, breiteMinute, h, m,
                    (m + s / 60) * pi / 30, x, y, r);
    Zeiger(canvas, sekunde, breiteSekunde, s * pi / 30, 0.92f * r, x, y);
}

} // namespace

void DrawClockFace(QPainter& canvas, const QColor& rand, const QColor& ziffernblatt,
                   int ziffernGroesse, float x, float y, float r) {
    DrawCircle(canvas, 1, schwarz, x, y, 1.07f * r, rand, true);
    Zeichne(canvas, {0.9f, 0.06f, 0.95f, 0.8f, 1, 0.65f, ziffernGroesse}, ziffernblatt, x, y, r);
}

void DrawClockFaceBitmap(QPainter& canvas, const QColor& ziffernblatt, const QImage& muster,
                         float x, float y, float r) {
    DrawBitmapCircle(canvas, muster, x, y, 1.07f * r);
    Zeichne(canvas, {0.95f, 0.08f, 0.95f, 0.85f, 2, 0.75f, Round(3.0 * r)}, ziffernblatt, x, y, r);
}

void DrawClockHands(QPainter& canvas, const QColor& stunde, const QColor& minute,
                    const QColor& sekunde, int breiteStunde, int breiteMinute, int breiteSekunde,
                    const QTime& zeit, float x, float y, float r) {
    DreiZeiger(canvas, stunde, minute, sekunde, breiteStunde, breiteMinute, breiteSekunde,
               Teile(zeit), x, y, r);
    Mittelpunkt(canvas, x, y, 0.4f);
}

void DrawClockHandsHM(QPainter& canvas, const QColor& stunde, const QColor& minute,
                      int breiteStunde, int breiteMinute, int stunden, int minuten, float x,
                      float y, float r) {
    const long double m = minuten;
    StundeUndMinute(canvas, stunde, minute, breiteStunde, breiteMinute, stunden, m, m * pi / 30, x,
                    y, r);
    Mittelpunkt(canvas, x, y, 0.2f);
}

void DrawClockHandsShifted(QPainter& canvas, const QColor& stunde, const QColor& minute,
                           const QColor& sekunde, int breiteStunde, int breiteMinute,
                           int breiteSekunde, const QTime& zeit, int verschiebungStunden,
                           int verschiebungMinuten, float x, float y, float r) {
    // In 64 bits, so no shift however large overflows.
    Zeitteile t = Teile(zeit);
    t.h += verschiebungStunden;
    t.m += verschiebungMinuten;
    DreiZeiger(canvas, stunde, minute, sekunde, breiteStunde, breiteMinute, breiteSekunde, t, x, y,
               r);
    Mittelpunkt(canvas, x, y, 0.2f);
}

} // namespace kalmiro

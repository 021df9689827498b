#include "draw/SchriftSysU.h"

#include "draw/KoordSysU.h"
#include "draw/LinienSysU.h"
#include "draw/SchriftU.h"
#include "draw/Zeichenausgabe.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>
#include <utility>

namespace kalmiro {
namespace {

// Where the Symbol font's letters and signs lie in Unicode, by their code in that font.
// Codes not listed show the character itself (digits, brackets, most punctuation).
constexpr std::pair<char16_t, char16_t> symbolCodes[] = {
    {0x22, 0x2200}, {0x24, 0x2203}, {0x27, 0x220B}, {0x2A, 0x2217}, {0x2D, 0x2212}, {0x40, 0x2245},
    {0x41, 0x0391}, {0x42, 0x0392}, {0x43, 0x03A7}, {0x44, 0x0394}, {0x45, 0x0395}, {0x46, 0x03A6},
    {0x47, 0x0393}, {0x48, 0x0397}, {0x49, 0x0399}, {0x4A, 0x03D1}, {0x4B, 0x039A}, {0x4C, 0x039B},
    {0x4D, 0x039C}, {0x4E, 0x039D}, {0x4F, 0x039F}, {0x50, 0x03A0}, {0x51, 0x0398}, {0x52, 0x03A1},
    {0x53, 0x03A3}, {0x54, 0x03A4}, {0x55, 0x03A5}, {0x56, 0x03C2}, {0x57, 0x03A9}, {0x58, 0x039E},
    {0x59, 0x03A8}, {0x5A, 0x0396}, {0x5C, 0x2234}, {0x5E, 0x22A5}, {0x60, 0x203E}, {0x61, 0x03B1},
    {0x62, 0x03B2}, {0x63, 0x03C7}, {0x64, 0x03B4}, {0x65, 0x03B5}, {0x66, 0x03C6}, {0x67, 0x03B3},
    {0x68, 0x03B7}, {0x69, 0x03B9}, {0x6A, 0x03D5}, {0x6B, 0x03BA}, {0x6C, 0x03BB}, {0x6D, 0x03BC},
    {0x6E, 0x03BD}, {0x6F, 0x03BF}, {0x70, 0x03C0}, {0x71, 0x03B8}, {0x72, 0x03C1}, {0x73, 0x03C3},
    {0x74, 0x03C4}, {0x75, 0x03C5}, {0x76, 0x03D6}, {0x77, 0x03C9}, {0x78, 0x03BE}, {0x79, 0x03C8},
    {0x7A, 0x03B6}, {0x7E, 0x223C}, {0xA1, 0x03D2}, {0xA2, 0x2032}, {0xA3, 0x2264}, {0xA4, 0x2044},
    {0xA5, 0x221E}, {0xA6, 0x0192}, {0xA7, 0x2663}, {0xA8, 0x2666}, {0xA9, 0x2665}, {0xAA, 0x2660},
    {0xAB, 0x2194}, {0xAC, 0x2190}, {0xAD, 0x2191}, {0xAE, 0x2192}, {0xAF, 0x2193}, {0xB2, 0x2033},
    {0xB3, 0x2265}, {0xB4, 0x00D7}, {0xB5, 0x221D}, {0xB6, 0x2202}, {0xB7, 0x2022}, {0xB8, 0x00F7},
    {0xB9, 0x2260}, {0xBA, 0x2261}, {0xBB, 0x2248}, {0xBC, 0x2026}, {0xBF, 0x21B5}, {0xC0, 0x2135},
    {0xC1, 0x2111}, {0xC2, 0x211C}, {0xC3, 0x2118}, {0xC4, 0x2297}, {0xC5, 0x2295}, {0xC6, 0x2205},
    {0xC7, 0x2229}, {0xC8, 0x222A}, {0xC9, 0x2283}, {0xCA, 0x2287}, {0xCB, 0x2284}, {0xCC, 0x2282},
    {0xCD, 0x2286}, {0xCE, 0x2208}, {0xCF, 0x2209}, {0xD0, 0x2220}, {0xD1, 0x2207}, {0xD2, 0x00AE},
    {0xD3, 0x00A9}, {0xD4, 0x2122}, {0xD5, 0x220F}, {0xD6, 0x221A}, {0xD7, 0x22C5}, {0xD8, 0x00AC},
    {0xD9, 0x2227}, {0xDA, 0x2228}, {0xDB, 0x21D4}, {0xDC, 0x21D0}, {0xDD, 0x21D1}, {0xDE, 0x21D2},
    {0xDF, 0x21D3}, {0xE0, 0x25CA}, {0xE1, 0x2329}, {0xE2, 0x00AE}, {0xE3, 0x00A9}, {0xE4, 0x2122},
    {0xE5, 0x2211}, {0xF1, 0x232A}, {0xF2, 0x222B}, {0xF3, 0x2320}, {0xF5, 0x2321},
};

constexpr std::array<char16_t, 256> SymbolTabelle() {
    std::array<char16_t, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[i] = static_cast<char16_t>(i);
    for (const auto& [code, unicode] : symbolCodes)
        t[code] = unicode;
    return t;
}
constexpr std::array<char16_t, 256> symbolTabelle = SymbolTabelle();

// The colour markers and their colours, in the order of the markup palette.
constexpr std::array<char16_t, 6> farbMarker{u'#', u'_', u'~', u'$', u'\u00A7', u'&'};
constexpr std::array<QRgb, 6> standardMarkerFarben{0xFFFF0066u, 0xFF669933u, 0xFF6633FFu,
                                                   0xFF990099u, 0xFF996633u, 0xFFFF6600u};
constexpr QRgb standardBasis = 0xFF000000u;

// Set before the screen's first activation too, so no marker ever toggles to nothing.
std::array<QRgb, 6> markerFarben = standardMarkerFarben;
QRgb basisFarbe = standardBasis;

enum class Modus { Normal, Hoch, Tief, Symbol };

struct Lauf {
    bool zeichnen = false;
    QColor basis;
    bool fett = true;
    bool vierVersetzt = false; // a raised 4 one pixel further right, as SysDrawText has it
};

// Measures the text and, when drawing, draws it from (x, y); returns the width.
int SysMarkiert(QPainter& canvas, const Lauf& lauf, const QString& text, int x, int y,
                int groesse) {
    const int s = KleineGroesse(groesse);
    const Schriftschnitt normal(Arial(groesse, lauf.fett), canvas);
    const Schriftschnitt klein(Arial(s, lauf.fett), canvas);
    const Schriftschnitt symbol(Arial(groesse + 2, lauf.fett), canvas);
    Zeichenausgabe ausgabe(canvas);
    ausgabe.Schrift(normal);
    QColor farbe = lauf.basis;
    if (lauf.zeichnen) ausgabe.Farbe(farbe);

    Modus modus = Modus::Normal;
    int c = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = ZeichenLaenge(text, i);
        const QChar z = text[i];
        const auto marker = std::find(farbMarker.begin(), farbMarker.end(), z.unicode());
        if (z == u'^') {
            modus = Modus::Hoch;
        } else if (z == u'\\') {
            modus = Modus::Tief;
        } else if (z == u'@') {
            modus = Modus::Symbol;
        } else if (marker != farbMarker.end()) {
            // Any marker ends a coloured run, whichever marker began it.
            farbe = farbe == lauf.basis
                        ? QColor::fromRgb(markerFarben[std::size_t(marker - farbMarker.begin())])
                        : lauf.basis;
            if (lauf.zeichnen) ausgabe.Farbe(farbe);
        } else if (modus == Modus::Symbol) {
            const QString griechisch = n == 1 ? QString(SymbolNachUnicode(z)) : text.mid(i, n);
            const int hub = z == u'p' ? 4 : 2;
            if (lauf.zeichnen) ausgabe.Zeichne(symbol, x + c, y - hub, griechisch, 0, n);
            c += symbol.Breite(griechisch, 0, n);
            modus = Modus::Normal;
        } else {
            const Schriftschnitt& schnitt = modus == Modus::Normal ? normal : klein;
            const int hub = modus == Modus::Hoch ? -(s / 2) : modus == Modus::Tief ? s : 0;
            const int versatz = modus == Modus::Hoch && lauf.vierVersetzt && z == u'4' ? 1 : 0;
            if (lauf.zeichnen) ausgabe.Zeichne(schnitt, x + c + versatz, y + hub, text, i, n);
            c += schnitt.Breite(text, i, n) + versatz;
            modus = Modus::Normal;
        }
        i += n;
    }
    ausgabe.Schrift(normal);
    return c;
}

// Pixels per world unit of KSys, 0 while there is none to place text on.
int EinheitX() {
    return KSys ? KSys->Werte().unitx : 0;
}

// SysText and SysTextC: the text aligned at a world point of KSys.
float Ausgerichtet(QPainter& canvas, const QString& text, int groesse, float x, float y,
                   const Lauf& lauf, char horizontal, char vertikal) {
    const int unitx = EinheitX();
    if (unitx == 0) return 0;
    const float ux = static_cast<float>(unitx);
    const QFont schrift = Arial(groesse, true);
    if (canvas.isActive()) canvas.setFont(schrift);
    const float h = static_cast<float>(QFontMetrics(schrift, canvas.device()).height()) / ux;
    const int w = SysTextWidth(canvas, text, groesse);

    float oben = y;
    if (vertikal == 'M')
        oben = y + h / 2;
    else if (vertikal == 'U')
        oben = y + h;
    int px = 0, py = 0;
    KSys->ToPixel(x, oben, px, py);

    float weite = static_cast<float>(w) / ux;
    if (horizontal == 'M') {
        px -= w / 2;
        weite = static_cast<float>(w) / (2 * ux);
    } else if (horizontal == 'R') {
        px -= w;
        weite = 0;
    }
    SysMarkiert(canvas, lauf, text, px, py, groesse);
    return weite;
}

Lauf Schwarz() {
    return {true, QColor::fromRgb(basisFarbe), true, true};
}

// The wider of numerator and denominator, in world units.
float Bruchbreite(QPainter& canvas, const QString& zaehler, const QString& nenner, int groesse) {
    const int w =
        std::max(SysTextWidth(canvas, zaehler, groesse), SysTextWidth(canvas, nenner, groesse));
    return static_cast<float>(w) / static_cast<float>(EinheitX());
}

// The width of a fraction with its 3-pixel gap; 'M' counts from its middle.
float Bruchweite(float w, char code) {
    const float luecke = 3.0f / static_cast<float>(EinheitX());
    return code == 'M' ? luecke + w / 2 : luecke + w;
}

} // namespace

QChar SymbolNachUnicode(QChar zeichen) {
    const char16_t u = zeichen.unicode();
    return u < symbolTabelle.size() ? QChar(symbolTabelle[u]) : zeichen;
}

void InitMarkupPalette() {
    basisFarbe = standardBasis;
    markerFarben = standardMarkerFarben;
}

int SysTextWidth(QPainter& canvas, const QString& text, int groesse) {
    return SysMarkiert(canvas, Lauf{false, QColor(), true, false}, text, 0, 0, groesse);
}

float SysTextWidthW(QPainter& canvas, const QString& text, int groesse) {
    const int unitx = EinheitX();
    if (unitx == 0) return 0;
    return static_cast<float>(SysTextWidth(canvas, text, groesse)) / static_cast<float>(unitx);
}

void SysDrawText(QPainter& canvas, const QString& text, int x, int y, int groesse) {
    SysMarkiert(canvas, Schwarz(), text, x, y, groesse);
}

void SysDrawTextC(QPainter& canvas, const QString& text, int x, int y, const QColor& farbe,
                  int groesse, bool fett) {
    SysMarkiert(canvas, Lauf{true, farbe, fett, false}, text, x, y, groesse);
}

float SysText(QPainter& canvas, const QString& text, int groesse, float x, float y, char horizontal,
              char vertikal) {
    return Ausgerichtet(canvas, text, groesse, x, y, Schwarz(), horizontal, vertikal);
}

float SysTextC(QPainter& canvas, const QString& text, int groesse, float x, float y,
               const QColor& farbe, char horizontal, char vertikal) {
    return Ausgerichtet(canvas, text, groesse, x, y, Lauf{true, farbe, true, false}, horizontal,
                        vertikal);
}

float SysFractionWidth(QPainter& canvas, const QString& zaehler, const QString& nenner, int groesse,
                       char code) {
    if (EinheitX() == 0) return 0;
    return Bruchweite(Bruchbreite(canvas, zaehler, nenner, groesse), code);
}

float SysFraction(QPainter& canvas, const QString& zaehler, const QString& nenner, float x, float y,
                  int groesse, const QColor& farbe, char code) {
    if (EinheitX() == 0) return 0;
    const float w = Bruchbreite(canvas, zaehler, nenner, groesse);
    // Centred on x for 'M', otherwise starting at x.
    const bool mittig = code == 'M';
    const float mitte = mittig ? x : x + w / 2;
    SysTextC(canvas, zaehler, groesse, mitte, y, farbe, 'M', 'U');
    SysLine(canvas, 3, farbe, mittig ? x - w / 2 : x, y, mittig ? x + w / 2 : x + w, y, 1);
    SysTextC(canvas, nenner, groesse, mitte, y, farbe, 'M', 'O');
    return Bruchweite(w, code);
}

float SysMixedWidth(QPainter& canvas, const QString& ganz, const QString& zaehler,
                    const QString& nenner, int groesse) {
    return SysTextWidthW(canvas, ganz + u' ', groesse) +
           SysFractionWidth(canvas, zaehler, nenner, groesse, 'L');
}

float SysMixed(QPainter& canvas, const QString& ganz, const QString& zaehler, const QString& nenner,
               float x, float y, int groesse, const QColor& farbe) {
    const float w = SysText(canvas, ganz + u' ', groesse, x, y, 'L', 'M');
    return w + SysFraction(canvas, zaehler, nenner, x + w, y, groesse, farbe, 'L');
}

float SysFractionUnitWidth(QPainter& canvas, const QString& zaehler, const QString& nenner,
                           int groesse, const QString& einheit) {
    return SysFractionWidth(canvas, zaehler, nenner, groesse, 'L') +
           SysTextWidthW(canvas, u' ' + einheit, groesse);
}

float SysFractionUnit(QPainter& canvas, const QString& zaehler, const QString& nenner, float x,
                      float y, int groesse, const QColor& farbe, const QString& einheit) {
    const float w = SysFraction(canvas, zaehler, nenner, x, y, groesse, farbe, 'L');
    return w + SysText(canvas, u' ' + einheit, groesse, x + w, y, 'L', 'M');
}

} // namespace kalmiro

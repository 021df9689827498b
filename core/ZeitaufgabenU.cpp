#include "core/ZeitaufgabenU.h"

#include "core/TexteU.h"
#include "core/ZufallU.h"

#include <algorithm>
#include <utility>

namespace kalmiro {
namespace {

// A draw from a..b.
int Zieh(int a, int b) {
    return a + Random(b - a + 1);
}

// Every condition below is met by some value of its range, so drawing again ends with
// a real generator. A source that keeps missing (a scripted one, say) must still not
// hang the screen: after this many misses the first value that fits is taken.
constexpr int Fehlversuche = 1000;

template <class Bedingung> int ZiehBis(int a, int b, Bedingung passt) {
    for (int n = 0; n < Fehlversuche; ++n) {
        const int w = Zieh(a, b);
        if (passt(w)) return w;
    }
    for (int w = a; w <= b; ++w)
        if (passt(w)) return w;
    return a;
}

// A pair of one unit (first and second operand) is drawn again as a whole.
template <class Bedingung> std::pair<int, int> ZiehPaarBis(int a, int b, Bedingung passt) {
    for (int n = 0; n < Fehlversuche; ++n) {
        const int x = Zieh(a, b);
        const int y = Zieh(a, b);
        if (passt(x, y)) return {x, y};
    }
    for (int x = a; x <= b; ++x)
        for (int y = a; y <= b; ++y)
            if (passt(x, y)) return {x, y};
    return {a, a};
}

void Addition(TZeitAufgabe& a, const Ziehbereiche& b) {
    const int stufe = a.Stufe;
    std::tie(a.Stunden1, a.Stunden2) = ZiehPaarBis(1, b.SummandenStundenBis, [stufe](int x, int y) {
        const int s = x + y;
        switch (stufe) {
        case 1:
        case 2:
            return s <= 23;
        case 3:
            return s <= 22;
        default:
            return s >= 23 && s <= 29;
        }
    });
    std::tie(a.Minuten1, a.Minuten2) = ZiehPaarBis(1, 59, [stufe](int x, int y) {
        const int s = x + y;
        switch (stufe) {
        case 1:
            return s <= 59;
        case 2:
            return s <= 58;
        default:
            return s >= 62;
        }
    });
    std::tie(a.Sekunden1, a.Sekunden2) = ZiehPaarBis(
        1, 59, [stufe](int x, int y) { return stufe == 1 ? x + y <= 59 : x + y >= 62; });
}

// How the minuend's unit must compare with the subtrahend's.
enum class Vergleich { MindestensGleich, Groesser, Kleiner };

bool Erfuellt(Vergleich v, int x, int y) {
    switch (v) {
    case Vergleich::MindestensGleich:
        return x >= y;
    case Vergleich::Groesser:
        return x > y;
    case Vergleich::Kleiner:
        return x < y;
    }
    return false;
}

void Subtraktion(TZeitAufgabe& a) {
    using V = Vergleich;
    // Hours, minutes, seconds of levels 1 to 4.
    static constexpr V regeln[4][3] = {
        {V::MindestensGleich, V::MindestensGleich, V::MindestensGleich},
        {V::Groesser, V::Groesser, V::Kleiner},
        {V::Groesser, V::Kleiner, V::Kleiner},
        {V::Kleiner, V::Kleiner, V::Kleiner},
    };
    const V* r = regeln[a.Stufe - 1];
    std::tie(a.Stunden1, a.Stunden2) =
        ZiehPaarBis(1, 23, [v = r[0]](int x, int y) { return Erfuellt(v, x, y); });
    std::tie(a.Minuten1, a.Minuten2) =
        ZiehPaarBis(1, 59, [v = r[1]](int x, int y) { return Erfuellt(v, x, y); });
    std::tie(a.Sekunden1, a.Sekunden2) =
        ZiehPaarBis(1, 59, [v = r[2]](int x, int y) { return Erfuellt(v, x, y); });
    a.Tage1 = a.Stufe == 4 ? 1 : 0;
}

void Multiplikation(TZeitAufgabe& a, const Ziehbereiche& b) {
    const int k = a.k = b.Faktor != 0 ? b.Faktor : Zieh(2, b.FaktorBis);
    if (a.Stufe == 1) {
        a.Stunden1 = ZiehBis(1, 23, [k](int h) { return h * k <= 23; });
        a.Minuten1 = ZiehBis(1, 59, [k](int m) { return m * k <= 59; });
        a.Sekunden1 = ZiehBis(1, 59, [k](int s) { return s * k <= 59; });
        return;
    }
    a.Sekunden1 = ZiehBis(1, 59, [k](int s) { return s * k >= 61; });
    if (a.Stufe == 2) {
        const int c = a.Sekunden1 * k / 60;
        a.Minuten1 = ZiehBis(1, 59, [k, c](int m) { return m * k <= 59 - c; });
        a.Stunden1 = ZiehBis(1, 23, [k](int h) { return h * k <= 23; });
        return;
    }
    a.Minuten1 = ZiehBis(1, 59, [k](int m) { return m * k >= 61; });
    if (a.Stufe == 3) {
        // One hour more may come from the seconds' carry pushing the minutes on.
        const int c = a.Minuten1 * k / 60;
        a.Stunden1 = ZiehBis(1, 23, [k, c](int h) { return h * k <= 22 - c; });
    } else {
        a.Stunden1 = ZiehBis(1, 23, [k](int h) { return h * k >= 25; });
    }
}

void Division(TZeitAufgabe& a, const Ziehbereiche& b) {
    const int k = a.k = Zieh(2, b.TeilerBis);
    const auto stundenMitRest = [k] {
        return ZiehBis(1, 24, [k](int h) { return h % k != 0 && h > k; });
    };
    switch (a.Stufe) {
    case 1:
        a.Stunden1 = k * Zieh(1, 23);
        a.Minuten1 = k * Zieh(1, 59);
        a.Sekunden1 = k * Zieh(1, 59);
        break;
    case 2: {
        const int h = a.Stunden1 = stundenMitRest();
        a.Minuten1 = ZiehBis(1, 59, [k, h](int m) { return (60 * (h % k) + m) % k == 0; });
        a.Sekunden1 = k * Zieh(1, 59);
        break;
    }
    case 3: {
        const int h = a.Stunden1 = stundenMitRest();
        // Not a multiple of k, and a remainder must also pass on into the seconds: for
        // k = 7, 8 or 9 the hours' remainder can make such minutes come out even.
        const int m = a.Minuten1 =
            ZiehBis(1, 59, [k, h](int w) { return w % k != 0 && (60 * (h % k) + w) % k != 0; });
        a.Sekunden1 = ZiehBis(1, 59, [k, h, m](int s) { return (3600 * h + 60 * m + s) % k == 0; });
        break;
    }
    default: {
        const int d = a.Tage1 = ZiehBis(1, 12, [k](int w) { return w % k != 0 && w > k; });
        const int h = a.Stunden1 = Zieh(1, 24);
        const int m = a.Minuten1 = Zieh(1, 59);
        a.Sekunden1 = ZiehBis(
            1, 59, [k, d, h, m](int s) { return (86400 * d + 3600 * h + 60 * m + s) % k == 0; });
        break;
    }
    }
}

} // namespace

int ZieheStufe() {
    const int r = Zieh(1, 100);
    if (r <= 10) return 1;
    if (r <= 40) return 2;
    if (r <= 70) return 3;
    return 4;
}

Zeitmenge Addiere(int h1, int m1, int s1, int h2, int m2, int s2) {
    Zeitmenge e;
    const int s = s1 + s2;
    e.Sekunden = s % 60;
    const int m = m1 + m2 + s / 60;
    e.Minuten = m % 60;
    const int h = h1 + h2 + m / 60;
    e.Stunden = h % 24;
    e.Tage = h / 24;
    return e;
}

Zeitmenge Subtrahiere(int d1, int h1, int m1, int s1, int h2, int m2, int s2) {
    if (s1 < s2) {
        s1 += 60;
        --m1;
    }
    if (m1 < m2) {
        m1 += 60;
        --h1;
    }
    if (h1 < h2) {
        h1 += 24;
        --d1;
    }
    return {d1, h1 - h2, m1 - m2, s1 - s2};
}

Zeitmenge Multipliziere(int d1, int h1, int m1, int s1, int k) {
    Zeitmenge e;
    const int s = s1 * k;
    e.Sekunden = s % 60;
    const int m = m1 * k + s / 60;
    e.Minuten = m % 60;
    const int h = h1 * k + m / 60;
    e.Stunden = h % 24;
    e.Tage = d1 * k + h / 24;
    return e;
}

Zeitmenge Dividiere(int d1, int h1, int m1, int s1, int k) {
    if (k < 1) return {};
    Zeitmenge e;
    e.Tage = d1 / k;
    const int h = h1 + 24 * (d1 % k);
    e.Stunden = h / k;
    const int m = m1 + 60 * (h % k);
    e.Minuten = m / k;
    const int s = s1 + 60 * (m % k);
    e.Sekunden = s / k;
    return e;
}

QString ErgebnisText(int tage, int stunden, int minuten, int sekunden) {
    QString text;
    if (tage != 0) text = QString::number(tage) + u'd';
    text += QString::number(stunden) + u'h' + QString::number(minuten) + QStringLiteral("min") +
            QString::number(sekunden) + u's';
    return text.left(KurzText20);
}

void Berechne(int art, TZeitAufgabe& a) {
    Zeitmenge e;
    switch (std::clamp(art, ArtAddition, ArtDivision)) {
    case ArtAddition:
        e = Addiere(a.Stunden1, a.Minuten1, a.Sekunden1, a.Stunden2, a.Minuten2, a.Sekunden2);
        break;
    case ArtSubtraktion:
        e = Subtrahiere(a.Tage1, a.Stunden1, a.Minuten1, a.Sekunden1, a.Stunden2, a.Minuten2,
                        a.Sekunden2);
        break;
    case ArtMultiplikation:
        e = Multipliziere(a.Tage1, a.Stunden1, a.Minuten1, a.Sekunden1, a.k);
        break;
    default:
        e = Dividiere(a.Tage1, a.Stunden1, a.Minuten1, a.Sekunden1, a.k);
        break;
    }
    a.ErgebnisTage = e.Tage;
    a.ErgebnisStunden = e.Stunden;
    a.ErgebnisMinuten = e.Minuten;
    a.ErgebnisSekunden = e.Sekunden;
    a.Erwartet = ErgebnisText(e.Tage, e.Stunden, e.Minuten, e.Sekunden);
}

TZeitAufgabe ErzeugeAufgabe(int art, int stufe) {
    return ErzeugeAufgabe(art, stufe, {});
}

TZeitAufgabe ErzeugeAufgabe(int art, int stufe, const Ziehbereiche& bereiche) {
    art = std::clamp(art, ArtAddition, ArtDivision);
    TZeitAufgabe a;
    a.Stufe = std::clamp(stufe, 1, 4);
    switch (art) {
    case ArtAddition:
        Addition(a, bereiche);
        break;
    case ArtSubtraktion:
        Subtraktion(a);
        break;
    case ArtMultiplikation:
        Multiplikation(a, bereiche);
        break;
    default:
        Division(a, bereiche);
        break;
    }
    Berechne(art, a);
    return a;
}

std::array<TZeitAufgabe, AufgabenProRunde> NeueAufgabenreihe(int art) {
    std::array<TZeitAufgabe, AufgabenProRunde> reihe;
    for (int i = 0; i < AufgabenProRunde; ++i) {
        // A division round opens with a dividend that has days.
        const int stufe = (art == ArtDivision && i == 0) ? 4 : ZieheStufe();
        reihe[static_cast<std::size_t>(i)] = ErzeugeAufgabe(art, stufe);
    }
    return reihe;
}

QString Aufgabentext(int art, const TZeitAufgabe& a) {
    const QString erste =
        EinheitenLeerzeichen(ErgebnisText(a.Tage1, a.Stunden1, a.Minuten1, a.Sekunden1));
    const QString zweite =
        EinheitenLeerzeichen(ErgebnisText(0, a.Stunden2, a.Minuten2, a.Sekunden2));
    switch (std::clamp(art, ArtAddition, ArtDivision)) {
    case ArtAddition:
        return erste + QStringLiteral(" plus ") + zweite;
    case ArtSubtraktion:
        return erste + QStringLiteral(" minus ") + zweite;
    case ArtMultiplikation:
        return erste + QStringLiteral(" mal ") + QString::number(a.k);
    default:
        return erste + QStringLiteral(" durch ") + QString::number(a.k);
    }
}

} // namespace kalmiro

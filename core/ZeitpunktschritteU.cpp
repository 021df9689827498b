#include "core/ZeitpunktschritteU.h"

#include "core/TexteU.h"
#include "core/ZeiteingabeU.h"
#include "core/ZufallU.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>

namespace kalmiro {

int Schrittzahl(int aufgabenart) {
    static constexpr std::array<int, ZeitBeispiele> zahl{4, 4, 4, 8, 5, 8};
    return zahl[static_cast<std::size_t>(std::clamp(aufgabenart, 1, ZeitBeispiele) - 1)];
}

TZugaufgabe NeuesZeitbeispiel(int aufgabenart) {
    return ZugaufgabeDerArt(aufgabenart);
}

Farbe Tintenfarbe(Zeittinte tinte) {
    switch (tinte) {
    case Zeittinte::Schwarz:
        return Rgb(0, 0, 0);
    case Zeittinte::Rotbraun:
        return Rgb(128, 0, 0);
    case Zeittinte::Pink:
        return fbPink;
    case Zeittinte::Blau:
        return Rgb(0, 0, 255);
    case Zeittinte::Orange:
        return fbOrange;
    case Zeittinte::Dunkelgruen:
        return fbDunkelgruen;
    case Zeittinte::Braun:
        break;
    }
    return fbBraun;
}

QString Rechenzeile::StundenText() const {
    return QString::number(stunden) + u'h';
}

QString Rechenzeile::MinutenText() const {
    return (ohneNull ? QString::number(minuten) : ZweiStellig(minuten)) + QStringLiteral("min");
}

namespace {

bool Gleich(float a, float b) {
    return std::abs(a - b) < 1e-4f;
}

const QString Frage = QStringLiteral("Fahrzeit ?");

// Collects the steps of an example while the rows are carried along.
class Ablauf {
public:
    std::vector<Zeitschritt> schritte;
    Zeitstand stand;

    Rechenzeile& Zeile(float basis, float y) {
        auto z = std::find_if(stand.zeilen.begin(), stand.zeilen.end(), [&](const Rechenzeile& r) {
            return Gleich(r.basis, basis) && Gleich(r.y, y);
        });
        Q_ASSERT(z != stand.zeilen.end());
        return *z;
    }
    void Zeile(float basis, float y, int stunden, int minuten, Zeittinte tinte = Zeittinte::Schwarz,
               bool ohneNull = false) {
        stand.zeilen.push_back({basis, y, stunden, minuten, tinte, ohneNull});
    }
    // 24h 00min, or 23h 60min when an hour is taken apart for the minutes to come off.
    void Tag(float basis, float y, bool zerlegt) {
        Zeile(basis, y, zerlegt ? 23 : 24, zerlegt ? 60 : 0);
    }
    void Zeichen(Rechenart art, float basis, float y) { stand.zeichen.push_back({art, basis, y}); }
    void Titel(const QString& text, float x) { stand.titel.push_back({text, x, -2}); }

    // The result row of the computation whose lower operand is at (basis, y).
    void Ergebnis(Rechenart art, float basis, float y, Zeittinte tinte, bool ohneNull = false) {
        const Rechenzeile a = Zeile(basis, y + Zeilenabstand);
        const Rechenzeile b = Zeile(basis, y);
        const int s = art == Rechenart::Plus ? 1 : -1;
        Zeile(basis, y - Zeilenabstand, a.stunden + s * b.stunden, a.minuten + s * b.minuten, tinte,
              ohneNull);
    }

    void Schritt(const QString& text, Zeittinte farbe = Zeittinte::Schwarz) {
        Ende(Zeitschritt{stand, std::nullopt, {}, {}, {}}, text, farbe);
    }
    void Ende(Zeitschritt s, const QString& text, Zeittinte farbe = Zeittinte::Schwarz) {
        s.ende = stand;
        s.text = text;
        s.farbe = farbe;
        schritte.push_back(std::move(s));
    }

    // Subtracts the row at (basis, y) from the one above it, borrowing an hour first
    // where its minutes are too few; the result row follows in tinte unless there is none
    // yet. verdecken hides the rows over the minuend while the label slides there.
    Zeitschritt Subtrahiere(float basis, float y, std::optional<Zeittinte> tinte, int pause,
                            bool verdecken = false) {
        Zeitschritt s{stand, std::nullopt, {}, {}, {}};
        s.uebertrag = Borgen(basis, y + Zeilenabstand, Zeile(basis, y).minuten, pause);
        if (s.uebertrag && verdecken) {
            const auto weg = [&](Zeitstand& z) { Verdecke(z, basis, y + Zeilenabstand); };
            weg(s.stand);
            for (Zeitstrecke& strecke : s.uebertrag->strecken)
                if (strecke.halbwegs) weg(*strecke.halbwegs);
        }
        if (tinte) Ergebnis(Rechenart::Minus, basis, y, *tinte);
        return s;
    }

    // Adds the row at (basis, y) to the one above it; the sum is shown from the start and
    // carries 60min into the hours where it has that many. The label sets off at start.
    Zeitschritt Addiere(float basis, float y, Zeittinte tinte, float start, int pause) {
        Ergebnis(Rechenart::Plus, basis, y, tinte);
        Zeitschritt s{stand, std::nullopt, {}, {}, {}};
        s.uebertrag = Uebertrage(basis, y - Zeilenabstand, start, pause);
        return s;
    }

private:
    std::optional<Zeituebertrag> Borgen(float basis, float y, int abzug, int pause) {
        const int minuten = Zeile(basis, y).minuten;
        if (minuten >= abzug) return std::nullopt;
        Zeituebertrag u =
            Gleiten(basis, y, basis, y, Minutenspalte, Zeilenabstand, QStringLiteral("1h"),
                    QStringLiteral("60min"),
                    QStringLiteral("Die 1h wird abgezogen und in 60min verwandelt."),
                    QStringLiteral("Die 60min werden zu den restlichen Minuten hinzugezählt."),
                    {-1, 0}, {0, 60}, pause);
        // Two pieces, hence the two blanks before "borgt".
        u.satz = QStringLiteral("Da ") + QString::number(abzug) + QStringLiteral("min nicht von ") +
                 QString::number(minuten) + QStringLiteral("min subtrahiert werden können ") +
                 QStringLiteral(" borgt man sich eine Stunde aus!");
        return u;
    }

    std::optional<Zeituebertrag> Uebertrage(float basis, float y, float start, int pause) {
        const int minuten = Zeile(basis, y).minuten;
        if (minuten < 60) return std::nullopt;
        Zeituebertrag u =
            Gleiten(basis, y, basis + Minutenspalte, start, -Minutenspalte, -Zeilenabstand,
                    QStringLiteral("60min"), QStringLiteral("1h"),
                    QStringLiteral("Die 60min werden abgezogen und in 1h verwandelt."),
                    QStringLiteral("Die 1h wird zu den restlichen Stunden hinzugezählt."), {0, -60},
                    {1, 0}, pause);
        // "60m" is the program's own wording.
        u.satz = QStringLiteral("Da ") + QString::number(minuten) +
                 QStringLiteral("min größer als 60min ist werden 60m in 1h verwandelt.");
        return u;
    }

    // The label sets off at (x, y) as weg, slides dy up or down, across by dx as dazu and
    // back to its height. The row at (basis, zeile) changes by ab (hours, minutes) half
    // way along the first leg and by zu half way along the last.
    Zeituebertrag Gleiten(float basis, float zeile, float x, float y, float dx, float dy,
                          const QString& weg, const QString& dazu, const QString& umwandeln,
                          const QString& hinzufuegen, std::pair<int, int> ab,
                          std::pair<int, int> zu, int pause) {
        const auto aendern = [&](std::pair<int, int> um) {
            Rechenzeile& z = Zeile(basis, zeile);
            z.stunden += um.first;
            z.minuten += um.second;
        };
        Zeituebertrag u;
        u.x = x;
        u.y = y;
        u.pauseNachher = pause;
        aendern(ab);
        u.strecken[0] = {x, y + dy, weg, {}, stand};
        u.strecken[1] = {x + dx, y + dy, dazu, umwandeln, std::nullopt};
        aendern(zu);
        u.strecken[2] = {x + dx, y, dazu, hinzufuegen, stand};
        return u;
    }

    // Takes away the computation that made the row at (basis, y): its operands and sign.
    static void Verdecke(Zeitstand& z, float basis, float y) {
        const float oben = y + Zeilenabstand;
        std::erase_if(z.zeilen, [&](const Rechenzeile& r) {
            return Gleich(r.basis, basis) &&
                   (Gleich(r.y, oben) || Gleich(r.y, oben + Zeilenabstand));
        });
        std::erase_if(z.zeichen, [&](const Rechenzeichen& r) {
            return Gleich(r.basis, basis) && Gleich(r.y, oben);
        });
    }
};

constexpr float Links = -14; // the first way of examples 4 and 6
constexpr float Mitte = -6;  // example 6: the first day's part taken from the day
constexpr float Rechts = 12; // the second way

QString Skizze(const char* was) {
    return QStringLiteral("Erstelle eine Skizze mit einer Zeitleiste und trage die ") +
           QString::fromUtf8(was) + QStringLiteral(" näherungsweise ein.");
}

// The step texts are the program's own wording, spellings included ("Ankuftszeit",
// "Ankunftsszeit", "Abfahtszeit", "Anbfahrts-", "subtrahierre", "60m"): keep them.
const QString Zeitpunkte =
    QStringLiteral("Wandel die Zeitpunkte in die Schreibweise Stunden und Minuten um.");
const QString AbfahrtUmwandeln = QStringLiteral(
    "Wandel den Zeitpunkt für die Abfahrtszeit in die Schreibweise Stunden und Minuten um.");
const QString Subtraktion = QStringLiteral(
    "Die Fahrzeit wird durch die Subtraktion der Ankuftszeit minus der Abfahrtszeit ermittelt.");
const QString Addition = QStringLiteral(
    "Die Ankunftszeit wird durch die Addition der Fahrzeit zur Abfahrtszeit ermittelt.");
const QString TagVerlaengern =
    QStringLiteral("Wandel die Ankunftsszeit in die Schreibweise Stunden und Minuten um verlängere "
                   "den 1.Tag um diese Zeit.");
const QString Teilzeiten = QStringLiteral(
    "Die gesamte Fahrzeit wird durch die Subtraktion der beiden Teilzeiten ermittelt.");
const QString Vortag = QStringLiteral("Die Abfahrtszeit am Vortag lautet ");

// The second way of examples 4 and 6: the arrival after a whole first day, then the
// other known time taken off it.
void ZweiteArt(Ablauf& ab, const TZugaufgabe& a) {
    ab.Titel(QStringLiteral("2.Art"), 2);
    ab.Tag(Rechts, -2, false);
    ab.Zeile(Rechts, -3.5f, a.AnkunftStunde, a.AnkunftMinute);
    ab.Zeichen(Rechenart::Plus, Rechts, -3.5f);
    ab.Ergebnis(Rechenart::Plus, Rechts, -3.5f, Zeittinte::Orange);
}

void Beispiel1(Ablauf& ab, const TZugaufgabe& a) {
    ab.stand.fahrzeittext = Frage;
    ab.Schritt(Skizze("Abfahrts- bzw. Ankunftszeit"));
    ab.Zeile(0, -4, a.AnkunftStunde, a.AnkunftMinute);
    ab.Zeile(0, -5.5f, a.AbfahrtStunde, a.AbfahrtMinute);
    ab.Zeichen(Rechenart::Minus, 0, -5.5f);
    ab.Schritt(Zeitpunkte);
    ab.Ende(ab.Subtrahiere(0, -5.5f, Zeittinte::Rotbraun, 1000), Subtraktion, Zeittinte::Rotbraun);
    ab.stand.fahrzeittext = Zeitdauertext(a.FahrzeitStunden, a.FahrzeitMinuten);
    ab.Schritt(FahrzeitSatz(a.FahrzeitStunden, a.FahrzeitMinuten), Zeittinte::Rotbraun);
}

void Beispiel2(Ablauf& ab, const TZugaufgabe& a) {
    ab.Schritt(Skizze("Abfahrts- bzw. Fahrzeit"));
    ab.Zeile(0, -4, a.AbfahrtStunde, a.AbfahrtMinute);
    ab.Zeile(0, -5.5f, a.FahrzeitStunden, a.FahrzeitMinuten);
    ab.Zeichen(Rechenart::Plus, 0, -5.5f);
    ab.Schritt(AbfahrtUmwandeln);
    ab.Ende(ab.Addiere(0, -5.5f, Zeittinte::Rotbraun, -7, 1000), Addition);
    ab.Schritt(QStringLiteral("Die Ankunftszeit lautet ") +
               Uhrzeittext(a.AnkunftStunde, a.AnkunftMinute));
}

void Beispiel3(Ablauf& ab, const TZugaufgabe& a) {
    ab.Schritt(Skizze("Ankunfts- bzw. Fahrzeit"));
    ab.Zeile(0, -4, a.AnkunftStunde, a.AnkunftMinute);
    ab.Zeile(0, -5.5f, a.FahrzeitStunden, a.FahrzeitMinuten);
    ab.Zeichen(Rechenart::Minus, 0, -5.5f);
    ab.Schritt(QStringLiteral(
        "Wandel den Zeitpunkt für die Ankunft in die Schreibweise Stunden und Minuten um."));
    ab.Ende(ab.Subtrahiere(0, -5.5f, Zeittinte::Rotbraun, 1000), Subtraktion, Zeittinte::Rotbraun);
    ab.Schritt(QStringLiteral("Die Abfahrtszeit lautet ") +
               Uhrzeittext(a.AbfahrtStunde, a.AbfahrtMinute));
}

void Beispiel4(Ablauf& ab, const TZugaufgabe& a) {
    const QString dauer = Zeitdauertext(a.FahrzeitStunden, a.FahrzeitMinuten);
    ab.stand.fahrzeittext = Frage;
    ab.Schritt(Skizze("Ankunfts- bzw. Fahrzeit"));
    ab.Titel(QStringLiteral("1.Art"), -24);
    ab.Tag(Links, -2, a.AbfahrtMinute != 0);
    ab.Zeile(Links, -3.5f, a.AbfahrtStunde, a.AbfahrtMinute);
    ab.Zeichen(Rechenart::Minus, Links, -3.5f);
    ab.Ergebnis(Rechenart::Minus, Links, -3.5f, Zeittinte::Orange, true);
    ab.Schritt(QStringLiteral("Wandel die Abfahrtszeit in die Schreibweise Stunden und Minuten um "
                              "und ziehe diese von 24 Stunden ab."));
    ab.Zeile(Links, -6.5f, a.AnkunftStunde, a.AnkunftMinute, Zeittinte::Dunkelgruen);
    ab.Zeichen(Rechenart::Plus, Links, -6.5f);
    ab.Schritt(
        QStringLiteral("Wandel die Ankunftszeit in die Schreibweise Stunden und Minuten um."));
    // The label sets off half a unit under the sum.
    ab.Ende(ab.Addiere(Links, -6.5f, Zeittinte::Rotbraun, -8.5f, 1000),
            QStringLiteral(
                "Die gesamte Fahrzeit wird durch die Addition der beiden Teilzeiten ermittelt."),
            Zeittinte::Rotbraun);
    ab.stand.fahrzeittext = dauer;
    ab.Schritt(FahrzeitSatz(a.FahrzeitStunden, a.FahrzeitMinuten), Zeittinte::Rotbraun);
    ab.stand.fahrzeittext = Frage;
    ZweiteArt(ab, a);
    ab.Schritt(TagVerlaengern);
    ab.Zeile(Rechts, -6.5f, a.AbfahrtStunde, a.AbfahrtMinute, Zeittinte::Dunkelgruen);
    ab.Zeichen(Rechenart::Minus, Rechts, -6.5f);
    // "Abfahtszeit" is the program's own wording.
    ab.Schritt(
        QStringLiteral("Wandel die Abfahtszeit in die Schreibweise Stunden und Minuten um."));
    Zeitschritt s = ab.Subtrahiere(Rechts, -6.5f, Zeittinte::Rotbraun, 1000, true);
    ab.stand.fahrzeittext = dauer;
    ab.Ende(std::move(s), Teilzeiten);
}

void Beispiel5(Ablauf& ab, const TZugaufgabe& a) {
    ab.Schritt(Skizze("Anbfahrts- bzw. Fahrzeit")); // the program's own wording
    ab.Zeile(0, -4, a.AbfahrtStunde, a.AbfahrtMinute, Zeittinte::Orange);
    ab.Zeile(0, -5.5f, a.FahrzeitStunden, a.FahrzeitMinuten, Zeittinte::Blau);
    ab.Zeichen(Rechenart::Plus, 0, -5.5f);
    ab.Schritt(AbfahrtUmwandeln);
    ab.Ende(ab.Addiere(0, -5.5f, Zeittinte::Schwarz, -7, 0), Addition);
    ab.Zeile(0, -8.5f, 24, 0, Zeittinte::Braun);
    ab.Zeichen(Rechenart::Minus, 0, -8.5f);
    ab.Schritt(QStringLiteral("Der 1.Tag wird von der Fahrzeit abgezogen."));
    ab.Ergebnis(Rechenart::Minus, 0, -8.5f, Zeittinte::Rotbraun);
    ab.Schritt(QStringLiteral("Die Ankunftszeit am nächsten Tag lautet ") +
               Uhrzeittext(a.AnkunftStunde, a.AnkunftMinute));
}

void Beispiel6(Ablauf& ab, const TZugaufgabe& a) {
    const QString abfahrt = Vortag + Uhrzeittext(a.AbfahrtStunde, a.AbfahrtMinute);
    ab.Schritt(Skizze("Ankunfts- bzw. Fahrzeit"));
    ab.Titel(QStringLiteral("1.Art"), -24);
    ab.Zeile(Links, -2, a.FahrzeitStunden, a.FahrzeitMinuten);
    ab.Zeile(Links, -3.5f, a.AnkunftStunde, a.AnkunftMinute);
    ab.Zeichen(Rechenart::Minus, Links, -3.5f);
    // After a borrow the explanation is cleared rather than the instruction shown again.
    Zeitschritt s = ab.Subtrahiere(Links, -3.5f, std::nullopt, 500);
    const bool geborgt = s.uebertrag.has_value();
    // "subtrahierre" is the program's own wording.
    ab.Ende(std::move(s),
            geborgt
                ? QString()
                : QStringLiteral("Wandel den Zeitpunkt für die Ankunftszeit in die Schreibweise "
                                 "Stunden und Minuten um und subtrahierre diese von der "
                                 "Fahrzeit."));
    ab.Ergebnis(Rechenart::Minus, Links, -3.5f, Zeittinte::Orange);
    ab.Schritt(QStringLiteral("Die Fahrzeit am 1.Tag wird durch Subtraktion ermittelt."));
    const Rechenzeile ersterTag = ab.Zeile(Links, -5);
    ab.Tag(Mitte, -2, ersterTag.minuten != 0);
    ab.Zeile(Mitte, -3.5f, ersterTag.stunden, ersterTag.minuten, Zeittinte::Orange);
    ab.Zeichen(Rechenart::Minus, Mitte, -3.5f);
    ab.Ergebnis(Rechenart::Minus, Mitte, -3.5f, Zeittinte::Rotbraun);
    ab.Schritt(QStringLiteral("Diese Fahrzeit wird vom 1.Tag abgezogen."));
    ab.Schritt(abfahrt);
    ZweiteArt(ab, a);
    ab.Schritt(TagVerlaengern);
    ab.Zeile(Rechts, -6.5f, a.FahrzeitStunden, a.FahrzeitMinuten, Zeittinte::Blau);
    ab.Zeichen(Rechenart::Minus, Rechts, -6.5f);
    ab.Ende(ab.Subtrahiere(Rechts, -6.5f, Zeittinte::Rotbraun, 1000, true), Teilzeiten);
    ab.Schritt(abfahrt);
}

} // namespace

const Rechenzeile* Zeitstand::Zeile(float basis, float y) const {
    for (const Rechenzeile& z : zeilen)
        if (Gleich(z.basis, basis) && Gleich(z.y, y)) return &z;
    return nullptr;
}

std::vector<Zeitschritt> Zeitpunktschritte(const TZugaufgabe& beispiel) {
    Ablauf ab;
    // Every example but the first and the fourth knows its travel time from the start.
    ab.stand.fahrzeittext = Zeitdauertext(beispiel.FahrzeitStunden, beispiel.FahrzeitMinuten);
    using Beispiel = void (*)(Ablauf&, const TZugaufgabe&);
    static constexpr std::array<Beispiel, ZeitBeispiele> beispiele{Beispiel1, Beispiel2, Beispiel3,
                                                                   Beispiel4, Beispiel5, Beispiel6};
    beispiele[static_cast<std::size_t>(std::clamp(beispiel.Aufgabenart, 1, ZeitBeispiele) - 1)](
        ab, beispiel);
    return std::move(ab.schritte);
}

QString FahrzeitSatz(int stunden, int minuten) {
    return QStringLiteral("Die Fahrzeit beträgt ") + ZweiStellig(stunden) + QStringLiteral("h ") +
           ZweiStellig(minuten) + QStringLiteral("min");
}

QStringList Rechnungstexte(const Zeitstand& stand) {
    std::vector<float> basen;
    for (const Rechenzeile& z : stand.zeilen)
        if (std::none_of(basen.begin(), basen.end(), [&](float b) { return Gleich(b, z.basis); }))
            basen.push_back(z.basis);
    std::sort(basen.begin(), basen.end());
    std::vector<Rechentitel> titel = stand.titel;
    std::stable_sort(titel.begin(), titel.end(),
                     [](const Rechentitel& a, const Rechentitel& b) { return a.x < b.x; });

    QStringList texte;
    auto naechsterTitel = titel.cbegin();
    for (const float basis : basen) {
        for (; naechsterTitel != titel.cend() && naechsterTitel->x < basis; ++naechsterTitel)
            texte << naechsterTitel->text;
        std::vector<Rechenzeile> zeilen;
        std::copy_if(stand.zeilen.begin(), stand.zeilen.end(), std::back_inserter(zeilen),
                     [&](const Rechenzeile& z) { return Gleich(z.basis, basis); });
        std::stable_sort(zeilen.begin(), zeilen.end(),
                         [](const Rechenzeile& a, const Rechenzeile& b) { return a.y > b.y; });
        for (const Rechenzeile& z : zeilen) {
            const auto zeichen = std::find_if(
                stand.zeichen.begin(), stand.zeichen.end(),
                [&](const Rechenzeichen& r) { return Gleich(r.basis, basis) && Gleich(r.y, z.y); });
            QString text = z.StundenText() + u' ' + z.MinutenText();
            if (zeichen != stand.zeichen.end())
                text.prepend(zeichen->art == Rechenart::Plus ? QStringLiteral("plus ")
                                                             : QStringLiteral("minus "));
            texte << text;
        }
    }
    for (; naechsterTitel != titel.cend(); ++naechsterTitel)
        texte << naechsterTitel->text;
    return texte;
}

std::array<Uhrzeit, 4> NeueZeitpunkte() {
    static constexpr std::array<std::pair<int, int>, 4> stunden{{{1, 3}, {6, 4}, {12, 4}, {20, 4}}};
    std::array<Uhrzeit, 4> z;
    for (std::size_t i = 0; i < z.size(); ++i) {
        z[i].stunden = stunden[i].first + Random(stunden[i].second);
        z[i].minuten = Random(60);
    }
    return z;
}

QString Dauertext(Uhrzeit von, Uhrzeit bis) {
    int h = 0, m = 0;
    ZeitDifferenz(von.stunden, von.minuten, bis.stunden, bis.minuten, h, m);
    return QString::number(h) + QStringLiteral("h ") + QString::number(m) + QStringLiteral("min");
}

namespace {

// The three notations, the third with its minutes raised as hochgestellt writes them.
QString Schreibweisen(Uhrzeit zeit, const QString& trenner,
                      const std::function<QString(const QString&)>& hochgestellt) {
    const QString h = QString::number(zeit.stunden);
    const QString mm = ZweiStellig(zeit.minuten);
    return h + u':' + mm + trenner + h + u'.' + mm + trenner + h + hochgestellt(mm);
}

} // namespace

QString Schreibweisen(Uhrzeit zeit) {
    // '^' raises the character after it.
    return Schreibweisen(zeit, QStringLiteral("   "), [](const QString& mm) {
        QString markiert;
        for (QChar c : mm)
            markiert += u'^' + c;
        return markiert;
    });
}

QString SchreibweisenGelesen(Uhrzeit zeit) {
    return Schreibweisen(zeit, QStringLiteral(", "),
                         [](const QString& mm) { return QStringLiteral(" hochgestellt ") + mm; });
}

} // namespace kalmiro

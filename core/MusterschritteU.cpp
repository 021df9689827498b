#include "core/MusterschritteU.h"

#include "core/ZeitenU.h"

#include <algorithm>

namespace kalmiro {

std::array<TZeitAufgabe, MusterBeispiele> NeueMusterbeispiele(int art) {
    std::array<TZeitAufgabe, MusterBeispiele> beispiele;
    for (int n = 1; n <= MusterBeispiele; ++n) {
        Ziehbereiche bereiche;
        bereiche.SummandenStundenBis = 23;
        bereiche.FaktorBis = 5;
        // Example 3 always multiplies by five.
        bereiche.Faktor = n == 3 ? 5 : 0;
        bereiche.TeilerBis = 11;
        beispiele[static_cast<std::size_t>(n - 1)] = ErzeugeAufgabe(art, n, bereiche);
    }
    return beispiele;
}

namespace {

std::size_t Index(Spalte s) {
    return static_cast<std::size_t>(s);
}

constexpr std::array<int Zeitmenge::*, 4> Felder{&Zeitmenge::Tage, &Zeitmenge::Stunden,
                                                 &Zeitmenge::Minuten, &Zeitmenge::Sekunden};

QString Zahl(int z) {
    return QString::number(z);
}
QString Menge(int z, Spalte s) {
    return Zahl(z) + Einheit(s);
}

// The unit of a column in words, for one and for many.
QString Einzahl(Spalte s) {
    static const std::array<QString, 4> woerter{QStringLiteral("Tag"), QStringLiteral("Stunde"),
                                                QStringLiteral("Minute"),
                                                QStringLiteral("Sekunde")};
    return woerter[Index(s)];
}
QString Mehrzahl(Spalte s) {
    static const std::array<QString, 4> woerter{QStringLiteral("Tage"), QStringLiteral("Stunden"),
                                                QStringLiteral("Minuten"),
                                                QStringLiteral("Sekunden")};
    return woerter[Index(s)];
}

// The neighbouring columns: the larger unit on the left, the smaller on the right.
Spalte Links(Spalte s) {
    return static_cast<Spalte>(static_cast<int>(s) - 1);
}
Spalte Rechts(Spalte s) {
    return static_cast<Spalte>(static_cast<int>(s) + 1);
}
// How many units of a column make one of the column on its left: 24 hours, 60 minutes,
// 60 seconds.
int Je(Spalte s) {
    return s == Spalte::Stunden   ? StundenJeTag
           : s == Spalte::Minuten ? MinutenJeStunde
                                  : SekundenJeMinute;
}

// Collects the steps of an example while the drawing's state is carried along.
class Ablauf {
public:
    std::vector<Musterschritt> schritte;
    Musterstand stand;

    const Zeitmenge& Arbeit() const { return stand.arbeit.wert; }

    // A step that changes the drawing at once.
    void Schritt(const QString& text, Textfarbe farbe) {
        Musterschritt s;
        s.text = text;
        s.farbe = farbe;
        s.stand = stand;
        s.ende = stand;
        schritte.push_back(std::move(s));
    }

    // weg taken out of the working row's column von, dazu put into its column nach.
    void Uebertrag(Spalte von, int weg, Spalte nach, int dazu, const QString& abziehen,
                   const QString& umwandeln, const QString& hinzufuegen) {
        Musterschritt s;
        s.text = abziehen;
        s.farbe = Textfarbe::Pink;
        s.stand = stand;
        Musteruebertrag u;
        u.von = von;
        u.nach = nach;
        u.abzug = Menge(weg, von);
        u.zugabe = Menge(dazu, nach);
        u.umwandlung = umwandeln;
        u.hinzufuegen = hinzufuegen;
        Wert(stand.arbeit.wert, von) -= weg;
        u.nachAbzug = stand;
        Wert(stand.arbeit.wert, nach) += dazu;
        if (nach == Spalte::Tage) stand.arbeit.mitTagen = true;
        u.nachZugabe = stand;
        s.uebertrag = std::move(u);
        s.ende = stand;
        schritte.push_back(std::move(s));
    }

    // The last carry has brought the result: "=" or the second half of the layout.
    void Fertig(const QString& schluss = {}) {
        stand.fertig = true;
        schritte.back().ende.fertig = true;
        schritte.back().schluss = schluss;
    }
};

Zeitmenge Erster(const TZeitAufgabe& a) {
    return {a.Tage1, a.Stunden1, a.Minuten1, a.Sekunden1};
}

// Steps 1 and 2 of addition and multiplication: the operands, then the column sums or
// products, which in example 1 are already the result. Returns whether carries follow;
// they change a result row that starts as a copy of the column values.
bool Spaltenwerte(Ablauf& ab, int n, const QString& anschreiben, const Zeitmenge& werte,
                  const QString& ergebnis, const QString& ermittelt, Textfarbe farbe) {
    ab.Schritt(anschreiben, Textfarbe::Schwarz);
    ab.stand.spalten = {werte, true, false};
    if (n == 1) {
        ab.Schritt(ergebnis, Textfarbe::Rotbraun);
        return false;
    }
    ab.Schritt(ermittelt, farbe);
    ab.stand.arbeit = ab.stand.spalten;
    return true;
}

// The working row's column von holds q whole units of the column on its left: they are
// taken out of von and added on the left. anlass names the column's amount ("Sekundensumme");
// mitZahl counts the units in the last sentence, as the products do: "Diese 2 Minuten
// werden" rather than "Diese Minute wird".
void Ueberlauf(Ablauf& ab, Spalte von, int q, const QString& anlass, bool mitZahl) {
    const Spalte nach = Links(von);
    const QString weg = Menge(Je(von) * q, von);
    QString diese;
    if (mitZahl && q != 1)
        diese =
            QStringLiteral("Diese ") + Zahl(q) + u' ' + Mehrzahl(nach) + QStringLiteral(" werden");
    else
        diese = (nach == Spalte::Tage ? QStringLiteral("Dieser ") : QStringLiteral("Diese ")) +
                (mitZahl ? QStringLiteral("1 ") : QString()) + Einzahl(nach) +
                QStringLiteral(" wird");
    ab.Uebertrag(von, Je(von) * q, nach, q,
                 QStringLiteral("Da die ") + anlass + QStringLiteral(" über ") + weg +
                     QStringLiteral(" liegt, werden diese abgezogen."),
                 QStringLiteral("Die ") + weg + QStringLiteral(" werden in ") + Menge(q, nach) +
                     QStringLiteral(" verwandelt."),
                 diese + (nach == Spalte::Tage
                              ? QStringLiteral(" eingetragen.")
                              : QStringLiteral(" den restlichen ") + Mehrzahl(nach) +
                                    QStringLiteral(" hinzugezählt.")));
}

void Addition(Ablauf& ab, int n, const TZeitAufgabe& a) {
    const Zeitmenge summen{0, a.Stunden1 + a.Stunden2, a.Minuten1 + a.Minuten2,
                           a.Sekunden1 + a.Sekunden2};
    if (!Spaltenwerte(
            ab, n, QStringLiteral("Die beiden Zeiten werden untereinander angeschrieben."), summen,
            QStringLiteral("Die Summe der Sekunden, Minuten und Stunden werden ermittelt "
                           "und das Ergebnis angezeigt."),
            QStringLiteral("Die Summe der Sekunden, Minuten und Stunden werden ermittelt."),
            Textfarbe::Rotbraun))
        return;
    // Example n carries out of its n - 1 right-hand columns, the seconds first. Each sum is
    // below twice its unit's limit, so one unit carries at a time.
    Spalte von = Spalte::Sekunden;
    for (int i = 1; i < n; ++i, von = Links(von))
        Ueberlauf(ab, von, 1,
                  n == 4 ? Mehrzahl(von) + QStringLiteral("summe")
                         : QStringLiteral("Summe der ") + Mehrzahl(von),
                  false);
    ab.Fertig(QStringLiteral("Das Ergebnis der Addition wird angezeigt."));
}

void Subtraktion(Ablauf& ab, int n, const TZeitAufgabe& a) {
    ab.Schritt(QStringLiteral("Die beiden Zeiten werden untereinander angeschrieben."),
               Textfarbe::Schwarz);
    const QString differenz = QStringLiteral("Die Differenz der Sekunden, Minuten und Stunden "
                                             "werden ermittelt und das Ergebnis angezeigt.");
    const Zeitmenge abzuziehen{0, a.Stunden2, a.Minuten2, a.Sekunden2};
    const auto differenzZeigen = [&](const Zeitmenge& von) {
        ab.stand.spalten = {{von.Tage - abzuziehen.Tage, von.Stunden - abzuziehen.Stunden,
                             von.Minuten - abzuziehen.Minuten, von.Sekunden - abzuziehen.Sekunden},
                            true,
                            false};
        ab.Schritt(differenz, Textfarbe::Rotbraun);
    };
    if (n == 1) {
        differenzZeigen(Erster(a));
        return;
    }
    ab.stand.arbeit = {Erster(a), true, n == 4};
    // "Da 42s nicht von 5s subtrahiert werden können rechnet man ... um (ausborgen)."
    const auto reichtNicht = [&ab](int abzuziehen, Spalte spalte, const QString& wie) {
        return QStringLiteral("Da ") + Menge(abzuziehen, spalte) + QStringLiteral(" nicht von ") +
               Menge(Wert(ab.Arbeit(), spalte), spalte) +
               QStringLiteral(" subtrahiert werden können rechnet man ") + wie +
               QStringLiteral(" um (ausborgen).");
    };
    // Borrowed from the left: the day first, then an hour, then a minute.
    if (n == 4)
        ab.Uebertrag(
            Spalte::Tage, 1, Spalte::Stunden, 24,
            reichtNicht(a.Stunden2, Spalte::Stunden, QStringLiteral("einen Tag in Stunden")),
            QStringLiteral("Der 1d wird in 24h verwandelt."),
            QStringLiteral("Die 24h werden zu den restlichen Stunden hinzugezählt."));
    if (n >= 3)
        ab.Uebertrag(
            Spalte::Stunden, 1, Spalte::Minuten, 60,
            reichtNicht(a.Minuten2, Spalte::Minuten, QStringLiteral("eine der Stunden in Minuten")),
            QStringLiteral("Die 1h wird abgezogen und in 60min verwandelt."),
            QStringLiteral("Die 60min werden zu den restlichen Minuten hinzugezählt."));
    ab.Uebertrag(
        Spalte::Minuten, 1, Spalte::Sekunden, 60,
        reichtNicht(a.Sekunden2, Spalte::Sekunden, QStringLiteral("eine der Minuten in Sekunden")),
        QStringLiteral("Die 1min wird abgezogen und in 60s verwandelt."),
        QStringLiteral("Die 60s werden zu den restlichen Sekunden hinzugezählt."));
    ab.Fertig();
    differenzZeigen(ab.Arbeit());
}

void Multiplikation(Ablauf& ab, int n, const TZeitAufgabe& a) {
    const int k = a.k;
    if (!Spaltenwerte(
            ab, n, QStringLiteral("Die Zeit wird mit dem Multiplikationsfaktor angeschrieben."),
            {0, a.Stunden1 * k, a.Minuten1 * k, a.Sekunden1 * k},
            QStringLiteral("Das Produkt der Sekunden, Minuten und Stunden wird ermittelt "
                           "und das Ergebnis angezeigt."),
            QStringLiteral("Das Produkt der Sekunden, Minuten und Stunden wird ermittelt."),
            n == 3 ? Textfarbe::Pink : Textfarbe::Rotbraun))
        return;
    // As in the addition; each column as it stands, the carried units included.
    Spalte von = Spalte::Sekunden;
    for (int i = 1; i < n; ++i, von = Links(von))
        Ueberlauf(ab, von, Wert(ab.Arbeit(), von) / Je(von),
                  n == 2 ? QStringLiteral("Anzahl der ") + Mehrzahl(von)
                         : Mehrzahl(von) + QStringLiteral("anzahl"),
                  true);
    ab.Fertig(QStringLiteral("Das Ergebnis wird angezeigt."));
}

// The remainder of the working row's column von divided by k, passed on to the column on
// its right in that column's unit; restWort names it "Die Resttage 2d".
void Restuebertrag(Ablauf& ab, int k, Spalte von, bool restWort) {
    const Spalte nach = Rechts(von);
    const int q = Wert(ab.Arbeit(), von) % k;
    const QString rest = Menge(q, von);
    const QString dazu = Menge(Je(nach) * q, nach);
    ab.Uebertrag(von, q, nach, Je(nach) * q,
                 QStringLiteral("Da die Division der ") + Mehrzahl(von) +
                     QStringLiteral(" durch den Teiler einen Rest von ") + rest +
                     QStringLiteral(" gibt, wird dieser abgezogen."),
                 (restWort ? QStringLiteral("Die Rest") + Mehrzahl(von).toLower() + u' '
                           : QStringLiteral("Die ")) +
                     rest + QStringLiteral(" werden ") + dazu + QStringLiteral(" verwandelt."),
                 QStringLiteral("Die ") + dazu + QStringLiteral(" werden zu den restlichen ") +
                     Mehrzahl(nach) + QStringLiteral(" hinzugezählt."));
}

void Division(Ablauf& ab, int n, const TZeitAufgabe& a) {
    // A task made by hand with no divisor must not divide by zero.
    const int k = std::max(1, a.k);
    const auto quotienten = [k](const Zeitmenge& z) {
        return Zeitmenge{z.Tage / k, z.Stunden / k, z.Minuten / k, z.Sekunden / k};
    };
    ab.Schritt(QStringLiteral("Die Rechnung wird angeschrieben."), Textfarbe::Schwarz);
    if (n == 1) {
        ab.stand.spalten = {quotienten(Erster(a)), true, false};
        ab.Schritt(QStringLiteral("Der Quotient der Stunden, Minuten und Sekunden wird ermittelt "
                                  "und das Ergebnis angezeigt."),
                   Textfarbe::Rotbraun);
        return;
    }
    ab.stand.arbeit = {Erster(a), true, n == 4};
    if (n == 4) Restuebertrag(ab, k, Spalte::Tage, true);
    Restuebertrag(ab, k, Spalte::Stunden, n == 4);
    if (n >= 3) Restuebertrag(ab, k, Spalte::Minuten, false);
    ab.Fertig();
    ab.stand.spalten = {quotienten(ab.Arbeit()), true, n == 4};
    ab.Schritt(QStringLiteral("Der Quotient der Stunden, Minuten und Sekunden wird ermittelt und "
                              "angezeigt."),
               Textfarbe::Rotbraun);
}

} // namespace

std::vector<Musterschritt> Musterschritte(int art, int beispiel, const TZeitAufgabe& aufgabe) {
    const int n = std::clamp(beispiel, 1, MusterBeispiele);
    Ablauf ab;
    switch (std::clamp(art, ArtAddition, ArtDivision)) {
    case ArtAddition:
        Addition(ab, n, aufgabe);
        break;
    case ArtSubtraktion:
        Subtraktion(ab, n, aufgabe);
        break;
    case ArtMultiplikation:
        Multiplikation(ab, n, aufgabe);
        break;
    default:
        Division(ab, n, aufgabe);
        break;
    }
    return std::move(ab.schritte);
}

int& Wert(Zeitmenge& menge, Spalte spalte) {
    return menge.*Felder[Index(spalte)];
}
int Wert(const Zeitmenge& menge, Spalte spalte) {
    return menge.*Felder[Index(spalte)];
}

QString Einheit(Spalte spalte) {
    static constexpr std::array<QStringView, 4> einheiten{EinheitTag, EinheitStunde, EinheitMinute,
                                                          EinheitSekunde};
    return einheiten[Index(spalte)].toString();
}

} // namespace kalmiro

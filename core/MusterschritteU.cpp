#include "core/MusterschritteU.h"

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

template <class Menge> auto& Feld(Menge& menge, Spalte spalte) {
    switch (spalte) {
    case Spalte::Tage:
        return menge.Tage;
    case Spalte::Stunden:
        return menge.Stunden;
    case Spalte::Minuten:
        return menge.Minuten;
    case Spalte::Sekunden:
        break;
    }
    return menge.Sekunden;
}

QString Zahl(int z) {
    return QString::number(z);
}
QString Menge(int z, Spalte s) {
    return Zahl(z) + Einheit(s);
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
    // Each sum is below twice its unit's limit, so one unit carries at a time.
    ab.Uebertrag(
        Spalte::Sekunden, 60, Spalte::Minuten, 1,
        n == 4 ? QStringLiteral("Da die Sekundensumme über 60s liegt, werden diese abgezogen.")
               : QStringLiteral("Da die Summe der Sekunden über 60s liegt, werden diese "
                                "abgezogen."),
        QStringLiteral("Die 60s werden in 1min verwandelt."),
        QStringLiteral("Diese Minute wird den restlichen Minuten hinzugezählt."));
    if (n >= 3)
        ab.Uebertrag(Spalte::Minuten, 60, Spalte::Stunden, 1,
                     n == 4 ? QStringLiteral("Da die Minutensumme über 60min liegt, werden diese "
                                             "abgezogen.")
                            : QStringLiteral("Da die Summe der Minuten über 60min liegt, werden "
                                             "diese abgezogen."),
                     QStringLiteral("Die 60min werden in 1h verwandelt."),
                     QStringLiteral("Diese Stunde wird den restlichen Stunden hinzugezählt."));
    if (n == 4)
        ab.Uebertrag(Spalte::Stunden, 24, Spalte::Tage, 1,
                     QStringLiteral("Da die Stundensumme über 24h liegt, werden diese abgezogen."),
                     QStringLiteral("Die 24h werden in 1d verwandelt."),
                     QStringLiteral("Dieser Tag wird eingetragen."));
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

// "Diese 1 Minute wird" or "Diese 2 Minuten werden".
QString Diese(int q, const QString& einzahl, const QString& mehrzahl) {
    return QStringLiteral("Diese ") + Zahl(q) +
           (q == 1 ? QStringLiteral(" ") + einzahl + QStringLiteral(" wird")
                   : QStringLiteral(" ") + mehrzahl + QStringLiteral(" werden"));
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

    int q = ab.Arbeit().Sekunden / 60;
    ab.Uebertrag(Spalte::Sekunden, 60 * q, Spalte::Minuten, q,
                 (n == 2 ? QStringLiteral("Da die Anzahl der Sekunden über ")
                         : QStringLiteral("Da die Sekundenanzahl über ")) +
                     Zahl(60 * q) + QStringLiteral("s liegt, werden diese abgezogen."),
                 QStringLiteral("Die ") + Zahl(60 * q) + QStringLiteral("s werden in ") + Zahl(q) +
                     QStringLiteral("min verwandelt."),
                 Diese(q, QStringLiteral("Minute"), QStringLiteral("Minuten")) +
                     QStringLiteral(" den restlichen Minuten hinzugezählt."));
    if (n >= 3) {
        // The minutes as they stand, the carried ones included.
        q = ab.Arbeit().Minuten / 60;
        ab.Uebertrag(Spalte::Minuten, 60 * q, Spalte::Stunden, q,
                     QStringLiteral("Da die Minutenanzahl über ") + Zahl(60 * q) +
                         QStringLiteral("min liegt, werden diese abgezogen."),
                     QStringLiteral("Die ") + Zahl(60 * q) + QStringLiteral("min werden in ") +
                         Zahl(q) + QStringLiteral("h verwandelt."),
                     Diese(q, QStringLiteral("Stunde"), QStringLiteral("Stunden")) +
                         QStringLiteral(" den restlichen Stunden hinzugezählt."));
    }
    if (n == 4) {
        q = ab.Arbeit().Stunden / 24;
        ab.Uebertrag(Spalte::Stunden, 24 * q, Spalte::Tage, q,
                     QStringLiteral("Da die Stundenanzahl über ") + Zahl(24 * q) +
                         QStringLiteral("h liegt, werden diese abgezogen."),
                     QStringLiteral("Die ") + Zahl(24 * q) + QStringLiteral("h werden in ") +
                         Zahl(q) + QStringLiteral("d verwandelt."),
                     (q == 1
                          ? QStringLiteral("Dieser 1 Tag wird")
                          : QStringLiteral("Diese ") + Zahl(q) + QStringLiteral(" Tage werden")) +
                         QStringLiteral(" eingetragen."));
    }
    ab.Fertig(QStringLiteral("Das Ergebnis wird angezeigt."));
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
    int q = 0;
    if (n == 4) {
        q = ab.Arbeit().Tage % k;
        ab.Uebertrag(Spalte::Tage, q, Spalte::Stunden, 24 * q,
                     QStringLiteral("Da die Division der Tage durch den Teiler einen Rest von ") +
                         Zahl(q) + QStringLiteral("d gibt, wird dieser abgezogen."),
                     QStringLiteral("Die Resttage ") + Zahl(q) + QStringLiteral("d werden ") +
                         Zahl(24 * q) + QStringLiteral("h verwandelt."),
                     QStringLiteral("Die ") + Zahl(24 * q) +
                         QStringLiteral("h werden zu den restlichen Stunden hinzugezählt."));
    }
    q = ab.Arbeit().Stunden % k;
    ab.Uebertrag(Spalte::Stunden, q, Spalte::Minuten, 60 * q,
                 QStringLiteral("Da die Division der Stunden durch den Teiler einen Rest von ") +
                     Zahl(q) + QStringLiteral("h gibt, wird dieser abgezogen."),
                 (n == 4 ? QStringLiteral("Die Reststunden ") : QStringLiteral("Die ")) + Zahl(q) +
                     QStringLiteral("h werden ") + Zahl(60 * q) + QStringLiteral("min verwandelt."),
                 QStringLiteral("Die ") + Zahl(60 * q) +
                     QStringLiteral("min werden zu den restlichen Minuten hinzugezählt."));
    if (n >= 3) {
        q = ab.Arbeit().Minuten % k;
        // The sentence names the seconds the label shows.
        ab.Uebertrag(
            Spalte::Minuten, q, Spalte::Sekunden, 60 * q,
            QStringLiteral("Da die Division der Minuten durch den Teiler einen Rest von ") +
                Zahl(q) + QStringLiteral("min gibt, wird dieser abgezogen."),
            QStringLiteral("Die ") + Zahl(q) + QStringLiteral("min werden ") + Zahl(60 * q) +
                QStringLiteral("s verwandelt."),
            QStringLiteral("Die ") + Zahl(60 * q) +
                QStringLiteral("s werden zu den restlichen Sekunden hinzugezählt."));
    }
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
    return Feld(menge, spalte);
}
int Wert(const Zeitmenge& menge, Spalte spalte) {
    return Feld(menge, spalte);
}

QString Einheit(Spalte spalte) {
    switch (spalte) {
    case Spalte::Tage:
        return QStringLiteral("d");
    case Spalte::Stunden:
        return QStringLiteral("h");
    case Spalte::Minuten:
        return QStringLiteral("min");
    case Spalte::Sekunden:
        break;
    }
    return QStringLiteral("s");
}

} // namespace kalmiro

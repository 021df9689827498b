#include "core/ZeitenU.h"

#include "core/TexteU.h"
#include "core/ZufallU.h"

namespace kalmiro {
namespace {

int Ziehe1bis100() {
    return Random(100) + 1;
}

bool GueltigeZeile(int i) {
    return i >= 1 && i <= AnzahlAufgaben;
}

// A plain task: given value and answer with their decimals, from one unit to another.
void Einfach(Umwandlungsaufgabe& a, float angabe, int stellenAngabe, float loesung,
             int stellenLoesung, QStringView von, QStringView nach) {
    a.AngabeWert = angabe;
    a.StellenAngabe = stellenAngabe;
    a.LoesungWert = loesung;
    a.StellenLoesung = stellenLoesung;
    a.AngabeText = Festkomma(angabe, stellenAngabe);
    a.LoesungText = Festkomma(loesung, stellenLoesung);
    a.VonEinheit = von.toString();
    a.NachEinheit = nach.toString();
}

// A compound quantity "a<gross> b<klein>", to be written in the smaller unit.
void Zusammengesetzt(Umwandlungsaufgabe& a, int gross, QStringView grosseEinheit, int klein,
                     QStringView kleineEinheit) {
    a.AngabeText = QString::number(gross);
    a.AngabeText.append(grosseEinheit)
        .append(u' ')
        .append(QString::number(klein))
        .append(kleineEinheit);
    a.VonEinheit.clear();
    a.NachEinheit = kleineEinheit.toString();
    a.LoesungWert = static_cast<float>(ZeitInKleinereEinheit(a.AngabeText));
    a.StellenLoesung = 0;
    a.LoesungText = Festkomma(a.LoesungWert, 0);
}

// Small, medium or two-digit given values, chosen by r3 in thirds.
int DreiGroessen(int r3) {
    if (r3 <= 34) return Zufall1bis9();
    if (r3 <= 67) return ZufallZehner();
    return ZufallZweistellig();
}

int EinerOderZehner(int r3) {
    return r3 <= 50 ? Zufall1bis9() : ZufallZehner();
}

// E3 and E4: a second number without a 0 digit that a minute or an hour can hold,
// never 59.
int ZweistelligUnter59() {
    int b = ZufallZweistellig();
    while (b >= 59)
        b = ZufallZweistellig();
    return b;
}

// The kinds A to E: art 0..4 from r1, the unit pair from r2, the size from r3.
void EinfacheArt(Umwandlungsaufgabe& a, int art, int r2, int r3) {
    const int viertel = (r2 - 1) / 25; // 0..3
    const bool ersteHaelfte = r2 <= 50;
    switch (art) {
    case 0: { // A: into the smaller unit, whole numbers
        switch (viertel) {
        case 0: {
            const float w = static_cast<float>(DreiGroessen(r3));
            Einfach(a, w, 0, w * 60.0f, 0, EinheitMinute, EinheitSekunde);
            break;
        }
        case 1: {
            const float w = static_cast<float>(DreiGroessen(r3));
            Einfach(a, w, 0, w * 60.0f, 0, EinheitStunde, EinheitMinute);
            break;
        }
        case 2: {
            const float w = static_cast<float>(Zufall1bis9());
            Einfach(a, w, 0, w * 3600.0f, 0, EinheitStunde, EinheitSekunde);
            break;
        }
        default: {
            const float w = static_cast<float>(EinerOderZehner(r3));
            Einfach(a, w, 0, w * 24.0f, 0, EinheitTag, EinheitStunde);
            break;
        }
        }
        break;
    }
    case 1: { // B: into the larger unit, whole numbers
        switch (viertel) {
        case 0: {
            const float w = static_cast<float>(60 * EinerOderZehner(r3));
            Einfach(a, w, 0, w / 60.0f, 0, EinheitSekunde, EinheitMinute);
            break;
        }
        case 1: {
            const float w = static_cast<float>(60 * EinerOderZehner(r3));
            Einfach(a, w, 0, w / 60.0f, 0, EinheitMinute, EinheitStunde);
            break;
        }
        case 2: {
            const float w = static_cast<float>(3600 * Zufall1bis9());
            Einfach(a, w, 0, w / 3600.0f, 0, EinheitSekunde, EinheitStunde);
            break;
        }
        default: {
            const float w = static_cast<float>(24 * EinerOderZehner(r3));
            Einfach(a, w, 0, w / 24.0f, 0, EinheitStunde, EinheitTag);
            break;
        }
        }
        break;
    }
    case 2: { // C: a decimal given, a whole answer
        const float w = r3 <= 50 ? ZufallZehntel() : ZufallEinstelligKomma();
        if (ersteHaelfte)
            Einfach(a, w, 1, w * 60.0f, 0, EinheitMinute, EinheitSekunde);
        else
            Einfach(a, w, 1, w * 60.0f, 0, EinheitStunde, EinheitMinute);
        break;
    }
    case 3: { // D: a whole number given, a decimal answer 0,1 to 0,9
        const float w = static_cast<float>(6 * Zufall1bis9());
        if (ersteHaelfte)
            Einfach(a, w, 0, w / 60.0f, 1, EinheitSekunde, EinheitMinute);
        else
            Einfach(a, w, 0, w / 60.0f, 1, EinheitMinute, EinheitStunde);
        break;
    }
    default: { // E: a compound quantity into the smaller unit
        const bool stunden = viertel == 0 || viertel == 2;
        const int gross = Zufall1bis9();
        const int klein = viertel <= 1 ? Zufall1bis9() : ZweistelligUnter59();
        if (stunden)
            Zusammengesetzt(a, gross, EinheitStunde, klein, EinheitMinute);
        else
            Zusammengesetzt(a, gross, EinheitMinute, klein, EinheitSekunde);
        break;
    }
    }
}

int NennerAus(int r2) {
    if (r2 <= 9) return 60;
    if (r2 <= 19) return 45;
    if (r2 <= 29) return 30;
    if (r2 <= 39) return 20;
    if (r2 <= 49) return 15;
    if (r2 <= 59) return 10;
    if (r2 <= 69) return 5;
    if (r2 <= 79) return 4;
    if (r2 <= 89) return 3;
    return 2;
}

void BruchTexte(Umwandlungsaufgabe& a, int zaehler, int nenner) {
    a.Zaehler = zaehler;
    a.Nenner = nenner;
    a.ZaehlerText = QString::number(zaehler);
    a.NennerText = QString::number(nenner);
}

// r1 41..70: a fraction of an hour or a minute, to be written as whole minutes or seconds.
void BruchAlsAngabe(Umwandlungsaufgabe& a, int r1, int r2) {
    const int faktor = r1 <= 60 ? 60 : 3600;
    int nenner = NennerAus(r2);
    // 45 does not divide 60: the answer would not be a whole number.
    while (faktor % nenner != 0)
        nenner = NennerAus(Ziehe1bis100());
    int zaehler = 1;
    if (nenner == 3) {
        zaehler = Random(2) + 1;
    } else if (nenner != 2) {
        do {
            zaehler = Random(nenner - 1) + 1;
        } while (ggT(zaehler, nenner) != 1);
    }
    BruchTexte(a, zaehler, nenner);
    a.BruchAngabe = true;
    a.AngabeWert = static_cast<float>(zaehler) / static_cast<float>(nenner);
    a.AngabeText = a.ZaehlerText + u'/' + a.NennerText;
    a.VonEinheit = (r1 <= 50 || r1 > 60 ? EinheitStunde : EinheitMinute).toString();
    a.NachEinheit = (r1 <= 50 ? EinheitMinute : EinheitSekunde).toString();
    const int loesung = zaehler * faktor / nenner;
    a.LoesungWert = static_cast<float>(loesung);
    a.StellenLoesung = 0;
    a.LoesungText = QString::number(loesung);
}

// r1 71..100: whole minutes or seconds, to be written as a proper fraction in lowest terms.
void BruchAlsLoesung(Umwandlungsaufgabe& a, int r1) {
    static constexpr int nennerWahl[] = {2, 3, 5, 6, 10};
    int zaehler = 0;
    int nenner = 0;
    do {
        nenner = nennerWahl[Random(5)];
        zaehler = Random(59) + 1;
    } while (ggT(zaehler, nenner) != 1 || zaehler >= nenner);
    const int faktor = r1 <= 90 ? 60 : 3600;
    BruchTexte(a, zaehler, nenner);
    a.BruchLoesung = true;
    const int angabe = zaehler * faktor / nenner;
    a.AngabeWert = static_cast<float>(angabe);
    a.StellenAngabe = 0;
    a.AngabeText = QString::number(angabe);
    a.VonEinheit = (r1 <= 80 ? EinheitMinute : EinheitSekunde).toString();
    a.NachEinheit = (r1 > 80 && r1 <= 90 ? EinheitMinute : EinheitStunde).toString();
    a.StellenLoesung = 0;
    a.LoesungText = a.ZaehlerText + u'/' + a.NennerText;
}

// Clears task i and makes the three draws every task starts with, in this order.
Umwandlungsaufgabe* Beginnen(int i, int& r1, int& r2, int& r3) {
    if (!GueltigeZeile(i)) return nullptr;
    Umwandlungsaufgabe& a = Umwandlungsaufgaben[static_cast<std::size_t>(i)];
    a = {};
    r1 = Ziehe1bis100();
    r2 = Ziehe1bis100();
    r3 = Ziehe1bis100();
    a.EingabeLinks = EingabeLinksPixel;
    return &a;
}

} // namespace

void AufgabeLoeschen(int i) {
    if (GueltigeZeile(i)) Umwandlungsaufgaben[static_cast<std::size_t>(i)] = {};
}

void AufgabeOhneBrueche(int i) {
    int r1 = 0, r2 = 0, r3 = 0;
    if (Umwandlungsaufgabe* a = Beginnen(i, r1, r2, r3)) EinfacheArt(*a, (r1 - 1) / 20, r2, r3);
}

void AufgabeMitBruechen(int i) {
    int r1 = 0, r2 = 0, r3 = 0;
    Umwandlungsaufgabe* a = Beginnen(i, r1, r2, r3);
    if (!a) return;
    if (r1 <= 40) {
        EinfacheArt(*a, (r1 - 1) / 8, r2, r3);
        return;
    }
    a->Bruchart = true;
    if (r1 <= 70)
        BruchAlsAngabe(*a, r1, r2);
    else
        BruchAlsLoesung(*a, r1);
}

QString Festkomma(double wert, int stellen) {
    QString text = QString::number(wert, 'f', qBound(0, stellen, 9));
    text.replace(u'.', u',');
    return text;
}

QString EingabeNormalisiert(QStringView text) {
    return FuehrendeNullen(EndNullen(text));
}

bool ZeichenErlaubt(const Umwandlungsaufgabe& aufgabe, QChar zeichen) {
    if (zeichen >= u'0' && zeichen <= u'9') return true;
    // A whole number may be typed with a comma too (180,0 is 180); dropping the comma
    // would turn it into another number.
    if (aufgabe.BruchLoesung) return zeichen == u'/';
    return zeichen == u',';
}

Urteil Bewerte(Umwandlungsaufgabe& aufgabe, int& versuch, const QString& eingabe) {
    Aufgabenstand stand{versuch, false, false};
    const Urteil urteil = Beurteile(stand, eingabe == aufgabe.LoesungText);
    versuch = stand.versuch;
    if (stand.Fertig()) {
        aufgabe.Geloest = stand.geloest;
        aufgabe.Aufgedeckt = stand.aufgedeckt;
        aufgabe.Offen = false;
    }
    return urteil;
}

namespace {
QString Angabe(const Umwandlungsaufgabe& a) {
    // A compound quantity (3h 45min) carries its units in the text.
    return a.VonEinheit.isEmpty() ? a.AngabeText : a.AngabeText + u' ' + a.VonEinheit;
}
} // namespace

QString Aufgabentext(const Umwandlungsaufgabe& a) {
    return Angabe(a) + QStringLiteral(" in ") + a.NachEinheit;
}

QString Loesungssatz(const Umwandlungsaufgabe& a, const QString& antwort) {
    return Angabe(a) + QStringLiteral(" = ") + antwort + u' ' + a.NachEinheit;
}

} // namespace kalmiro

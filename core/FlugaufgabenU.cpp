#include "core/FlugaufgabenU.h"

#include "core/TexteU.h"
#include "core/ZeitenU.h"
#include "core/ZufallU.h"

#include <algorithm>
#include <cstdlib>

namespace kalmiro {
namespace {

constexpr int MinutenJeTag = StundenJeTag * MinutenJeStunde;

// A time of day from hours and minutes that may have run past midnight; the day itself
// is not shown.
void InDenTag(int& stunden, int& minuten) {
    const int tag =
        ((stunden * MinutenJeStunde + minuten) % MinutenJeTag + MinutenJeTag) % MinutenJeTag;
    stunden = tag / MinutenJeStunde;
    minuten = tag % MinutenJeStunde;
}

QString Rot(const QString& text) {
    return u'#' + text + u'#';
}

// The flight time, the arrival, the texts and the expected answer of a task whose
// destination, speed, kind and departure are set.
void FlugaufgabeRechnen(TFlugaufgabe& a) {
    const TFlugziel& ziel = a.Flugziel();
    QuotientStundenMinuten(ziel.Entfernung, a.Tempo, a.FlugStunden, a.FlugMinuten);
    int h = 0, m = 0;
    ZeitSumme(a.AbflugStunde, a.AbflugMinute, a.FlugStunden, a.FlugMinuten, h, m);
    ZeitSumme(h, m, ziel.Stunden, ziel.Minuten, a.AnkunftStunde, a.AnkunftMinute);
    InDenTag(a.AnkunftStunde, a.AnkunftMinute);

    const QString abflug = Uhrzeittext(a.AbflugStunde, a.AbflugMinute);
    const QString ankunft = Uhrzeittext(a.AnkunftStunde, a.AnkunftMinute);
    const QString flugzeit = Zeitdauertext(a.FlugStunden, a.FlugMinuten);
    switch (a.Aufgabenart) {
    case AbflugGefragt:
        a.Zeile1 = QStringLiteral("Geg.: Flugzeit ") + Rot(flugzeit);
        a.Zeile2 = QStringLiteral("Ankunft ") + Rot(ankunft) + QStringLiteral(" Ortszeit");
        a.Gesucht = QStringLiteral("Abflug");
        a.Ergebnis = abflug;
        break;
    case AnkunftGefragt:
        a.Zeile1 = QStringLiteral("Geg.: Abflug ") + Rot(abflug) + QStringLiteral(" (Ortszeit)");
        // The flight time is red to the end of the line.
        a.Zeile2 = QStringLiteral("Flugzeit #") + flugzeit;
        a.Gesucht = QStringLiteral("Ankunft");
        a.Ergebnis = ankunft;
        break;
    default:
        a.Zeile1 = QStringLiteral("Geg.: Abflug ") + Rot(abflug) + QStringLiteral(" (Ortszeit)");
        a.Zeile2 = QStringLiteral("Ankunft ") + Rot(ankunft) + QStringLiteral(" (Ortszeit)");
        a.Gesucht = QStringLiteral("Flugzeit");
        a.Ergebnis = flugzeit;
        break;
    }
    a.Ergebnis.truncate(KurzText20);
}

} // namespace

const TFlugziel& TFlugaufgabe::Flugziel() const {
    return Flugziele[static_cast<std::size_t>(std::clamp(Ziel, 1, AnzahlFlugziele - 1))];
}

TFlugaufgabe FlugaufgabeZiehen() {
    TFlugaufgabe a;
    a.Ziel = Random(AnzahlFlugziele - 1) + 1;
    a.Tempo = ZufallTempo();
    a.Aufgabenart = Random(3) + 1;
    a.AbflugStunde = Random(23);
    a.AbflugMinute = Random(MinutenJeStunde);
    FlugaufgabeRechnen(a);
    return a;
}

QString Zielbeschriftung(const TFlugziel& ziel) {
    QString text = ziel.Stadt;
    if (ziel.Stunden < 0)
        text += QStringLiteral(" (–") + QString::number(-ziel.Stunden);
    else if (ziel.Stunden == 0)
        text += QStringLiteral(" (0");
    else
        text += QStringLiteral(" (+") + QString::number(ziel.Stunden);
    text += u'h';
    if (ziel.Minuten == 0)
        text += u')';
    else
        text += u' ' + QString::number(std::abs(ziel.Minuten)) + QStringLiteral("min)");
    return text;
}

QString Flugtitel(const TFlugziel& ziel) {
    return QStringLiteral("Flug von ") + Flugziele[Heimatstadt].Stadt + QStringLiteral(" nach ") +
           ziel.Stadt + QStringLiteral(" (") + ziel.Land + u')';
}

QString Flugstrecke(const TFlugziel& ziel) {
    return QStringLiteral("Flugstrecke: ") + QString::number(ziel.Entfernung) +
           QStringLiteral(" km");
}

QString Gesuchtzeile(const TFlugaufgabe& a) {
    return QStringLiteral("Ges.: ") + a.Gesucht;
}

QStringList Flugtexte(const TFlugaufgabe& a) {
    const TFlugziel& ziel = a.Flugziel();
    return {ZeichenEntfernen(a.Zeile1, u'#'),
            ZeichenEntfernen(a.Zeile2, u'#'),
            Gesuchtzeile(a),
            Flugtitel(ziel),
            Flugstrecke(ziel),
            Zielbeschriftung(ziel)};
}

} // namespace kalmiro

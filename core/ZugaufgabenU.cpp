#include "core/ZugaufgabenU.h"

#include "core/TexteU.h"
#include "core/ZeiteingabeU.h"
#include "core/ZeitenU.h"
#include "core/ZufallU.h"

#include <algorithm>

namespace kalmiro {
namespace {

// Drawn value 1..100 up to which each kind is chosen.
constexpr std::array<int, 6> ArtGrenzen{10, 20, 30, 53, 76, 100};

// The texts are shown exactly as they stand here: "406,9,4 km/h" and "000 km/h" are
// the program's own wording.
// clang-format off
const std::array<TZugdaten, AnzahlZuege> Zugtabelle{{
    {QStringLiteral("Belgien: #TGV-PSE#"), QStringLiteral("#380,4 km/h#"), QStringLiteral("#300 km/h#"), QStringLiteral("#270 km/h – 300 km/h#")},
    {QStringLiteral("Belgien: #TGV-Réseau#"), QStringLiteral("#370 km/h#"), QStringLiteral("#320 km/h#"), QStringLiteral("#320 km/h#")},
    {QStringLiteral("Belgien: #Thalys PBA#"), QStringLiteral("#340 km/h#"), QStringLiteral("#320 km/h#"), QStringLiteral("#300 km/h#")},
    {QStringLiteral("Belgien: #Thalys PBKA#"), QStringLiteral("#340 km/h#"), QStringLiteral("#320 km/h#"), QStringLiteral("#300 km/h#")},
    {QStringLiteral("China: #CRH 3#"), QStringLiteral("#210 km/h#"), QStringLiteral("#200 km/h#"), QStringLiteral("#200 km/h – 300 km/h#")},
    {QStringLiteral("China: #Shinkansen#"), QStringLiteral("#300 km/h#"), QStringLiteral("#270 km/h#"), QStringLiteral("#250 km/h – 300 km/h#")},
    {QStringLiteral("Deutschland: #ICE 1#"), QStringLiteral("#328 km/h#"), QStringLiteral("#280 km/h#"), QStringLiteral("#280 km/h (Tunnel: 250 km/h)#")},
    {QStringLiteral("Deutschland: #ICE 2#"), QStringLiteral("#310 km/h#"), QStringLiteral("#280 km/h#"), QStringLiteral("#280 km/h (Tunnel: 250 km/h)#")},
    {QStringLiteral("Deutschland: #ICE 3#"), QStringLiteral("#368 km/h#"), QStringLiteral("#330 km/h#"), QStringLiteral("#300 km/h#")},
    {QStringLiteral("Deutschland: #ICE-T#"), QStringLiteral("#230 km/h#"), QStringLiteral("#230 km/h#"), QStringLiteral("#230 km/h#")},
    {QStringLiteral("Deutschland: #ICE-TD#"), QStringLiteral("#222 km/h#"), QStringLiteral("#200 km/h#"), QStringLiteral("#200 km/h#")},
    {QStringLiteral("Deutschland: #ICE-V#"), QStringLiteral("#406,9,4 km/h#"), QStringLiteral("#350 km/h#"), QStringLiteral("#350 km/h#")},
    {QStringLiteral("Großbritannien: #APT#"), QStringLiteral("#245 km/h#"), QStringLiteral("#250 km/h#"), QStringLiteral("#230 km/h#")},
    {QStringLiteral("Großbritannien: #High Speed Train#"), QStringLiteral("#233 km/h#"), QStringLiteral("#200 km/h#"), QStringLiteral("#200 km/h#")},
    {QStringLiteral("Frankreich: #AGV#"), QStringLiteral("#350 km/h#"), QStringLiteral("#320 km/h#"), QStringLiteral("#300 km/h – 300 km/h#")},
    {QStringLiteral("Frankreich: #TGV 001#"), QStringLiteral("#318 km/h#"), QStringLiteral("#300 km/h#"), QStringLiteral("#270 km/h#")},
    {QStringLiteral("Frankreich: #TGV Atlantique#"), QStringLiteral("#515,3 km/h#"), QStringLiteral("#300 km/h#"), QStringLiteral("#270 km/h – 300 km/h#")},
    {QStringLiteral("Frankreich: #TGV Duplex#"), QStringLiteral("#360 km/h#"), QStringLiteral("#350 km/h#"), QStringLiteral("#220 km/h#")},
    {QStringLiteral("Frankreich: #TGV Est#"), QStringLiteral("#340 km/h#"), QStringLiteral("#320 km/h#"), QStringLiteral("#320 km/h#")},
    {QStringLiteral("Frankreich: #TGV La Poste#"), QStringLiteral("#320 km/h#"), QStringLiteral("#300 km/h#"), QStringLiteral("#270 km/h – 300 km/h#")},
    {QStringLiteral("Frankreich: #TGV Pendulaire#"), QStringLiteral("#300 km/h#"), QStringLiteral("#270 km/h#"), QStringLiteral("#250 km/h – 300 km/h#")},
    {QStringLiteral("Frankreich: #TGV PSE#"), QStringLiteral("#380,4 km/h#"), QStringLiteral("#300 km/h#"), QStringLiteral("#270 km/h – 300 km/h")},
    {QStringLiteral("Frankreich: #TGV Réseau#"), QStringLiteral("#370 km/h#"), QStringLiteral("#320 km/h#"), QStringLiteral("#320 km/h#")},
    {QStringLiteral("Frankreich: #Thalys PBA#"), QStringLiteral("#340 km/h#"), QStringLiteral("#320 km/h#"), QStringLiteral("#300 km/h#")},
    {QStringLiteral("Frankreich: #Thalys PBKA#"), QStringLiteral("#340 km/h#"), QStringLiteral("#320 km/h#"), QStringLiteral("#300 km/h#")},
    {QStringLiteral("Italien: #ETR 500P#"), QStringLiteral("#323 km/h#"), QStringLiteral("#300 km/h#"), QStringLiteral("#300 km/h#")},
    {QStringLiteral("Italien: #ETR 500#"), QStringLiteral("#310 km/h#"), QStringLiteral("#300 km/h#"), QStringLiteral("#250 km/h#")},
    {QStringLiteral("Italien: #Pendolino 4#"), QStringLiteral("#280 km/h#"), QStringLiteral("#250 km/h#"), QStringLiteral("#250 km/h#")},
    {QStringLiteral("Italien: #Pendolino ETR 450#"), QStringLiteral("#260 km/h#"), QStringLiteral("#250 km/h#"), QStringLiteral("#250 km/h#")},
    {QStringLiteral("Italien: #Pendolino ETR 460#"), QStringLiteral("#256 km/h#"), QStringLiteral("#250 km/h#"), QStringLiteral("#250 km/h#")},
    {QStringLiteral("Italien: #Pendolino ETR 470#"), QStringLiteral("#210 km/h#"), QStringLiteral("#000 km/h#"), QStringLiteral("#200 km/h#")},
    {QStringLiteral("Italien: #Pendolino ETR 480#"), QStringLiteral("#284 km/h#"), QStringLiteral("#250 km/h#"), QStringLiteral("#250 km/h#")},
    {QStringLiteral("Italien: #Pendolino#"), QStringLiteral("#245 km/h#"), QStringLiteral("#240 km/h#"), QStringLiteral("#230 km/h#")},
    {QStringLiteral("Japan: #300X#"), QStringLiteral("#443 km/h#"), QStringLiteral("#400 km/h#"), QStringLiteral("#330 km/h#")},
    {QStringLiteral("Japan: #Doctor Yellow#"), QStringLiteral("#380 km/h#"), QStringLiteral("#300 km/h#"), QStringLiteral("#270 km/h#")},
    {QStringLiteral("Japan: #East i#"), QStringLiteral("#300 km/h#"), QStringLiteral("#270 km/h#"), QStringLiteral("#240 km/h#")},
    {QStringLiteral("Japan: #JR 0#"), QStringLiteral("#240 km/h#"), QStringLiteral("#220 km/h#"), QStringLiteral("#220 km/h#")},
    {QStringLiteral("Japan: #JR 100#"), QStringLiteral("#319 km/h#"), QStringLiteral("#270 km/h#"), QStringLiteral("#230 km/h#")},
    {QStringLiteral("Japan: #JR 200#"), QStringLiteral("#276 km/h#"), QStringLiteral("#240 km/h#"), QStringLiteral("#240 km/h#")},
    {QStringLiteral("Japan: #JR 300#"), QStringLiteral("#325,7 km/h#"), QStringLiteral("#300 km/h#"), QStringLiteral("#270 km/h#")},
    {QStringLiteral("Japan: #JR 400#"), QStringLiteral("#345 km/h#"), QStringLiteral("#240 km/h#"), QStringLiteral("#240 km/h#")},
    {QStringLiteral("Japan: #JR 500#"), QStringLiteral("#346 km/h#"), QStringLiteral("#320 km/h#"), QStringLiteral("#300 km/h#")},
    {QStringLiteral("Japan: #JR 700#"), QStringLiteral("#338 km/h#"), QStringLiteral("#320 km/h#"), QStringLiteral("#300 km/h#")},
    {QStringLiteral("Japan: #JR E1#"), QStringLiteral("#255 km/h#"), QStringLiteral("#240 km/h#"), QStringLiteral("#240 km/h#")},
    {QStringLiteral("Japan: #JR E2#"), QStringLiteral("#260 km/h#"), QStringLiteral("#240 km/h#"), QStringLiteral("#240 km/h#")},
    {QStringLiteral("Japan: #JR E3#"), QStringLiteral("#320 km/h#"), QStringLiteral("#300 km/h#"), QStringLiteral("#275 km/h#")},
    {QStringLiteral("Japan: #Star 21#"), QStringLiteral("#425 km/h#"), QStringLiteral("#350 km/h#"), QStringLiteral("#350 km/h#")},
    {QStringLiteral("Japan: #Win 350#"), QStringLiteral("#350,4 km/h#"), QStringLiteral("#385 km/h#"), QStringLiteral("#320 km/h#")},
    {QStringLiteral("Korea: #KTX#"), QStringLiteral("#330 km/h#"), QStringLiteral("#300 km/h#"), QStringLiteral("#300 km/h#")},
    {QStringLiteral("Norwegen: #Krengetog#"), QStringLiteral("#238 km/h#"), QStringLiteral("#210 km/h#"), QStringLiteral("#210 km/h#")},
    {QStringLiteral("Österreich: #Railjet# (Modell)"), {}, QStringLiteral("#230 km/h#"), QStringLiteral("#230 km/h#")},
    {QStringLiteral("Portugal: #Alpha Pendular#"), QStringLiteral("#280 km/h#"), QStringLiteral("#250 km/h#"), QStringLiteral("#220 km/h#")},
    {QStringLiteral("Russland: #Velaro RUS# (Modell)"), {}, QStringLiteral("#230 km/h#"), QStringLiteral("#230 km/h#")},
    {QStringLiteral("Schweden: #X2000#"), QStringLiteral("#276 km/h#"), QStringLiteral("#210 km/h#"), QStringLiteral("#210 km/h#")},
    {QStringLiteral("Schweiz: #ICN#"), QStringLiteral("#220 km/h#"), QStringLiteral("#200 km/h#"), QStringLiteral("#200 km/h#")},
    {QStringLiteral("Spanien: #Alaris#"), QStringLiteral("#240 km/h#"), QStringLiteral("#220 km/h#"), QStringLiteral("#200 km/h#")},
    {QStringLiteral("Spanien: #AVE S-100#"), QStringLiteral("#356,8 km/h#"), QStringLiteral("#300 km/h#"), QStringLiteral("#300 km/h#")},
    {QStringLiteral("Spanien: #AVE S-102#"), QStringLiteral("#364 km/h#"), QStringLiteral("#350 km/h#"), QStringLiteral("#330 km/h#")},
    {QStringLiteral("Spanien: #AVE S-103#"), QStringLiteral("#375 km/h#"), QStringLiteral("#350 km/h#"), QStringLiteral("#350 km/h#")},
    {QStringLiteral("Spanien: #AVE S-104#"), QStringLiteral("#290 km/h#"), QStringLiteral("#270 km/h#"), QStringLiteral("#250 km/h#")},
    {QStringLiteral("Spanien: #AVE S-120#"), QStringLiteral("#270 km/h#"), QStringLiteral("#250 km/h#"), QStringLiteral("#220 km/h#")},
    {QStringLiteral("Spanien: #Talgo XXI#"), QStringLiteral("#256,4 km/h#"), QStringLiteral("#220 km/h#"), QStringLiteral("#220 km/h#")},
    {QStringLiteral("Taiwan: #THSR 700T#"), QStringLiteral("#398 km/h#"), QStringLiteral("#350 km/h#"), QStringLiteral("#300 km/h#")},
    {QStringLiteral("USA: #Acela#"), QStringLiteral("#265 km/h#"), QStringLiteral("#265 km/h#"), QStringLiteral("#240 km/h#")},
    {QStringLiteral("USA: #Jettrain#"), QStringLiteral("#260 km/h#"), QStringLiteral("#240 km/h#"), QStringLiteral("#220 km/h#")},
    {QStringLiteral("EU: #Eurostar#"), QStringLiteral("#316 km/h#"), QStringLiteral("#300 km/h#"), QStringLiteral("#300 km/h#")},
}};
// clang-format on

int AufgabenartWaehlen() {
    const int v = Random(100) + 1;
    const auto art = std::lower_bound(ArtGrenzen.begin(), ArtGrenzen.end(), v);
    return static_cast<int>(art - ArtGrenzen.begin()) + 1;
}

void ZeitenWaehlen(TZugaufgabe& a) {
    if (a.UeberNacht()) {
        a.AbfahrtStunde = Random(18) + 3;
        a.AnkunftStunde = Random(18) + 3;
    } else {
        do {
            a.AbfahrtStunde = Random(23) + 1;
            a.AnkunftStunde = Random(22) + 1;
        } while (a.AnkunftStunde - a.AbfahrtStunde <= 5);
    }
    do {
        a.AbfahrtMinute = Random(MinutenJeStunde);
        a.AnkunftMinute = Random(MinutenJeStunde);
    } while (a.AbfahrtMinute == a.AnkunftMinute);
}

} // namespace

const QString& GegebenText(int gesucht) {
    static const std::array<QString, 3> texte{QStringLiteral("Geg.: Abfahrt, Ankunft"),
                                              QStringLiteral("Geg.: Abfahrt, Fahrzeit"),
                                              QStringLiteral("Geg.: Ankunft, Fahrzeit")};
    return texte[static_cast<std::size_t>(std::clamp(gesucht, 1, 3) - 1)];
}

const QString& GesuchtText(int gesucht) {
    static const std::array<QString, 3> texte{QStringLiteral("Ges.: Fahrzeit"),
                                              QStringLiteral("Ges.: Ankunft"),
                                              QStringLiteral("Ges.: Abfahrt")};
    return texte[static_cast<std::size_t>(std::clamp(gesucht, 1, 3) - 1)];
}

const QString& GesuchteZeit(int gesucht) {
    static const std::array<QString, 3> namen{
        QStringLiteral("Fahrzeit"), QStringLiteral("Ankunftszeit"), QStringLiteral("Abfahrtszeit")};
    return namen[static_cast<std::size_t>(std::clamp(gesucht, 1, 3) - 1)];
}

QString Zugaufgabentext(const TZugaufgabe& a) {
    const QString abfahrt =
        QStringLiteral("Abfahrt ") + Uhrzeittext(a.AbfahrtStunde, a.AbfahrtMinute);
    const QString ankunft =
        QStringLiteral("Ankunft ") + Uhrzeittext(a.AnkunftStunde, a.AnkunftMinute);
    const QString fahrzeit =
        QStringLiteral("Fahrzeit ") + Zeitdauertext(a.FahrzeitStunden, a.FahrzeitMinuten);
    QString gegeben;
    switch (a.Gesucht()) {
    case FahrzeitGesucht:
        gegeben = abfahrt + QStringLiteral(", ") + ankunft;
        break;
    case AnkunftGesucht:
        gegeben = abfahrt + QStringLiteral(", ") + fahrzeit;
        break;
    default:
        gegeben = ankunft + QStringLiteral(", ") + fahrzeit;
        break;
    }
    return QStringLiteral("Geg.: ") + gegeben + QStringLiteral(", ") + GesuchtText(a.Gesucht()) +
           (a.UeberNacht() ? QStringLiteral(", Fahrt über Nacht")
                           : QStringLiteral(", Fahrt an einem Tag"));
}

void FahrzeitUndErgebnis(TZugaufgabe& a) {
    if (a.UeberNacht()) {
        int h = 0, m = 0;
        ZeitDifferenz(a.AbfahrtStunde, a.AbfahrtMinute, StundenJeTag, 0, h, m);
        ZeitSumme(h, m, a.AnkunftStunde, a.AnkunftMinute, a.FahrzeitStunden, a.FahrzeitMinuten);
    } else {
        ZeitDifferenz(a.AbfahrtStunde, a.AbfahrtMinute, a.AnkunftStunde, a.AnkunftMinute,
                      a.FahrzeitStunden, a.FahrzeitMinuten);
    }
    switch (a.Gesucht()) {
    case FahrzeitGesucht:
        a.Ergebnis = Zeitdauertext(a.FahrzeitStunden, a.FahrzeitMinuten);
        break;
    case AnkunftGesucht:
        a.Ergebnis = Uhrzeittext(a.AnkunftStunde, a.AnkunftMinute);
        break;
    default:
        a.Ergebnis = Uhrzeittext(a.AbfahrtStunde, a.AbfahrtMinute);
        break;
    }
    a.Ergebnis.truncate(KurzText20);
}

TZugaufgabe ZugaufgabeDerArt(int aufgabenart) {
    TZugaufgabe a;
    a.Aufgabenart = std::clamp(aufgabenart, 1, static_cast<int>(ArtGrenzen.size()));
    ZeitenWaehlen(a);
    FahrzeitUndErgebnis(a);
    return a;
}

TZugaufgabe NeueZugaufgabe() {
    return ZugaufgabeDerArt(AufgabenartWaehlen());
}

const TZugdaten& Zug(int nummer) {
    return Zugtabelle[static_cast<std::size_t>(std::clamp(nummer, 1, AnzahlZuege) - 1)];
}

std::array<QString, 3> Geschwindigkeitszeilen(const TZugdaten& zug) {
    // Without a first value the line ends at its colon.
    QString erste = QStringLiteral("Max. erreichte Geschwindigkeit:");
    if (!zug.Wert1.isEmpty()) erste += QStringLiteral(" ") + zug.Wert1;
    return {erste, QStringLiteral("Höchste zulässige Geschwindigkeit: ") + zug.Wert2,
            QStringLiteral("Fahrplanmäßige Höchstgeschwindigkeit: ") + zug.Wert3};
}

QStringList Zugdatentexte(const TZugdaten& zug) {
    QStringList texte{ZeichenEntfernen(zug.Ueberschrift, u'#')};
    for (const QString& zeile : Geschwindigkeitszeilen(zug))
        texte << ZeichenEntfernen(zeile, u'#');
    return texte;
}

} // namespace kalmiro

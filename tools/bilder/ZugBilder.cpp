// The 66 trains of the train-journey screen, img01 ... img66: each in its livery where
// that is widely known, in a scene of its own, so no two pictures look alike even where
// the same train appears under two countries.
#include "Bilder.h"
#include "ZugFormen.h"
#include "ZugMaler.h"

#include <functional>

using namespace zug;

namespace {

// ---- Livery pieces ------------------------------------------------------------------

// A band that sweeps up towards the front: from d1 back at z0..z1, risen by hub at d0.
Flaeche Schwung(double z0, double z1, Farbe farbe, double d0, double d1, double hub) {
    return {QPolygonF({{d0, z0 + hub}, {d1, z0}, {1e4, z0}, {1e4, z1}, {d1, z1}, {d0, z1 + hub}}),
            farbe};
}

// The front end up to d at the bottom, d + schraeg at the top.
Flaeche Front(double d, double schraeg, Farbe farbe) {
    return {QPolygonF({{-1, -1}, {d, -1}, {d + schraeg, 9}, {-1, 9}}), farbe};
}

Flaeche Nur(Flaeche f, Flaeche::Nur nur) {
    f.nur = nur;
    return f;
}

void Fensterreihe(Wagenkasten& w, double z0, double z1, double laenge, double teilung) {
    w.fenster.reihen = {{z0, z1}};
    w.fenster.laenge = laenge;
    w.fenster.teilung = teilung;
}

// ---- Scenes ---------------------------------------------------------------------------

const QColor wiese(112, 152, 70), duerr(176, 160, 104);

Landschaft Acker(std::initializer_list<QColor> felder, Ferne ferne = Ferne::Huegel) {
    Landschaft l;
    l.ferne = ferne;
    l.felder = felder;
    return l;
}

Landschaft Mitteleuropa(Ferne ferne = Ferne::Huegel) {
    return Acker(
        {QColor(150, 172, 72), QColor(206, 186, 96), QColor(112, 150, 62), QColor(176, 150, 92)},
        ferne);
}

Landschaft Flandern() {
    Landschaft l = Acker(
        {QColor(124, 168, 70), QColor(214, 200, 96), QColor(98, 140, 62), QColor(150, 176, 84)},
        Ferne::Ebene);
    l.haeuser = true;
    l.wand = QColor(170, 92, 70);
    l.dach = QColor(70, 66, 70);
    l.baumzahl = 20;
    return l;
}

Landschaft England() {
    Landschaft l = Acker(
        {QColor(104, 150, 70), QColor(124, 166, 80), QColor(92, 136, 64), QColor(150, 170, 90)});
    l.gras = QColor(96, 146, 66);
    l.baumzahl = 22;
    return l;
}

Landschaft Provence() {
    Landschaft l =
        Acker({QColor(140, 110, 176), QColor(124, 96, 164), QColor(196, 176, 96)}, Ferne::Berge);
    l.baeume = Bewuchs::Olive;
    l.gras = QColor(150, 150, 84);
    l.haeuser = true;
    l.wand = QColor(230, 206, 160);
    return l;
}

Landschaft Toskana() {
    Landschaft l = Acker({QColor(200, 176, 96), QColor(150, 160, 80), QColor(176, 140, 84)});
    l.baeume = Bewuchs::Zypresse;
    l.gras = QColor(150, 156, 80);
    l.haeuser = true;
    l.wand = QColor(222, 186, 130);
    l.baumzahl = 24;
    return l;
}

Landschaft Alpen(bool schnee = false) {
    Landschaft l;
    l.ferne = Ferne::Alpen;
    l.baeume = Bewuchs::Nadel;
    l.gras = QColor(98, 150, 66);
    l.schnee = schnee;
    l.haeuser = !schnee;
    l.wand = QColor(226, 214, 190);
    l.dach = QColor(120, 72, 50);
    return l;
}

Landschaft Winterwald(Bewuchs baeume = Bewuchs::Nadel) {
    Landschaft l;
    l.ferne = Ferne::Berge;
    l.baeume = baeume;
    l.schnee = true;
    l.baumzahl = 30;
    return l;
}

Landschaft Kueste(Bewuchs baeume = Bewuchs::Laub) {
    Landschaft l;
    l.ferne = Ferne::Meer;
    l.baeume = baeume;
    l.baumzahl = 8;
    return l;
}

Landschaft Reisfelder(Ferne ferne = Ferne::Berge) {
    Landschaft l = Acker(
        {QColor(110, 176, 96), QColor(132, 188, 104), QColor(120, 170, 140), QColor(96, 160, 88)},
        ferne);
    l.gras = QColor(104, 160, 74);
    l.haeuser = true;
    l.wand = QColor(210, 204, 190);
    l.dach = QColor(70, 76, 90);
    return l;
}

Landschaft Spanien(Ferne ferne = Ferne::Berge) {
    Landschaft l =
        Acker({QColor(206, 178, 112), QColor(186, 150, 96), QColor(160, 150, 90)}, ferne);
    l.baeume = Bewuchs::Olive;
    l.gras = duerr;
    l.haeuser = true;
    l.wand = QColor(242, 238, 228);
    l.baumzahl = 26;
    return l;
}

Landschaft See(Ferne ferne, Bewuchs baeume) {
    Landschaft l;
    l.ferne = ferne;
    l.wasser = true;
    l.baeume = baeume;
    return l;
}

Landschaft Stadtrand() {
    Landschaft l;
    l.ferne = Ferne::Stadt;
    l.baumzahl = 8;
    return l;
}

// ---- Views ----------------------------------------------------------------------------

enum class Seite { Rechts, Links }; // where the train heads in the picture

enum class Sicht { Dreiviertel, Seitlich, Hoch, Bruecke, Tele, Tief, Frontal };

Blick Von(Sicht sicht, Seite s = Seite::Rechts) {
    // Camera ahead of the nose and beside the track, the point it looks at, focal length.
    constexpr Blick blicke[] = {
        {16, 12, 3.0, -12, 2.6, 220}, // three-quarter view of the front
        {0, 28, 2.0, -9, 3.4, 200},   // from the side, the nose at the edge
        {18, 10, 4.5, -14, 2.0, 230}, // from a bank above the line
        {22, 13, 9, -16, 0.8, 210},   // from a bridge
        {45, 14, 3, -14, 2.2, 480},   // long lens, the train drawn together
        {14, 11, 2.0, -12, 3.0, 200}, // low, looking up
        {30, 8, 2.4, -10, 2.4, 330},  // nearly head on
    };
    Blick b = blicke[static_cast<int>(sicht)];
    if (s == Seite::Rechts) b.seite = -b.seite;
    return b;
}

Szene In(Landschaft land, Tageszeit zeit, Blick blick) {
    Szene s;
    s.land = std::move(land);
    s.zeit = zeit;
    s.blick = blick;
    return s;
}

// With the second track between the camera and the train.
Szene Nah(Szene s) {
    s.land.gleisNah = true;
    return s;
}

Szene Ohne(Szene s) {
    s.land.oberleitung = false;
    return s;
}

Szene Aufgestaenderte(Szene s) {
    s.land.strecke = Strecke::Viadukt;
    return s;
}

Szene Damm(Szene s) {
    s.land.strecke = Strecke::Damm;
    return s;
}

// ---- Families -------------------------------------------------------------------------

const Farbe lichtgrau = Hex(0xeceeed), verkehrsrot = Hex(0xcc1020), fensterschwarz = Hex(0x26292c);
const Farbe silber = Hex(0xc4c8cd), tgvBlau = Hex(0x1e3a7c), weiss = Hex(0xf4f4f1),
            elfenbein = Hex(0xf2eedf);
const Farbe shinkansenBlau = Hex(0x1a4aa0), bordeaux = Hex(0x8a1a30);

Zug Ice(const Nase& nase) {
    Zug z = Triebzug(nase, 3.89, 2.95, 24.8);
    for (Wagenkasten* w : {&z.kopf, &z.wagen})
        Fensterreihe(*w, 1.55, 2.45, 1.6, 2.1);
    z.lack.grund = lichtgrau;
    z.lack.flaechen = {Band(1.42, 2.6, fensterschwarz, nase.laenge - 0.4),
                       Band(0.95, 1.2, verkehrsrot, 0.6)};
    return z;
}

Zug IceTriebkopf(bool kurz) {
    Zug z = Triebkopfzug(NaseIce1(), 3.84, 3.84, 3.07);
    z.kopf.hoehe = 3.75;
    z.wagen.fenster = {{{1.55, 2.5}}, 1.9, 2.4, 3.0, 3.0, 0.16};
    z.anzahl = kurz ? 5 : 8;
    z.lack.grund = lichtgrau;
    z.lack.flaechen = {Band(1.42, 2.62, fensterschwarz, 21), Band(1.05, 1.3, verkehrsrot, 0.4),
                       Nur(Schwung(1.05, 1.3, verkehrsrot, 0.2, 2.5, 0.0), Flaeche::Nur::Kopf)};
    return z;
}

Zug TgvSilberBlau(const Nase& nase) {
    Zug z = Tgv(nase);
    z.lack.grund = silber;
    z.lack.flaechen = {Schwung(1.35, 2.45, tgvBlau, 2.4, 8, 0.95), Band(1.22, 1.3, weiss, 3)};
    return z;
}

Zug Thalys(const Nase& nase) {
    Zug z = Tgv(nase);
    z.lack.grund = bordeaux;
    z.lack.flaechen = {Band(-1, 1.15, Hex(0xa6abb2), 0), Band(3.3, 9, Hex(0xa6abb2), 0),
                       Band(1.4, 2.4, Hex(0x2a1e22), 22.6), Band(1.15, 1.22, Hex(0xd8d8d8), 1.2)};
    return z;
}

Zug Shinkansen(const Nase& nase, double hoehe = 3.65, double breite = 3.38) {
    Zug z = Triebzug(nase, hoehe, breite, 25);
    for (Wagenkasten* w : {&z.kopf, &z.wagen})
        Fensterreihe(*w, 1.55, 2.3, 0.85, 1.04);
    z.kopf.fenster.von = nase.laenge + 2.8;
    z.lack.grund = weiss;
    return z;
}

// The first Shinkansen and the line's later sister: ivory, the window band and a stripe
// below in one colour.
Zug Kugelkopf(Farbe streifen) {
    Zug z = Shinkansen(NaseKugel(), 3.98);
    z.lack.grund = elfenbein;
    z.lack.flaechen = {Band(1.5, 2.45, streifen, 3.6), Band(0.95, 1.15, streifen, 0.3)};
    for (Wagenkasten* w : {&z.kopf, &z.wagen})
        Fensterreihe(*w, 1.6, 2.3, 1.3, 1.9);
    return z;
}

Zug Pendolino(const Nase& nase, double neigung) {
    Zug z = Triebzug(nase, 3.7, 2.8, 25.9);
    for (Wagenkasten* w : {&z.kopf, &z.wagen}) {
        Fensterreihe(*w, 1.5, 2.35, 1.3, 1.9);
        w->rund = 3.2;
        w->einzug = 0.08;
    }
    z.neigung = neigung;
    z.anzahl = 7;
    return z;
}

Zug Talgo(const Nase& nase) {
    Zug z = Lokzug(nase, 20, 13.1, 3.36);
    z.kopf.hoehe = 4.0;
    z.kopf.rund = 3.6;
    z.kopf.schulter = 0.62;
    z.kopf.breite = 2.96;
    // Talgo coaches ride low on single axles between the bodies.
    z.wagen.unten = 0.45;
    z.wagen.drehgestelle = {-0.35};
    z.wagen.fenster = {{{1.2, 2.05}}, 1.1, 1.6, 1.6, 1.6, 0.14};
    z.wagen.tueren = {0.5};
    z.anzahl = 10;
    return z;
}

// ---- The table ------------------------------------------------------------------------

struct Plan {
    Zug zug;
    Szene szene;
};

struct Eintrag {
    int nummer;
    std::function<Plan()> plan;
};

std::vector<Eintrag> Tafel() {
    std::vector<Eintrag> t;
    const auto neu = [&t](int nummer, std::function<Plan()> f) {
        t.push_back({nummer, std::move(f)});
    };

    // Belgium
    neu(1, [] {
        Zug z = TgvSilberBlau(NaseTgv());
        return Plan{z, In(Flandern(), Tageszeit::Morgen, Von(Sicht::Dreiviertel, Seite::Links))};
    });
    neu(2, [] {
        Zug z = TgvSilberBlau(NaseTgv());
        z.lack.flaechen.push_back(Band(3.25, 9, Hex(0x9aa0a8), 0));
        return Plan{z, In(Stadtrand(), Tageszeit::Dunst, Von(Sicht::Seitlich))};
    });
    neu(3, [] {
        return Plan{Thalys(NaseTgv()),
                    Nah(In(Flandern(), Tageszeit::Mittag, Von(Sicht::Dreiviertel)))};
    });
    neu(4, [] {
        Landschaft l = Mitteleuropa(Ferne::Huegel);
        l.baeume = Bewuchs::Herbst;
        l.baumzahl = 30;
        return Plan{Thalys(NaseTgv()), In(l, Tageszeit::Abend, Von(Sicht::Tele, Seite::Links))};
    });

    // China
    neu(5, [] {
        Zug z = Ice(NaseIce3());
        z.lack.grund = weiss;
        z.lack.flaechen = {Band(1.42, 2.6, Hex(0x2a3036), 5.8),
                           Schwung(1.0, 1.25, Hex(0x1f5fb4), 0.5, 3, 0.25)};
        Landschaft l = Reisfelder(Ferne::Karst);
        return Plan{z, Aufgestaenderte(In(l, Tageszeit::Dunst, Von(Sicht::Dreiviertel)))};
    });
    neu(6, [] {
        Zug z = Shinkansen(NaseMini(), 3.7, 3.38);
        z.lack.flaechen = {Band(1.25, 1.45, Hex(0x2f62b8), 0.8),
                           Band(1.48, 1.52, Hex(0x2f62b8), 2)};
        return Plan{
            z, In(Reisfelder(Ferne::Huegel), Tageszeit::Morgen, Von(Sicht::Bruecke, Seite::Links))};
    });

    // Germany
    neu(7, [] {
        return Plan{IceTriebkopf(false),
                    Nah(In(Mitteleuropa(), Tageszeit::Mittag, Von(Sicht::Dreiviertel)))};
    });
    neu(8, [] {
        Landschaft l = Mitteleuropa(Ferne::Ebene);
        l.baumzahl = 24;
        return Plan{IceTriebkopf(true),
                    Damm(In(l, Tageszeit::Mittag, Von(Sicht::Hoch, Seite::Links)))};
    });
    neu(9, [] {
        return Plan{Ice(NaseIce3()), Damm(In(Mitteleuropa(Ferne::Berge), Tageszeit::Dunst,
                                             Von(Sicht::Dreiviertel, Seite::Links)))};
    });
    neu(10, [] {
        Zug z = Ice(NaseIceT());
        z.neigung = 5;
        z.anzahl = 7;
        return Plan{z, In(Winterwald(), Tageszeit::Winter, Von(Sicht::Dreiviertel))};
    });
    neu(11, [] {
        Zug z = Ice(NaseIceT());
        z.anzahl = 4;
        Landschaft l = Mitteleuropa();
        l.baeume = Bewuchs::Herbst;
        l.baumzahl = 26;
        return Plan{z, Ohne(In(l, Tageszeit::Morgen, Von(Sicht::Tief, Seite::Links)))};
    });
    neu(12, [] {
        Zug z = Triebkopfzug(NaseIceV(), 3.84, 3.84, 3.07);
        z.anzahl = 4;
        z.lack.grund = Hex(0xf2f0ea);
        z.lack.flaechen = {Band(1.42, 2.62, fensterschwarz, 21), Band(1.0, 1.3, Hex(0xe0402a), 0.5),
                           Band(1.32, 1.4, Hex(0x9a6cae), 0.8)};
        return Plan{z, In(Mitteleuropa(Ferne::Ebene), Tageszeit::Bedeckt, Von(Sicht::Frontal))};
    });

    // Great Britain
    neu(13, [] {
        Zug z = Pendolino(NaseApt(), 6);
        z.kopf.hoehe = z.wagen.hoehe = 3.5;
        z.lack.grund = Hex(0xd4d6d8);
        z.lack.flaechen = {Band(1.45, 2.3, Hex(0x303338), 5.5), Band(1.2, 1.3, Hex(0xc8202a), 1.5),
                           Front(2.2, 0.4, Hex(0xf2c400))};
        Landschaft l = England();
        l.ferne = Ferne::Berge;
        l.felder = {QColor(132, 110, 96), QColor(120, 140, 80), QColor(150, 120, 110)};
        return Plan{z, In(l, Tageszeit::Abend, Von(Sicht::Dreiviertel))};
    });
    neu(14, [] {
        Zug z = Triebkopfzug(NaseHst(), 3.88, 3.86, 2.74);
        z.lack.grund = Hex(0x9aa2ac);
        z.lack.flaechen = {Band(1.45, 9, Hex(0x1f3c6e), 3.5), Band(1.55, 2.45, Hex(0x1c1e22), 24),
                           Front(3.4, -0.6, Hex(0xf2c400))};
        return Plan{z,
                    Ohne(In(England(), Tageszeit::Bedeckt, Von(Sicht::Dreiviertel, Seite::Links)))};
    });

    // France
    neu(15, [] {
        Zug z = Tgv(NaseAgv());
        z.kopf.laenge = 20;
        z.kopf.fenster = {{{1.5, 2.3}}, 1.2, 1.65, 9, 2, 0.14};
        z.kopf.drehgestelle = {4.5};
        z.wagen.fenster = {{{1.5, 2.3}}, 1.2, 1.65, 2.0, 1.2, 0.14};
        z.kopf.hoehe = 4.0;
        z.lack.grund = Hex(0xe4e6e8);
        z.lack.flaechen = {Schwung(1.4, 2.45, Hex(0x4a2a4a), 3.5, 9, 0.9),
                           Band(3.3, 9, Hex(0x8c8e94), 0), Band(-1, 1.05, Hex(0x5a5c62), 0)};
        return Plan{z, In(Provence(), Tageszeit::Mittag, Von(Sicht::Dreiviertel))};
    });
    neu(16, [] {
        Zug z = Tgv(NaseTurbine());
        z.anzahl = 4;
        z.lack.grund = Hex(0xe8641e);
        z.lack.flaechen = {Band(1.45, 2.35, Hex(0x222224), 6), Band(1.25, 1.4, Hex(0xf4f0e8), 0.3),
                           Band(3.35, 9, Hex(0xf4f0e8), 0)};
        return Plan{z, Ohne(In(Mitteleuropa(Ferne::Ebene), Tageszeit::Dunst,
                               Von(Sicht::Seitlich, Seite::Links)))};
    });
    neu(17, [] {
        Landschaft l = See(Ferne::Huegel, Bewuchs::Laub);
        l.felder = {QColor(150, 172, 72), QColor(206, 186, 96)};
        return Plan{TgvSilberBlau(NaseTgv()),
                    Nah(In(l, Tageszeit::Morgen, Von(Sicht::Dreiviertel)))};
    });
    neu(18, [] {
        Zug z = Tgv(NaseTgv(), true);
        z.lack.grund = Hex(0xe6e8ea);
        z.lack.flaechen = {Band(-1, 0.8, Hex(0x6a6e74), 0),
                           Nur(Schwung(2.4, 3.45, Hex(0x3c3f44), 2.8, 8, 0.2), Flaeche::Nur::Kopf),
                           Band(1.95, 2.08, Hex(0xb01838), 0)};
        return Plan{z, In(Alpen(true), Tageszeit::Winter, Von(Sicht::Dreiviertel))};
    });
    neu(19, [] {
        Zug z = Tgv(NaseTgv());
        z.lack.grund = Hex(0xb8bcc2);
        z.lack.flaechen = {Schwung(1.35, 2.45, Hex(0x35383e), 2.6, 8, 0.95),
                           Band(1.2, 1.3, Hex(0x7a3c8c), 1), Band(3.3, 9, Hex(0xe2e4e6), 0)};
        Landschaft l = Acker({QColor(92, 130, 60), QColor(110, 146, 66), QColor(120, 150, 74)});
        return Plan{z, In(l, Tageszeit::Morgen, Von(Sicht::Tele, Seite::Links))};
    });
    neu(20, [] {
        Zug z = Tgv(NaseTgv());
        z.wagen.fenster.reihen.clear();
        z.lack.grund = Hex(0xf5c400);
        z.lack.flaechen = {Schwung(1.9, 2.1, Hex(0x2c4a8c), 2.6, 8, 0.6),
                           Band(-1, 1.1, Hex(0x5c5c60), 0)};
        return Plan{z,
                    In(Stadtrand(), Tageszeit::Daemmerung, Von(Sicht::Dreiviertel, Seite::Links))};
    });
    neu(21, [] {
        Zug z = TgvSilberBlau(NaseTgv());
        z.neigung = 6;
        z.anzahl = 5;
        Landschaft l = Alpen(false);
        l.ferne = Ferne::Berge;
        return Plan{z, In(l, Tageszeit::Mittag, Von(Sicht::Bruecke))};
    });
    neu(22, [] {
        Zug z = Tgv(NaseTgv());
        z.lack.grund = Hex(0xf06a1a);
        z.lack.flaechen = {Band(1.45, 2.35, Hex(0x2b2b2e), 7.5), Band(2.35, 2.5, Hex(0xf4f2ee), 3),
                           Band(1.3, 1.45, Hex(0xf4f2ee), 3)};
        Landschaft l =
            Acker({QColor(96, 136, 60), QColor(124, 150, 70), QColor(176, 150, 92)}, Ferne::Berge);
        return Plan{z, In(l, Tageszeit::Abend, Von(Sicht::Dreiviertel, Seite::Links))};
    });
    neu(23, [] {
        Zug z = Tgv(NaseTgv());
        z.lack.grund = Hex(0xeceef0);
        z.lack.flaechen = {Band(-1, 1.35, Hex(0x9aa0a8), 0),
                           Schwung(1.42, 2.42, Hex(0x3a3d44), 2.6, 8, 0.9),
                           Schwung(1.28, 1.4, Hex(0xb4123c), 1.0, 8, 0.6)};
        return Plan{z, In(Stadtrand(), Tageszeit::Mittag, Von(Sicht::Frontal))};
    });
    neu(24, [] {
        return Plan{Thalys(NaseTgv()),
                    In(Mitteleuropa(Ferne::Ebene), Tageszeit::Mittag, Von(Sicht::Seitlich))};
    });
    neu(25, [] {
        return Plan{Thalys(NaseTgv()),
                    In(Stadtrand(), Tageszeit::Daemmerung, Von(Sicht::Dreiviertel))};
    });

    // Italy
    neu(26, [] {
        Zug z = Triebkopfzug(NaseAgv(), 4.0, 3.9, 3.0);
        z.lack.grund = Hex(0xc8102e);
        z.lack.flaechen = {Band(-1, 1.2, Hex(0x8e9298), 0), Band(1.5, 2.45, Hex(0x2c2c30), 21),
                           Band(3.3, 9, Hex(0xb4b8be), 0)};
        return Plan{z, In(Toskana(), Tageszeit::Mittag, Von(Sicht::Hoch))};
    });
    neu(27, [] {
        Zug z = Triebkopfzug(NaseAgv(), 4.0, 3.9, 3.0);
        z.lack.grund = Hex(0xd6d8da);
        z.lack.flaechen = {Schwung(1.45, 2.5, Hex(0x3a4446), 3, 9, 0.9),
                           Band(1.18, 1.3, Hex(0x1e7a4c), 1), Band(1.06, 1.14, Hex(0xc8202a), 1)};
        Landschaft l = Mitteleuropa(Ferne::Alpen);
        l.baeume = Bewuchs::Laub;
        return Plan{z, In(l, Tageszeit::Morgen, Von(Sicht::Dreiviertel, Seite::Links))};
    });
    neu(28, [] {
        Zug z = Pendolino(NaseApt(), 4);
        z.lack.grund = Hex(0xc6cacf);
        z.lack.grundstoff = Stoff::Metall;
        z.lack.flaechen = {Band(1.4, 2.45, Hex(0x2e3034), 5), Band(1.1, 1.3, Hex(0xc8102e), 0.6)};
        Landschaft l = Mitteleuropa(Ferne::Berge);
        return Plan{z, In(l, Tageszeit::Abend, Von(Sicht::Tele))};
    });
    neu(29, [] {
        Zug z = Pendolino(NaseIceT(), 3);
        z.lack.grund = Hex(0xeeeeea);
        z.lack.flaechen = {Band(1.42, 2.45, Hex(0x23305e), 4), Band(1.2, 1.3, Hex(0xb0202a), 1)};
        Landschaft l = Toskana();
        l.baeume = Bewuchs::Laub;
        return Plan{z, In(l, Tageszeit::Dunst, Von(Sicht::Seitlich, Seite::Links))};
    });
    neu(30, [] {
        Zug z = Pendolino(NasePendolino(), 0);
        z.lack.grund = Hex(0xe6e8e8);
        z.lack.flaechen = {Band(1.42, 2.45, Hex(0x1d4a3a), 4),
                           Band(1.15, 1.28, Hex(0x1d4a3a), 0.6)};
        return Plan{z, In(Kueste(Bewuchs::Palme), Tageszeit::Mittag,
                          Von(Sicht::Dreiviertel, Seite::Links))};
    });
    neu(31, [] {
        Zug z = Pendolino(NasePendolino(), 0);
        z.lack.grund = Hex(0xf4f4f2);
        z.lack.flaechen = {Band(1.42, 2.45, Hex(0x1c2a5a), 4), Band(2.55, 2.65, Hex(0xc8202a), 2)};
        return Plan{z, Nah(In(See(Ferne::Alpen, Bewuchs::Nadel), Tageszeit::Morgen,
                              Von(Sicht::Dreiviertel)))};
    });
    neu(32, [] {
        Zug z = Pendolino(NasePendolino(), 0);
        z.lack.grund = Hex(0xf2f2f0);
        z.lack.flaechen = {Band(1.42, 2.45, Hex(0x3a3c40), 4), Band(1.1, 1.3, Hex(0xd0102a), 0.5),
                           Band(-1, 0.95, Hex(0x8a8e94), 0)};
        return Plan{z, In(Spanien(Ferne::Berge), Tageszeit::Dunst, Von(Sicht::Seitlich))};
    });
    neu(33, [] {
        Zug z = Pendolino(NaseIce1(), 0);
        z.anzahl = 4;
        z.lack.grund = Hex(0xe6dcc2);
        z.lack.flaechen = {Band(1.42, 2.45, Hex(0x6a2a24), 3.5),
                           Band(1.0, 1.2, Hex(0x6a2a24), 0.4)};
        Landschaft l = Mitteleuropa(Ferne::Huegel);
        l.baeume = Bewuchs::Herbst;
        return Plan{z, In(l, Tageszeit::Dunst, Von(Sicht::Dreiviertel, Seite::Links))};
    });

    // Japan
    neu(34, [] {
        Zug z = Shinkansen(NaseSpitz(), 3.6);
        z.kopf.rund = z.wagen.rund = 3;
        z.lack.flaechen = {Band(1.2, 1.42, Hex(0x2050a8), 1), Band(1.5, 1.54, Hex(0x2050a8), 2)};
        return Plan{z, Aufgestaenderte(In(See(Ferne::Berge, Bewuchs::Laub), Tageszeit::Morgen,
                                          Von(Sicht::Dreiviertel)))};
    });
    neu(35, [] {
        Zug z = Shinkansen(NaseEnte());
        z.lack.grund = Hex(0xf6d000);
        z.lack.flaechen = {Band(1.22, 1.45, shinkansenBlau, 0.6)};
        return Plan{
            z, Aufgestaenderte(In(Reisfelder(Ferne::Fuji), Tageszeit::Mittag, Von(Sicht::Tief)))};
    });
    neu(36, [] {
        Zug z = Shinkansen(NaseMini(), 4.08, 2.95);
        z.lack.flaechen = {Band(1.15, 1.45, Hex(0xc8102e), 0.5),
                           Band(1.45, 2.45, Hex(0x3a3c42), 4)};
        return Plan{z, In(Winterwald(), Tageszeit::Winter, Von(Sicht::Dreiviertel, Seite::Links))};
    });
    neu(37, [] {
        Zug z = Kugelkopf(Hex(0x1c3f94));
        Landschaft l = Reisfelder(Ferne::Huegel);
        l.baeume = Bewuchs::Kirsche;
        l.baumzahl = 26;
        return Plan{z, In(l, Tageszeit::Dunst, Von(Sicht::Dreiviertel))};
    });
    neu(38, [] {
        Zug z = Shinkansen(NaseKeil(), 4.0);
        z.lack.grund = elfenbein;
        z.lack.flaechen = {Band(1.5, 2.4, Hex(0x1c3f94), 4.5), Band(1.2, 1.32, Hex(0x1c3f94), 0.8)};
        return Plan{z, In(Reisfelder(Ferne::Berge), Tageszeit::Abend, Von(Sicht::Seitlich))};
    });
    neu(39, [] {
        Zug z = Kugelkopf(Hex(0x1a6e46));
        return Plan{z, In(Winterwald(), Tageszeit::Bedeckt, Von(Sicht::Dreiviertel, Seite::Links))};
    });
    neu(40, [] {
        Zug z = Shinkansen(NaseKeil(), 3.6);
        z.lack.flaechen = {Band(1.2, 1.42, shinkansenBlau, 1.5),
                           Band(1.48, 1.53, shinkansenBlau, 2)};
        return Plan{
            z, Aufgestaenderte(In(Stadtrand(), Tageszeit::Daemmerung, Von(Sicht::Dreiviertel)))};
    });
    neu(41, [] {
        Zug z = Shinkansen(NaseIceT(), 4.08, 2.95);
        z.lack.grund = Hex(0xb8bcc2);
        z.lack.grundstoff = Stoff::Metall;
        z.lack.flaechen = {Band(1.45, 2.45, Hex(0x3a3e46), 3.8),
                           Band(1.2, 1.3, Hex(0x2a8a5a), 0.5)};
        Landschaft l = Alpen(false);
        l.ferne = Ferne::Berge;
        l.baeume = Bewuchs::Herbst;
        return Plan{z, In(l, Tageszeit::Mittag, Von(Sicht::Tele, Seite::Links))};
    });
    neu(42, [] {
        Zug z = Shinkansen(NaseSpitz(), 3.69);
        z.kopf.rund = z.wagen.rund = 2.4;
        z.kopf.schulter = z.wagen.schulter = 0.45;
        z.lack.grund = Hex(0xa4aab2);
        z.lack.flaechen = {Band(2.35, 9, Hex(0x44526e), 0), Band(1.25, 1.33, Hex(0x2050a0), 0)};
        return Plan{z, In(Kueste(), Tageszeit::Morgen, Von(Sicht::Dreiviertel, Seite::Links))};
    });
    neu(43, [] {
        Zug z = Shinkansen(NaseEnte());
        z.lack.flaechen = {Band(1.0, 1.3, shinkansenBlau, 0.5),
                           Band(1.35, 1.42, shinkansenBlau, 1.5)};
        return Plan{z,
                    Aufgestaenderte(In(Stadtrand(), Tageszeit::Mittag, Von(Sicht::Dreiviertel)))};
    });
    neu(44, [] {
        Zug z = Shinkansen(NaseDoppel(), 4.49);
        z.wagen.fenster = z.kopf.fenster;
        z.kopf.fenster.reihen = z.wagen.fenster.reihen = {{1.0, 1.7}, {2.6, 3.4}};
        z.kopf.fenster.von = 11;
        z.wagen.fenster.von = 2.4;
        z.lack.flaechen = {Band(-1, 1.9, Hex(0x6c7a8e), 0), Band(1.9, 2.05, Hex(0xe87aa0), 0)};
        return Plan{z, In(Winterwald(Bewuchs::Laub), Tageszeit::Winter, Von(Sicht::Seitlich))};
    });
    neu(45, [] {
        Zug z = Shinkansen(NaseMini(), 3.7);
        z.lack.flaechen = {Band(-1, 1.5, Hex(0x2e3d63), 0), Band(1.5, 1.6, Hex(0xd0123c), 0.6)};
        Landschaft l = Alpen(false);
        l.ferne = Ferne::Berge;
        l.baeume = Bewuchs::Herbst;
        l.baumzahl = 30;
        return Plan{z, In(l, Tageszeit::Morgen, Von(Sicht::Bruecke))};
    });
    neu(46, [] {
        Zug z = Shinkansen(NaseMini(), 4.08, 2.95);
        z.lack.flaechen = {Band(-1, 1.4, Hex(0xa8aeb6), 0), Band(2.5, 9, Hex(0xb84c7c), 0),
                           Band(1.4, 1.5, Hex(0xb84c7c), 0.6)};
        return Plan{
            z, In(Reisfelder(Ferne::Berge), Tageszeit::Mittag, Von(Sicht::Hoch, Seite::Links))};
    });
    neu(47, [] {
        Zug z = Shinkansen(NaseKeil(), 3.3);
        z.anzahl = 5;
        z.lack.flaechen = {Band(1.05, 1.25, Hex(0xc8202a), 0.5),
                           Band(1.28, 1.36, shinkansenBlau, 1)};
        return Plan{z, In(Mitteleuropa(Ferne::Berge), Tageszeit::Dunst, Von(Sicht::Seitlich))};
    });
    neu(48, [] {
        Zug z = Shinkansen(NaseSpitz(), 3.6);
        z.kopf.rund = z.wagen.rund = 3;
        z.anzahl = 6;
        z.lack.flaechen = {Band(1.0, 1.35, Hex(0x5a3c8c), 0.6), Band(1.42, 1.5, Hex(0x5a3c8c), 2)};
        return Plan{z, In(Reisfelder(Ferne::Berge), Tageszeit::Morgen, Von(Sicht::Tief))};
    });

    // Korea, Norway, Austria, Portugal, Russia, Sweden, Switzerland
    neu(49, [] {
        Zug z = Tgv(NaseTgv());
        z.lack.grund = Hex(0xdfe2e6);
        z.lack.flaechen = {Schwung(1.38, 2.45, Hex(0x1c3a78), 2.5, 8, 0.95),
                           Band(-1, 1.2, Hex(0x4a6aa8), 0)};
        return Plan{
            z, In(Reisfelder(Ferne::Berge), Tageszeit::Mittag, Von(Sicht::Frontal, Seite::Links))};
    });
    neu(50, [] {
        Zug z = Pendolino(NaseIceT(), 4);
        z.anzahl = 4;
        z.lack.grund = Hex(0xb6bac0);
        z.lack.grundstoff = Stoff::Metall;
        z.lack.flaechen = {Band(1.42, 2.45, Hex(0x2a2c30), 3.8), Front(1.2, 0.0, Hex(0xc8202a))};
        Landschaft l = See(Ferne::Berge, Bewuchs::Nadel);
        l.schnee = true;
        return Plan{z, In(l, Tageszeit::Winter, Von(Sicht::Dreiviertel))};
    });
    neu(51, [] {
        Zug z = Lokzug(NaseKasten(), 19.3, 26.5, 4.05);
        z.lack.grund = Hex(0xc8102e);
        z.lack.flaechen = {Band(1.35, 2.5, Hex(0x34373b), 19.5), Band(2.5, 9, Hex(0x6a6d70), 19.5)};
        return Plan{z, In(Alpen(), Tageszeit::Mittag, Von(Sicht::Dreiviertel, Seite::Links))};
    });
    neu(52, [] {
        Zug z = Pendolino(NasePendolino(), 5);
        z.anzahl = 6;
        z.lack.grund = Hex(0xeceeee);
        z.lack.flaechen = {Band(1.42, 2.45, Hex(0x34363a), 4), Band(1.1, 1.3, Hex(0xc8202a), 0.5),
                           Band(1.0, 1.08, Hex(0x1e7a3c), 1)};
        Landschaft l = Spanien(Ferne::Huegel);
        l.gras = QColor(150, 156, 90);
        return Plan{z, In(l, Tageszeit::Abend, Von(Sicht::Dreiviertel))};
    });
    neu(53, [] {
        Zug z = Ice(NaseIce3());
        z.lack.grund = Hex(0xeef0f0);
        z.lack.flaechen = {Band(1.42, 2.6, Hex(0x2e3238), 5.8), Band(-1, 1.25, Hex(0xc8102e), 0.3),
                           Band(3.4, 9, Hex(0xa0a6ae), 0)};
        return Plan{z, In(Winterwald(Bewuchs::Birke), Tageszeit::Winter,
                          Von(Sicht::Dreiviertel, Seite::Links))};
    });
    neu(54, [] {
        Zug z = Triebkopfzug(NaseKasten(), 3.95, 3.85, 3.08);
        z.kopf.laenge = 17;
        z.kopf.drehgestelle = {3.2, 13.8};
        z.kopf.buegel = {11};
        z.lack.grund = Hex(0xb4b8be);
        z.lack.grundstoff = Stoff::Metall;
        z.lack.flaechen = {Band(1.5, 2.5, Hex(0x1e2024), 1.2), Band(2.5, 9, Hex(0x7a7e84), 0)};
        Landschaft l = See(Ferne::Huegel, Bewuchs::Nadel);
        l.haeuser = true;
        l.wand = QColor(150, 40, 34);
        l.dach = QColor(60, 60, 64);
        return Plan{z, In(l, Tageszeit::Mittag, Von(Sicht::Seitlich))};
    });
    neu(55, [] {
        Zug z = Pendolino(NaseIceT(), 0);
        z.kopf.hoehe = z.wagen.hoehe = 4.0;
        z.lack.grund = Hex(0xf2f2f2);
        z.lack.flaechen = {Band(1.42, 2.5, Hex(0x1e2024), 4), Band(-1, 1.12, Hex(0xd0101c), 0),
                           Band(1.12, 1.2, Hex(0x7a7e84), 0)};
        return Plan{z, In(See(Ferne::Alpen, Bewuchs::Nadel), Tageszeit::Morgen,
                          Von(Sicht::Dreiviertel, Seite::Links))};
    });

    // Spain
    neu(56, [] {
        Zug z = Pendolino(NasePendolino(), 4);
        z.lack.grund = Hex(0xf0f0ee);
        z.lack.flaechen = {Band(1.42, 2.45, Hex(0x3a3c40), 4), Band(1.1, 1.3, Hex(0xf07814), 0.5),
                           Band(1.0, 1.08, Hex(0x6a2c8c), 1)};
        Landschaft l = Spanien(Ferne::Berge);
        l.baeume = Bewuchs::Laub;
        return Plan{z, Nah(In(l, Tageszeit::Mittag, Von(Sicht::Dreiviertel, Seite::Links)))};
    });
    neu(57, [] {
        Zug z = Tgv(NaseTgv());
        z.lack.grund = Hex(0xf2f2f0);
        z.lack.flaechen = {Schwung(1.38, 2.42, Hex(0x464a52), 2.6, 8, 0.95),
                           Band(1.2, 1.3, Hex(0x6a2c8c), 1), Band(1.08, 1.16, Hex(0xe05a1e), 1)};
        return Plan{z, In(Spanien(Ferne::Huegel), Tageszeit::Dunst, Von(Sicht::Hoch))};
    });
    neu(58, [] {
        Zug z = Talgo(NaseTalgo());
        z.lack.grund = Hex(0xf2f2f0);
        z.lack.flaechen = {Band(1.12, 2.15, Hex(0x3c3e44), 8), Band(0.9, 1.05, Hex(0x6a2c8c), 0.5),
                           Band(3.2, 9, Hex(0x9a9ea6), 0)};
        return Plan{z, In(Spanien(Ferne::Ebene), Tageszeit::Mittag, Von(Sicht::Seitlich))};
    });
    neu(59, [] {
        Zug z = Ice(NaseIce3());
        z.lack.grund = Hex(0xf2f2f0);
        z.lack.flaechen = {Band(1.42, 2.6, Hex(0x3c3e44), 5.8),
                           Band(1.0, 1.22, Hex(0x6a2c8c), 0.5)};
        return Plan{
            z, Damm(In(Spanien(Ferne::Berge), Tageszeit::Mittag, Von(Sicht::Tele, Seite::Links)))};
    });
    neu(60, [] {
        Zug z = Pendolino(NasePendolino(), 0);
        z.anzahl = 5;
        z.lack.grund = Hex(0xf2f2f0);
        z.lack.flaechen = {Band(1.42, 2.45, Hex(0x5a5e66), 4), Band(1.05, 1.3, Hex(0xf07814), 0.5)};
        return Plan{z, In(Spanien(Ferne::Mesa), Tageszeit::Morgen, Von(Sicht::Dreiviertel))};
    });
    neu(61, [] {
        Zug z = Pendolino(NaseIceT(), 0);
        z.lack.grund = Hex(0xf2f2f0);
        z.lack.flaechen = {Band(-1, 1.25, Hex(0x6a2c8c), 0), Band(1.25, 1.35, Hex(0xf07814), 0.5),
                           Band(1.42, 2.45, Hex(0x3a3c40), 4)};
        Landschaft l = Mitteleuropa(Ferne::Berge);
        return Plan{z, In(l, Tageszeit::Bedeckt, Von(Sicht::Dreiviertel, Seite::Links))};
    });
    neu(62, [] {
        Zug z = Talgo(NaseApt());
        z.kopf.hoehe = 3.9;
        z.anzahl = 6;
        z.lack.grund = Hex(0xeeeeec);
        z.lack.flaechen = {Band(1.12, 2.15, Hex(0x3c3e44), 6), Front(2.4, 0.5, Hex(0xe0401e)),
                           Band(0.9, 1.05, Hex(0xe0401e), 0)};
        return Plan{z, Ohne(In(Spanien(Ferne::Mesa), Tageszeit::Abend, Von(Sicht::Seitlich)))};
    });

    // Taiwan, USA, Europe
    neu(63, [] {
        Zug z = Shinkansen(NaseEnte());
        z.lack.flaechen = {Band(1.05, 1.3, Hex(0xf06a0f), 0.5),
                           Band(1.33, 1.42, Hex(0x1e1e20), 1.5)};
        return Plan{z, Aufgestaenderte(In(Reisfelder(Ferne::Berge), Tageszeit::Dunst,
                                          Von(Sicht::Dreiviertel, Seite::Links)))};
    });
    neu(64, [] {
        Zug z = Triebkopfzug(NaseIce1(), 4.1, 4.05, 3.15);
        z.lack.grund = Hex(0xc2c6cc);
        z.lack.grundstoff = Stoff::Metall;
        z.lack.flaechen = {Schwung(1.5, 2.5, Hex(0x1e2a4a), 1.6, 5, 1.0),
                           Band(1.3, 1.4, Hex(0x2a7aa8), 0.4)};
        return Plan{z, Nah(In(Kueste(), Tageszeit::Morgen, Von(Sicht::Dreiviertel)))};
    });
    neu(65, [] {
        Zug z = Triebkopfzug(NaseTurbine(), 4.2, 3.95, 3.15);
        z.anzahl = 5;
        z.lack.grund = Hex(0xf0f0ee);
        z.lack.flaechen = {Band(1.5, 2.5, Hex(0x2a2c30), 20), Band(1.1, 1.4, Hex(0xc8202a), 0),
                           Band(1.42, 1.5, Hex(0x1e3a7c), 0),
                           Nur(Band(3.0, 9, Hex(0x1e3a7c), 0), Flaeche::Nur::Kopf)};
        Landschaft l = Spanien(Ferne::Mesa);
        l.haeuser = false;
        l.baeume = Bewuchs::Keine;
        l.gras = QColor(196, 170, 120);
        return Plan{z, Ohne(In(l, Tageszeit::Mittag, Von(Sicht::Dreiviertel, Seite::Links)))};
    });
    neu(66, [] {
        Zug z = Tgv(NaseTgv());
        z.lack.grund = Hex(0xf2f2f0);
        z.lack.flaechen = {Front(3.2, -1.2, Hex(0xf6c800)),
                           Schwung(1.4, 2.42, Hex(0x283040), 4.5, 8, 0.5),
                           Band(1.25, 1.35, Hex(0xf6c800), 3)};
        return Plan{z, In(Kueste(), Tageszeit::Mittag, Von(Sicht::Dreiviertel))};
    });
    return t;
}

} // namespace

void ZugBilder(Bildliste& liste) {
    for (Eintrag& e : Tafel()) {
        const auto zeichne = [e] {
            Plan p = e.plan();
            // Clouds, trees and fields of each picture from its own number.
            p.szene.samen = static_cast<std::uint32_t>(e.nummer);
            return ZugFoto(p.zug, p.szene);
        };
        liste.push_back({QStringLiteral("zuege"),
                         QStringLiteral("img%1.jpg").arg(e.nummer, 2, 10, QLatin1Char('0')),
                         zeichne});
    }
}

#include "ZugFormen.h"

namespace zug {

namespace {

using Punkte = std::initializer_list<QPointF>;

// The front window: dark glass over the nose from its lower edge up over the roof.
Flaeche Scheibe(Punkte umriss, double querBis = 2) {
    return {QPolygonF(umriss), Hex(0x1a2026), Stoff::Glas, 0, querBis};
}

// The cab's side window, seen only from the side.
Flaeche Seitenfenster(double a0, double a1, double z0, double z1) {
    return {QPolygonF({{a0 + 0.25, z1}, {a0, z0}, {a1, z0}, {a1, z1}}), Hex(0x1a2026), Stoff::Glas,
            0.8, 2};
}

// A pair of head lamps, left and right of the middle.
Flaeche Lampen(double a0, double a1, double z0, double z1, double quer0 = 0.4,
               double quer1 = 0.78) {
    return {QPolygonF({{a0, z0}, {a1, z0 + 0.01}, {a1, z1}, {a0, z1 - 0.01}}), Hex(0xfff4dc),
            Stoff::Lampe, quer0, quer1};
}

} // namespace

const Nase& NaseTgv() {
    static const Nase n{
        6.8,
        {{0, 0.25}, {0.5, 0.32}, {2, 0.47}, {3.3, 0.62}, {4.8, 0.85}, {5.9, 0.97}, {6.8, 1}},
        {{0, 0}, {0.12, 0.35}, {0.5, 0.6}, {1.5, 0.82}, {3, 0.94}, {5, 1}},
        {{0, 0.85}, {0.35, 0.45}, {1.2, 0.32}, {6.8, 0.45}},
        {{0, 2.4}, {3, 2.9}, {6.8, 3.8}},
        {Scheibe({{3.0, 0.59}, {4.85, 0.82}, {5.05, 0.92}, {5.05, 1.2}, {3.0, 1.2}}),
         Seitenfenster(5.3, 6.3, 0.66, 0.84), Lampen(0.8, 1.35, 0.27, 0.31)}};
    return n;
}

const Nase& NaseAgv() {
    static const Nase n{
        8,
        {{0, 0.24}, {0.6, 0.3}, {2.5, 0.45}, {4, 0.6}, {5.8, 0.84}, {7, 0.97}, {8, 1}},
        {{0, 0}, {0.15, 0.35}, {0.7, 0.6}, {2, 0.83}, {4, 0.95}, {6, 1}},
        {{0, 0.85}, {0.4, 0.45}, {1.4, 0.32}, {8, 0.5}},
        {{0, 2.4}, {3.5, 2.9}, {8, 3.6}},
        {Scheibe({{3.7, 0.57}, {5.9, 0.83}, {6.1, 0.93}, {6.1, 1.2}, {3.7, 1.2}}),
         Seitenfenster(6.4, 7.4, 0.66, 0.84), Lampen(1.0, 1.6, 0.26, 0.3)}};
    return n;
}

const Nase& NaseIce1() {
    static const Nase n{
        4.2,
        {{0, 0.34}, {0.35, 0.42}, {1.2, 0.57}, {2.3, 0.76}, {3.3, 0.93}, {4.2, 1}},
        {{0, 0}, {0.08, 0.42}, {0.35, 0.68}, {1.1, 0.88}, {2.4, 0.98}, {3.6, 1}},
        {{0, 0.9}, {0.25, 0.5}, {4.2, 0.55}},
        {{0, 2.6}, {4.2, 4}},
        {Scheibe({{1.55, 0.55}, {3.05, 0.81}, {3.2, 0.93}, {3.2, 1.2}, {1.55, 1.2}}),
         Seitenfenster(3.45, 4.4, 0.62, 0.82), Lampen(0.3, 0.75, 0.35, 0.39)}};
    return n;
}

const Nase& NaseIceV() {
    static const Nase n{5,
                        {{0, 0.3}, {0.5, 0.38}, {1.8, 0.55}, {3, 0.74}, {4.2, 0.93}, {5, 1}},
                        {{0, 0}, {0.1, 0.4}, {0.5, 0.66}, {1.5, 0.87}, {3, 0.98}, {4.5, 1}},
                        {{0, 0.9}, {0.3, 0.5}, {5, 0.55}},
                        {{0, 2.8}, {5, 4.2}},
                        {Scheibe({{2.0, 0.54}, {3.8, 0.8}, {4.0, 0.93}, {4.0, 1.2}, {2.0, 1.2}}),
                         Seitenfenster(4.25, 5.2, 0.62, 0.82), Lampen(0.45, 0.95, 0.32, 0.36)}};
    return n;
}

const Nase& NaseIce3() {
    static const Nase n{
        6.2,
        {{0, 0.27}, {0.5, 0.36}, {1.5, 0.5}, {3, 0.71}, {4.6, 0.9}, {5.6, 0.98}, {6.2, 1}},
        {{0, 0}, {0.1, 0.3}, {0.4, 0.55}, {1.2, 0.78}, {2.6, 0.93}, {4.5, 1}},
        {{0, 0.85}, {0.3, 0.5}, {1, 0.42}, {3.5, 0.45}, {6.2, 0.75}},
        {{0, 2.2}, {2, 2.8}, {6.2, 3.5}},
        {Scheibe({{1.9, 0.5}, {5.0, 0.69}, {5.25, 0.8}, {5.3, 1.2}, {1.9, 1.2}}),
         Lampen(0.75, 1.35, 0.28, 0.33, 0.35, 0.75)}};
    return n;
}

const Nase& NaseIceT() {
    static const Nase n{4.6,
                        {{0, 0.3}, {0.4, 0.38}, {1.3, 0.54}, {2.3, 0.72}, {3.6, 0.92}, {4.6, 1}},
                        {{0, 0}, {0.08, 0.38}, {0.35, 0.62}, {1.2, 0.86}, {2.6, 0.97}, {4, 1}},
                        {{0, 0.85}, {0.3, 0.5}, {4.6, 0.6}},
                        {{0, 2.4}, {4.6, 3.4}},
                        {Scheibe({{1.4, 0.5}, {3.5, 0.82}, {3.7, 0.93}, {3.7, 1.2}, {1.4, 1.2}}),
                         Lampen(0.45, 0.9, 0.3, 0.34, 0.35, 0.75)}};
    return n;
}

const Nase& NaseEnte() {
    static const Nase n{
        9.2,
        {{0, 0.28}, {1.5, 0.36}, {3.5, 0.44}, {5.5, 0.56}, {7, 0.75}, {8.2, 0.93}, {9.2, 1}},
        {{0, 0}, {0.2, 0.4}, {0.8, 0.62}, {2.5, 0.8}, {5, 0.93}, {8, 1}},
        {{0, 0.75}, {0.4, 0.5}, {2, 0.45}, {9.2, 0.6}},
        {{0, 3}, {4, 4}, {9.2, 3.5}},
        {Scheibe({{6.4, 0.62}, {8.6, 0.84}, {8.9, 0.93}, {8.9, 1.2}, {6.4, 1.2}}),
         Lampen(1.8, 2.6, 0.37, 0.41, 0.55, 0.85)}};
    return n;
}

const Nase& NaseSpitz() {
    static const Nase n{15,
                        {{0, 0.3}, {2, 0.4}, {5, 0.53}, {9, 0.72}, {12, 0.9}, {15, 1}},
                        {{0, 0}, {0.3, 0.3}, {2, 0.55}, {6, 0.8}, {11, 0.96}, {15, 1}},
                        {{0, 0.85}, {0.5, 0.55}, {3, 0.5}, {15, 0.6}},
                        {{0, 2.2}, {15, 2.4}},
                        {Scheibe({{10.2, 0.78}, {12.8, 0.9}, {13.1, 1.2}, {10.2, 1.2}}, 0.75),
                         Lampen(3.2, 4.2, 0.42, 0.46, 0.5, 0.85)}};
    return n;
}

const Nase& NaseKugel() {
    static const Nase n{5.2,
                        {{0, 0.38}, {0.2, 0.45}, {1, 0.58}, {2.4, 0.75}, {3.7, 0.91}, {5.2, 1}},
                        {{0, 0}, {0.08, 0.35}, {0.4, 0.6}, {1.4, 0.84}, {3, 0.97}, {4.6, 1}},
                        {{0, 0.72}, {0.3, 0.55}, {5.2, 0.6}},
                        {{0, 2.0}, {2, 2.4}, {5.2, 3.2}},
                        {Scheibe({{2.6, 0.7}, {3.9, 0.86}, {4.05, 0.93}, {4.05, 1.2}, {2.6, 1.2}}),
                         // The light cover at the very tip.
                         {QPolygonF({{-1, 0.36}, {0.07, 0.36}, {0.07, 0.52}, {-1, 0.52}}),
                          Hex(0xf8f6ee), Stoff::Lampe},
                         Lampen(0.9, 1.4, 0.5, 0.55, 0.35, 0.7)}};
    return n;
}

const Nase& NaseKeil() {
    static const Nase n{5.5,
                        {{0, 0.28}, {0.5, 0.36}, {2, 0.52}, {3.6, 0.75}, {4.8, 0.93}, {5.5, 1}},
                        {{0, 0}, {0.2, 0.4}, {0.8, 0.65}, {2.2, 0.88}, {4, 0.98}, {5, 1}},
                        {{0, 0.8}, {0.3, 0.5}, {5.5, 0.6}},
                        {{0, 2.6}, {5.5, 3.4}},
                        {Scheibe({{3.0, 0.64}, {4.5, 0.86}, {4.7, 0.93}, {4.7, 1.2}, {3.0, 1.2}}),
                         Lampen(1.0, 1.6, 0.33, 0.37, 0.45, 0.8)}};
    return n;
}

const Nase& NaseMini() {
    static const Nase n{6,
                        {{0, 0.3}, {0.6, 0.38}, {2, 0.52}, {3.6, 0.72}, {5, 0.92}, {6, 1}},
                        {{0, 0}, {0.15, 0.4}, {0.7, 0.67}, {2, 0.88}, {4, 0.98}, {5.5, 1}},
                        {{0, 0.85}, {0.35, 0.5}, {6, 0.6}},
                        {{0, 2.6}, {6, 3.6}},
                        {Scheibe({{2.9, 0.6}, {4.8, 0.85}, {5.0, 0.93}, {5.0, 1.2}, {2.9, 1.2}}),
                         Lampen(0.9, 1.5, 0.32, 0.36, 0.45, 0.8)}};
    return n;
}

const Nase& NaseDoppel() {
    static const Nase n{
        9.4,
        {{0, 0.2}, {1, 0.27}, {3, 0.4}, {5, 0.55}, {7, 0.75}, {8.6, 0.93}, {9.4, 1}},
        {{0, 0}, {0.2, 0.4}, {0.9, 0.66}, {2.6, 0.87}, {5, 0.97}, {7.5, 1}},
        {{0, 0.7}, {0.5, 0.45}, {9.4, 0.55}},
        {{0, 2.6}, {9.4, 4}},
        {Scheibe({{5.8, 0.6}, {8.2, 0.84}, {8.5, 0.92}, {8.5, 1.2}, {5.8, 1.2}}),
         Lampen(1.4, 2.2, 0.27, 0.31, 0.5, 0.85)}};
    return n;
}

const Nase& NasePendolino() {
    static const Nase n{4.8,
                        {{0, 0.28}, {0.5, 0.36}, {1.6, 0.55}, {2.9, 0.78}, {4, 0.95}, {4.8, 1}},
                        {{0, 0}, {0.15, 0.42}, {0.6, 0.68}, {1.6, 0.9}, {3, 1}},
                        {{0, 0.9}, {0.3, 0.55}, {4.8, 0.65}},
                        {{0, 2.5}, {4.8, 3.4}},
                        {Scheibe({{1.6, 0.52}, {3.6, 0.8}, {3.8, 0.92}, {3.8, 1.2}, {1.6, 1.2}}),
                         Lampen(0.5, 1.0, 0.3, 0.34, 0.4, 0.78)}};
    return n;
}

const Nase& NaseHst() {
    static const Nase n{4.5,
                        {{0, 0.3}, {0.3, 0.36}, {1.8, 0.6}, {3.3, 0.88}, {4.0, 0.97}, {4.5, 1}},
                        {{0, 0}, {0.06, 0.55}, {0.3, 0.82}, {1, 0.96}, {2, 1}},
                        {{0, 0.55}, {4.5, 0.5}},
                        {{0, 3.5}, {4.5, 5}},
                        {Scheibe({{2.0, 0.63}, {3.2, 0.82}, {3.35, 0.93}, {3.35, 1.2}, {2.0, 1.2}}),
                         Seitenfenster(3.6, 4.6, 0.62, 0.82),
                         Lampen(0.15, 0.6, 0.33, 0.37, 0.45, 0.8)}};
    return n;
}

const Nase& NaseApt() {
    static const Nase n{5,
                        {{0, 0.25}, {0.4, 0.32}, {2.0, 0.55}, {3.6, 0.82}, {4.5, 0.96}, {5, 1}},
                        {{0, 0}, {0.3, 0.45}, {1.2, 0.75}, {3, 0.96}, {4.5, 1}},
                        {{0, 0.8}, {0.3, 0.5}, {5, 0.6}},
                        {{0, 2.8}, {5, 3.6}},
                        {Scheibe({{2.1, 0.55}, {3.7, 0.82}, {3.85, 0.92}, {3.85, 1.2}, {2.1, 1.2}}),
                         Lampen(0.6, 1.1, 0.3, 0.34, 0.45, 0.8)}};
    return n;
}

const Nase& NaseKasten() {
    static const Nase n{
        2.8,
        {{0, 0.5}, {0.5, 0.64}, {1.8, 0.88}, {2.4, 0.97}, {2.8, 1}},
        {{0, 0}, {0.06, 0.5}, {0.3, 0.82}, {0.9, 0.97}, {1.8, 1}},
        {{0, 0.55}, {2.8, 0.6}},
        {{0, 3.2}, {2.8, 5}},
        {Scheibe({{0.45, 0.56}, {1.75, 0.86}, {1.95, 0.93}, {1.95, 1.2}, {0.45, 1.2}}),
         Lampen(-1, 0.14, 0.3, 0.34, 0.45, 0.8)}};
    return n;
}

const Nase& NaseTalgo() {
    static const Nase n{10,
                        {{0, 0.25}, {1.5, 0.33}, {4, 0.44}, {6.5, 0.64}, {8.5, 0.9}, {10, 1}},
                        {{0, 0}, {0.3, 0.42}, {1.5, 0.72}, {4, 0.92}, {7, 1}},
                        {{0, 0.75}, {0.4, 0.45}, {10, 0.5}},
                        {{0, 3.2}, {4, 3.6}, {10, 3.6}},
                        {Scheibe({{6.6, 0.64}, {8.6, 0.86}, {8.9, 0.93}, {8.9, 1.2}, {6.6, 1.2}}),
                         Lampen(1.6, 2.4, 0.3, 0.34, 0.5, 0.85)}};
    return n;
}

const Nase& NaseTurbine() {
    static const Nase n{4,
                        {{0, 0.36}, {0.4, 0.46}, {1.8, 0.68}, {3.2, 0.9}, {4, 1}},
                        {{0, 0}, {0.1, 0.5}, {0.5, 0.8}, {1.5, 0.97}, {2.5, 1}},
                        {{0, 0.6}, {4, 0.55}},
                        {{0, 3.2}, {4, 4.5}},
                        {Scheibe({{1.6, 0.64}, {3.0, 0.86}, {3.2, 0.93}, {3.2, 1.2}, {1.6, 1.2}}),
                         Seitenfenster(3.4, 4.4, 0.62, 0.82),
                         Lampen(0.25, 0.7, 0.36, 0.4, 0.45, 0.8)}};
    return n;
}

Zug Tgv(const Nase& nase, bool doppelstock) {
    Zug z;
    z.kopf.laenge = 22.15;
    z.kopf.hoehe = 4.0;
    z.kopf.unten = 0.55;
    z.kopf.breite = 2.81;
    z.kopf.rund = 3.8;
    z.kopf.nase = &nase;
    z.kopf.drehgestelle = {4.3, 18.3};
    z.kopf.buegel = {15.5};
    z.kopf.dachkasten = true;
    z.wagen.laenge = 18.7;
    z.wagen.hoehe = doppelstock ? 4.28 : 3.45;
    z.wagen.unten = doppelstock ? 0.45 : 0.7;
    z.wagen.breite = 2.9;
    z.wagen.schulter = doppelstock ? 0.72 : 0.62;
    z.wagen.rund = 3.8;
    z.wagen.fenster = doppelstock ? Fenster{{{0.95, 1.7}, {2.5, 3.3}}, 1.25, 1.7, 2.4, 1.4, 0.14}
                                  : Fenster{{{1.5, 2.3}}, 1.2, 1.65, 2.2, 1.2, 0.14};
    z.wagen.tueren = {0.7};
    // Articulated: every coach rests its front on a bogie shared with the one ahead.
    z.wagen.drehgestelle = {-0.4};
    z.anzahl = 9;
    z.buegelAn = {0};
    return z;
}

Zug Triebkopfzug(const Nase& nase, double kopfHoehe, double wagenHoehe, double breite) {
    Zug z;
    z.kopf.laenge = 20.5;
    z.kopf.hoehe = kopfHoehe;
    z.kopf.unten = 0.6;
    z.kopf.breite = breite;
    z.kopf.nase = &nase;
    z.kopf.drehgestelle = {4.0, 15.8};
    z.kopf.buegel = {13.5};
    z.kopf.dachkasten = true;
    z.wagen.laenge = 26.4;
    z.wagen.hoehe = wagenHoehe;
    z.wagen.unten = 0.8;
    z.wagen.breite = breite;
    z.wagen.fenster = {{{1.55, 2.45}}, 1.6, 2.2, 3.0, 3.0, 0.14};
    z.wagen.tueren = {0.9, 24.55};
    z.wagen.drehgestelle = {3.7, 22.7};
    z.anzahl = 7;
    z.buegelAn = {0};
    return z;
}

Zug Triebzug(const Nase& nase, double hoehe, double breite, double wagenLaenge) {
    Zug z;
    Wagenkasten w;
    w.laenge = wagenLaenge;
    w.hoehe = hoehe;
    w.unten = 0.75;
    w.breite = breite;
    w.rund = 3.6;
    w.fenster = {{{0.41 * hoehe, 0.63 * hoehe}}, 1.0, 1.5, 2.4, 2.4, 0.12};
    w.tueren = {0.5, wagenLaenge - 1.5};
    w.drehgestelle = {2.5, wagenLaenge - 2.5};
    w.buegel = {wagenLaenge / 2 + 3};
    z.wagen = w;
    z.kopf = w;
    z.kopf.laenge = wagenLaenge + 1.5;
    z.kopf.nase = &nase;
    z.kopf.fenster.von = nase.laenge + 2.4;
    z.kopf.tueren = {nase.laenge + 0.6, z.kopf.laenge - 1.5};
    z.kopf.drehgestelle = {0.45 * nase.laenge + 1.8, z.kopf.laenge - 2.5};
    z.kopf.buegel = {};
    z.anzahl = 8;
    z.buegelAn = {2};
    return z;
}

Zug Lokzug(const Nase& nase, double lokLaenge, double wagenLaenge, double wagenHoehe) {
    Zug z;
    z.kopf.laenge = lokLaenge;
    z.kopf.hoehe = 4.25;
    z.kopf.unten = 0.6;
    z.kopf.breite = 3.0;
    z.kopf.rund = 5;
    z.kopf.schulter = 0.75;
    z.kopf.nase = &nase;
    z.kopf.drehgestelle = {3.0, lokLaenge - 3.0};
    z.kopf.buegel = {lokLaenge * 0.72};
    z.kopf.dachkasten = true;
    z.wagen.laenge = wagenLaenge;
    z.wagen.hoehe = wagenHoehe;
    z.wagen.unten = 0.7;
    z.wagen.breite = 2.86;
    z.wagen.fenster = {{{1.45, 2.35}}, 1.5, 2.1, 2.4, 2.4, 0.14};
    z.wagen.tueren = {0.8, wagenLaenge - 1.8};
    z.wagen.drehgestelle = {2.5, wagenLaenge - 2.5};
    z.anzahl = 8;
    z.buegelAn = {0};
    return z;
}

} // namespace zug

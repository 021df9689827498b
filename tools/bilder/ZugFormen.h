// The kinds of train the pictures show: nose shapes, and trains built from them with
// their cars, windows, bogies and pantographs. The liveries are laid on per picture.
#pragma once

#include "ZugKoerper.h"

namespace zug {

// Noses, each a real family's outline.
const Nase& NaseTgv();       // TGV, Thalys, Eurostar, KTX: the wedge of the power car
const Nase& NaseAgv();       // the longer, smoother wedge of the later articulated sets
const Nase& NaseIce1();      // ICE 1 and 2 power cars: short and rounded
const Nase& NaseIceV();      // the test set's flatter, sharper power car
const Nase& NaseIce3();      // ICE 3 and Velaro: a long slope with a wide front window
const Nase& NaseIceT();      // ICE T and TD: rounded, with a steep windscreen
const Nase& NaseEnte();      // 700 series: the long, flat duck bill
const Nase& NaseSpitz();     // 500 series, 300X: a long pointed cone
const Nase& NaseKugel();     // 0 series: the bullet
const Nase& NaseKeil();      // 100 and 300 series, Star 21: a sharp, low wedge
const Nase& NaseMini();      // E3, 400 series, East i: short noses of the narrow sets
const Nase& NaseDoppel();    // E1: a tall bulging front for double-deck cars
const Nase& NasePendolino(); // the Italian tilting trains
const Nase& NaseHst();       // High Speed Train power car
const Nase& NaseApt();       // Advanced Passenger Train: a pointed, tilting wedge
const Nase& NaseKasten();    // locomotives and blunt driving cars
const Nase& NaseTalgo();     // Talgo 350: the duck-shaped power car
const Nase& NaseTurbine();   // TGV 001, JetTrain: high, angular turbine power cars

// A nose-shaped power car, then articulated coaches on shared bogies (TGV family).
// doppelstock: two floors of windows, taller coaches.
Zug Tgv(const Nase& nase, bool doppelstock = false);
// A power car, then coaches on their own bogies (ICE 1, HST, Acela, X2000).
Zug Triebkopfzug(const Nase& nase, double kopfHoehe, double wagenHoehe, double breite);
// A multiple unit: passengers from the nose car on, pantographs on some middle cars
// (ICE 3, Shinkansen, Pendolino).
Zug Triebzug(const Nase& nase, double hoehe, double breite, double wagenLaenge);
// A locomotive and coaches (Railjet, the Talgo sets).
Zug Lokzug(const Nase& nase, double lokLaenge, double wagenLaenge, double wagenHoehe);

} // namespace zug

// A train as a set of car bodies: the shape of each (cross-section, nose), its livery,
// windows, bogies and pantographs. Lengths in metres; z is height above the rail, d the
// distance behind the front tip of the train.
#pragma once

#include "ZugRaum.h"

#include <QPolygonF>
#include <initializer_list>
#include <vector>

namespace zug {

// Through control points (d, value): a monotone cubic, so a nose never bulges past the
// heights it is given; constant beyond the first and the last point.
class Kurve {
public:
    Kurve() = default;
    Kurve(std::initializer_list<QPointF> punkte);
    double operator()(double d) const;
    bool Leer() const { return d_.empty(); }

private:
    std::vector<double> d_, w_, steigung_;
};

enum class Stoff {
    Lack,   // glossy paint
    Metall, // brushed stainless steel
    Glas,
    Lampe,   // head lamps, lit
    Matt,    // black plastic and rubber: the coupler cover, window seals
    Fenster, // passenger windows, lit at dusk
};

// A painted area in (d, z); with querVon/querBis only where |y| over the local half
// width lies in that range (lamps left and right of the middle).
struct Flaeche {
    enum class Nur { Alle, Kopf, Wagen };
    QPolygonF umriss;
    Farbe farbe;
    Stoff stoff = Stoff::Lack;
    double querVon = 0, querBis = 2;
    Nur nur = Nur::Alle;
};

// A horizontal band from d0 on, z0 to z1.
Flaeche Band(double z0, double z1, Farbe farbe, double d0 = -1, double d1 = 1e4);

// The front end, a metres behind its tip (a from 0 to laenge).
struct Nase {
    double laenge = 0;
    Kurve dach;   // height of the roof's middle line, as a fraction of the car's height
    Kurve breite; // half width, as a fraction of the car's
    Kurve unten;  // lower edge, metres above the rail
    Kurve rund;   // shoulder exponent (2 round, higher boxier)
    // Front window, lamps and the like, in (a, fraction of the car's height); laid over
    // the livery.
    std::vector<Flaeche> teile;
};

struct Fenster {
    std::vector<std::pair<double, double>> reihen; // z0, z1 of each row of windows
    double laenge = 1.3;                           // of one window
    double teilung = 1.9;                          // from one window to the next
    double von = 2.6, bis = 2.6;                   // clear of the car's front and rear end
    double ecke = 0.15;                            // corner radius
};

struct Wagenkasten {
    double laenge = 26;
    double hoehe = 3.85; // roof above the rail
    double unten = 0.95; // lower edge of the body
    double breite = 2.9;
    double schulter = 0.6; // share of the height the sides rise before the roof curves
    double rund = 4;       // shoulder exponent
    double einzug = 0.05;  // how far the side draws in towards the bottom, share of the width
    const Nase* nase = nullptr;
    Fenster fenster;
    std::vector<double> tueren;       // door positions, metres behind the car's front
    std::vector<double> drehgestelle; // bogie centres, metres behind the car's front
    std::vector<double> buegel;       // raised pantographs, metres behind the car's front
    bool dachkasten = false;          // roof gear (power cars)
};

struct Lackierung {
    Farbe grund;
    Stoff grundstoff = Stoff::Lack;
    std::vector<Flaeche> flaechen;
    Farbe glas = Hex(0x1c242c);
    Farbe fahrwerk = Hex(0x303134);
};

struct Zug {
    Wagenkasten kopf;
    Wagenkasten wagen;
    int anzahl = 8;            // vehicles, the front one included
    double spalt = 0.8;        // between two bodies
    double neigung = 0;        // tilt of the bodies in degrees (a tilting train in a curve)
    std::vector<int> buegelAn; // the cars whose pantographs are up; none listed: every car
    Lackierung lack;
};

// What a fragment of the depth buffer belongs to.
struct Teil {
    enum class Art { Kasten, Balg, Fahrwerk, Rad, Draht, Mast, Dach, Beton };
    Art art;
    int wagen = 0;
    double anfang = 0; // of a car body: how far its front lies behind the tip
};

// The body's section a metres behind a car's front.
struct Schnitt {
    double unten, oben, halb, schulter, rund;
};
Schnitt SchnittAn(const Wagenkasten& w, double a);

// Where the cars lie: the front of car k is anfang[k] metres behind the tip.
std::vector<double> Wagenanfaenge(const Zug& zug);

// Puts the train's bodies, bogies and pantographs into the raster; teile gets one entry
// per part id used. draht is the contact wire's height (pantographs reach it).
void ZugAufbauen(Raster& raster, const Zug& zug, std::vector<Teil>& teile, double draht);

struct Oberflaeche {
    Farbe farbe;
    Stoff stoff;
};
// The livery at a point of car k, whose front lies anfang metres behind the tip, in the
// body's own coordinates.
Oberflaeche LackAn(const Zug& zug, int wagen, double anfang, double d, double z, double quer);

} // namespace zug

// The scene round a train: sky and light by the time of day, distant terrain, ground,
// trees, houses, the track and the overhead line.
#pragma once

#include "ZugKoerper.h"

#include <QColor>
#include <cstdint>
#include <vector>

class QPainter;

namespace zug {

enum class Tageszeit { Mittag, Morgen, Abend, Dunst, Bedeckt, Daemmerung, Winter };
enum class Ferne { Ebene, Huegel, Berge, Alpen, Fuji, Karst, Stadt, Meer, Mesa };
enum class Bewuchs { Keine, Laub, Nadel, Zypresse, Birke, Palme, Kirsche, Olive, Herbst };
enum class Strecke { Ebene, Damm, Viadukt };

struct Landschaft {
    Ferne ferne = Ferne::Huegel;
    QColor gras{110, 150, 70};
    std::vector<QColor> felder; // crops of the fields beyond the track; none: meadow
    Bewuchs baeume = Bewuchs::Laub;
    int baumzahl = 14;
    bool wasser = false; // a lake or the sea between the fields and the far shore
    bool schnee = false;
    bool haeuser = false;
    QColor wand{236, 228, 212}, dach{176, 82, 52};
    Strecke strecke = Strecke::Ebene;
    bool gleisNah = false; // the second track between the camera and the train
    bool oberleitung = true;
};

// Where the camera stands, relative to the train's front tip at x = 0 (the train runs
// towards +x). seite < 0 shows the train heading right, > 0 heading left.
struct Blick {
    double vor = 16, seite = -12, hoehe = 2.0;
    double zielX = -12, zielZ = 1.6; // the point on the track looked at
    double brennweite = 220;         // in pixels of the finished picture
};

struct Szene {
    Tageszeit zeit = Tageszeit::Mittag;
    Landschaft land;
    Blick blick;
    std::uint32_t samen = 1;
};

// Light of the time of day, in linear colour.
struct Licht {
    V3 sonne;
    Farbe sonnenfarbe, himmel, horizont, boden, dunst;
    double sicht = 2500; // metres at which the haze has taken two thirds of a colour
    bool lampen = false; // windows lit
};

Licht LichtFuer(const Szene& szene, const Kamera& kamera);

// A fixed sequence of numbers in 0..1 from a seed.
class Zufall {
public:
    explicit Zufall(std::uint64_t samen) : s_(samen * 0x9E3779B97F4A7C15ull + 1) {}
    double operator()();
    double Zwischen(double a, double b) { return a + (b - a) * (*this)(); }

private:
    std::uint64_t s_;
};

// The ground level under the track bed.
double Bodenhoehe(const Landschaft& land);

// Everything behind the train, drawn on the canvas: sky, terrain, ground, the track, the
// train's shadow (zugLaenge metres of train from the tip back).
void Hintergrund(QPainter& p, const Kamera& kamera, const Szene& szene, const Licht& licht,
                 double zugLaenge);

// The parts in front of or round the train that must hide it or be hidden: masts and
// wires of the overhead line, the viaduct's parapets. Returns the contact wire's height
// (0 without an overhead line).
double Bauwerke(Raster& raster, const Szene& szene, std::vector<Teil>& teile);

} // namespace zug

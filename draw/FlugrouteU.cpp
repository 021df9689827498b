#include "draw/FlugrouteU.h"

#include "draw/Runden.h"
#include "draw/VektorU.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kalmiro {
namespace {
constexpr float Feldabstand = 3.5f;
constexpr float SchritteJeEinheit = 10.0f;
} // namespace

TFlugroute Flugroute(const TFlugziel& ziel) {
    const TFlugziel& wien = Flugziele[Heimatstadt];
    TFlugroute r;
    r.Start = {wien.X, wien.Y};
    r.Ziel = {ziel.X, ziel.Y};
    VecSub(wien.X, wien.Y, ziel.X, ziel.Y, r.Richtung.x, r.Richtung.y);
    r.Routenmitte = {(wien.X + ziel.X) / 2.0f, (wien.Y + ziel.Y) / 2.0f};
    r.ZielUhrY = (ziel.Y + Zielbeschriftungshoehe) / 2.0f;

    Weltpunkt normale, n, versatz;
    VecNormal(r.Richtung.x, r.Richtung.y, normale.x, normale.y);
    VecNormalize(normale.x, normale.y, n.x, n.y);
    VecScale(Feldabstand, n.x, n.y, versatz.x, versatz.y);
    VecAdd(r.Routenmitte.x, r.Routenmitte.y, versatz.x, versatz.y, r.Feld1.x, r.Feld1.y);
    VecAdd(r.Routenmitte.x, r.Routenmitte.y, -versatz.x, -versatz.y, r.Feld2.x, r.Feld2.y);

    const float laengste = std::max(std::abs(r.Richtung.x), std::abs(r.Richtung.y));
    r.Flugschritte = std::abs(Round(static_cast<double>(SchritteJeEinheit * laengste)));
    return r;
}

Weltpunkt Flugposition(const TFlugroute& route, int schritt) {
    if (schritt >= route.Flugschritte) return route.Ziel;
    if (schritt <= 0) return route.Start;
    const float anteil = static_cast<float>(schritt) / static_cast<float>(route.Flugschritte);
    Weltpunkt weg, p;
    VecScale(anteil, route.Richtung.x, route.Richtung.y, weg.x, weg.y);
    VecAdd(route.Start.x, route.Start.y, weg.x, weg.y, p.x, p.y);
    return p;
}

} // namespace kalmiro

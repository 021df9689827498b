#include "ZugMaler.h"

#include <QPainter>
#include <array>
#include <numbers>

namespace zug {

namespace {

constexpr int ueber = 4; // canvas pixels per picture pixel, each way

const std::array<double, 256>& LinearTafel() {
    static const std::array<double, 256> tafel = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[static_cast<std::size_t>(i)] = Linear(i / 255.0);
        return t;
    }();
    return tafel;
}

int Kanal(double linear) {
    // A soft shoulder instead of a hard clip keeps highlights from burning flat.
    const double c = linear < 0.8 ? linear : 0.8 + 0.2 * std::tanh((linear - 0.8) / 0.2);
    return std::clamp(static_cast<int>(std::lround(std::pow(std::max(0.0, c), 1 / 2.2) * 255)), 0,
                      255);
}

Oberflaeche StoffVon(const Teil& teil, const Zug& zug, V3 p) {
    switch (teil.art) {
    case Teil::Art::Kasten: {
        // Back into the body's own upright coordinates, where the livery is laid out.
        const double w = -zug.neigung * std::numbers::pi / 180;
        const double dz = p.z - 1.0;
        const double y = p.y * std::cos(w) - dz * std::sin(w);
        const double z = 1.0 + p.y * std::sin(w) + dz * std::cos(w);
        const Wagenkasten& kasten = teil.wagen == 0 ? zug.kopf : zug.wagen;
        const double d = -p.x;
        const double a = d - teil.anfang;
        const double halb =
            std::max(0.01, SchnittAn(kasten, std::clamp(a, 0.0, kasten.laenge)).halb);
        return LackAn(zug, teil.wagen, teil.anfang, d, z, std::fabs(y) / halb);
    }
    case Teil::Art::Balg:
        return {Hex(0x2a2c2e), Stoff::Matt};
    case Teil::Art::Fahrwerk:
        return {zug.lack.fahrwerk, Stoff::Matt};
    case Teil::Art::Rad:
        return {Hex(0x1c1c1e), Stoff::Metall};
    case Teil::Art::Draht:
        return {Hex(0x3a3632), Stoff::Matt};
    case Teil::Art::Mast:
        return {Hex(0x8c9094), Stoff::Matt};
    case Teil::Art::Dach:
        return {Hex(0x5a5e62), Stoff::Matt};
    case Teil::Art::Beton:
        return {Hex(0xbdb8ad), Stoff::Matt};
    }
    return {Hex(0xff00ff), Stoff::Matt};
}

Farbe Schattiere(const Fragment& f, const Teil& teil, const Zug& zug, const Licht& l,
                 const Kamera& k) {
    const V3 p{f.x, f.y, f.z};
    V3 n{f.nx, f.ny, f.nz};
    const V3 v = Einheit(k.Ort() - p);
    if (Skalar(n, v) < 0) n = n * -1;
    const Oberflaeche o = StoffVon(teil, zug, p);
    const Farbe albedo = Linear(o.farbe);
    Farbe c;
    if (o.stoff == Stoff::Lampe) {
        c = albedo * 1.1 + Farbe{0.1, 0.1, 0.1};
    } else {
        const double nl = std::max(0.0, Skalar(n, l.sonne));
        const Farbe umgebung = Mix(l.boden, l.himmel, 0.5 + 0.5 * n.z);
        c = albedo * (l.sonnenfarbe * nl + umgebung);
        const double nv = std::max(0.0, Skalar(n, v));
        const V3 r = n * (2 * nv) - v;
        const Farbe himmel = r.z >= 0 ? Mix(l.horizont, l.himmel * 1.5, std::sqrt(r.z))
                                      : Mix(l.horizont * 0.6, l.boden, std::min(1.0, -r.z * 5));
        double f0 = 0.04, spitze = 80, glanz = 0.5;
        switch (o.stoff) {
        case Stoff::Lack:
            break;
        case Stoff::Metall:
            f0 = 0.35, spitze = 24, glanz = 0.35;
            break;
        case Stoff::Glas:
        case Stoff::Fenster:
            f0 = 0.12, spitze = 200, glanz = 1.0;
            break;
        case Stoff::Matt:
            f0 = 0.01, spitze = 8, glanz = 0.03;
            break;
        case Stoff::Lampe:
            break;
        }
        const double fresnel =
            f0 + (1 - f0) * std::pow(1 - nv, 5) * (o.stoff == Stoff::Matt ? 0.1 : 0.85);
        const Farbe spiegel = o.stoff == Stoff::Metall ? himmel * albedo * 1.6 : himmel;
        c = c * (1 - fresnel) + spiegel * fresnel;
        const double nh = std::max(0.0, Skalar(n, Einheit(v + l.sonne)));
        c = c + l.sonnenfarbe * (glanz * std::pow(nh, spitze) * (nl > 0 ? 1 : 0));
        if (o.stoff == Stoff::Fenster && l.lampen) c = c * 0.3 + Farbe{0.95, 0.72, 0.38} * 0.75;
    }
    const double weite = Betrag(k.Ort() - p);
    return Mix(c, l.dunst, 1 - std::exp(-weite / l.sicht));
}

// Averages the canvas down in linear light, so thin bright and dark lines keep their weight.
QImage Verkleinern(const QImage& gross) {
    const auto& tafel = LinearTafel();
    QImage klein(fotoBreite, fotoHoehe, QImage::Format_RGB32);
    for (int y = 0; y < fotoHoehe; ++y) {
        for (int x = 0; x < fotoBreite; ++x) {
            double r = 0, g = 0, b = 0;
            for (int dy = 0; dy < ueber; ++dy) {
                const QRgb* zeile =
                    reinterpret_cast<const QRgb*>(gross.constScanLine(y * ueber + dy));
                for (int dx = 0; dx < ueber; ++dx) {
                    const QRgb c = zeile[x * ueber + dx];
                    r += tafel[static_cast<std::size_t>(qRed(c))];
                    g += tafel[static_cast<std::size_t>(qGreen(c))];
                    b += tafel[static_cast<std::size_t>(qBlue(c))];
                }
            }
            constexpr double n = ueber * ueber;
            klein.setPixel(x, y, qRgb(Kanal(r / n), Kanal(g / n), Kanal(b / n)));
        }
    }
    return klein;
}

} // namespace

QImage ZugFoto(const Zug& zug, const Szene& szene) {
    constexpr int breite = fotoBreite * ueber, hoehe = fotoHoehe * ueber;
    const Blick& b = szene.blick;
    const Kamera kamera({b.vor, b.seite, b.hoehe}, {b.zielX, 0, b.zielZ}, b.brennweite * ueber,
                        QPointF(breite / 2.0, hoehe / 2.0));
    const Licht licht = LichtFuer(szene, kamera);
    const std::vector<double> anfang = Wagenanfaenge(zug);
    const double laenge = anfang.back() + zug.wagen.laenge;

    QImage bild(breite, hoehe, QImage::Format_RGB32);
    {
        QPainter p(&bild);
        Hintergrund(p, kamera, szene, licht, laenge);
    }
    Raster raster(breite, hoehe, kamera);
    std::vector<Teil> teile;
    const double draht = Bauwerke(raster, szene, teile);
    ZugAufbauen(raster, zug, teile, draht);
    for (int y = 0; y < hoehe; ++y) {
        QRgb* zeile = reinterpret_cast<QRgb*>(bild.scanLine(y));
        for (int x = 0; x < breite; ++x) {
            const Fragment& f = raster.An(x, y);
            if (f.teil < 0) continue;
            const Farbe c =
                Schattiere(f, teile[static_cast<std::size_t>(f.teil)], zug, licht, kamera);
            zeile[x] = qRgb(Kanal(c.r), Kanal(c.g), Kanal(c.b));
        }
    }
    return Verkleinern(bild);
}

} // namespace zug

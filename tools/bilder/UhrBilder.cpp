// The wood of the title clock's rim: a warm, grained board in a 67 x 67 tile. The rim
// repeats the tile, so every term below is periodic in 67 pixels both ways and the
// seams do not show.
#include "Bilder.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr int seite = 67;
constexpr double zweiPi = 2 * std::numbers::pi;

// A fixed pseudo-random value in 0..1 for a pixel of the tile.
double Rauschen(int x, int y) {
    std::uint32_t h = static_cast<std::uint32_t>(((x % seite) + seite) % seite) * 73856093u ^
                      static_cast<std::uint32_t>(((y % seite) + seite) % seite) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<double>(h & 0xFFFF) / 65535.0;
}

// Fibres: noise drawn out along the grain, so it reads as fine streaks, not as grit.
double Fasern(int x, int y) {
    double summe = 0;
    for (int dx = -9; dx <= 9; ++dx)
        summe += Rauschen(x + dx, y);
    // Averaging narrows the spread; stretch it back to about 0..1.
    return 0.5 + (summe / 19.0 - 0.5) * 3.0;
}

// The shortest distance on the tile, which wraps round at its edges.
double Abstand(double a, double b) {
    const double d = std::fabs(a - b);
    return std::min(d, seite - d);
}

QImage Holz() {
    const QColor hell(228, 174, 108);
    const QColor mittel(186, 124, 66);
    const QColor dunkel(116, 66, 30);
    // A knot, round which the rings close.
    constexpr double astX = 46, astY = 24;
    // Each of the five rings a little lighter or darker than its neighbours.
    constexpr double ringTon[5] = {0.0, 0.12, -0.05, 0.08, 0.02};

    QImage bild(seite, seite, QImage::Format_RGB32);
    for (int y = 0; y < seite; ++y) {
        for (int x = 0; x < seite; ++x) {
            const double u = static_cast<double>(x) / seite;
            const double v = static_cast<double>(y) / seite;
            const double dx = Abstand(x, astX), dy = Abstand(y, astY);
            const double ast = std::exp(-(0.35 * dx * dx + dy * dy) / 70.0);
            // Rings across the board: five per tile, swaying gently along it.
            const double ring = 5 * v +
                                0.18 * std::sin(zweiPi * (u + 0.25 * std::sin(zweiPi * v))) +
                                0.08 * std::sin(zweiPi * (2 * u + v)) +
                                0.06 * std::sin(zweiPi * (3 * v - u)) + 0.75 * ast;
            const double t = ring - std::floor(ring);
            const int nummer = static_cast<int>(std::floor(ring)) % 5;
            // Light early wood darkening into a soft late-wood line.
            double ton = 0.6 * std::pow(t, 3.0) + ringTon[(nummer + 5) % 5];
            ton += 0.45 * (Fasern(x, y) - 0.5);
            QColor c = Mische(hell, mittel, ton);
            const double linie = std::exp(-std::pow((t - 0.92) / 0.06, 2.0));
            c = Mische(c, dunkel, 0.75 * linie);
            // The knot's dark heart.
            c = Mische(c, dunkel, 0.85 * std::exp(-(dx * dx + dy * dy) / 10.0));
            bild.setPixelColor(x, y, c);
        }
    }
    return bild;
}

} // namespace

void UhrBilder(Bildliste& liste) {
    liste.push_back({QStringLiteral("uhr"), QStringLiteral("holz.png"), Holz});
}

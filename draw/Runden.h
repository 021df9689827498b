#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalmiro {

// Round half to even, as the default floating-point rounding mode does. Values beyond
// the int range are clamped and NaN gives 0, rather than either being undefined.
inline int Round(double wert) {
    const double r = std::nearbyint(wert);
    if (std::isnan(r)) return 0;
    constexpr double kleinste = std::numeric_limits<int>::min();
    constexpr double groesste = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(r, kleinste, groesste));
}

// Points to pixels at 96 dpi, rounded as the font height of the canvas is.
constexpr int PixelAusPunkten(int punkte) {
    return punkte >= 0 ? (punkte * 96 + 36) / 72 : -((-punkte * 96 + 36) / 72);
}

} // namespace kalmiro

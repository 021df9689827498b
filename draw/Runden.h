#pragma once

#include <cmath>

namespace kalmiro {

// Round half to even, as the default floating-point rounding mode does. Values beyond
// the int range (or NaN) are clamped rather than left undefined.
inline int Round(double wert) {
    const double r = std::nearbyint(wert);
    if (!(r > -2147483648.0)) return std::isnan(r) ? 0 : -2147483647 - 1;
    if (r >= 2147483647.0) return 2147483647;
    return static_cast<int>(r);
}

// Points to pixels at 96 dpi, rounded as the font height of the canvas is.
constexpr int PixelAusPunkten(int punkte) {
    return punkte >= 0 ? (punkte * 96 + 36) / 72 : -((-punkte * 96 + 36) / 72);
}

} // namespace kalmiro

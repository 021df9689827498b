#pragma once

#include <cmath>

namespace kalmiro {

// Round half to even, as the default floating-point rounding mode does.
inline int Round(double wert) { return static_cast<int>(std::nearbyint(wert)); }

// Points to pixels at 96 dpi, rounded as the font height of the canvas is.
constexpr int PixelAusPunkten(int punkte) {
    return punkte >= 0 ? (punkte * 96 + 36) / 72 : -((-punkte * 96 + 36) / 72);
}

} // namespace kalmiro

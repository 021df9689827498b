#pragma once

#include <cstdint>

namespace kalmiro {

// A colour as 0xAARRGGBB, the layout of QRgb, so it converts to QColor as it is.
// Alpha 0 means "no colour" (the old -1 of the back colour).
using Farbe = std::uint32_t;

constexpr Farbe Rgb(int r, int g, int b) {
    return 0xFF000000u | (static_cast<Farbe>(r & 0xFF) << 16) |
           (static_cast<Farbe>(g & 0xFF) << 8) | static_cast<Farbe>(b & 0xFF);
}

inline constexpr Farbe KeineFarbe = 0;

constexpr bool IstFarbe(Farbe f) {
    return (f >> 24) != 0;
}

// The program's palette, filled by FarbenSetzen on every activation of the main window.
inline Farbe fbGrau200 = KeineFarbe;
inline Farbe fbGrau240 = KeineFarbe;
inline Farbe fbPink = KeineFarbe;
inline Farbe fbEisblau = KeineFarbe;
inline Farbe fbSeegruen = KeineFarbe;
inline Farbe fbGrau128 = KeineFarbe;
inline Farbe fbGrau53 = KeineFarbe;
inline Farbe fbBraun = KeineFarbe;
inline Farbe fbOcker = KeineFarbe;
inline Farbe fbViolett = KeineFarbe;
inline Farbe fbKornblau = KeineFarbe;
inline Farbe fbRot = KeineFarbe;
inline Farbe fbGruen = KeineFarbe;
inline Farbe fbDunkelgruen = KeineFarbe;
inline Farbe fbBlau = KeineFarbe;
inline Farbe fbCyan = KeineFarbe;
inline Farbe fbMagenta = KeineFarbe;
inline Farbe fbGelb = KeineFarbe;
inline Farbe fbOrange = KeineFarbe;
inline Farbe fbNachtblau = KeineFarbe;

void FarbenSetzen();

} // namespace kalmiro

#include "core/FarbenU.h"

namespace kalmiro {

void FarbenSetzen() {
    fbGrau200 = Rgb(200, 200, 200);
    fbGrau240 = Rgb(240, 240, 240);
    fbPink = Rgb(255, 0, 102);
    fbEisblau = Rgb(206, 234, 237);
    fbSeegruen = Rgb(60, 179, 113);
    fbGrau128 = Rgb(128, 128, 128);
    fbGrau53 = Rgb(53, 53, 53);
    fbBraun = Rgb(153, 102, 51);
    fbOcker = Rgb(204, 153, 51);
    fbViolett = Rgb(153, 102, 153);
    fbKornblau = Rgb(100, 149, 237);
    fbRot = Rgb(255, 0, 0);
    fbGruen = Rgb(0, 255, 0);
    fbDunkelgruen = Rgb(0, 128, 0);
    fbBlau = Rgb(0, 0, 255);
    fbCyan = Rgb(0, 255, 255);
    fbMagenta = Rgb(255, 0, 255);
    fbGelb = Rgb(255, 255, 0);
    fbOrange = Rgb(255, 153, 0);
    fbNachtblau = Rgb(40, 30, 116);
}

} // namespace kalmiro

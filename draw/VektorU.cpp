#include "draw/VektorU.h"

#include <cmath>

namespace kalmiro {

void VecSub(float x1, float y1, float x2, float y2, float& dx, float& dy) {
    dx = x2 - x1;
    dy = y2 - y1;
}

void VecAdd(float x1, float y1, float x2, float y2, float& sx, float& sy) {
    sx = x1 + x2;
    sy = y1 + y2;
}

void VecScale(float k, float x, float y, float& rx, float& ry) {
    rx = k * x;
    ry = k * y;
}

void VecNormalize(float x, float y, float& ux, float& uy) {
    const float l =
        static_cast<float>(std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y));
    if (l != 0.0f) {
        ux = x / l;
        uy = y / l;
    }
}

void VecNormal(float x, float y, float& nx, float& ny) {
    // 0 - v rather than -v, so a zero component never comes out as -0
    nx = y;
    ny = 0.0f - x;
    if (nx <= 0 && ny <= 0) {
        nx = 0.0f - nx;
        ny = 0.0f - ny;
    }
}

} // namespace kalmiro

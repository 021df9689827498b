#pragma once

namespace kalmiro {

void VecSub(float x1, float y1, float x2, float y2, float& dx, float& dy);
void VecAdd(float x1, float y1, float x2, float y2, float& sx, float& sy);
void VecScale(float k, float x, float y, float& rx, float& ry);
// Leaves the outputs as they are for the zero vector.
void VecNormalize(float x, float y, float& ux, float& uy);
// The perpendicular with at least one strictly positive component.
void VecNormal(float x, float y, float& nx, float& ny);

} // namespace kalmiro

#pragma once

#include "core/FarbenU.h"

class QPainter;

namespace kalmiro {

// The module-level world-to-screen mapping: one mapping at a time, set by the screen
// in front on its activation and read by every world-coordinate drawing routine.
struct Weltabbildung {
    float xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    int offx = 0, offy = 0;
    int unitx = 0, unity = 0;
    int left = 0, right = 0, top = 0, bottom = 0;
    Farbe backColor = KeineFarbe;
};

// Fills the scale and offsets of a mapping from its world and pixel rectangles.
void AbbildungBerechnen(Weltabbildung& a, float xmin, float xmax, float ymin, float ymax, int left,
                        int right, int top, int bottom);

const Weltabbildung& Abbildung();

void InitWorld(float xmin, float xmax, float ymin, float ymax, int left, int right, int top,
               int bottom);
void SetWorld(float xmin, float xmax, float ymin, float ymax, int left, int right, int top,
              int bottom);
void SetBackColor(Farbe farbe);
float XToPixel(float x);
float YToPixel(float y);
void WorldToPixel(float x, float y, int& px, int& py);
void PaintBackground(QPainter& canvas);

} // namespace kalmiro

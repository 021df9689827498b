#pragma once

#include "draw/KoordU.h"

#include <memory>

class QPainter;

namespace kalmiro {

// The world mapping as an object, which can also paint axes and a dot lattice.
class TKSys {
public:
    TKSys(float xmin, float xmax, float ymin, float ymax, int left, int right, int top, int bottom);

    void ToPixel(float x, float y, int& px, int& py) const;
    void ShowLattice(bool an) { m_gitter = an; }
    float XToPixel(float x) const;
    float YToPixel(float y) const;
    void Paint(QPainter& canvas) const;

    void SetBackColor(Farbe farbe) { m_a.backColor = farbe; }
    bool Gitter() const { return m_gitter; }
    const Weltabbildung& Werte() const { return m_a; }

private:
    Weltabbildung m_a;
    bool m_gitter = false;
};

// The shared object of the unit-conversion screen, created on each of its activations
// and read by the LinienSysU and SchriftSysU routines.
inline std::unique_ptr<TKSys> KSys;

} // namespace kalmiro

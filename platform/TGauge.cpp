#include "platform/TGauge.h"

#include <QPainter>

namespace kalmiro {

TGauge::TGauge(QWidget* parent) : QProgressBar(parent) {
    setOrientation(Qt::Vertical);
    setTextVisible(false);
    setRange(0, 100);
    setValue(0);
}

void TGauge::FuellfarbeSetzen(const QColor& farbe) {
    m_farbe = farbe;
    update();
}

void TGauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, Qt::white);
    const int spanne = maximum() - minimum();
    const int innen = r.height() - 2;
    const int hoehe = spanne > 0 ? (value() - minimum()) * innen / spanne : 0;
    if (hoehe > 0) p.fillRect(1, 1 + innen - hoehe, r.width() - 2, hoehe, m_farbe);
    // The edges as one-pixel rectangles, not lines: a line on the widget's edge would lose
    // half its width at 200 %.
    const QColor grau(128, 128, 128);
    p.fillRect(r.left(), r.top(), r.width(), 1, grau);
    p.fillRect(r.left(), r.top(), 1, r.height(), grau);
    p.fillRect(r.left(), r.bottom(), r.width(), 1, Qt::white);
    p.fillRect(r.right(), r.top(), 1, r.height(), Qt::white);
}

} // namespace kalmiro

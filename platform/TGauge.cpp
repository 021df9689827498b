#include "platform/TGauge.h"

#include <QPainter>

namespace kalmiro {

TGauge::TGauge(QWidget* parent) : QProgressBar(parent) {
    setOrientation(Qt::Vertical);
    setTextVisible(false);
    setRange(0, 100);
    setValue(0);
}

void TGauge::SetzeFuellfarbe(const QColor& farbe) {
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
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(Qt::white);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

} // namespace kalmiro

#include "platform/TPaintBox.h"

#include "platform/TForm.h"

#include <QPainter>

namespace kalmiro {

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
    // Mouse clicks go to the window below, as on a painted surface.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TPaintBox::paintEvent(QPaintEvent*) {
    if (!OnPaint) return;
    QPainter canvas(this);
    GlattSkalieren(canvas);
    OnPaint(canvas);
}

} // namespace kalmiro

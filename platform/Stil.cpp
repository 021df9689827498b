#include "platform/Stil.h"

#include "platform/Zugriffstasten.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace kalmiro {
namespace {

class Stil : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* p,
                     const QWidget* w) const override {
        const auto* eintrag = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (eintrag && (element == CE_MenuBarItem || element == CE_MenuItem) &&
            ZugriffstastenSichtbar()) {
            QStyleOptionMenuItem markiert(*eintrag);
            markiert.text = MitZugriffstaste(w, eintrag->text);
            QProxyStyle::drawControl(element, &markiert, p, w);
            return;
        }
        QProxyStyle::drawControl(element, option, p, w);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* p,
                       const QWidget* w) const override {
        // A group box's frame is a small picture of one-pixel lines stretched round the box:
        // at another scale it is enlarged pixel by pixel, so its lines stay sharp.
        if (element == PE_FrameGroupBox && p->deviceTransform().type() >= QTransform::TxScale) {
            const bool vorher = p->testRenderHint(QPainter::SmoothPixmapTransform);
            p->setRenderHint(QPainter::SmoothPixmapTransform, false);
            QProxyStyle::drawPrimitive(element, option, p, w);
            p->setRenderHint(QPainter::SmoothPixmapTransform, vorher);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, p, w);
    }

    void drawItemPixmap(QPainter* p, const QRect& rect, int alignment,
                        const QPixmap& bild) const override {
        // At 1:1 a picture is copied as it is; any other scale is smoothed.
        const bool skaliert =
            p->deviceTransform().type() >= QTransform::TxScale || bild.devicePixelRatio() != 1;
        const bool vorher = p->testRenderHint(QPainter::SmoothPixmapTransform);
        if (skaliert) p->setRenderHint(QPainter::SmoothPixmapTransform);
        QProxyStyle::drawItemPixmap(p, rect, alignment, bild);
        p->setRenderHint(QPainter::SmoothPixmapTransform, vorher);
    }
};

} // namespace

void AnwendungEinrichten() {
    if (dynamic_cast<Stil*>(QApplication::style())) return;
    // The desktop's style made anew as the base: the application deletes the style it
    // replaces.
    QApplication::setStyle(new Stil(QStyleFactory::create(QApplication::style()->name())));
}

} // namespace kalmiro

#pragma once

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPaintEvent>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace kalmiro::test {

// The widget as it paints, in an image of its size, over the given ground (a
// transparent paint box on white shows its own drawing without what lies below it).
QImage Aufnahme(QWidget& widget, const QColor& grund = Qt::transparent);
// Writes the picture to the tour folder for people to look at (KALMIRO_TOUR).
void Tour(const QImage& bild, const QString& name);
// True if the pixel lies within toleranz of the colour in each channel.
bool FarbeEtwa(const QImage& bild, int x, int y, const QColor& farbe, int toleranz = 0);

// The smallest rectangle holding every pixel of the area (the whole picture if none is
// given) for which passt is true; an empty rectangle if there is none. Finds the ink of
// a glyph or a stroke to compare positions with.
QRect Umriss(const QImage& bild, const std::function<bool(const QColor&)>& passt,
             QRect bereich = {});

// What is wrong with an embedded picture: empty if it decodes at the stated size,
// otherwise the reason, for QVERIFY2(BildFehler(...).isEmpty(), ...).
QString BildFehler(const QString& pfad, QSize groesse);
// The embedded pictures of a group, e.g. ":/bilder/uhr/holz.png", sorted.
QStringList BilderDerGruppe(const QString& gruppe);

// Counts the paints of a widget it is installed on, and where they went.
class Malzaehler : public QObject {
public:
    int anzahl = 0;
    QRegion bereich;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            ++anzahl;
            bereich += static_cast<QPaintEvent*>(e)->region();
        }
        return false;
    }
};

} // namespace kalmiro::test

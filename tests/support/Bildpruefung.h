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
#include <optional>
#include <utility>

class QWidget;

namespace kalmiro::test {

// The widget as it paints, in an image of its size, over the given ground (a
// transparent paint box on white shows its own drawing without what lies below it).
QImage Aufnahme(QWidget& widget, const QColor& grund = Qt::transparent);
// The widget as it paints on a screen of the device pixel ratio (1.5, 2): an image of its
// size times the ratio, in device pixels.
QImage AufnahmeBei(QWidget& widget, qreal verhaeltnis);

// Along the column (Qt::Vertical) or the row through (x, y): the first and the last pixel
// of the unbroken run for which passt holds; none when (x, y) itself does not.
struct Lauf {
    int von = -1;
    int bis = -1;
    int Laenge() const { return von < 0 ? 0 : bis - von + 1; }
};
Lauf Strich(const QImage& bild, int x, int y, Qt::Orientation richtung,
            const std::function<bool(const QColor&)>& passt);

// How far an image at twice the resolution departs from the one at 1:1 once every 2 x 2
// block is averaged back into one pixel (or the block half a 1:1 pixel up or left, where
// Qt centres a doubled hard-edged line): the mean difference per channel, 0..255.
double Abweichung(const QImage& eins, const QImage& doppelt);
// Of the 2 x 2 blocks in the area of an image at twice the resolution that have anything
// drawn on the area's ground (its commonest colour), the share not of one colour: none
// for a 1:1 drawing blown up, many where the detail is finer.
double FeineBloecke(const QImage& doppelt, const QRect& bereich);

// A straight line of the 1:1 drawing to probe: a point on it, the direction across it,
// its colour and its width in pixels.
struct Strichprobe {
    QPoint punkt;
    Qt::Orientation quer;
    QColor farbe;
    int breite = 1;
};
// What is wrong with the widget drawn at device pixel ratio 2 next to its 1:1 drawing;
// empty if nothing. The layout is the 1:1 layout doubled (every 2 x 2 block averages
// to its 1:1 pixel, within a small mean difference); the area holds detail finer than a
// 1:1 pixel (not a blown-up bitmap); the probed line, if any, is twice as wide in device
// pixels, in its full colour, with no blended pixel at its edges. The drawing at 2:1 goes
// on the tour as tour, or by the window's name.
QString DoppeltScharf(QWidget& widget, const QRect& detail,
                      const std::optional<Strichprobe>& strich = std::nullopt,
                      const QString& tour = {});

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
// What is wrong with a group of embedded pictures: empty if it holds exactly the given
// pictures and each decodes at its size, otherwise every reason. A picture added to the
// group without being listed would go unchecked.
QString GruppeFehler(const QString& gruppe, const QList<std::pair<QString, QSize>>& bilder);

// The perceived brightness of a colour, 0..255.
inline double Helligkeit(const QColor& c) {
    return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue();
}
// How far the brightness of the picture's pixels spreads (its standard deviation): near
// nothing for a flat fill.
double Helligkeitsstreuung(const QImage& bild);

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

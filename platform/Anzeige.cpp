#include "platform/Anzeige.h"

#include "platform/SystemU.h"
#include "platform/Zugang.h"

#include <QLabel>
#include <QPixmap>

namespace kalmiro {

void Schriftfarbe(QWidget* w, const QColor& farbe) {
    if (!w) return;
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, farbe);
    w->setPalette(pal);
}

void Hintergrundfarbe(QWidget* w, const QColor& farbe) {
    if (!w) return;
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, farbe);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

void Anzeigen(QLabel* anzeige, const QString& text, const QColor& farbe, bool ansagen) {
    if (!anzeige) return;
    Schriftfarbe(anzeige, farbe);
    anzeige->setText(Zeilenumbrueche(text));
    if (ansagen && !anzeige->text().isEmpty()) Ansagen(anzeige, anzeige->text());
}

void BildLaden(QLabel* bild, const QString& pfad) {
    if (bild && bild->pixmap().isNull()) bild->setPixmap(QPixmap(pfad));
}

} // namespace kalmiro

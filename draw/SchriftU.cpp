#include "draw/SchriftU.h"

#include "draw/KoordU.h"
#include "draw/Runden.h"
#include "draw/Zeichenausgabe.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace kalmiro {

QFont Arial(int punkte, bool fett) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(qMax(1, PixelAusPunkten(punkte)));
    schrift.setBold(fett);
    return schrift;
}

int KleineGroesse(int groesse) {
    return Round(0.75 * groesse);
}

namespace {

enum class Modus { Normal, Hoch, Tief };

// Measures the text and, given a canvas to draw on, draws it from (x, y); returns the
// width. With a second colour '#' switches between the two, otherwise it is a character.
int Markiert(QPainter& canvas, bool zeichnen, const QString& text, int x, int y,
             const QColor& basis, const QColor* zweite, int groesse, bool fett) {
    const int s = KleineGroesse(groesse);
    const Schriftschnitt normal(Arial(groesse, fett), canvas);
    const Schriftschnitt klein(Arial(s, fett), canvas);
    Zeichenausgabe ausgabe(canvas);
    ausgabe.Schrift(normal);
    if (zeichnen) ausgabe.Farbe(basis);

    bool zweiteFarbe = false;
    Modus modus = Modus::Normal;
    int c = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = ZeichenLaenge(text, i);
        const QChar z = text[i];
        if (z == u'!') {
            modus = Modus::Tief;
        } else if (z == u'^') {
            modus = Modus::Hoch;
        } else if (z == u'#' && zweite) {
            zweiteFarbe = !zweiteFarbe;
            if (zeichnen) ausgabe.Farbe(zweiteFarbe ? *zweite : basis);
        } else {
            const Schriftschnitt& schnitt = modus == Modus::Normal ? normal : klein;
            const int hub = modus == Modus::Hoch ? -(s / 2) : modus == Modus::Tief ? s : 0;
            if (zeichnen) ausgabe.Zeichne(schnitt, x + c, y + hub, text, i, n);
            c += schnitt.Breite(text, i, n);
            modus = Modus::Normal;
        }
        i += n;
    }
    // The size goes back after every marked character, so the canvas ends at the size.
    ausgabe.Schrift(normal);
    return c;
}

} // namespace

int TextWidthMarked(QPainter& canvas, const QString& text, int groesse, bool fett) {
    return Markiert(canvas, false, text, 0, 0, QColor(), nullptr, groesse, fett);
}

void DrawMarkedText(QPainter& canvas, const QString& text, int x, int y, const QColor& farbe,
                    int groesse, bool fett) {
    Markiert(canvas, true, text, x, y, farbe, nullptr, groesse, fett);
}

void DrawMarkedText2(QPainter& canvas, const QString& text, int x, int y, const QColor& basis,
                     const QColor& zweite, int groesse, bool fett) {
    Markiert(canvas, true, text, x, y, basis, &zweite, groesse, fett);
}

namespace {

// The text from the mapped point, moved left by a share of its width (0, 1/2 or all).
enum class Ausrichtung { Links, Mitte, Rechts };

void TextAmPunkt(QPainter& canvas, const QString& text, float x, float y, const QColor& farbe,
                 int groesse, bool fett, Ausrichtung ausrichtung) {
    if (!canvas.isActive()) return;
    canvas.setBrush(Qt::NoBrush);
    int px = 0, py = 0;
    WorldToPixel(x, y, px, py);
    if (ausrichtung != Ausrichtung::Links) {
        const int w = TextWidthMarked(canvas, text, groesse, fett);
        px -= ausrichtung == Ausrichtung::Mitte ? w / 2 : w;
    }
    DrawMarkedText(canvas, text, px, py, farbe, groesse, fett);
}

} // namespace

void TextLeft(QPainter& canvas, const QString& text, float x, float y, const QColor& farbe,
              int groesse, bool fett) {
    TextAmPunkt(canvas, text, x, y, farbe, groesse, fett, Ausrichtung::Links);
}

void TextRight(QPainter& canvas, const QString& text, float x, float y, const QColor& farbe,
               int groesse, bool fett) {
    TextAmPunkt(canvas, text, x, y, farbe, groesse, fett, Ausrichtung::Rechts);
}

void TextCentre(QPainter& canvas, const QString& text, float x, float y, const QColor& farbe,
                int groesse, bool fett) {
    TextAmPunkt(canvas, text, x, y, farbe, groesse, fett, Ausrichtung::Mitte);
}

void TextCentreBox(QPainter& canvas, const QString& text, float x, float y, const QColor& farbe,
                   const QColor& box, int groesse, bool fett) {
    if (!canvas.isActive()) return;
    const int w = TextWidthMarked(canvas, text, groesse, fett);
    int px = 0, py = 0;
    WorldToPixel(x, y, px, py);
    const int h = QFontMetrics(canvas.font(), canvas.device()).height();
    // The pen stays clear: a circle drawn next takes over no outline either.
    canvas.setBrush(box);
    canvas.setPen(Qt::NoPen);
    canvas.setRenderHint(QPainter::Antialiasing, false);
    const int links = px - w / 2 - 2;
    const int oben = py - 1;
    canvas.drawRect(links, oben, px + w / 2 + 2 - links, py + h + 1 - oben);
    DrawMarkedText(canvas, text, px - w / 2, py, farbe, groesse, fett);
}

void TextLeft2(QPainter& canvas, const QString& text, float x, float y, const QColor& basis,
               const QColor& zweite, int groesse, bool fett) {
    if (!canvas.isActive()) return;
    canvas.setBrush(Qt::NoBrush);
    int px = 0, py = 0;
    WorldToPixel(x, y, px, py);
    DrawMarkedText2(canvas, text, px, py, basis, zweite, groesse, fett);
}

} // namespace kalmiro

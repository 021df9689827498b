#pragma once

#include <QString>

class QColor;
class QLabel;
class QWidget;

namespace kalmiro {

// The colour a label or group box writes its text in.
void Schriftfarbe(QWidget* w, const QColor& farbe);
// The colour a widget fills its background with, whatever the desktop's colours.
void Hintergrundfarbe(QWidget* w, const QColor& farbe);

// The window's message label: the text ('\r' breaks its lines) in its colour. A verdict
// (ansagen) is read out to a screen reader as well; an instruction that comes back with
// every keystroke is not, so it does not talk over the pupil's typing. An emptied label
// says nothing.
void Anzeigen(QLabel* anzeige, const QString& text, const QColor& farbe, bool ansagen);

// Decodes the picture into the label the first time it is shown: every window is created
// at start, and a window with many pictures shows few of them at once.
void BildLaden(QLabel* bild, const QString& pfad);

} // namespace kalmiro

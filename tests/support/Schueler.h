#pragma once

#include <QList>
#include <QString>

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace kalmiro::test {

// What a pupil does on an exercise screen, for the tests of every such screen.

// Shows the window if it is hidden, makes it the active one and waits for that; false if
// it never became active.
bool Aktivieren(QWidget& fenster);

// Empties the field, types the text and leaves the field with Enter.
void Eintippen(QLineEdit& feld, const QString& text);

// Clicks the screen's "Auswertung", waits for the evaluation to finish its bars and closes
// it; returns what its points panel read. With a name, the evaluation goes on the tour.
QString Auswerten(QAbstractButton& auswertung, const QString& tour = {});

// After the evaluation: nothing counted, round 1 of the limit, "Weiter" back and the
// fields open and empty for the new series, the first with the focus.
void NeueSeriePruefen(QWidget& fenster, int grenze, const QList<QLineEdit*>& felder);

// Sets the rounds limit through the screen's menu "Anzahl der Durchgänge" (menMaxanzahl)
// and activates the screen again; returns the rounds setting the dialog was opened for.
int DurchgaengeSetzen(QWidget& fenster, int grenze);

} // namespace kalmiro::test

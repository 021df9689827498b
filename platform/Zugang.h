#pragma once

#include <QString>
#include <functional>

class QAccessibleEvent;
class QColor;
class QLabel;
class QWidget;

namespace kalmiro {

// What a screen reader learns about a window beyond what Qt's widgets tell it by
// themselves: what each entry field asks, what the drawing shows, what the counters
// count, and every verdict as it comes.

using Textquelle = std::function<QString()>;

// The name and description a screen reader reads for w, worked out from the window's
// state. For most widgets they are asked afresh each time; an entry field keeps Qt's own
// interface (typed text, caret), so its texts are written into it by
// ZugangstexteAktualisieren, which runs when the focus moves and which the windows run
// when they show or ask to be repainted. An empty source leaves Qt's own text.
void Beschreiben(QWidget* w, Textquelle name, Textquelle beschreibung = {});
// Writes the current texts into the entry fields described below wurzel, while a screen
// reader (or a test's Zugangsbeobachter) listens; one that starts later finds every
// field brought up to date then.
void ZugangstexteAktualisieren(const QWidget* wurzel);

// A label that shows a value named for the ear: "Versuche: 3", "Durchgang: 1 von 2".
void WertBenennen(QLabel* wert, const QString& titel);
// The same with the title of the group box around the label.
void NachGruppeBenennen(QLabel* wert);
// A display text as it is best read out: "1 / 2" becomes "1 von 2".
QString Vorlesbar(QString text);

// Reads the text out at once, as a notification from quelle (a verdict, a grade).
void Ansagen(QWidget* quelle, const QString& text);

// Tests watch every accessibility event this module sends (offscreen, Qt hands none to
// its own update handler, as no screen reader is active). While one watches, the entry
// fields' texts are kept current as for a screen reader.
using Zugangsbeobachter = std::function<void(QAccessibleEvent&)>;
void ZugangsbeobachterSetzen(Zugangsbeobachter beobachter);

} // namespace kalmiro

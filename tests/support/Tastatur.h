#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

class QWidget;

namespace kalmiro::test {

// A pupil without a mouse: every key goes where the keyboard focus is (an open menu
// first), so a test drives a window as it would be driven for real.

// Presses a key with modifiers.
void Taste(Qt::Key taste, Qt::KeyboardModifiers zusatz = Qt::NoModifier);
// Types the text character by character.
void Tippe(const QString& text);
// Types the text and leaves the field with Enter.
void Antworte(const QString& text);
// Empties the field as a pupil would, with Ctrl+A and Backspace, then answers as Antworte.
void AntworteNeu(const QString& text);
// Opens a menu entry by its access keys as the letters are underlined: Alt and the
// letter on the window's bar, then the letter alone in each open menu, e.g.
// {"Grundrechnungsarten", "Übungsbeispiele", "Addition"}. False if an entry of the path
// is missing or has no access letter.
bool Menue(QWidget& fenster, const QStringList& pfad);
// The object names of the widgets Tab visits in the window, starting from the first
// one that takes the focus by Tab, once round.
QStringList Tabfolge(QWidget& fenster);

} // namespace kalmiro::test

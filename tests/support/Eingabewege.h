#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>

class QLineEdit;

namespace kalmiro::test {

// Every way text reaches an entry field, for tests that a field's filter holds on each.
enum class Eingabeweg {
    Tippen,       // plain keys
    Alt,          // Alt+key
    StrgAlt,      // Ctrl+Alt+key (AltGr)
    StrgV,        // the paste shortcut
    Kontextmenue, // "Paste" of the field's own context menu
    Ziehen,       // drag and drop
    Mittelklick,  // the selection clipboard
    Eingabemethode,
};

struct BenannterWeg {
    const char* name;
    Eingabeweg weg;
};
const QList<BenannterWeg>& Eingabewege();

// What a pupil can throw at a field: markup characters of the drawn rows, controls, a
// lone surrogate, format and private-use characters, an emoji. Each item is one key text.
QStringList Fremdzeichen();

// Brings the items into the field by the way, one key a item on the key ways, all at
// once on the others. False if the platform has no such way (no selection clipboard).
bool Eingeben(QLineEdit& feld, Eingabeweg weg, const QStringList& stuecke);

// Opens the field's context menu by a right click and triggers its entry for the key
// (Undo, Paste, ...), found by the shortcut it shows; false if missing or disabled.
bool Kontextmenue(QLineEdit& feld, QKeySequence::StandardKey eintrag);

} // namespace kalmiro::test

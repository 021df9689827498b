#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QAction;
class QMenuBar;
class QWidget;

namespace kalmiro {

// Access keys for menus whose captions carry no '&'. Each entry gets a letter of its
// caption, different from its neighbours'; Alt and the letter open an entry of the menu
// bar, the letter alone chooses in an open menu. The captions stay as they are: the
// letters are underlined only while the keyboard works the menus (Alt held down, or a
// menu opened by a key), so the bar looks as it always does otherwise.

// For captions that stand side by side (one menu, or the bar): the index of each one's
// access letter, or -1 where the caption brings its own '&' (Qt handles those) or has
// no letter left. First letters of words come first, then the others in order.
QList<int> Zugriffsstellen(const QStringList& titel);

// Gives the bar, its menus and their submenus access keys. TForm does this for every
// window with a menu.
void ZugriffstastenEinrichten(QMenuBar* leiste);

// The access letter's index in the action's caption, -1 for none.
int Zugriffsstelle(const QAction* aktion);
// Whether the letters are underlined just now.
bool ZugriffstastenSichtbar();
// The caption of the entry of menu (a bar or a menu) with its access letter marked by
// '&', as it is drawn while the letters show; text as given for any other.
QString MitZugriffstaste(const QWidget* menue, const QString& text);

} // namespace kalmiro

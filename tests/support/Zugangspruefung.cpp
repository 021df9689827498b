#include "tests/support/Zugangspruefung.h"

#include "platform/Zugang.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace kalmiro::test {
namespace {

QAccessibleInterface* Zugang(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

void Pfade(QAccessibleInterface* menue, const QString& vorher, QStringList& pfade) {
    for (int i = 0; i < menue->childCount(); ++i) {
        QAccessibleInterface* eintrag = menue->child(i);
        if (!eintrag || eintrag->role() == QAccessible::Separator) continue;
        // A hidden entry (one of another mode of the window) is not read out; the state
        // says so of every entry while its menu is closed, the entry itself only of that one.
        const auto* aktion = qobject_cast<const QAction*>(eintrag->object());
        if (aktion && !aktion->isVisible()) continue;
        const QString pfad = vorher + eintrag->text(QAccessible::Name);
        // A submenu's entry holds the open menu as its child.
        if (eintrag->childCount() > 0)
            Pfade(eintrag->child(0), pfad + QStringLiteral(" > "), pfade);
        else
            pfade << pfad;
    }
}

} // namespace

Zugangsprotokoll::Zugangsprotokoll() {
    ZugangsbeobachterSetzen([this](QAccessibleEvent& e) {
        QAccessibleInterface* i = e.accessibleInterface();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (e.type() == QAccessible::Announcement) {
            ansagen << static_cast<QAccessibleAnnouncementEvent&>(e).message();
            quellen << e.object();
        }
#else
        // Before Qt 6.8: a notification that appears beside the widget that speaks.
        if (e.type() == QAccessible::ObjectShow && i && i->role() == QAccessible::Notification) {
            ansagen << i->text(QAccessible::Name);
            quellen << e.object()->parent();
        }
#endif
        Q_UNUSED(i);
    });
}

Zugangsprotokoll::~Zugangsprotokoll() {
    ZugangsbeobachterSetzen({});
}

void Zugangsprotokoll::Leeren() {
    ansagen.clear();
    quellen.clear();
}

QString Name(QObject* o) {
    QAccessibleInterface* i = Zugang(o);
    return i ? i->text(QAccessible::Name) : QString();
}

QString Beschreibung(QObject* o) {
    QAccessibleInterface* i = Zugang(o);
    return i ? i->text(QAccessible::Description) : QString();
}

QAccessible::Role Rolle(QObject* o) {
    QAccessibleInterface* i = Zugang(o);
    return i ? i->role() : QAccessible::NoRole;
}

QStringList Namenlos(QWidget& fenster) {
    QStringList ohne;
    const auto teile = fenster.findChildren<QWidget*>();
    for (QWidget* w : teile) {
        if (!w->isVisibleTo(&fenster)) continue;
        auto* label = qobject_cast<QLabel*>(w);
        const bool zaehlt = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
                            (label && qobject_cast<QGroupBox*>(label->parentWidget())) ||
                            (label && !label->pixmap().isNull());
        if (zaehlt && Name(w).trimmed().isEmpty()) ohne << w->objectName();
    }
    return ohne;
}

QStringList Menuepfade(QWidget& fenster) {
    QStringList pfade;
    if (auto* leiste = fenster.findChild<QMenuBar*>()) Pfade(Zugang(leiste), QString(), pfade);
    return pfade;
}

} // namespace kalmiro::test

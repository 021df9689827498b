#include "platform/Zugriffstasten.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>
#include <QTimer>

namespace kalmiro {
namespace {

const char* const stelleEigenschaft = "kalmiroZugriffsstelle";

bool sichtbar = false;
bool altGedrueckt = false;

void Zeigen(bool ja) {
    if (sichtbar == ja) return;
    sichtbar = ja;
    const auto fenster = QApplication::topLevelWidgets();
    for (const QWidget* f : fenster)
        for (QMenuBar* leiste : f->findChildren<QMenuBar*>())
            leiste->update();
}

// Whether the keyboard still works a menu: a menu open, a bar in keyboard mode or Alt held.
void Pruefen() {
    const bool menueOffen = qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr;
    const bool leisteAktiv = qobject_cast<QMenuBar*>(QApplication::focusWidget()) != nullptr;
    if (!menueOffen && !leisteAktiv && !altGedrueckt) Zeigen(false);
}

// Watches the whole program for Alt and the mouse: Alt shows the letters, a click hides
// them, and they go when the last menu closes.
class Waechter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        switch (e->type()) {
        case QEvent::KeyPress: {
            const auto* taste = static_cast<QKeyEvent*>(e);
            altGedrueckt = taste->key() == Qt::Key_Alt || (taste->modifiers() & Qt::AltModifier);
            if (taste->key() == Qt::Key_Alt) Zeigen(true);
            break;
        }
        case QEvent::KeyRelease:
            if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Alt) {
                altGedrueckt = false;
                // The bar decides on the release whether it takes the keyboard.
                QTimer::singleShot(0, Pruefen);
            }
            break;
        case QEvent::MouseButtonPress:
            Zeigen(false);
            break;
        case QEvent::Hide:
        case QEvent::FocusOut:
            if (qobject_cast<QMenu*>(o) || qobject_cast<QMenuBar*>(o))
                QTimer::singleShot(0, Pruefen);
            break;
        default:
            break;
        }
        return false;
    }
};

void WaechterEinrichten() {
    static QPointer<Waechter> waechter;
    if (waechter || !qApp) return;
    waechter = new Waechter(qApp);
    qApp->installEventFilter(waechter);
}

bool PasstZu(const QAction* a, QChar taste) {
    const int i = Zugriffsstelle(a);
    return i >= 0 && a->isVisible() && a->text()[i].toUpper() == taste.toUpper();
}

// The letter alone chooses an entry of an open menu, as Enter on it would.
class Menuetasten : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* menue = qobject_cast<QMenu*>(o);
        if (!menue || e->type() != QEvent::KeyPress) return false;
        const auto* taste = static_cast<QKeyEvent*>(e);
        const QString text = taste->text();
        if (taste->modifiers() & (Qt::ControlModifier | Qt::MetaModifier) || text.size() != 1 ||
            !text[0].isLetter())
            return false;
        const QList<QAction*> aktionen = menue->actions();
        for (QAction* a : aktionen) {
            if (!PasstZu(a, text[0])) continue;
            Zeigen(true);
            if (a->isEnabled()) {
                menue->setActiveAction(a);
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QCoreApplication::sendEvent(menue, &enter);
            }
            return true;
        }
        return false;
    }
};

void Verteilen(const QList<QAction*>& aktionen) {
    QStringList titel;
    for (const QAction* a : aktionen)
        titel << (a->isSeparator() ? QString() : a->text());
    const QList<int> stellen = Zugriffsstellen(titel);
    for (qsizetype i = 0; i < aktionen.size(); ++i)
        aktionen[i]->setProperty(stelleEigenschaft, stellen[i]);
}

// Alt and the letter on the bar: a menu opens with its first entry chosen, a plain
// entry does what a click on it does.
void Oeffnen(QMenuBar* leiste, QAction* a) {
    if (!a->isVisible() || !a->isEnabled()) return;
    Zeigen(true);
    QMenu* menue = a->menu();
    if (!menue) {
        a->trigger();
        QTimer::singleShot(0, Pruefen);
        return;
    }
    leiste->setActiveAction(a);
    // The first entry chosen as Down would choose it: a submenu there stays closed.
    if (menue->isVisible()) {
        QKeyEvent runter(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(menue, &runter);
    }
}

} // namespace

QList<int> Zugriffsstellen(const QStringList& titel) {
    QList<int> stellen(titel.size(), -1);
    QString vergeben;
    const auto frei = [&vergeben](QChar c) {
        return c.isLetter() && !vergeben.contains(c.toUpper());
    };
    // Letters Qt already gives its own access keys are taken.
    for (const QString& t : titel) {
        const qsizetype und = t.indexOf(u'&');
        if (und >= 0 && und + 1 < t.size() && t[und + 1] != u'&') vergeben += t[und + 1].toUpper();
    }
    for (qsizetype i = 0; i < titel.size(); ++i) {
        const QString& t = titel[i];
        if (t.isEmpty() || t.contains(u'&')) continue;
        int stelle = -1;
        for (qsizetype k = 0; k < t.size() && stelle < 0; ++k) {
            const bool wortanfang = k == 0 || t[k - 1] == u' ' || t[k - 1] == u'-';
            if (wortanfang && frei(t[k])) stelle = static_cast<int>(k);
        }
        for (qsizetype k = 0; k < t.size() && stelle < 0; ++k)
            if (frei(t[k])) stelle = static_cast<int>(k);
        if (stelle < 0) continue;
        stellen[i] = stelle;
        vergeben += t[stelle].toUpper();
    }
    return stellen;
}

int Zugriffsstelle(const QAction* aktion) {
    if (!aktion) return -1;
    bool ok = false;
    const int i = aktion->property(stelleEigenschaft).toInt(&ok);
    return ok && i >= 0 && i < aktion->text().size() ? i : -1;
}

bool ZugriffstastenSichtbar() {
    return sichtbar;
}

QString MitZugriffstaste(const QWidget* menue, const QString& text) {
    if (!menue) return text;
    // A menu entry carries its shortcut after a tab.
    const qsizetype tab = text.indexOf(u'\t');
    const QString titel = tab < 0 ? text : text.left(tab);
    for (const QAction* a : menue->actions()) {
        if (a->text() != titel) continue;
        const int i = Zugriffsstelle(a);
        if (i < 0) return text;
        return titel.left(i) + u'&' + titel.mid(i) + (tab < 0 ? QString() : text.mid(tab));
    }
    return text;
}

void ZugriffstastenEinrichten(QMenuBar* leiste) {
    if (!leiste) return;
    WaechterEinrichten();
    Verteilen(leiste->actions());
    auto* menuetasten = new Menuetasten(leiste);
    const QList<QMenu*> menues = leiste->findChildren<QMenu*>();
    for (QMenu* menue : menues) {
        Verteilen(menue->actions());
        menue->installEventFilter(menuetasten);
    }
    QWidget* fenster = leiste->window();
    for (QAction* a : leiste->actions()) {
        const int i = Zugriffsstelle(a);
        if (i < 0) continue;
        auto* kuerzel =
            new QShortcut(QKeySequence(QStringLiteral("Alt+") + a->text()[i].toUpper()), fenster);
        QObject::connect(kuerzel, &QShortcut::activated, leiste,
                         [leiste, a] { Oeffnen(leiste, a); });
    }
}

} // namespace kalmiro

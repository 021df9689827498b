#include "tests/support/Tastatur.h"

#include "platform/Zugriffstasten.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace kalmiro::test {
namespace {

// The widget that gets the next key: the open menu, the focus widget, or the active window.
QWidget* Tastenziel() {
    if (QWidget* menue = QApplication::activePopupWidget()) return menue;
    if (QWidget* fokus = QApplication::focusWidget()) return fokus;
    return QApplication::activeWindow();
}

void Druecke(Qt::Key taste, const QString& text, Qt::KeyboardModifiers zusatz) {
    QWidget* ziel = Tastenziel();
    if (!ziel) {
        qWarning("no widget to take the key");
        return;
    }
    QTest::sendKeyEvent(QTest::Click, ziel, taste, text, zusatz);
}

// The access letter of the entry: its own '&' or the one the platform gave it.
QChar Buchstabe(const QAction* a) {
    const QString text = a->text();
    const qsizetype und = text.indexOf(u'&');
    if (und >= 0 && und + 1 < text.size()) return text[und + 1];
    const int stelle = Zugriffsstelle(a);
    return stelle >= 0 ? text[stelle] : QChar();
}

} // namespace

void Taste(Qt::Key taste, Qt::KeyboardModifiers zusatz) {
    QString text;
    if (taste == Qt::Key_Space) text = QStringLiteral(" ");
    if (taste == Qt::Key_Return || taste == Qt::Key_Enter) text = QStringLiteral("\r");
    Druecke(taste, text, zusatz);
}

void Tippe(const QString& text) {
    for (QChar c : text) {
        // Letters and digits have key codes of their capital; the text is the character.
        const auto taste = static_cast<Qt::Key>(c.toUpper().unicode());
        Druecke(taste, QString(c), c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

void Antworte(const QString& text) {
    Tippe(text);
    Taste(Qt::Key_Return);
}

void AntworteNeu(const QString& text) {
    Taste(Qt::Key_A, Qt::ControlModifier);
    Taste(Qt::Key_Backspace);
    Antworte(text);
}

bool Menue(QWidget& fenster, const QStringList& pfad) {
    for (qsizetype i = 0; i < pfad.size(); ++i) {
        const QWidget* ebene = i == 0 ? static_cast<QWidget*>(fenster.findChild<QMenuBar*>())
                                      : QApplication::activePopupWidget();
        if (!ebene) return false;
        const QAction* gefunden = nullptr;
        for (const QAction* a : ebene->actions())
            if (QString(a->text()).remove(u'&') == pfad[i]) gefunden = a;
        if (!gefunden) return false;
        const QChar c = Buchstabe(gefunden);
        if (c.isNull()) return false;
        const auto taste = static_cast<Qt::Key>(c.toUpper().unicode());
        Druecke(taste, QString(c.toLower()), i == 0 ? Qt::AltModifier : Qt::NoModifier);
    }
    return true;
}

QStringList Tabfolge(QWidget& fenster) {
    QStringList folge;
    QWidget* start = QApplication::focusWidget();
    if (!start || start->window() != &fenster) return folge;
    folge << start->objectName();
    // Once round, with a bound in case the chain never comes back.
    for (int i = 0; i < 40; ++i) {
        Taste(Qt::Key_Tab);
        QWidget* jetzt = QApplication::focusWidget();
        if (!jetzt || jetzt == start) break;
        folge << jetzt->objectName();
    }
    return folge;
}

} // namespace kalmiro::test

#include "tests/support/Eingabewege.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>

namespace kalmiro::test {
namespace {

// The key code of a typed text as a keyboard sends it: the letter or sign for ASCII.
Qt::Key Taste(const QString& text) {
    if (text.size() != 1 || text[0].unicode() < 0x21 || text[0].unicode() > 0x7e)
        return Qt::Key_unknown;
    return Qt::Key(text[0].toUpper().unicode());
}

} // namespace

const QList<BenannterWeg>& Eingabewege() {
    static const QList<BenannterWeg> wege{
        {"Tippen", Eingabeweg::Tippen},
        {"Alt", Eingabeweg::Alt},
        {"Strg+Alt", Eingabeweg::StrgAlt},
        {"Strg+V", Eingabeweg::StrgV},
        {"Kontextmenü", Eingabeweg::Kontextmenue},
        {"Ziehen", Eingabeweg::Ziehen},
        {"Mittelklick", Eingabeweg::Mittelklick},
        {"Eingabemethode", Eingabeweg::Eingabemethode},
    };
    return wege;
}

QStringList Fremdzeichen() {
    return {QStringLiteral("@"),      QStringLiteral("#"),      QStringLiteral("^"),
            QStringLiteral("\\"),     QStringLiteral("\u20ac"), QStringLiteral("\t"),
            QStringLiteral("\n"),     QString(QChar(0)),        QString(QChar(0xd800)),
            QStringLiteral("\u00ad"), QStringLiteral("\u200b"), QStringLiteral("\u200e"),
            QStringLiteral("\u202e"), QStringLiteral("\ue000"), QStringLiteral("\U0001F600")};
}

bool Eingeben(QLineEdit& feld, Eingabeweg weg, const QStringList& stuecke) {
    const QString alles = stuecke.join(QString());
    switch (weg) {
    case Eingabeweg::Tippen:
    case Eingabeweg::Alt:
    case Eingabeweg::StrgAlt: {
        const Qt::KeyboardModifiers zusatz = weg == Eingabeweg::Tippen ? Qt::NoModifier
                                             : weg == Eingabeweg::Alt
                                                 ? Qt::AltModifier
                                                 : Qt::ControlModifier | Qt::AltModifier;
        for (const QString& s : stuecke)
            // Tab and Enter as keys would leave the field; as texts they are characters.
            QTest::sendKeyEvent(QTest::Click, &feld, Taste(s), s, zusatz);
        return true;
    }
    case Eingabeweg::StrgV:
        QGuiApplication::clipboard()->setText(alles);
        QTest::keyClick(&feld, Qt::Key_V, Qt::ControlModifier);
        return true;
    case Eingabeweg::Kontextmenue:
        QGuiApplication::clipboard()->setText(alles);
        return Kontextmenue(feld, QKeySequence::Paste);
    case Eingabeweg::Ziehen: {
        QMimeData daten;
        daten.setText(alles);
        const QPoint ende(feld.width() - 2, feld.height() / 2);
        QDragEnterEvent hinein(ende, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&feld, &hinein);
        QDropEvent ablegen(ende, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&feld, &ablegen);
        return true;
    }
    case Eingabeweg::Mittelklick: {
        QClipboard* ablage = QGuiApplication::clipboard();
        if (!ablage->supportsSelection()) return false;
        ablage->setText(alles, QClipboard::Selection);
        QTest::mouseClick(&feld, Qt::MiddleButton, {}, QPoint(feld.width() - 2, feld.height() / 2));
        return true;
    }
    case Eingabeweg::Eingabemethode: {
        QInputMethodEvent ereignis;
        ereignis.setCommitString(alles);
        QCoreApplication::sendEvent(&feld, &ereignis);
        return true;
    }
    }
    return false;
}

bool Kontextmenue(QLineEdit& feld, QKeySequence::StandardKey eintrag) {
    const QPoint mitte = feld.rect().center();
    QContextMenuEvent ereignis(QContextMenuEvent::Mouse, mitte, feld.mapToGlobal(mitte));
    QCoreApplication::sendEvent(&feld, &ereignis);
    auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menue) return false;
    const QString kuerzel = u'\t' + QKeySequence(eintrag).toString(QKeySequence::NativeText);
    QAction* aktion = nullptr;
    for (QAction* a : menue->actions())
        if (a->text().endsWith(kuerzel)) aktion = a;
    const bool da = aktion && aktion->isEnabled();
    // Chosen as a click chooses it: the menu closes, then the entry runs.
    menue->close();
    if (da) aktion->trigger();
    return da;
}

} // namespace kalmiro::test

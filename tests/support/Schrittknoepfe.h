#pragma once

#include "platform/TRadioGroup.h"
#include "screens/Fenster.h"
#include "tests/support/Tastatur.h"
#include "tests/support/Zufallsskript.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

namespace kalmiro::test {

// What a worked-examples window says when an example can be chosen again.
inline const QString WaehleBeispiel =
    QStringLiteral("Wähle ein Beispiel aus und klicken auf die jeweilige Schaltfläche.\nDu  kannst "
                   "dabei das Berechnen von Zeiten Schritt für Schritt lernen!");

// The button panel of a worked-examples window as a pupil uses it: the step buttons
// btn01 ..., "Noch einmal" and the radio group of the examples; and the explanation over
// the drawing.
struct Schrittknoepfe {
    QWidget* fenster = nullptr;
    int anzahl = 0; // step buttons

    QPushButton* knopf(int n) const {
        return fenster->findChild<QPushButton*>(QStringLiteral("btn%1").arg(n, 2, 10, QChar(u'0')));
    }
    QPushButton* nochmal() const {
        return fenster->findChild<QPushButton*>(QStringLiteral("btnWiederholung"));
    }
    TRadioGroup* gruppe() const {
        return fenster->findChild<TRadioGroup*>(QStringLiteral("grpBeispiele"));
    }
    QLabel* lbltxt() const { return fenster->findChild<QLabel*>(QStringLiteral("lbltxt")); }
    QString text() const { return lbltxt()->text(); }
    QColor farbe() const { return lbltxt()->palette().color(QPalette::WindowText); }

    void WaehleItem(int index) const {
        QTest::mouseClick(
            gruppe()->findChild<QRadioButton*>(QStringLiteral("grpBeispiele_%1").arg(index)),
            Qt::LeftButton);
    }
    void Schritt(int n) const { QTest::mouseClick(knopf(n), Qt::LeftButton); }
    void BisSchritt(int n) const {
        for (int i = 1; i <= n; ++i)
            Schritt(i);
    }
    // Every button of the panel and the choice clicked at once.
    void AllesKlicken() const {
        for (int i = 1; i <= anzahl; ++i)
            Q_EMIT knopf(i)->clicked();
        Q_EMIT nochmal()->clicked();
        Q_EMIT gruppe()->Click();
    }

    // The panel as a pupil sees it: per step button "-" hidden, "e" enabled, "d"
    // disabled; then "N" for a visible "Noch einmal" and "G" for a choice that can be made.
    QString Leiste() const {
        QString s;
        for (int i = 1; i <= anzahl; ++i)
            s += !knopf(i)->isVisible() ? u'-' : knopf(i)->isEnabled() ? u'e' : u'd';
        if (nochmal()->isVisible()) s += u'N';
        if (gruppe()->isEnabled()) s += u'G';
        return s;
    }

    // By keys alone: Tab from the choice to step 1, then the steps by Space and Enter in
    // turn while the focus follows them; leiste(i) is the panel after step i, vorher(i)
    // runs before its key.
    void SchritteMitTasten(int schritte, const std::function<QString(int)>& leiste,
                           const std::function<void(int)>& vorher = {}) const {
        Taste(Qt::Key_Tab);
        for (int i = 1; i <= schritte; ++i) {
            QCOMPARE(QApplication::focusWidget(), knopf(i));
            if (vorher) vorher(i);
            Taste(i % 2 ? Qt::Key_Space : Qt::Key_Return);
            QCOMPARE(Leiste(), leiste(i));
        }
    }
    // Then Space on "Noch einmal", which hands the keyboard back to the example chosen
    // (its item), and Alt+S, which closes the window.
    void NochmalUndSchliessenMitTasten(int item) const {
        QCOMPARE(QApplication::focusWidget(), nochmal());
        Taste(Qt::Key_Space);
        QCOMPARE(text(), WaehleBeispiel);
        QCOMPARE(QApplication::focusWidget(), gruppe()->Eintrag(item));
        QVERIFY(Menue(*fenster, {QStringLiteral("Schließen")}));
        QVERIFY(!fenster->isVisible());
    }
};

// A worked-examples window as the main window shows it, its draws scripted.
template <typename Fenster> struct Schrittfenster : Schrittknoepfe {
    ZufallsSkript zufall;
    Fensterverbund verbund;
    std::unique_ptr<Fenster> w;

    // Once the draws are scripted: the window with its step buttons, shown and active.
    void Oeffnen(int knoepfe) {
        w = std::make_unique<Fenster>(verbund);
        fenster = w.get();
        anzahl = knoepfe;
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
};

} // namespace kalmiro::test

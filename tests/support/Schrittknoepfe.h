#pragma once

#include "platform/TRadioGroup.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace kalmiro::test {

// The button panel of a worked-examples window as a pupil uses it: the step buttons
// btn01 ..., "Noch einmal" and the radio group of the examples.
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
};

} // namespace kalmiro::test

#pragma once

#include "core/ZeitaufgabenU.h"

#include <QList>
#include <QString>

namespace kalmiro::test {

// A task as the test tables write it: d1, h1, m1, s1, h2, m2, s2, k.
inline TZeitAufgabe AufgabeAus(const QList<int>& w) {
    TZeitAufgabe a;
    a.Tage1 = w.value(0);
    a.Stunden1 = w.value(1);
    a.Minuten1 = w.value(2);
    a.Sekunden1 = w.value(3);
    a.Stunden2 = w.value(4);
    a.Minuten2 = w.value(5);
    a.Sekunden2 = w.value(6);
    a.k = w.value(7);
    return a;
}

// The task in one line, for a failure message.
inline QString Beschreibung(const TZeitAufgabe& a) {
    return QStringLiteral("level %1: %2d %3h %4min %5s | %6h %7min %8s | k %9 -> %10")
        .arg(a.Stufe)
        .arg(a.Tage1)
        .arg(a.Stunden1)
        .arg(a.Minuten1)
        .arg(a.Sekunden1)
        .arg(a.Stunden2)
        .arg(a.Minuten2)
        .arg(a.Sekunden2)
        .arg(a.k)
        .arg(a.Erwartet);
}

} // namespace kalmiro::test

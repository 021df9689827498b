#pragma once

#include "core/ZeitaufgabenU.h"

#include <QList>

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

} // namespace kalmiro::test

#pragma once

#include "core/ZeitpunktschritteU.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace kalmiro::test {

// A row as the drawing writes it: "16h 85min".
inline QString Zeilentext(const Rechenzeile& z) {
    return z.StundenText() + u' ' + z.MinutenText();
}

// The rows of the computations at basis, top to bottom.
inline QStringList Spalte(const Zeitstand& s, float basis) {
    std::vector<Rechenzeile> zeilen;
    std::copy_if(s.zeilen.begin(), s.zeilen.end(), std::back_inserter(zeilen),
                 [&](const Rechenzeile& z) { return std::abs(z.basis - basis) < 1e-4f; });
    std::stable_sort(zeilen.begin(), zeilen.end(),
                     [](const Rechenzeile& a, const Rechenzeile& b) { return a.y > b.y; });
    QStringList texte;
    for (const Rechenzeile& z : zeilen)
        texte << Zeilentext(z);
    return texte;
}

// Everything the computations and the travel-time label show, in one line.
inline QString Beschreibung(const Zeitstand& s) {
    QStringList teile;
    for (float basis : {-14.0f, -6.0f, 0.0f, 12.0f}) {
        const QStringList zeilen = Spalte(s, basis);
        if (!zeilen.isEmpty())
            teile << QString::number(static_cast<double>(basis)) + u':' + zeilen.join(u',');
    }
    for (const Rechenzeichen& z : s.zeichen)
        teile << (z.art == Rechenart::Plus ? u'+' : u'-') +
                     QString::number(static_cast<double>(z.basis)) + u'@' +
                     QString::number(static_cast<double>(z.y));
    for (const Rechentitel& t : s.titel)
        teile << t.text;
    return teile.join(QStringLiteral(" | ")) + QStringLiteral(" [") + s.fahrzeittext + u']';
}

// An example of a kind with set times and its travel time: departure h:m, arrival h:m.
inline TZugaufgabe ZeitbeispielAus(int art, const QList<int>& zeiten) {
    TZugaufgabe a;
    a.Aufgabenart = art;
    a.AbfahrtStunde = zeiten.value(0);
    a.AbfahrtMinute = zeiten.value(1);
    a.AnkunftStunde = zeiten.value(2);
    a.AnkunftMinute = zeiten.value(3);
    FahrzeitUndErgebnis(a);
    return a;
}

} // namespace kalmiro::test

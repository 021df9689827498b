#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace kalmiro {

// A text drawn on a canvas as a screen reader gets it: the row it stands in and where in
// the row (world units, y upwards), and what it says for the ear.
struct Lesestueck {
    float x = 0;
    float y = 0;
    QString text;
};

// The texts of a drawing in reading order: the rows from the top down, each from left to
// right, the texts of one row joined by trenner into one line. Texts that say nothing are
// left out; texts at the same place keep the order they were given in.
QStringList Lesefolge(std::vector<Lesestueck> stuecke,
                      const QString& trenner = QStringLiteral(" "));

} // namespace kalmiro

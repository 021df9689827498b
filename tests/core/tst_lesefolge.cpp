#include "core/LesefolgeU.h"

#include <QTest>

using namespace kalmiro;

Q_DECLARE_METATYPE(std::vector<kalmiro::Lesestueck>)

class TstLesefolge : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lesefolge_data();
    void lesefolge();
};

void TstLesefolge::lesefolge_data() {
    using S = std::vector<Lesestueck>;
    QTest::addColumn<S>("stuecke");
    QTest::addColumn<QString>("trenner");
    QTest::addColumn<QStringList>("zeilen");
    // clang-format off
    QTest::newRow("Zeilen von oben, von links") << S{{0, -2, "c"}, {4, 3, "b"}, {-3, 3, "a"}} << " " << QStringList{"a b", "c"};
    QTest::newRow("nah, aber zwei Zeilen")      << S{{0, 1.0f, "a"}, {-5, 0.9f, "b"}} << " " << QStringList{"a", "b"};
    QTest::newRow("stumm bleibt weg")           << S{{0, 1, ""}, {1, 1, "  "}, {2, 1, "x"}, {0, 0, ""}} << ", " << QStringList{"x"};
    QTest::newRow("gleicher Ort, mit Komma")    << S{{0, 0, "erst"}, {0, 0, "dann"}} << ", " << QStringList{"erst, dann"};
    // clang-format on
}

void TstLesefolge::lesefolge() {
    QFETCH(std::vector<Lesestueck>, stuecke);
    QFETCH(QString, trenner);
    QTEST(Lesefolge(stuecke, trenner), "zeilen");
}

QTEST_GUILESS_MAIN(TstLesefolge)
#include "tst_lesefolge.moc"

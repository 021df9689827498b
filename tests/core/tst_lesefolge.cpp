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
    QTest::newRow("leer")                 << S{} << " " << QStringList{};
    QTest::newRow("oben zuerst")          << S{{0, -2, "unten"}, {0, 3, "oben"}, {5, 0, "mitte"}} << " " << QStringList{"oben", "mitte", "unten"};
    QTest::newRow("eine Zeile von links") << S{{4, 1, "c"}, {-3, 1, "a"}, {0, 1, "b"}} << " " << QStringList{"a b c"};
    QTest::newRow("nah, aber zwei Zeilen")<< S{{0, 1.0f, "a"}, {-5, 0.9f, "b"}} << " " << QStringList{"a", "b"};
    QTest::newRow("stumm bleibt weg")     << S{{0, 1, ""}, {1, 1, "  "}, {2, 1, "x"}, {0, 0, ""}} << " " << QStringList{"x"};
    QTest::newRow("gleicher Ort")         << S{{0, 0, "erst"}, {0, 0, "dann"}} << " " << QStringList{"erst dann"};
    QTest::newRow("mit Komma")            << S{{2, 0, "b"}, {1, 0, "a"}, {0, -1, "c"}} << ", " << QStringList{"a, b", "c"};
    // clang-format on
}

void TstLesefolge::lesefolge() {
    QFETCH(std::vector<Lesestueck>, stuecke);
    QFETCH(QString, trenner);
    QTEST(Lesefolge(stuecke, trenner), "zeilen");
}

QTEST_GUILESS_MAIN(TstLesefolge)
#include "tst_lesefolge.moc"

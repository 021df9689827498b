#include "platform/WanderlabelU.h"
#include "tests/support/Testmain.h"
#include "tests/support/Wanderzeiten.h"

#include <QWidget>

using namespace kalmiro;

namespace {

class Flaeche : public QWidget {
public:
    Flaeche() { resize(200, 100); }
    int zeichnungen = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++zeichnungen; }
};

test::Attrappen& Attrappen() {
    return test::Attrappen::Aktuell();
}

} // namespace

class TstWanderlabel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Attrappen().Zuruecksetzen(); }
    void bilder_data();
    void bilder();
    void dreiStrecken_data();
    void dreiStrecken();
    void ohnePauseDanach();
    void stopptBeimSchliessen_data();
    void stopptBeimSchliessen();
};

void TstWanderlabel::bilder_data() {
    QTest::addColumn<QList<float>>("strecke"); // from x, y to x, y
    QTest::addColumn<int>("bilder");
    // clang-format off
    QTest::newRow("hinunter")              << QList<float>{8, -1.5f, 8, -3} << 15;
    QTest::newRow("Sekunden zu Minuten")   << QList<float>{8, -3, 5.3f, -3} << 27;
    QTest::newRow("Minuten zu Stunden")    << QList<float>{5.3f, -3, 1, -3} << 43;
    QTest::newRow("Stunden zu Tagen")      << QList<float>{1, -3, -1.8f, -3} << 28;
    QTest::newRow("Zeitleiste, 3,7")       << QList<float>{0, -2.5f, 3.7f, -2.5f} << 37;
    QTest::newRow("keine Länge")           << QList<float>{2, 2, 2, 2} << 0;
    // clang-format on
}

void TstWanderlabel::bilder() {
    QFETCH(QList<float>, strecke);
    QTEST(WanderBilder(strecke[0], strecke[1], strecke[2], strecke[3]), "bilder");
}

// A slide as the worked examples make it: down, across, up.
void TstWanderlabel::dreiStrecken_data() {
    QTest::addColumn<float>("vonX");
    QTest::addColumn<float>("nachX");
    QTest::addColumn<int>("quer");
    QTest::newRow("Sekunden zu Minuten") << 8.0f << 5.3f << 27;
    QTest::newRow("Minuten zu Stunden") << 5.3f << 1.0f << 43;
    QTest::newRow("Stunden zu Tagen") << 1.0f << -1.8f << 28;
}

void TstWanderlabel::dreiStrecken() {
    QFETCH(float, vonX);
    QFETCH(float, nachX);
    QFETCH(int, quer);
    Flaeche f;
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    Wanderlabel label{QStringLiteral("60s"), vonX, -1.5f, false};

    // Per wait: the label's place and whether the widget painted since the last wait.
    QList<QPointF> orte;
    QList<bool> gezeichnet;
    int zuletzt = f.zeichnungen;
    Attrappen().beiWarte = [&](int) {
        orte << QPointF(label.x, label.y);
        gezeichnet << (f.zeichnungen > zuletzt);
        zuletzt = f.zeichnungen;
    };
    QStringList ereignisse;
    const auto merke = [&](const QString& was) {
        return [&, was] { ereignisse << was + QStringLiteral(" %1 %2").arg(label.x).arg(label.y); };
    };
    Wanderung w;
    w.strecken = {{vonX, -3, merke(QStringLiteral("start1")), merke(QStringLiteral("halb1"))},
                  {nachX, -3, [&] { label.text = QStringLiteral("1min"); }, {}},
                  {nachX, -1.5f, merke(QStringLiteral("start3")), merke(QStringLiteral("halb3"))}};
    w.amEnde = merke(QStringLiteral("ende"));

    QVERIFY(Wandere(f, label, w));
    QCOMPARE(Attrappen().wartezeiten, test::Wanderzeiten(15 + quer + 15));
    // Every frame and both pauses are painted before they wait, at once.
    QVERIFY(!gezeichnet.contains(false));
    // Half way is passed in frame 8 of 15: the change comes once, 0.8 down or up.
    const QString x1 = QString::number(vonX), x2 = QString::number(nachX);
    QCOMPARE(ereignisse,
             (QStringList{"start1 " + x1 + " -1.5", "halb1 " + x1 + " -2.3", "start3 " + x2 + " -3",
                          "halb3 " + x2 + " -2.2", "ende " + x2 + " -1.5"}));
    // The last frame lands on the target exactly.
    QCOMPARE(orte[30 + quer], QPointF(nachX, -1.5f));
    QVERIFY(!label.sichtbar);
    QVERIFY(label.text.isEmpty());
}

void TstWanderlabel::ohnePauseDanach() {
    Flaeche f;
    f.show();
    Wanderlabel label{QStringLiteral("1h"), 0, 0, false};
    Wanderung w;
    w.strecken = {{0, 0.3f, {}, {}}};
    w.pauseNachher = 0;
    bool halb = false;
    w.strecken.push_back({0, 0.3f, {}, [&] { halb = true; }}); // a leg of no length
    QVERIFY(Wandere(f, label, w));
    QCOMPARE(Attrappen().wartezeiten, (QList<int>{1000, 100, 100, 100}));
    QVERIFY(halb);
}

void TstWanderlabel::stopptBeimSchliessen_data() {
    QTest::addColumn<bool>("loeschen");
    QTest::newRow("geschlossen") << false;
    QTest::newRow("zerstört") << true;
}

void TstWanderlabel::stopptBeimSchliessen() {
    QFETCH(bool, loeschen);
    auto* f = new Flaeche;
    f->show();
    auto label = std::make_unique<Wanderlabel>();
    label->text = QStringLiteral("60s");
    int spaeter = 0;
    Attrappen().beiWarte = [&](int) {
        if (Attrappen().wartezeiten.size() != 5) return;
        if (loeschen) {
            delete f;
            f = nullptr;
        } else {
            f->close();
        }
    };
    Wanderung w;
    w.strecken = {{0, -1.5f, {}, [&] { ++spaeter; }}, {3, -1.5f, [&] { ++spaeter; }, {}}};
    w.amEnde = [&] { ++spaeter; };
    QVERIFY(!Wandere(*f, *label, w));
    QCOMPARE(Attrappen().wartezeiten.size(), 5);
    QCOMPARE(spaeter, 0);
    // A window closed before it starts runs nothing at all.
    Attrappen().Zuruecksetzen();
    Flaeche zu;
    QVERIFY(!Wandere(zu, *label, w));
    QVERIFY(Attrappen().wartezeiten.isEmpty());
    delete f;
}

KALMIRO_TEST_MAIN(TstWanderlabel)
#include "tst_wanderlabel.moc"

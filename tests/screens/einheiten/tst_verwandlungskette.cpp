#include "core/FarbenU.h"
#include "screens/einheiten/VerwandlungsketteU.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Schueler.h"
#include "tests/support/Tastatur.h"
#include "tests/support/Testmain.h"
#include "tests/support/Zeichenpruefung.h"
#include "tests/support/Zugangspruefung.h"

#include <QAction>
#include <QMenuBar>

using namespace kalmiro;

namespace {

constexpr int mitteX = 199;
constexpr int mitteY = 77;

const auto Tinte = test::DunklerAls(120);
bool Rot(const QColor& c) {
    return c.red() > 200 && c.green() < 90 && c.blue() < 90;
}

struct Kette {
    Fensterverbund fenster;
    TfrmVerwandlungsketten w{fenster};
    void Oeffnen() { QVERIFY(test::Aktivieren(w)); }
    QImage Bild() { return test::Aufnahme(*w.Client()); }
};

} // namespace

class TstVerwandlungskette : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void fenster();
    void zentriertUeberVerstecktemHauptfenster();
    void linieUndStriche();
    void beschriftungen_data();
    void beschriftungen();
    void immerDasselbeBild();
    void zugang();
    void schliessenMitTastatur_data();
    void schliessenMitTastatur();
    void scharfBeiDoppelterAufloesung();
};

void TstVerwandlungskette::initTestCase() {
    FarbenSetzen();
}

void TstVerwandlungskette::fenster() {
    Kette k;
    QCOMPARE(k.w.objectName(), QStringLiteral("frmVerwandlungsketten"));
    QCOMPARE(k.w.windowTitle(), QStringLiteral("Umwandlungskette für Zeitmaße"));
    QCOMPARE(k.w.ClientGroesse(), QSize(399, 154));
    QVERIFY(!(k.w.windowFlags() & Qt::WindowMaximizeButtonHint));
    const QList<QAction*> punkte = k.w.menuBar()->actions();
    QCOMPARE(punkte.size(), 1);
    QCOMPARE(punkte[0]->objectName(), QStringLiteral("menSchliessen"));
    QCOMPARE(punkte[0]->text(), QStringLiteral("Schließen"));
    k.Oeffnen();
    QCOMPARE(k.w.Client()->palette().color(QPalette::Window), QColor(240, 240, 240));
    punkte[0]->trigger();
    QVERIFY(!k.w.isVisible());
}

void TstVerwandlungskette::zentriertUeberVerstecktemHauptfenster() {
    TForm haupt;
    haupt.setCentralWidget(new QWidget);
    haupt.setGeometry(217, 40, 1016, 722);
    haupt.show();
    QVERIFY(QTest::qWaitForWindowExposed(&haupt));
    // The exercise screen has hidden the main window before the chart is opened.
    haupt.hide();
    Kette k;
    k.fenster.frmKalmiro = &haupt;
    k.Oeffnen();
    const QRect h = haupt.frameGeometry();
    const QRect f = k.w.frameGeometry();
    QCOMPARE(f.x(), h.x() + (h.width() - f.width()) / 2);
    QCOMPARE(f.y(), h.y() + (h.height() - f.height()) / 2);
}

void TstVerwandlungskette::linieUndStriche() {
    Kette k;
    k.Oeffnen();
    const QImage bild = k.Bild();
    // The line from x 15 to 384, 2 pixels thick, at the middle.
    const QRect linie = test::Umriss(bild, Tinte, QRect(0, mitteY - 2, 399, 5));
    QCOMPARE(linie.left(), 15);
    QVERIFY(linie.right() >= 382 && linie.right() <= 384);
    QVERIFY(test::FarbeEtwa(bild, 120, mitteY, Qt::black, 30) ||
            test::FarbeEtwa(bild, 120, mitteY - 1, Qt::black, 30));
    // Black ticks through it and red strokes above it at every step of the chain.
    for (int versatz : {-175, -75, 25, 75, 125, 175}) {
        const QRect strich(mitteX + versatz - 2, mitteY - 4, 5, 9);
        const QRect schwarz = test::Umriss(bild, Tinte, strich);
        QVERIFY2(schwarz.top() <= mitteY - 2 && schwarz.bottom() >= mitteY + 2,
                 qPrintable(QString::number(versatz)));
        const QRect rot = test::Umriss(bild, Rot, QRect(mitteX + versatz - 3, mitteY - 24, 7, 14));
        QVERIFY2(!rot.isEmpty(), qPrintable(QString::number(versatz)));
        QCOMPARE(rot.top(), mitteY - 22);
        QVERIFY(rot.bottom() >= mitteY - 13 && rot.bottom() <= mitteY - 12);
        QVERIFY(rot.width() <= 3);
    }
    // Between the steps the line carries no tick.
    QVERIFY(test::Umriss(bild, Tinte, QRect(mitteX - 125 - 2, mitteY + 2, 5, 3)).isEmpty());
}

// clang-format off
void TstVerwandlungskette::beschriftungen_data() {
    QTest::addColumn<int>("versatz");
    QTest::addColumn<bool>("oben");
    // Units below in black, factors above in red.
    QTest::newRow("h") << -175 << false;
    QTest::newRow("60 min") << -125 << true;
    QTest::newRow("min") << -75 << false;
    QTest::newRow("60 s") << -25 << true;
    QTest::newRow("s") << 25 << false;
    QTest::newRow("10 Zehntel") << 50 << true;
    QTest::newRow("10 Hundertstel") << 100 << true;
    QTest::newRow("10 ms") << 150 << true;
    QTest::newRow("ms") << 175 << false;
}
// clang-format on

void TstVerwandlungskette::beschriftungen() {
    QFETCH(int, versatz);
    QFETCH(bool, oben);
    Kette k;
    k.Oeffnen();
    const QImage bild = k.Bild();
    const int x = mitteX + versatz;
    if (oben) {
        // Red text from y 52, clear of the red strokes at the steps either side.
        const QRect text = test::Umriss(bild, Rot, QRect(x - 11, mitteY - 26, 23, 24));
        QVERIFY(!text.isEmpty());
        QVERIFY2(qAbs(text.center().x() - x) <= 2, qPrintable(QString::number(text.center().x())));
        QVERIFY(text.top() >= mitteY - 25 && text.bottom() < mitteY - 4);
    } else {
        const QRect text = test::Umriss(bild, Tinte, QRect(x - 20, mitteY + 8, 41, 25));
        QVERIFY(!text.isEmpty());
        QVERIFY2(qAbs(text.center().x() - x) <= 2, qPrintable(QString::number(text.center().x())));
        QVERIFY(text.top() >= mitteY + 10);
        QVERIFY(test::Umriss(bild, Rot, QRect(x - 20, mitteY + 8, 41, 25)).isEmpty());
    }
}

void TstVerwandlungskette::immerDasselbeBild() {
    Kette k;
    k.Oeffnen();
    const QImage erstes = k.Bild();
    k.w.hide();
    k.Oeffnen();
    QCOMPARE(k.Bild(), erstes);
    test::Tour(test::Aufnahme(k.w), QStringLiteral("einheiten_verwandlungskette_fenster"));
}

// The drawn chain reaches a screen reader as words, from left to right.
void TstVerwandlungskette::zugang() {
    Kette k;
    QCOMPARE(test::Name(k.w.Client()), QStringLiteral("Umwandlungskette"));
    QCOMPARE(test::Beschreibung(k.w.Client()),
             QStringLiteral("h, mal 60, min, mal 60, s, mal 10, mal 10, mal 10, ms"));
    QCOMPARE(test::Menuepfade(k.w), QStringList{QStringLiteral("Schließen")});
}

void TstVerwandlungskette::schliessenMitTastatur_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Escape") << true;
    QTest::newRow("Alt+S") << false;
}

void TstVerwandlungskette::schliessenMitTastatur() {
    QFETCH(bool, escape);
    Kette k;
    k.Oeffnen();
    if (escape)
        test::Taste(Qt::Key_Escape);
    else
        QVERIFY(test::Menue(k.w, {QStringLiteral("Schließen")}));
    QVERIFY(!k.w.isVisible());
}

// At 200 % the line, two pixels at 1:1, is four device pixels; the labels are drawn
// at the full resolution.
void TstVerwandlungskette::scharfBeiDoppelterAufloesung() {
    Kette k;
    k.Oeffnen();
    const QString fehler =
        test::DoppeltScharf(*k.w.Client(), QRect(0, 40, 399, 70),
                            test::Strichprobe{{100, mitteY}, Qt::Vertical, QColor(0, 0, 0), 2});
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

KALMIRO_TEST_MAIN(TstVerwandlungskette)
#include "tst_verwandlungskette.moc"

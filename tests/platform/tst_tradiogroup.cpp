#include "platform/TRadioGroup.h"
#include "tests/support/Testmain.h"

#include <QGridLayout>
#include <QRadioButton>
#include <QSignalSpy>

using namespace kalmiro;

namespace {

QRadioButton* Knopf(TRadioGroup& g, int i) {
    return g.findChild<QRadioButton*>(g.objectName() + QStringLiteral("_%1").arg(i));
}

void Fuellen(TRadioGroup& g, int spalten, const QStringList& texte) {
    g.setObjectName(QStringLiteral("grp"));
    g.setColumns(spalten);
    g.setItems(texte);
}

} // namespace

class TstTRadioGroup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void spaltenweise_data();
    void spaltenweise();
    void auswahlDesProgrammsKlicktNicht();
    void klickDesSchuelers();
};

void TstTRadioGroup::spaltenweise_data() {
    QTest::addColumn<int>("eintraege");
    QTest::addColumn<int>("spalten");
    QTest::addColumn<QString>("orte"); // row and column of each item
    // clang-format off
    QTest::newRow("4 in 2 Spalten")  << 4 << 2 << "00 10 01 11";
    QTest::newRow("6 in 3 Spalten")  << 6 << 3 << "00 10 01 11 02 12";
    QTest::newRow("5 in 2 Spalten")  << 5 << 2 << "00 10 20 01 11";
    QTest::newRow("3 in 1 Spalte")   << 3 << 1 << "00 10 20";
    QTest::newRow("2 in 4 Spalten")  << 2 << 4 << "00 01";
    // clang-format on
}

// Filled column by column: the first column from top to bottom, then the next.
void TstTRadioGroup::spaltenweise() {
    QFETCH(int, eintraege);
    QFETCH(int, spalten);
    QStringList texte;
    for (int i = 1; i <= eintraege; ++i)
        texte << QStringLiteral("Bsp. %1").arg(i);
    TRadioGroup g;
    Fuellen(g, spalten, texte);
    auto* raster = qobject_cast<QGridLayout*>(g.layout());
    QVERIFY(raster);
    QStringList orte;
    for (int i = 0; i < eintraege; ++i) {
        QRadioButton* k = Knopf(g, i);
        QVERIFY(k);
        QCOMPARE(k->text(), texte[i]);
        int zeile = 0, spalte = 0, zs = 0, ss = 0;
        raster->getItemPosition(raster->indexOf(k), &zeile, &spalte, &zs, &ss);
        orte << QStringLiteral("%1%2").arg(zeile).arg(spalte);
    }
    QTEST(orte.join(u' '), "orte");
}

void TstTRadioGroup::auswahlDesProgrammsKlicktNicht() {
    TRadioGroup g;
    Fuellen(g, 2, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QSignalSpy klicks(&g, &TRadioGroup::Click);
    QCOMPARE(g.ItemIndex(), -1);
    g.ItemIndexSetzen(2);
    QCOMPARE(g.ItemIndex(), 2);
    QVERIFY(Knopf(g, 2)->isChecked());
    g.ItemIndexSetzen(0);
    QCOMPARE(g.ItemIndex(), 0);
    // New items keep a selection that still exists.
    g.setItems({QStringLiteral("x"), QStringLiteral("y")});
    QCOMPARE(g.ItemIndex(), 0);
    g.ItemIndexSetzen(-1);
    QCOMPARE(g.ItemIndex(), -1);
    QCOMPARE(klicks.count(), 0);
}

void TstTRadioGroup::klickDesSchuelers() {
    TRadioGroup g;
    Fuellen(g, 2,
            {QStringLiteral("Bsp. 1"), QStringLiteral("Bsp. 2"), QStringLiteral("Bsp. 3"),
             QStringLiteral("Bsp. 4")});
    g.resize(209, 81);
    g.ItemIndexSetzen(0);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    QSignalSpy klicks(&g, &TRadioGroup::Click);
    QTest::mouseClick(Knopf(g, 3), Qt::LeftButton);
    QCOMPARE(klicks.count(), 1);
    QCOMPARE(g.ItemIndex(), 3);
    QTest::mouseClick(Knopf(g, 1), Qt::LeftButton);
    QCOMPARE(klicks.count(), 2);
    QCOMPARE(g.ItemIndex(), 1);
    // A disabled group takes no click.
    g.setEnabled(false);
    QTest::mouseClick(Knopf(g, 2), Qt::LeftButton);
    QCOMPARE(klicks.count(), 2);
    QCOMPARE(g.ItemIndex(), 1);
}

KALMIRO_TEST_MAIN(TstTRadioGroup)
#include "tst_tradiogroup.moc"

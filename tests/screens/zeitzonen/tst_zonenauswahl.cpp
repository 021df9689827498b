#include "core/GlobaleU.h"
#include "core/ZonenU.h"
#include "platform/TRadioGroup.h"
#include "screens/zeitzonen/Zonenauswahl.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Tastatur.h"
#include "tests/support/Testmain.h"
#include "tests/support/Zugangspruefung.h"

#include <QPushButton>
#include <QRadioButton>

using namespace kalmiro;

namespace {

struct Dialog {
    Fensterverbund fenster;
    TfrmZonenauswahl dlg{fenster};
    QPushButton* ok = dlg.findChild<QPushButton*>(QStringLiteral("btnOk"));

    QRadioButton* Eintrag(int i) {
        return dlg.findChild<QRadioButton*>(QStringLiteral("grpAuswahl_%1").arg(i));
    }
    // Clicks the item on its button, as the pupil does.
    void Klicke(int i) {
        QTest::mouseClick(Eintrag(i), Qt::LeftButton, {}, QPoint(8, Eintrag(i)->height() / 2));
    }
    // Opens the dialog modally and lets tun act in it; a check that fails in tun leaves
    // the dialog to be closed here. Returns how it was closed.
    TForm::Ergebnis Oeffne(std::function<void()> tun) {
        test::BeimNaechstenModal([this, tun](QWidget&) {
            tun();
            if (dlg.isVisible()) dlg.close();
        });
        return dlg.ZeigeModal();
    }
};

} // namespace

class TstZonenauswahl : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void aufbau();
    void eintraege_data();
    void eintraege();
    void okOderSchliessfeld();
    void nurMitTastatur_data();
    void nurMitTastatur();
    void scharfBeiDoppelterAufloesung();
};

void TstZonenauswahl::init() {
    ZonenAuswahl = 0;
    GewaehlteZone = KeineZone;
    Bildschirm1024 = true;
}

// Its size, also on a 1024 x 768 screen, where the screens maximise and a dialog does not.
void TstZonenauswahl::aufbau() {
    Dialog d;
    d.dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d.dlg));
    test::Tour(test::Aufnahme(d.dlg), QStringLiteral("zeitzonen_auswahl"));
    QCOMPARE(d.dlg.windowTitle(), QStringLiteral("Zeitzonenauswahl"));
    QVERIFY(!(d.dlg.windowState() & Qt::WindowMaximized));
    QCOMPARE(d.dlg.ClientGroesse(), QSize(425, 487));
    auto* grp = d.dlg.findChild<TRadioGroup*>(QStringLiteral("grpAuswahl"));
    QCOMPARE(grp->geometry(), QRect(8, 8, 409, 425));
    QCOMPARE(grp->title(), QStringLiteral(" Zonenauswahl "));
    QCOMPARE(grp->items().size(), 24);
    QCOMPARE(d.ok->geometry(), QRect(152, 448, 121, 33));
    for (int i = 0; i < 24; ++i)
        QVERIFY(grp->rect().contains(d.Eintrag(i)->geometry()));
    // A screen reader reaches every item and the button by name.
    QCOMPARE(test::Namenlos(d.dlg), QStringList());
    QCOMPARE(test::Name(d.ok), QStringLiteral("OK"));
}

// clang-format off
void TstZonenauswahl::eintraege_data() {
    QTest::addColumn<int>("eintrag");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::newRow("0") << 0 << "Greenwitch Time (0h)" << 0;
    for (int i = 1; i <= 10; ++i)
        QTest::newRow(qPrintable(QString::number(i))) << i << QStringLiteral("Zeitzone -%1h").arg(i) << -i;
    QTest::newRow("11") << 11 << "Andere Zeitzonen" << -20;
    for (int i = 12; i <= 20; ++i)
        QTest::newRow(qPrintable(QString::number(i))) << i << QStringLiteral("Zeitzone +%1h").arg(i - 10) << i - 10;
    QTest::newRow("21") << 21 << "Zeitzone 11h" << 11;
    QTest::newRow("22") << 22 << "Zeitzone +12h" << 12;
    QTest::newRow("23") << 23 << "Keine Auswahl" << -30;
}
// clang-format on

// Each item in its place, the first twelve on the left, hands its code over with OK.
void TstZonenauswahl::eintraege() {
    QFETCH(int, eintrag);
    QFETCH(QString, text);
    QFETCH(int, code);
    Dialog d;
    QCOMPARE(d.Eintrag(eintrag)->text(), text);
    QCOMPARE(test::Name(d.Eintrag(eintrag)), text);
    QCOMPARE(test::Rolle(d.Eintrag(eintrag)), QAccessible::RadioButton);
    bool amPlatz = false;
    const TForm::Ergebnis ergebnis = d.Oeffne([&] {
        const QRadioButton* oben = d.Eintrag(eintrag < 12 ? 0 : 12);
        amPlatz = d.Eintrag(eintrag)->x() == oben->x() &&
                  (d.Eintrag(eintrag)->y() > oben->y()) == (eintrag % 12 != 0) &&
                  (oben->x() > d.Eintrag(0)->x()) == (eintrag >= 12);
        d.Klicke(eintrag);
        QTest::mouseClick(d.ok, Qt::LeftButton);
    });
    QVERIFY(amPlatz);
    QCOMPARE(ergebnis, TForm::Ergebnis::Ok);
    QCOMPARE(GewaehlteZone, code);
}

// OK on the first opening hands over Greenwich; the close box hands over nothing; a
// reopened dialog shows the item clicked last, and OK hands that over, also one reached
// with the arrow keys.
void TstZonenauswahl::okOderSchliessfeld() {
    Dialog d;
    d.Oeffne([&] { QTest::mouseClick(d.ok, Qt::LeftButton); });
    QCOMPARE(GewaehlteZone, 0);
    d.Oeffne([&] {
        d.Klicke(21);
        d.dlg.close();
    });
    QCOMPARE(GewaehlteZone, 0);
    bool gezeigt = false, gewandert = false;
    d.Oeffne([&] {
        gezeigt = d.Eintrag(21)->isChecked();
        d.dlg.activateWindow();
        if (QTest::qWaitForWindowActive(&d.dlg)) {
            d.Eintrag(21)->setFocus();
            QTest::keyClick(d.Eintrag(21), Qt::Key_Down);
            gewandert = d.Eintrag(22)->isChecked();
        }
        QTest::mouseClick(d.ok, Qt::LeftButton);
    });
    QVERIFY(gezeigt);
    QVERIFY(gewandert);
    QCOMPARE(GewaehlteZone, 12);
}

void TstZonenauswahl::nurMitTastatur_data() {
    using K = QList<Qt::Key>;
    QTest::addColumn<int>("vorher"); // the item chosen when the dialog opens
    QTest::addColumn<K>("tasten");
    QTest::addColumn<int>("ergebnis"); // TForm::Ergebnis
    QTest::addColumn<int>("zone");     // handed over, or KeineZone
    QTest::addColumn<int>("auswahl");  // the item shown at the next opening
    const int ok = int(TForm::Ergebnis::Ok), zu = int(TForm::Ergebnis::Keins);
    // clang-format off
    QTest::newRow("runter, runter, Enter") << 0  << K{Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter} << ok << -2  << 2;
    QTest::newRow("rechts, Tab, Leertaste")<< 0  << K{Qt::Key_Right, Qt::Key_Tab, Qt::Key_Space} << ok << 2   << 12;
    QTest::newRow("vom gewählten weiter")  << 21 << K{Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}<< ok << -30 << 23;
    QTest::newRow("hoch, Escape")          << 21 << K{Qt::Key_Up, Qt::Key_Escape}                << zu << KeineZone << 20;
    QTest::newRow("Tab, Enter auf OK")     << 5  << K{Qt::Key_Tab, Qt::Key_Return}               << ok << -5  << 5;
    // clang-format on
}

// The dialog by keys alone: it opens with the focus on the item shown, the arrow keys
// choose, Tab goes between the items and OK, Enter or Space on OK hands the choice over,
// Escape closes as the close box does and hands nothing over.
void TstZonenauswahl::nurMitTastatur() {
    QFETCH(int, vorher);
    QFETCH(QList<Qt::Key>, tasten);
    Dialog d;
    ZonenAuswahl = ZonenCode(vorher);
    QString fokus;
    QStringList folge;
    const TForm::Ergebnis ergebnis = d.Oeffne([&] {
        d.dlg.activateWindow();
        if (!QTest::qWaitForWindowActive(&d.dlg)) return;
        fokus = QApplication::focusWidget()->objectName();
        folge = test::Tabfolge(d.dlg);
        for (Qt::Key taste : tasten)
            test::Taste(taste);
    });
    QCOMPARE(fokus, QStringLiteral("grpAuswahl_%1").arg(vorher));
    QCOMPARE(folge, (QStringList{fokus, "btnOk"}));
    QTEST(int(ergebnis), "ergebnis");
    QTEST(GewaehlteZone, "zone");
    QFETCH(int, auswahl);
    QCOMPARE(ZonenAuswahl, ZonenCode(auswahl));
}

// At 200 % the frame round the items, one pixel at 1:1, is two sharp device pixels; the
// items are written at the full resolution.
void TstZonenauswahl::scharfBeiDoppelterAufloesung() {
    Dialog d;
    d.dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d.dlg));
    const QString fehler =
        test::DoppeltScharf(*d.dlg.Client(), QRect(8, 40, 409, 380),
                            test::Strichprobe{{9, 200}, Qt::Horizontal, QColor(215, 215, 215), 1});
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

KALMIRO_TEST_MAIN(TstZonenauswahl)
#include "tst_zonenauswahl.moc"

#include "core/GlobaleU.h"
#include "platform/TEdit.h"
#include "screens/dialoge/MaxanzahlU.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Schueler.h"
#include "tests/support/Tastatur.h"
#include "tests/support/Testmain.h"
#include "tests/support/Zugangspruefung.h"

#include <QClipboard>
#include <QGroupBox>
#include <QPushButton>

using namespace kalmiro;

namespace {

struct Dialog {
    Fensterverbund fenster;
    TfrmMaxanzahl dlg{fenster};
    TEdit* edt = dlg.findChild<TEdit*>(QStringLiteral("edtMaxzahl"));
    QGroupBox* grp = dlg.findChild<QGroupBox*>(QStringLiteral("grpMax"));
    QPushButton* schliessen = dlg.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QPushButton* ok = dlg.findChild<QPushButton*>(QStringLiteral("BitBtn2"));

    void Zeigen() {
        QVERIFY(test::Aktivieren(dlg));
        QVERIFY(edt->hasFocus());
    }
    // Replaces the number shown, as a pupil types over the selected text.
    void Tippe(const QString& text) {
        edt->selectAll();
        QTest::keyClick(edt, Qt::Key_Backspace);
        QTest::keyClicks(edt, text);
    }
};

} // namespace

class TstMaxanzahl : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void aufbau();
    void beschriftungJeEinstellung_data();
    void beschriftungJeEinstellung();
    void tastenfilter();
    void pruefungBeimVerlassen_data();
    void pruefungBeimVerlassen();
    void okSpeichert();
    void schliessenSpeichertNicht();
    void okNachMeldungSchliesstNicht();
    void okOhneFokuswechselPrueftSelbst();
    void unbekannteEinstellung();
    void zentriertUeberVerstecktemHauptfenster();
    void nurMitTastatur_data();
    void nurMitTastatur();
    void scharfBeiDoppelterAufloesung();
};

void TstMaxanzahl::init() {
    test::Attrappen::Aktuell().Zuruecksetzen();
    MaxDurchgaenge = StandardDurchgaenge;
    MaxanzahlArt = 1;
}

void TstMaxanzahl::aufbau() {
    Dialog d;
    QCOMPARE(d.dlg.objectName(), QStringLiteral("frmMaxanzahl"));
    QCOMPARE(d.dlg.windowTitle(), QStringLiteral("Durchgänge"));
    QCOMPARE(d.dlg.ClientGroesse(), QSize(392, 173));
    QVERIFY(d.edt && d.grp && d.schliessen && d.ok);
    QCOMPARE(d.grp->geometry(), QRect(8, 8, 377, 105));
    QCOMPARE(d.edt->parentWidget(), d.grp);
    QCOMPARE(d.edt->geometry(), QRect(120, 48, 140, 30));
    QCOMPARE(d.schliessen->geometry(), QRect(8, 128, 140, 40));
    QCOMPARE(d.ok->geometry(), QRect(246, 128, 140, 40));
    QCOMPARE(d.schliessen->text(), QStringLiteral("S&chließen"));
    QCOMPARE(d.ok->text(), QStringLiteral("OK"));
    QCOMPARE(d.edt->font().pixelSize(), 19);
    QVERIFY(d.edt->font().bold());
    QVERIFY(!(d.dlg.windowFlags() & Qt::WindowMaximizeButtonHint));
}

// clang-format off
void TstMaxanzahl::beschriftungJeEinstellung_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("text");
    const QString bis10 = QStringLiteral("Max. Anzahl der Durchgänge (2\u201310)");
    QTest::newRow("Umwandeln") << 1 << bis10 << "3";
    QTest::newRow("Grundrechnungsarten") << 2 << QStringLiteral("Max. Anzahl der Durchgänge (2\u20135)") << "2";
    QTest::newRow("Zugreisen") << 3 << bis10 << "5";
    QTest::newRow("Flugreisen") << 4 << bis10 << "5";
}
// clang-format on

void TstMaxanzahl::beschriftungJeEinstellung() {
    QFETCH(int, art);
    MaxanzahlArt = art;
    test::Zugangsprotokoll bildschirmleser;
    Dialog d;
    d.Zeigen();
    QTEST(d.grp->title(), "titel");
    QTEST(d.edt->text(), "text");
    // A screen reader names the field by what it asks, with the range of the setting.
    QTEST(test::Name(d.edt), "titel");
    QCOMPARE(test::Name(d.schliessen), QStringLiteral("Schließen"));
    QCOMPARE(test::Name(d.ok), QStringLiteral("OK"));
    QCOMPARE(test::Namenlos(d.dlg), QStringList());
    // The current value, not the default, when a screen changed it before.
    d.dlg.close();
    MaxDurchgaenge[static_cast<std::size_t>(art)] = 4;
    d.Zeigen();
    QCOMPARE(d.edt->text(), QStringLiteral("4"));
    if (art == 2) test::Tour(test::Aufnahme(d.dlg), QStringLiteral("einheiten_maxanzahl"));
}

void TstMaxanzahl::tastenfilter() {
    Dialog d;
    d.Zeigen();
    d.Tippe(QStringLiteral("1a,-2 /3"));
    QCOMPARE(d.edt->text(), QStringLiteral("123"));
    // Enter is swallowed: the focus stays and nothing is checked.
    QTest::keyClick(d.edt, Qt::Key_Return);
    QVERIFY(d.edt->hasFocus());
    QVERIFY(test::Attrappen::Aktuell().meldungen.isEmpty());
    // Pasted text goes through the same filter.
    d.edt->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("4 Runden, 5"));
    QTest::keyClick(d.edt, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(d.edt->text(), QStringLiteral("45"));
}

// clang-format off
void TstMaxanzahl::pruefungBeimVerlassen_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QString>("danach");
    QTest::addColumn<bool>("meldung");
    QTest::newRow("2 mit 6") << 2 << "6" << "2" << true;
    QTest::newRow("2 mit 5") << 2 << "5" << "5" << false;
    QTest::newRow("1 mit 10") << 1 << "10" << "10" << false;
    QTest::newRow("1 mit 11") << 1 << "11" << "3" << true;
    QTest::newRow("1 mit 2") << 1 << "2" << "2" << false;
    QTest::newRow("1 mit 0") << 1 << "0" << "3" << true;
    QTest::newRow("3 mit 1") << 3 << "1" << "5" << true;
    QTest::newRow("4 mit 1") << 4 << "1" << "5" << true;
    QTest::newRow("führende Nullen") << 2 << "004" << "004" << false;
    QTest::newRow("sehr lang") << 1 << QString(300, u'9') << "3" << true;
    QTest::newRow("leer") << 1 << "" << "3" << false;
    QTest::newRow("leer bei 2") << 2 << "" << "2" << false;
}
// clang-format on

void TstMaxanzahl::pruefungBeimVerlassen() {
    QFETCH(int, art);
    QFETCH(QString, eingabe);
    QFETCH(QString, danach);
    QFETCH(bool, meldung);
    MaxanzahlArt = art;
    Dialog d;
    d.Zeigen();
    d.Tippe(eingabe);
    QTest::keyClick(d.edt, Qt::Key_Tab);
    QCOMPARE(d.edt->text(), danach);
    const QStringList erwartet =
        meldung ? QStringList{QStringLiteral("Die eingegebene Zahl liegt nicht im Bereich!")}
                : QStringList{};
    QCOMPARE(test::Attrappen::Aktuell().meldungen, erwartet);
    // A replaced entry keeps the pupil in the field; an accepted one lets the focus go.
    QCOMPARE(d.edt->hasFocus(), danach != eingabe);
    QCOMPARE(MaxDurchgaenge, StandardDurchgaenge);
}

void TstMaxanzahl::okSpeichert() {
    Dialog d;
    TForm::Ergebnis ergebnis = TForm::Ergebnis::Keins;
    test::BeimNaechstenModal([&](QWidget&) {
        d.Tippe(QStringLiteral("7"));
        QTest::mouseClick(d.ok, Qt::LeftButton);
    });
    ergebnis = d.dlg.ZeigeModal();
    QCOMPARE(ergebnis, TForm::Ergebnis::Ok);
    QVERIFY(!d.dlg.isVisible());
    QCOMPARE(MaxDurchgaenge[1], 7);
    QCOMPARE(MaxDurchgaenge[2], 2);
}

void TstMaxanzahl::schliessenSpeichertNicht() {
    Dialog d;
    test::BeimNaechstenModal([&](QWidget&) {
        d.Tippe(QStringLiteral("7"));
        QTest::mouseClick(d.schliessen, Qt::LeftButton);
    });
    QCOMPARE(d.dlg.ZeigeModal(), TForm::Ergebnis::Schliessen);
    QCOMPARE(MaxDurchgaenge[1], 3);
    // Nor does the title-bar button.
    test::BeimNaechstenModal([&](QWidget& w) {
        d.Tippe(QStringLiteral("8"));
        w.close();
    });
    d.dlg.ZeigeModal();
    QCOMPARE(MaxDurchgaenge[1], 3);
}

// The click that left the field went to the message: the dialog stays open with the
// default number, and the next click stores that.
void TstMaxanzahl::okNachMeldungSchliesstNicht() {
    Dialog d;
    d.Zeigen();
    d.Tippe(QStringLiteral("11"));
    QTest::mouseClick(d.ok, Qt::LeftButton);
    QCOMPARE(test::Attrappen::Aktuell().meldungen.size(), 1);
    QVERIFY(d.dlg.isVisible());
    QCOMPARE(d.edt->text(), QStringLiteral("3"));
    QCOMPARE(MaxDurchgaenge[1], 3);
    d.Tippe(QStringLiteral("9"));
    QTest::mouseClick(d.ok, Qt::LeftButton);
    QVERIFY(!d.dlg.isVisible());
    QCOMPARE(MaxDurchgaenge[1], 9);
    QCOMPARE(test::Attrappen::Aktuell().meldungen.size(), 1);
}

void TstMaxanzahl::okOhneFokuswechselPrueftSelbst() {
    MaxanzahlArt = 2;
    Dialog d;
    d.Zeigen();
    d.Tippe(QStringLiteral("6"));
    d.ok->click();
    QVERIFY(d.dlg.isVisible());
    QCOMPARE(MaxDurchgaenge[2], 2);
    QCOMPARE(d.edt->text(), QStringLiteral("2"));
    QCOMPARE(test::Attrappen::Aktuell().meldungen.size(), 1);
    d.edt->clear();
    d.ok->click();
    QVERIFY(!d.dlg.isVisible());
    QCOMPARE(MaxDurchgaenge[2], 2);
}

void TstMaxanzahl::unbekannteEinstellung() {
    MaxanzahlArt = 9;
    Dialog d;
    d.Zeigen();
    QCOMPARE(d.grp->title(), QStringLiteral("Max. Anzahl der Durchgänge (2\u201310)"));
    d.Tippe(QStringLiteral("6"));
    d.ok->click();
    QCOMPARE(MaxDurchgaenge[1], 6);
    QCOMPARE(MaxDurchgaenge[0], 0);
}

void TstMaxanzahl::zentriertUeberVerstecktemHauptfenster() {
    TForm haupt;
    haupt.setCentralWidget(new QWidget);
    haupt.setGeometry(120, 60, 1016, 722);
    haupt.show();
    QVERIFY(QTest::qWaitForWindowExposed(&haupt));
    haupt.hide();
    Dialog d;
    d.fenster.frmKalmiro = &haupt;
    d.Zeigen();
    const QRect h = haupt.frameGeometry();
    const QRect f = d.dlg.frameGeometry();
    QCOMPARE(f.center().x() - h.center().x(), 0);
    QVERIFY(qAbs(f.center().y() - h.center().y()) <= 1);
}

void TstMaxanzahl::nurMitTastatur_data() {
    QTest::addColumn<QList<QKeyCombination>>("tasten"); // after the number typed over the one shown
    QTest::addColumn<int>("ergebnis");
    QTest::addColumn<int>("gespeichert");
    const int ok = static_cast<int>(TForm::Ergebnis::Ok);
    const int zu = static_cast<int>(TForm::Ergebnis::Schliessen);
    // clang-format off
    using K = QList<QKeyCombination>;
    QTest::newRow("Tab Tab Enter") << K{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return} << ok << 7;
    QTest::newRow("Tab Tab Leertaste") << K{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space} << ok << 7;
    QTest::newRow("Escape") << K{Qt::Key_Escape} << zu << 3;
    QTest::newRow("Tab Enter auf Schließen") << K{Qt::Key_Tab, Qt::Key_Return} << zu << 3;
    QTest::newRow("Alt+C") << K{QKeyCombination(Qt::AltModifier, Qt::Key_C)} << zu << 3;
    // clang-format on
}

// The dialog by keyboard alone: Enter in the field stays swallowed, Tab reaches the
// buttons in reading order, Enter or Space presses them, Escape is "Schließen".
void TstMaxanzahl::nurMitTastatur() {
    QFETCH(QList<QKeyCombination>, tasten);
    QFETCH(int, ergebnis);
    QFETCH(int, gespeichert);
    Dialog d;
    QStringList folge;
    test::BeimNaechstenModal([&](QWidget& fenster) {
        QVERIFY(test::Aktivieren(fenster));
        folge = test::Tabfolge(fenster);
        test::Tippe(QStringLiteral("7"));
        for (QKeyCombination taste : tasten)
            test::Taste(taste.key(), taste.keyboardModifiers());
    });
    QCOMPARE(static_cast<int>(d.dlg.ZeigeModal()), ergebnis);
    QCOMPARE(folge, (QStringList{"edtMaxzahl", "BitBtn1", "BitBtn2"}));
    QCOMPARE(MaxDurchgaenge[1], gespeichert);
}

void TstMaxanzahl::scharfBeiDoppelterAufloesung() {
    Dialog d;
    d.Zeigen();
    const QString fehler = test::DoppeltScharf(*d.dlg.Client(), QRect(8, 8, 377, 40));
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

KALMIRO_TEST_MAIN(TstMaxanzahl)
#include "tst_maxanzahl.moc"

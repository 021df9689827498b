#include "core/GlobaleU.h"
#include "platform/TGauge.h"
#include "screens/dialoge/AuswertungU.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Schueler.h"
#include "tests/support/Tastatur.h"
#include "tests/support/Testmain.h"
#include "tests/support/Zugangspruefung.h"

#include <QLabel>
#include <QPushButton>

using namespace kalmiro;

namespace {

struct Fenster {
    Fensterverbund verbund;
    TfrmAuswertung w{verbund};

    template <class T> T* teil(const char* name) { return w.findChild<T*>(QLatin1String(name)); }
    QString text(const char* name) { return teil<QLabel>(name)->text(); }
    int balken(const char* name) { return teil<TGauge>(name)->value(); }
    QPushButton* knopf() { return teil<QPushButton>("btnSchliessen"); }

    // Shows the window and lets the bars rise.
    void Zeige(float punkte, int versuche) {
        GesamtPunkte = punkte;
        GesamtVersuche = versuche;
        w.show();
        QTRY_VERIFY(knopf()->isVisible());
        QVERIFY(!w.AnimationLaeuft());
    }
};

} // namespace

class TstAuswertung : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { test::Attrappen::Aktuell().Zuruecksetzen(); }
    void aufbau();
    void serie_data();
    void serie();
    void animationSchrittFuerSchritt();
    void spaeteresNeuzeichnenZeigtEndbalken();
    void nurUeberDenKnopfZuSchliessen();
    void prozent_data();
    void prozent();
    void notensaetze_data();
    void notensaetze();
    void zugang();
    void nurMitDemKnopfUndEnter();
    void scharfBeiDoppelterAufloesung();
};

void TstAuswertung::aufbau() {
    Fenster f;
    QCOMPARE(f.w.objectName(), QStringLiteral("frmAuswertung"));
    QCOMPARE(f.w.windowTitle(), QStringLiteral("Auswertung"));
    QCOMPARE(f.w.ClientGroesse(), QSize(392, 433));
    // No title-bar buttons at all.
    QVERIFY(!(f.w.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                                   Qt::WindowMinMaxButtonsHint)));
    const std::pair<const char*, QRect> teile[] = {
        {"lblAnzeige", {0, 0, 392, 44}},     {"lblRichtig", {90, 56, 100, 25}},
        {"lblFalsch", {210, 56, 100, 25}},   {"gauRichtig", {90, 88, 100, 250}},
        {"gauFalsch", {210, 88, 100, 250}},  {"lblPRichtig", {90, 204, 100, 19}},
        {"lblPFalsch", {210, 204, 100, 19}}, {"pnlRichtig", {90, 352, 100, 32}},
        {"pnlFalsch", {210, 352, 100, 32}},  {"btnSchliessen", {90, 392, 220, 36}},
    };
    for (const auto& [name, ort] : teile) {
        QWidget* teil = f.teil<QWidget>(name);
        QVERIFY2(teil, name);
        QCOMPARE(teil->geometry(), ort);
    }
    QCOMPARE(f.teil<TGauge>("gauRichtig")->Fuellfarbe(), QColor(185, 233, 249));
    QCOMPARE(f.teil<TGauge>("gauFalsch")->Fuellfarbe(), QColor(255, 145, 145));
    QCOMPARE(f.knopf()->text(), QStringLiteral("Schließen"));
    QVERIFY(f.knopf()->isHidden());
}

// clang-format off
void TstAuswertung::serie_data() {
    QTest::addColumn<float>("punkte");
    QTest::addColumn<int>("versuche");
    QTest::addColumn<int>("prozent");
    QTest::addColumn<QString>("richtig");
    QTest::addColumn<QString>("falsch");
    QTest::addColumn<QString>("panelRichtig");
    QTest::addColumn<QString>("panelFalsch");
    QTest::addColumn<QString>("satz");
    QTest::newRow("16 von 16") << 16.0f << 16 << 100 << "100,000 %" << "0,000 %" << "16,0 / 16"
                               << "0,0 / 16" << "Sehr gut! Du bist ein Zeitprofi.";
    QTest::newRow("0 von 4") << 0.0f << 4 << 0 << "0,000 %" << "100,000 %" << "0,0 / 4"
                             << "4,0 / 4" << "Du musst noch sehr viel üben!";
    QTest::newRow("2,5 von 8") << 2.5f << 8 << 31 << "31,250 %" << "68,750 %" << "2,5 / 8"
                               << "5,5 / 8" << "Du solltest noch viel üben!";
    QTest::newRow("62,5 % zur geraden Zahl")
        << 5.0f << 8 << 62 << "62,500 %" << "37,500 %" << "5,0 / 8" << "3,0 / 8"
        << "Nicht schlecht, aber du solltest noch etwas üben!";
    QTest::newRow("2 von 3 endet ungerundet")
        << 2.0f << 3 << 67 << "66,667 %" << "33,333 %" << "2,0 / 3" << "1,0 / 3"
        << "Du bist schon recht gut. Ein wenig Übung wäre aber günstig.";
    QTest::newRow("6,5 von 16") << 6.5f << 16 << 41 << "40,625 %" << "59,375 %" << "6,5 / 16"
                                << "9,5 / 16" << "Du solltest noch viel üben!";
    QTest::newRow("keine Versuche") << 0.0f << 0 << 0 << "0,000 %" << "100,000 %" << "0,0 / 0"
                                    << "0,0 / 0" << "Du musst noch sehr viel üben!";
}
// clang-format on

void TstAuswertung::serie() {
    QFETCH(float, punkte);
    QFETCH(int, versuche);
    QFETCH(int, prozent);
    Fenster f;
    f.Zeige(punkte, versuche);
    QCOMPARE(f.w.Prozent(), prozent);
    QTEST(f.text("lblPRichtig"), "richtig");
    QTEST(f.text("lblPFalsch"), "falsch");
    QTEST(f.text("pnlRichtig"), "panelRichtig");
    QTEST(f.text("pnlFalsch"), "panelFalsch");
    QTEST(f.text("lblAnzeige"), "satz");
    QCOMPARE(f.teil<QLabel>("lblAnzeige")->palette().color(QPalette::WindowText),
             QColor(102, 153, 51));
    QCOMPARE(f.balken("gauRichtig"), prozent);
    QCOMPARE(f.balken("gauFalsch"), 100 - prozent);
    // Prozent + 1 frames of 100 ms, none below 1 %.
    const QList<int> warten = test::Attrappen::Aktuell().wartezeiten;
    QCOMPARE(warten.size(), prozent < 1 ? 0 : prozent + 1);
    QVERIFY(std::all_of(warten.begin(), warten.end(), [](int ms) { return ms == 100; }));
    if (versuche == 16 && punkte == 16.0f)
        test::Tour(test::Aufnahme(f.w), QStringLiteral("auswertung_16_von_16"));
    if (versuche == 8 && punkte == 2.5f)
        test::Tour(test::Aufnahme(f.w), QStringLiteral("auswertung_2_5_von_8"));
}

void TstAuswertung::animationSchrittFuerSchritt() {
    Fenster f;
    struct Bild {
        int richtig, falsch;
        QString text;
        bool knopf;
    };
    QList<Bild> bilder;
    test::Attrappen::Aktuell().beiWarte = [&](int) {
        bilder.append({f.balken("gauRichtig"), f.balken("gauFalsch"), f.text("lblPRichtig"),
                       f.knopf()->isVisible()});
    };
    f.Zeige(3.0f, 4); // 75 %
    QCOMPARE(bilder.size(), 76);
    for (int k = 0; k < bilder.size(); ++k) {
        QCOMPARE(bilder[k].richtig, k);
        QCOMPARE(bilder[k].falsch, 100 - k);
        QVERIFY(!bilder[k].knopf);
    }
    QCOMPARE(bilder.first().text, QStringLiteral("0,000 %"));
    QCOMPARE(bilder[38].text, QStringLiteral("38,000 %"));
    QCOMPARE(bilder.last().text, QStringLiteral("75,000 %"));

    // A second showing animates again and brings the button only at the end.
    bilder.clear();
    f.knopf()->click();
    QVERIFY(!f.w.isVisible());
    f.Zeige(1.0f, 2);
    QCOMPARE(bilder.size(), 51);
    QVERIFY(std::none_of(bilder.begin(), bilder.end(), [](const Bild& b) { return b.knopf; }));
}

void TstAuswertung::spaeteresNeuzeichnenZeigtEndbalken() {
    Fenster f;
    f.Zeige(2.0f, 3);
    auto* richtig = f.teil<TGauge>("gauRichtig");
    auto* falsch = f.teil<TGauge>("gauFalsch");
    richtig->setValue(5);
    falsch->setValue(5);
    f.w.SofortZeichnen();
    QCOMPARE(richtig->value(), 67);
    QCOMPARE(falsch->value(), 33);
}

void TstAuswertung::nurUeberDenKnopfZuSchliessen() {
    Fenster f;
    f.Zeige(1.0f, 1);
    QVERIFY(!f.w.close());
    QVERIFY(f.w.isVisible());
    QTest::mouseClick(f.knopf(), Qt::LeftButton);
    QVERIFY(!f.w.isVisible());
}

// clang-format off
void TstAuswertung::prozent_data() {
    QTest::addColumn<float>("punkte");
    QTest::addColumn<int>("versuche");
    QTest::addColumn<int>("prozent");
    QTest::newRow("1 von 8: 12,5") << 1.0f << 8 << 12;
    QTest::newRow("3 von 8: 37,5") << 3.0f << 8 << 38;
    QTest::newRow("7 von 8: 87,5") << 7.0f << 8 << 88;
    QTest::newRow("0,5 von 100: 0,5") << 0.5f << 100 << 0;
    QTest::newRow("1,5 von 100: 1,5") << 1.5f << 100 << 2;
    QTest::newRow("2,5 von 100: 2,5") << 2.5f << 100 << 2;
    QTest::newRow("1 von 3") << 1.0f << 3 << 33;
    QTest::newRow("keine Versuche") << 3.0f << 0 << 0;
    QTest::newRow("mehr Punkte als Versuche") << 9.0f << 4 << 100;
    QTest::newRow("negative Punkte") << -2.0f << 4 << 0;
}
// clang-format on

void TstAuswertung::prozent() {
    QFETCH(float, punkte);
    QFETCH(int, versuche);
    QTEST(ProzentRichtig(punkte, versuche), "prozent");
}

// clang-format off
void TstAuswertung::notensaetze_data() {
    QTest::addColumn<int>("unten");
    QTest::addColumn<QString>("satzUnten");
    QTest::addColumn<QString>("satzOben");
    // Each boundary: the last percentage of one sentence and the first of the next.
    QTest::newRow("30 | 31") << 30 << "Du musst noch sehr viel üben!"
                             << "Du solltest noch viel üben!";
    QTest::newRow("50 | 51") << 50 << "Du solltest noch viel üben!"
                             << "Nicht schlecht, aber du solltest noch etwas üben!";
    QTest::newRow("65 | 66") << 65 << "Nicht schlecht, aber du solltest noch etwas üben!"
                             << "Du bist schon recht gut. Ein wenig Übung wäre aber günstig.";
    QTest::newRow("75 | 76")
        << 75 << "Du bist schon recht gut. Ein wenig Übung wäre aber günstig."
        << "Du bist schon sehr gut, aber noch nicht Spitze! Übe noch ewas weiter.";
    QTest::newRow("90 | 91") << 90
                             << "Du bist schon sehr gut, aber noch nicht Spitze! Übe noch ewas weiter."
                             << "Du bist schon fast perfekt! Du gehörst schon zu den Profis.";
    QTest::newRow("99 | 100") << 99 << "Du bist schon fast perfekt! Du gehörst schon zu den Profis."
                              << "Sehr gut! Du bist ein Zeitprofi.";
}
// clang-format on

void TstAuswertung::notensaetze() {
    QFETCH(int, unten);
    QTEST(Notensatz(unten), "satzUnten");
    QTEST(Notensatz(unten + 1), "satzOben");
}

// The bars say what they measure and how far they stand, the numbers are named, and
// the grade sentence is read out once, when it appears.
void TstAuswertung::zugang() {
    test::Zugangsprotokoll protokoll;
    Fenster f;
    f.Zeige(2.5f, 8);
    const std::pair<const char*, const char*> balken[] = {{"gauRichtig", "Richtig"},
                                                          {"gauFalsch", "Falsch"}};
    for (const auto& [name, titel] : balken) {
        auto* g = f.teil<TGauge>(name);
        QCOMPARE(test::Name(g), QString::fromLatin1(titel));
        QCOMPARE(test::Rolle(g), QAccessible::ProgressBar);
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(g);
        QVERIFY(i && i->valueInterface());
        QCOMPARE(i->valueInterface()->currentValue().toInt(), g->value());
    }
    QCOMPARE(test::Name(f.teil<QLabel>("lblPRichtig")), QStringLiteral("Richtig: 31,250 %"));
    QCOMPARE(test::Name(f.teil<QLabel>("lblPFalsch")), QStringLiteral("Falsch: 68,750 %"));
    QCOMPARE(test::Name(f.teil<QLabel>("pnlRichtig")), QStringLiteral("Richtig: 2,5 von 8"));
    QCOMPARE(test::Name(f.teil<QLabel>("pnlFalsch")), QStringLiteral("Falsch: 5,5 von 8"));
    QCOMPARE(protokoll.ansagen, QStringList{QStringLiteral("Du solltest noch viel üben!")});
    QCOMPARE(test::Namenlos(f.w), QStringList());
}

// Escape does not close the window; Enter presses its button once it is there.
void TstAuswertung::nurMitDemKnopfUndEnter() {
    Fenster f;
    GesamtPunkte = 3;
    GesamtVersuche = 4;
    bool nachEscapeOffen = false;
    test::BeimNaechstenModal([&](QWidget& fenster) {
        QVERIFY(test::Aktivieren(fenster));
        QTRY_VERIFY(f.knopf()->isVisible());
        test::Taste(Qt::Key_Escape);
        nachEscapeOffen = fenster.isVisible();
        test::Taste(Qt::Key_Enter);
    });
    QCOMPARE(f.w.ZeigeModal(), TForm::Ergebnis::Schliessen);
    QVERIFY(nachEscapeOffen);
}

// At 200 % the bars' one-pixel grey edge is two device pixels; the texts are drawn at
// the full resolution.
void TstAuswertung::scharfBeiDoppelterAufloesung() {
    Fenster f;
    f.Zeige(2.5f, 8);
    const QString fehler =
        test::DoppeltScharf(*f.w.Client(), QRect(0, 0, 392, 84),
                            test::Strichprobe{{140, 88}, Qt::Vertical, QColor(128, 128, 128), 1});
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

KALMIRO_TEST_MAIN(TstAuswertung)
#include "tst_auswertung.moc"

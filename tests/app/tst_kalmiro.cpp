#include "app/KalmiroU.h"
#include "app/Programm.h"
#include "core/GlobaleU.h"
#include "draw/KoordU.h"
#include "platform/TEdit.h"
#include "platform/TPaintBox.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Schueler.h"
#include "tests/support/Tastatur.h"
#include "tests/support/Testmain.h"
#include "tests/support/Zugangspruefung.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace kalmiro;

namespace {

QAction* aktion(QWidget& w, const char* name) {
    return w.findChild<QAction*>(QLatin1String(name));
}

} // namespace

class TstKalmiro : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void fensterUndBeschriftungen();
    void labelsAmPlatz_data();
    void labelsAmPlatz();
    void menue_data();
    void menue();
    void navigation_data();
    void navigation();
    void aktivierungSetztStandards();
    void bildschirm1024();
    void verlauf();
    void zugang();
    void menueMitTastatur_data();
    void menueMitTastatur();
    void beendenMitTastatur();
    void scharfBeiDoppelterAufloesung();
    void ganzeSerie_data();
    void ganzeSerie();

private:
    std::unique_ptr<Programm> m_programm;
    TfrmKalmiro* m_haupt = nullptr;
};

void TstKalmiro::init() {
    test::Attrappen::Aktuell().Zuruecksetzen();
    test::Attrappen::Aktuell().BildschirmSetzen({1280, 1024});
    m_programm = std::make_unique<Programm>();
    m_haupt = &m_programm->Hauptfenster();
    m_programm->Starten();
    QVERIFY(QTest::qWaitForWindowExposed(m_haupt));
}

void TstKalmiro::cleanup() {
    m_haupt = nullptr;
    m_programm.reset();
}

void TstKalmiro::fensterUndBeschriftungen() {
    QCOMPARE(m_haupt->objectName(), QStringLiteral("frmKalmiro"));
    QCOMPARE(m_haupt->windowTitle(), QStringLiteral("Zeitmessung"));
    QCOMPARE(m_haupt->ClientGroesse(), QSize(1016, 722));
    QVERIFY(!(m_haupt->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(m_haupt->windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(m_haupt->Uhr()->objectName(), QStringLiteral("pntUhr"));
    QCOMPARE(m_haupt->Uhr()->geometry(), QRect(264, 128, 500, 500));
    auto* img = m_haupt->findChild<QLabel*>(QStringLiteral("img"));
    QVERIFY(img && img->isHidden());
    QCOMPARE(img->geometry(), QRect(832, 448, 67, 67));
    // All twelve windows exist from the start.
    const QStringList namen = {
        "frmKalmiro",    "frmEinheiten", "frmAuswertung", "frmVerwandlungsketten",
        "frmUebung",     "frmMuster",    "frmZeitpunkt",  "frmInformation",
        "frmZugverkehr", "frmMaxanzahl", "frmZeitzonen",  "frmZonenauswahl"};
    const auto fenster = m_programm->AlleFenster();
    for (int i = 0; i < 12; ++i) {
        QVERIFY(fenster[static_cast<std::size_t>(i)]);
        QCOMPARE(fenster[static_cast<std::size_t>(i)]->objectName(), namen[i]);
    }
}

// clang-format off
void TstKalmiro::labelsAmPlatz_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("ort");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixel");
    QTest::newRow("lblText1") << "lblText1" << QRect(0, 8, 1009, 49) << "Berechnen von Zeiten" << 35;
    QTest::newRow("lblText2") << "lblText2" << QRect(-1, 56, 1009, 41) << " Zeitpunkt und Zeitdauer" << 35;
    QTest::newRow("lblText3") << "lblText3" << QRect(8, 109, 1016, 33) << "Kalmiro" << 27;
    QTest::newRow("lblVersion") << "lblVersion" << QRect(0, 703, 1016, 19) << "Version 1.2" << 16;
}
// clang-format on

void TstKalmiro::labelsAmPlatz() {
    QFETCH(QString, name);
    auto* label = m_haupt->findChild<QLabel*>(name);
    QVERIFY(label);
    QTEST(label->geometry(), "ort");
    QTEST(label->text(), "text");
    QTEST(label->font().pixelSize(), "pixel");
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().family(), QStringLiteral("Arial"));
    QVERIFY(label->alignment() & Qt::AlignHCenter);
    QVERIFY(!label->autoFillBackground());
}

// clang-format off
void TstKalmiro::menue_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const char* punkte[][2] = {
        {"menBeenden", "&Beenden"},       {"menZeitoB", "ohne Brüche"},    {"menZeitmB", "mit Brüchen"},
        {"menMusterAdd", "Addition"},     {"menMusterSub", "Subtraktion"}, {"menMusterMult", "Multiplikation"},
        {"menMusterDiv", "Division"},     {"menUebAdd", "Addition"},       {"menUebSub", "Subtraktion"},
        {"menUebMult", "Multiplikation"}, {"menUebDiv", "Division"},       {"menBegriffe", "Begriffe"},
        {"menZeitzone", "Zeitzonen"},     {"menZeitMuster", "Musterbeispiele"}, {"menZug", "Zugreisen"},
        {"menFlug", "Flugreisen"},        {"menInfo", "Informationen"}};
    for (const auto& p : punkte) QTest::newRow(p[0]) << p[0] << QString::fromUtf8(p[1]);
}
// clang-format on

void TstKalmiro::menue() {
    QFETCH(QString, name);
    auto* a = m_haupt->findChild<QAction*>(name);
    QVERIFY(a);
    QTEST(a->text(), "text");
    // The submenus in their order on the menu bar.
    QStringList oben;
    for (QAction* x : m_haupt->menuBar()->actions())
        oben << x->text();
    QCOMPARE(oben,
             (QStringList{QStringLiteral("&Beenden"), QStringLiteral("Zeitmaße"),
                          QStringLiteral("Grundrechnungsarten"),
                          QStringLiteral("Zeitpunkt-Zeitdauer"), QStringLiteral("Informationen")}));
    QStringList zeitpunkt;
    for (QAction* x : m_haupt->findChild<QMenu*>(QStringLiteral("menZeitpunkt"))->actions())
        zeitpunkt << x->text();
    QCOMPARE(zeitpunkt,
             (QStringList{QStringLiteral("Begriffe"), QStringLiteral("Zeitzonen"),
                          QStringLiteral("Musterbeispiele"), QStringLiteral("Übungsbeispiele")}));
}

// clang-format off
void TstKalmiro::navigation_data() {
    QTest::addColumn<QString>("menue");
    QTest::addColumn<QString>("ziel");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<int>("wert");
    QTest::newRow("ohne Brüche") << "menZeitoB" << "frmEinheiten" << "EinheitenArt" << 1;
    QTest::newRow("mit Brüchen") << "menZeitmB" << "frmEinheiten" << "EinheitenArt" << 2;
    QTest::newRow("Muster Addition") << "menMusterAdd" << "frmMuster" << "MusterArt" << 1;
    QTest::newRow("Muster Subtraktion") << "menMusterSub" << "frmMuster" << "MusterArt" << 2;
    QTest::newRow("Muster Multiplikation") << "menMusterMult" << "frmMuster" << "MusterArt" << 3;
    QTest::newRow("Muster Division") << "menMusterDiv" << "frmMuster" << "MusterArt" << 4;
    QTest::newRow("Übung Addition") << "menUebAdd" << "frmUebung" << "UebungArt" << 1;
    QTest::newRow("Übung Subtraktion") << "menUebSub" << "frmUebung" << "UebungArt" << 2;
    QTest::newRow("Übung Multiplikation") << "menUebMult" << "frmUebung" << "UebungArt" << 3;
    QTest::newRow("Übung Division") << "menUebDiv" << "frmUebung" << "UebungArt" << 4;
    QTest::newRow("Begriffe") << "menBegriffe" << "frmZeitpunkt" << "ZeitpunktArt" << 1;
    QTest::newRow("Zeit Musterbeispiele") << "menZeitMuster" << "frmZeitpunkt" << "ZeitpunktArt" << 2;
    QTest::newRow("Zeitzonen") << "menZeitzone" << "frmZeitzonen" << "BeispielArt" << 1;
    QTest::newRow("Flugreisen") << "menFlug" << "frmZeitzonen" << "BeispielArt" << 2;
    QTest::newRow("Zugreisen") << "menZug" << "frmZugverkehr" << "" << 0;
    QTest::newRow("Informationen") << "menInfo" << "frmInformation" << "" << 0;
}
// clang-format on

void TstKalmiro::navigation() {
    QFETCH(QString, menue);
    QFETCH(QString, ziel);
    QFETCH(QString, feld);
    QFETCH(int, wert);
    const std::map<QString, int*> felder = {{QStringLiteral("EinheitenArt"), &EinheitenArt},
                                            {QStringLiteral("MusterArt"), &MusterArt},
                                            {QStringLiteral("UebungArt"), &UebungArt},
                                            {QStringLiteral("ZeitpunktArt"), &ZeitpunktArt},
                                            {QStringLiteral("BeispielArt"), &BeispielArt}};
    for (const auto& [name, p] : felder)
        *p = 0;

    bool gesehen = false;
    test::BeimNaechstenModal([&](QWidget& modal) {
        gesehen = true;
        QCOMPARE(modal.objectName(), ziel);
        QVERIFY(!m_haupt->isVisible());
        if (!feld.isEmpty()) QCOMPARE(*felder.at(feld), wert);
        // What a screen may do: change the rounds setting and point the mapping elsewhere.
        MaxDurchgaenge = {0, 9, 9, 9, 9};
        Durchgang = 4;
        InitWorld(-25, 25, -18, 18, 0, 1000, 0, 700);
        modal.close();
    });
    aktion(*m_haupt, qPrintable(menue))->trigger();
    QVERIFY(gesehen);
    QVERIFY(m_haupt->isVisible());
    QCOMPARE(MaxDurchgaenge, StandardDurchgaenge);
    QCOMPARE(Durchgang, 1);
    QCOMPARE(Abbildung().unitx, 25);
    QCOMPARE(Abbildung().unity, 25);
    QCOMPARE(Abbildung().offx, 250);
    QCOMPARE(Abbildung().offy, 250);
    QCOMPARE(Abbildung().right, 500);
    QCOMPARE(Abbildung().bottom, 500);
}

void TstKalmiro::aktivierungSetztStandards() {
    MaxDurchgaenge = {0, 7, 7, 7, 7};
    Durchgang = 3;
    ZeitanzeigeEin = true;
    m_haupt->hide();
    m_haupt->show();
    QCOMPARE(MaxDurchgaenge, StandardDurchgaenge);
    QCOMPARE(Durchgang, 1);
    QVERIFY(!ZeitanzeigeEin);
    QVERIFY(!Bildschirm1024);
    QVERIFY(!(m_haupt->windowState() & Qt::WindowMaximized));
}

void TstKalmiro::bildschirm1024() {
    test::Attrappen::Aktuell().BildschirmSetzen({1024, 768});
    m_haupt->hide();
    m_haupt->show();
    QVERIFY(Bildschirm1024);
    QVERIFY(m_haupt->windowState() & Qt::WindowMaximized);
    test::Attrappen::Aktuell().BildschirmSetzen({1024, 769});
    m_haupt->hide();
    m_haupt->show();
    QVERIFY(!Bildschirm1024);
}

void TstKalmiro::verlauf() {
    const QImage bild = test::Aufnahme(*m_haupt->Client());
    test::Tour(test::Aufnahme(*m_haupt), QStringLiteral("hauptfenster"));
    QCOMPARE(bild.size(), QSize(1016, 722));
    // Left of the titles and the clock: only the gradient and the ruling.
    for (int x : {3, 1010}) {
        for (int k = 1; 5 * k < 722; ++k) {
            const int y = 5 * k;
            if (y % 7 == 0) continue;
            QCOMPARE(bild.pixelColor(x, y), QColor(0, 0, 60 + k));
        }
        for (int y = 0; y < 722; y += 7)
            QCOMPARE(bild.pixelColor(x, y), QColor(0, 0, 0));
    }
    QCOMPARE(bild.pixelColor(3, 1), QColor(0, 0, 60));
    QCOMPARE(bild.pixelColor(3, 715), QColor(0, 0, 60 + 143));
}

// A screen reader hears every menu entry by its German caption and the time on the
// clock; nothing it can reach is without a name.
void TstKalmiro::zugang() {
    test::Attrappen::Aktuell().SetzeZeit(QDateTime(QDate(2024, 5, 1), QTime(14, 5, 9)));
    QCOMPARE(test::Name(m_haupt->Uhr()), QStringLiteral("Uhr"));
    QCOMPARE(test::Beschreibung(m_haupt->Uhr()), QStringLiteral("Die Uhr zeigt 14:05:09 Uhr."));
    test::Attrappen::Aktuell().EchteZeit();
    QCOMPARE(test::Namenlos(*m_haupt), QStringList());
    const QStringList pfade = test::Menuepfade(*m_haupt);
    QCOMPARE(pfade.size(), 17);
    for (const char* pfad :
         {"Beenden", "Zeitmaße > mit Brüchen", "Grundrechnungsarten > Übungsbeispiele > Division",
          "Zeitpunkt-Zeitdauer > Übungsbeispiele > Flugreisen", "Informationen"})
        QVERIFY2(pfade.contains(QString::fromUtf8(pfad)), pfad);
}

// clang-format off
void TstKalmiro::menueMitTastatur_data() {
    QTest::addColumn<QStringList>("pfad");
    QTest::addColumn<QString>("ziel");
    QTest::newRow("ohne Brüche") << QStringList{"Zeitmaße", "ohne Brüche"} << "frmEinheiten";
    QTest::newRow("Muster Division") << QStringList{"Grundrechnungsarten", "Musterbeispiele", "Division"} << "frmMuster";
    QTest::newRow("Übung Subtraktion") << QStringList{"Grundrechnungsarten", "Übungsbeispiele", "Subtraktion"} << "frmUebung";
    QTest::newRow("Begriffe") << QStringList{"Zeitpunkt-Zeitdauer", "Begriffe"} << "frmZeitpunkt";
    QTest::newRow("Zeitzonen") << QStringList{"Zeitpunkt-Zeitdauer", "Zeitzonen"} << "frmZeitzonen";
    QTest::newRow("Zugreisen") << QStringList{"Zeitpunkt-Zeitdauer", "Übungsbeispiele", "Zugreisen"} << "frmZugverkehr";
    QTest::newRow("Informationen") << QStringList{"Informationen"} << "frmInformation";
}
// clang-format on

// Every screen opens from the keyboard alone: Alt and a letter, then letters.
void TstKalmiro::menueMitTastatur() {
    QFETCH(QStringList, pfad);
    QFETCH(QString, ziel);
    m_haupt->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_haupt));
    QString geoeffnet;
    test::BeimNaechstenModal([&](QWidget& modal) {
        geoeffnet = modal.objectName();
        modal.close();
    });
    QVERIFY(test::Menue(*m_haupt, pfad));
    QTRY_COMPARE(geoeffnet, ziel);
    QVERIFY(m_haupt->isVisible());
}

void TstKalmiro::beendenMitTastatur() {
    m_haupt->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_haupt));
    QVERIFY(test::Menue(*m_haupt, {QStringLiteral("Beenden")}));
    QVERIFY(!m_haupt->isVisible());
}

// At 200 % the background's one-pixel ruling is two device pixels of black, at the top
// edge too, and the clock is drawn at the full resolution.
void TstKalmiro::scharfBeiDoppelterAufloesung() {
    // Inside the face: numerals, marks and hands on the dial.
    const QRect zifferblatt(m_haupt->Uhr()->geometry().center() - QPoint(120, 120),
                            QSize(240, 240));
    // The ruling at the top edge as well as one inside.
    for (const QPoint linie : {QPoint(3, 0), QPoint(3, 7), QPoint(1010, 714)}) {
        const QString fehler =
            test::DoppeltScharf(*m_haupt->Client(), zifferblatt,
                                test::Strichprobe{linie, Qt::Vertical, QColor(0, 0, 0), 1});
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    }
}

// clang-format off
void TstKalmiro::ganzeSerie_data() {
    QTest::addColumn<QString>("menue");
    QTest::newRow("Zugreisen") << "menZug";
    QTest::newRow("Flugreisen") << "menFlug";
}
// clang-format on

// The exercises with a typed time from the menu through the five rounds of a series to
// the evaluation, every answer right.
void TstKalmiro::ganzeSerie() {
    QFETCH(QString, menue);
    int runden = 0;
    QString panel;
    test::BeimNaechstenModal([&](QWidget& modal) {
        modal.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&modal));
        auto* feld = modal.findChild<TEdit*>(QStringLiteral("edtEingabe"));
        auto* weiter = modal.findChild<QPushButton*>(QStringLiteral("btnWeiter"));
        while (weiter->isVisible() && runden < 10) {
            ++runden;
            test::Eintippen(*feld, Ergebnis);
            if (weiter->isVisible()) weiter->click();
        }
        panel = test::Auswerten(*modal.findChild<QPushButton*>(QStringLiteral("btnAuswertung")));
        modal.close();
    });
    aktion(*m_haupt, qPrintable(menue))->trigger();
    QCOMPARE(runden, 5);
    QCOMPARE(panel, QStringLiteral("5,0 / 5"));
    QVERIFY(m_haupt->isVisible());
}

KALMIRO_TEST_MAIN(TstKalmiro)
#include "tst_kalmiro.moc"

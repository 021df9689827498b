// Every kind of entry field of the exercise screens and the rounds dialog, on every way
// text gets in, and an answer left for another window.
#include "core/GlobaleU.h"
#include "screens/einheiten/EinheitenU.h"
#include "screens/einheiten/VerwandlungsketteU.h"
#include "screens/grundrechnungsarten/UebungsbeispieleU.h"
#include "screens/zeitpunkt/ZugverkehrU.h"
#include "screens/zeitzonen/ZeitzonenU.h"
#include "tests/support/Eingabewege.h"
#include "tests/support/Schueler.h"
#include "tests/support/Tastatur.h"
#include "tests/support/Testmain.h"
#include "tests/support/Uebungsfenster.h"

#include <QSignalSpy>

using namespace kalmiro;
using namespace kalmiro::test;

namespace {

// One screen of a kind, shown and active, and the entry field the tests use.
struct Schirm {
    std::shared_ptr<void> schirm; // the Uebungsfenster of the kind
    std::unique_ptr<TfrmVerwandlungsketten> kette;
    TForm* w = nullptr;
    TEdit* feld = nullptr;

    explicit Schirm(const QString& art) {
        Bildschirm1024 = false;
        if (art.startsWith(u"Einheiten")) {
            EinheitenArt = art.endsWith(u'2') ? 2 : 1;
            auto& einheiten = Zeigen<TfrmEinheiten>(1, 10, "Edt1");
            kette = std::make_unique<TfrmVerwandlungsketten>(einheiten.verbund);
            einheiten.verbund.frmVerwandlungsketten = kette.get();
        } else if (art == u"Übung") {
            UebungArt = 1;
            Zeigen<TfrmUebung>(2, 5, "edtBsp1");
        } else if (art == u"Durchgänge") {
            MaxanzahlArt = 1;
            Zeigen<TfrmMaxanzahl>(1, 10, "edtMaxzahl");
        } else if (art == u"Zugverkehr") {
            Zeigen<TfrmZugverkehr>(3, 10, "edtEingabe");
        } else {
            BeispielArt = 2;
            Zeigen<TfrmZeitzonen>(4, 10, "edtEingabe");
        }
        feld->setFocus();
    }
    template <typename Fenster>
    Uebungsfenster<Fenster>& Zeigen(int rundenart, int grenze, const char* feldname) {
        auto s =
            std::make_shared<Uebungsfenster<Fenster>>(QList<QList<int>>{}, rundenart, grenze, true);
        schirm = s;
        w = s->w.get();
        feld = w->findChild<TEdit*>(QLatin1String(feldname));
        return *s;
    }
    ~Schirm() {
        if (w) w->close();
    }
    void Aktivieren() { QVERIFY(test::Aktivieren(*w)); }
};

const char* const arten[] = {"Einheiten 1", "Einheiten 2", "Übung",
                             "Durchgänge",  "Zugverkehr",  "Flugreisen"};

} // namespace

class TstEingabefelder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Attrappen::Aktuell().Zuruecksetzen(); }
    void jederWegJedesFeld_data();
    void jederWegJedesFeld();
    void altesErgebnisNichtZurueck_data();
    void altesErgebnisNichtZurueck();
    void antwortVorAnderemFenster_data();
    void antwortVorAnderemFenster();
};

void TstEingabefelder::jederWegJedesFeld_data() {
    QTest::addColumn<QString>("art");
    QTest::addColumn<int>("weg");
    for (const char* art : arten)
        for (const BenannterWeg& w : Eingabewege())
            QTest::addRow("%s, %s", art, w.name)
                << QString::fromUtf8(art) << static_cast<int>(w.weg);
}

// Markup characters of the drawn rows (@ # ^ \) and everything unprintable never get in.
void TstEingabefelder::jederWegJedesFeld() {
    QFETCH(QString, art);
    QFETCH(int, weg);
    Schirm s(art);
    s.feld->clear();
    const QStringList stuecke =
        QStringList{QStringLiteral("1")} + Fremdzeichen() + QStringList{"2"};
    if (!Eingeben(*s.feld, static_cast<Eingabeweg>(weg), stuecke))
        QSKIP("this platform lacks the way");
    if (s.feld->text().isEmpty() && weg == static_cast<int>(Eingabeweg::StrgV))
        QSKIP("no clipboard on this platform");
    QCOMPARE(s.feld->text(), QStringLiteral("12"));
}

void TstEingabefelder::altesErgebnisNichtZurueck_data() {
    QTest::addColumn<QString>("art");
    QTest::addColumn<bool>("menue");
    for (const char* art : arten) {
        QTest::addRow("%s, Strg+Z", art) << QString::fromUtf8(art) << false;
        QTest::addRow("%s, Kontextmenü", art) << QString::fromUtf8(art) << true;
    }
}

// The screen opened again (or the dialog) starts from what it shows; Undo does not bring
// back the answer typed before.
void TstEingabefelder::altesErgebnisNichtZurueck() {
    QFETCH(QString, art);
    QFETCH(bool, menue);
    Schirm s(art);
    s.feld->selectAll();
    QTest::keyClicks(s.feld, QStringLiteral("9"));
    s.w->close();
    s.w->show();
    s.Aktivieren();
    const QString neu = s.feld->text();
    QVERIFY(neu != u"9");
    if (menue)
        Kontextmenue(*s.feld, QKeySequence::Undo);
    else
        QTest::keyClick(s.feld, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s.feld->text(), neu);
}

void TstEingabefelder::antwortVorAnderemFenster_data() {
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("menue");
    QTest::addColumn<bool>("beurteilt");
    QTest::newRow("Einheiten, Verwandlungskette") << "Einheiten 1"
                                                  << "Verwandlungskette" << true;
    QTest::newRow("Einheiten, Durchgänge") << "Einheiten 1"
                                           << "Anzahl der Durchgänge" << false;
    QTest::newRow("Übung, Durchgänge") << "Übung"
                                       << "Anzahl der Durchgänge" << false;
    QTest::newRow("Zugverkehr, Durchgänge") << "Zugverkehr"
                                            << "Anzahl der Durchgänge" << false;
    QTest::newRow("Flugreisen, Durchgänge") << "Flugreisen"
                                            << "Anzahl der Durchgänge" << false;
}

// An answer typed and left for a window opened from the menu: judged once the screen is
// back with the focus on another field (the chart puts it on the first empty one), kept
// in the field for Enter when the focus comes back to it; never lost, never judged twice.
void TstEingabefelder::antwortVorAnderemFenster() {
    QFETCH(QString, art);
    QFETCH(QString, menue);
    QFETCH(bool, beurteilt);
    Schirm s(art);
    QSignalSpy exits(s.feld, &TEdit::Exit);
    QTest::keyClicks(s.feld, QStringLiteral("1"));
    bool geoeffnet = false;
    BeimNaechstenModal([&](QWidget& fenster) {
        geoeffnet = true;
        QVERIFY(test::Aktivieren(fenster));
        Taste(Qt::Key_Escape);
    });
    QVERIFY(Menue(*s.w, {menue}));
    QVERIFY(geoeffnet);
    s.Aktivieren();
    QCOMPARE(exits.count(), beurteilt ? 1 : 0);
    const QString versuche = s.w->findChild<QLabel*>(QStringLiteral("lblAktVersuche"))->text();
    QCOMPARE(versuche, QString::fromLatin1(beurteilt ? "1" : "0"));
    if (beurteilt) return;
    QCOMPARE(QApplication::focusWidget(), s.feld);
    QCOMPARE(s.feld->text(), QStringLiteral("1"));
    Taste(Qt::Key_Return);
    QCOMPARE(exits.count(), 1);
}

KALMIRO_TEST_MAIN(TstEingabefelder)
#include "tst_eingabefelder.moc"

#include "platform/Anzeige.h"
#include "platform/TEdit.h"
#include "platform/TForm.h"
#include "platform/TPaintBox.h"
#include "platform/Zugang.h"
#include "platform/Zugriffstasten.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Tastatur.h"
#include "tests/support/Testmain.h"
#include "tests/support/Zugangspruefung.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

using namespace kalmiro;

namespace {

// A window with a menu as the screens have them, two fields, a value label and buttons.
class Probefenster : public TForm {
public:
    Probefenster() {
        auto* c = new QWidget;
        c->setMinimumSize(300, 200);
        setCentralWidget(c);
        feld1 = new TEdit(c);
        feld1->setObjectName(QStringLiteral("feld1"));
        feld2 = new TEdit(c);
        feld2->setObjectName(QStringLiteral("feld2"));
        feld2->move(0, 40);
        wert = new QLabel(QStringLiteral("1 / 3"), c);
        wert->move(0, 80);
        ok = new QPushButton(QStringLiteral("OK"), c);
        ok->setObjectName(QStringLiteral("ok"));
        ok->move(100, 150);
        nein = new QPushButton(QStringLiteral("Schließen"), c);
        nein->setObjectName(QStringLiteral("nein"));
        nein->move(200, 150);
        QMenu* zeit = menuBar()->addMenu(QStringLiteral("Zeitmaße"));
        zeit->addAction(QStringLiteral("ohne Brüche"));
        mit = zeit->addAction(QStringLiteral("mit Brüchen"));
        zeit->addMenu(QStringLiteral("Übungsbeispiele"))->addAction(QStringLiteral("Zugreisen"));
        menuBar()->addAction(QStringLiteral("&Beenden"));
        menuBar()->addAction(QStringLiteral("Schließen"));
        Einrichten(Rahmen::Einfach);
    }
    void show() {
        TForm::show();
        activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(this));
    }
    using TForm::AbbruchKnopf;
    using TForm::EscapeSchliesst;
    using TForm::StandardKnopf;

    TEdit* feld1;
    TEdit* feld2;
    QLabel* wert;
    QPushButton* ok;
    QPushButton* nein;
    QAction* mit;
};

// Counts how often a signal came.
struct Zaehler {
    int n = 0;
    void operator()() { ++n; }
};

} // namespace

class TstZugang : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void zugriffsstellen_data();
    void zugriffsstellen();
    void beschriebeneTexteSindAktuell();
    void feldtexteFolgenDemFenster();
    void ansagen();
    void menueMitZugriffstasten_data();
    void menueMitZugriffstasten();
    void buchstabenNurBeiTastatur();
    void knoepfeMitEnterUndEscape();
    void bilderBeiAndererSkalierungGlatt_data();
    void bilderBeiAndererSkalierungGlatt();
};

void TstZugang::zugriffsstellen_data() {
    QTest::addColumn<QStringList>("titel");
    QTest::addColumn<QList<int>>("stellen");
    using S = QStringList;
    using L = QList<int>;
    // clang-format off
    QTest::newRow("Hauptmenü") << S{"&Beenden", "Zeitmaße", "Grundrechnungsarten", "Zeitpunkt-Zeitdauer", "Informationen"} << L{-1, 0, 0, 1, 0};
    QTest::newRow("Wortanfänge") << S{"Schließen", "Verwandlungskette", "Anzahl der Durchgänge"} << L{0, 0, 0};
    QTest::newRow("zweites Wort vor anderen Buchstaben") << S{"Zeit", "Zeit nehmen"} << L{0, 5};
    QTest::newRow("nach dem Bindestrich") << S{"Zeit", "Zeit-Punkt"} << L{0, 5};
    QTest::newRow("eigenes & belegt seinen Buchstaben") << S{"&Schließen", "Speichern"} << L{-1, 1};
    QTest::newRow("Groß und klein gleich") << S{"ab", "Ab"} << L{0, 1};
    QTest::newRow("Umlaut") << S{"Musterbeispiele", "Übungsbeispiele"} << L{0, 0};
    QTest::newRow("kein Buchstabe frei") << S{"ab", "ba", "ab", "12"} << L{0, 0, -1, -1};
    QTest::newRow("Trennlinie") << S{"", "Ein"} << L{-1, 0};
    // clang-format on
}

void TstZugang::zugriffsstellen() {
    QFETCH(QStringList, titel);
    QTEST(Zugriffsstellen(titel), "stellen");
}

// A described label and drawing area answer with the state of the moment they are asked.
void TstZugang::beschriebeneTexteSindAktuell() {
    Probefenster f;
    int stand = 1;
    WertBenennen(f.wert, QStringLiteral("Durchgang"));
    Beschreiben(
        f.Client(), [] { return QStringLiteral("Aufgaben"); },
        [&stand] { return QStringLiteral("Stand %1").arg(stand); });
    QCOMPARE(test::Name(f.wert), QStringLiteral("Durchgang: 1 von 3"));
    QCOMPARE(test::Rolle(f.wert), QAccessible::StaticText);
    f.wert->setText(QStringLiteral("2 / 3"));
    QCOMPARE(test::Name(f.wert), QStringLiteral("Durchgang: 2 von 3"));
    QCOMPARE(test::Name(f.Client()), QStringLiteral("Aufgaben"));
    QCOMPARE(test::Beschreibung(f.Client()), QStringLiteral("Stand 1"));
    stand = 2;
    QCOMPARE(test::Beschreibung(f.Client()), QStringLiteral("Stand 2"));
    // A widget without sources keeps what Qt says of it.
    QCOMPARE(test::Name(f.ok), QStringLiteral("OK"));
}

// An entry field keeps Qt's own interface (typing, caret); while a screen reader
// listens, its texts are written in when the window shows, asks to be repainted or moves
// the focus. With nobody listening nothing is worked out; a screen reader that starts
// later finds the texts current.
void TstZugang::feldtexteFolgenDemFenster() {
    Probefenster f;
    int aufgabe = 1, gefragt = 0;
    Beschreiben(
        f.feld1,
        [&] {
            ++gefragt;
            return QStringLiteral("Aufgabe %1").arg(aufgabe);
        },
        [] { return QStringLiteral("2400 min in h"); });
    Beschreiben(f.feld2, [&aufgabe] { return QStringLiteral("Aufgabe %1").arg(aufgabe + 1); });
    QCOMPARE(test::Name(f.feld1), QStringLiteral("Aufgabe 1"));
    QCOMPARE(test::Beschreibung(f.feld1), QStringLiteral("2400 min in h"));
    QCOMPARE(test::Rolle(f.feld1), QAccessible::EditableText);
    f.show();
    aufgabe = 2;
    f.NeuZeichnen();
    f.SofortZeichnen();
    f.feld2->setFocus();
    f.feld1->setFocus();
    QCOMPARE(gefragt, 1);
    test::Zugangsprotokoll bildschirmleser;
    QCOMPARE(test::Name(f.feld1), QStringLiteral("Aufgabe 2"));
    aufgabe = 3;
    f.NeuZeichnen();
    QCOMPARE(test::Name(f.feld1), QStringLiteral("Aufgabe 3"));
    aufgabe = 5;
    f.feld2->setFocus();
    QCOMPARE(test::Name(f.feld2), QStringLiteral("Aufgabe 6"));
    // Typing still reaches the field's text as a screen reader reads it.
    f.feld1->setFocus();
    test::Tippe(QStringLiteral("40"));
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(f.feld1);
    QVERIFY(i && i->textInterface());
    aufgabe = 7;
    f.hide();
    f.show();
    QCOMPARE(test::Name(f.feld1), QStringLiteral("Aufgabe 7"));
    QCOMPARE(i->textInterface()->text(0, 2), QStringLiteral("40"));
}

// Verdicts are read out each time, even the same one twice; the instruction is not.
void TstZugang::ansagen() {
    Probefenster f;
    test::Zugangsprotokoll protokoll;
    Anzeigen(f.wert, QStringLiteral("Gib ein.\rDrücke Enter!"), Qt::darkYellow, false);
    QVERIFY(protokoll.ansagen.isEmpty());
    QCOMPARE(f.wert->text(), QStringLiteral("Gib ein.\nDrücke Enter!"));
    QCOMPARE(f.wert->palette().color(QPalette::WindowText), QColor(Qt::darkYellow));
    Anzeigen(f.wert, QStringLiteral("Bravo!"), Qt::blue, true);
    Anzeigen(f.wert, QStringLiteral("Bravo!"), Qt::blue, true);
    Anzeigen(f.wert, QStringLiteral("Leider falsch!\rNoch einmal."), Qt::red, true);
    QCOMPARE(protokoll.ansagen, (QStringList{QStringLiteral("Bravo!"), QStringLiteral("Bravo!"),
                                             QStringLiteral("Leider falsch!\nNoch einmal.")}));
    QCOMPARE(protokoll.quellen, (QList<QObject*>{f.wert, f.wert, f.wert}));
    // The label itself keeps its role and says what it shows.
    QCOMPARE(test::Rolle(f.wert), QAccessible::StaticText);
    QCOMPARE(test::Name(f.wert), f.wert->text());
}

void TstZugang::menueMitZugriffstasten_data() {
    QTest::addColumn<QStringList>("pfad");
    QTest::addColumn<QString>("aktion");
    QTest::newRow("Menü") << QStringList{"Zeitmaße", "mit Brüchen"} << "mit Brüchen";
    QTest::newRow("Untermenü") << QStringList{"Zeitmaße", "Übungsbeispiele", "Zugreisen"}
                               << "Zugreisen";
    QTest::newRow("Eintrag der Leiste") << QStringList{"Schließen"} << "Schließen";
    QTest::newRow("eigenes &") << QStringList{"Beenden"} << "&Beenden";
}

// Alt and the letter on the bar, the letter alone in an open menu: the entry is chosen
// as a click would choose it, and the menus close.
void TstZugang::menueMitZugriffstasten() {
    QFETCH(QStringList, pfad);
    QFETCH(QString, aktion);
    Probefenster f;
    f.show();
    f.feld1->setFocus();
    QString ausgeloest;
    for (QAction* a : f.findChildren<QAction*>())
        connect(a, &QAction::triggered, &f, [&ausgeloest, a] { ausgeloest = a->text(); });
    QVERIFY(test::Menue(f, pfad));
    QCOMPARE(ausgeloest, aktion);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QTRY_VERIFY(!ZugriffstastenSichtbar());
}

// At rest the bar looks as it always did; the letters show while Alt is held and
// while a menu is open from the keyboard, and go with a click.
void TstZugang::buchstabenNurBeiTastatur() {
    Probefenster f;
    f.show();
    f.feld1->setFocus();
    QMenuBar* leiste = f.menuBar();
    const QImage ruhe = test::Aufnahme(*leiste);

    QTest::keyPress(f.feld1, Qt::Key_Alt, Qt::AltModifier);
    QVERIFY(ZugriffstastenSichtbar());
    QVERIFY(test::Aufnahme(*leiste) != ruhe);
    QTest::keyRelease(f.feld1, Qt::Key_Alt);
    // Alt alone hands the keyboard to the bar: the letters stay until the bar lets go.
    QTRY_VERIFY(qobject_cast<QMenuBar*>(QApplication::focusWidget()));
    QVERIFY(ZugriffstastenSichtbar());
    QTest::keyClick(leiste, Qt::Key_Escape);
    QTRY_VERIFY(!ZugriffstastenSichtbar());
    QCOMPARE(test::Aufnahme(*leiste), ruhe);

    QVERIFY(test::Menue(f, {QStringLiteral("Zeitmaße")}));
    QVERIFY(ZugriffstastenSichtbar());
    QCOMPARE(MitZugriffstaste(qobject_cast<QWidget*>(f.mit->parent()), f.mit->text()),
             QStringLiteral("&mit Brüchen"));
    QTest::mouseClick(f.feld2, Qt::LeftButton);
    QVERIFY(!ZugriffstastenSichtbar());
}

void TstZugang::knoepfeMitEnterUndEscape() {
    Probefenster f;
    Zaehler okZahl, neinZahl;
    connect(f.ok, &QPushButton::clicked, &f, std::ref(okZahl));
    connect(f.nein, &QPushButton::clicked, &f, std::ref(neinZahl));
    f.show();
    // Enter and Space on a button that has the focus.
    f.nein->setFocus();
    test::Taste(Qt::Key_Return);
    test::Taste(Qt::Key_Space);
    QCOMPARE(neinZahl.n, 2);
    // Without a default button, Enter in a field moves on and presses nothing.
    f.feld1->setFocus();
    test::Taste(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), f.feld2);
    QCOMPARE(okZahl.n, 0);
    // The default button takes Enter from anywhere but another button; a hidden one not.
    f.StandardKnopf(f.ok);
    test::Taste(Qt::Key_Return);
    QCOMPARE(okZahl.n, 1);
    f.nein->setFocus();
    test::Taste(Qt::Key_Enter);
    QCOMPARE(neinZahl.n, 3);
    QCOMPARE(okZahl.n, 1);
    f.ok->hide();
    f.feld1->setFocus();
    test::Taste(Qt::Key_Return);
    QCOMPARE(okZahl.n, 1);
    f.AbbruchKnopf(f.nein);
    test::Taste(Qt::Key_Escape);
    QCOMPARE(neinZahl.n, 4);
    QVERIFY(f.isVisible());

    Probefenster g;
    g.EscapeSchliesst();
    g.show();
    test::Taste(Qt::Key_Escape);
    QVERIFY(!g.isVisible());
}

void TstZugang::bilderBeiAndererSkalierungGlatt_data() {
    QTest::addColumn<qreal>("verhaeltnis");
    QTest::addColumn<bool>("glatt");
    QTest::newRow("1:1") << 1.0 << false;
    QTest::newRow("150 %") << 1.5 << true;
    QTest::newRow("200 %") << 2.0 << true;
}

// A picture in a label and a picture painted on a paint box: copied pixel for pixel at
// 1:1, smoothly scaled at any other scale (no blocks of one colour).
void TstZugang::bilderBeiAndererSkalierungGlatt() {
    QFETCH(qreal, verhaeltnis);
    QFETCH(bool, glatt);
    QImage muster(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            muster.setPixel(x, y, (x + y) % 2 ? 0xff000000 : 0xffffffff);
    QWidget flaeche;
    flaeche.resize(16, 8);
    auto* bild = new QLabel(&flaeche);
    bild->setPixmap(QPixmap::fromImage(muster));
    bild->setGeometry(0, 0, 8, 8);
    auto* box = new TPaintBox(&flaeche);
    box->setGeometry(8, 0, 8, 8);
    box->OnPaint = [&muster](QPainter& p) { p.drawImage(QRect(0, 0, 8, 8), muster); };

    const QImage aufnahme = test::AufnahmeBei(flaeche, verhaeltnis);
    const int seite = qRound(8 * verhaeltnis);
    for (const QRect bereich : {QRect(0, 0, seite, seite), QRect(seite, 0, seite, seite)}) {
        int zwischentoene = 0;
        for (int y = bereich.top(); y <= bereich.bottom(); ++y)
            for (int x = bereich.left(); x <= bereich.right(); ++x) {
                const int grau = qGray(aufnahme.pixel(x, y));
                if (grau > 20 && grau < 235) ++zwischentoene;
            }
        if (glatt)
            QVERIFY2(zwischentoene > seite, "scaled in blocks");
        else
            QCOMPARE(zwischentoene, 0);
    }
    if (!glatt) QCOMPARE(aufnahme.copy(0, 0, 8, 8).convertToFormat(QImage::Format_RGB32), muster);
}

KALMIRO_TEST_MAIN(TstZugang)
#include "tst_zugang.moc"

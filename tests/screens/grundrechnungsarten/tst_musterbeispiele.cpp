#include "core/FarbenU.h"
#include "core/GlobaleU.h"
#include "screens/grundrechnungsarten/MusterbeispieleU.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Schrittknoepfe.h"
#include "tests/support/Testmain.h"
#include "tests/support/Wanderzeiten.h"
#include "tests/support/Zeichenpruefung.h"
#include "tests/support/Zugangspruefung.h"

#include <QAction>

using namespace kalmiro;

namespace {

const char* Namen[] = {"add", "sub", "mult", "div"};
const QColor Rotbraun(128, 0, 0), Navy(0, 0, 128), Braun(153, 102, 51);

test::Attrappen& Attrappen() {
    return test::Attrappen::Aktuell();
}

// World to client pixels of the screen's mapping.
int X(float x) {
    return qRound(420 + 20 * x);
}
int Y(float y) {
    return qRound(320 - 20 * y);
}

// The screen shown as the main window shows it, its draws seeded so that every run draws
// the same examples after the scripted ones.
struct Muster : test::Schrittfenster<TfrmMuster> {
    explicit Muster(int art, std::initializer_list<int> skript = {}) {
        zufall.Werte(skript);
        MusterArt = art;
        Oeffnen(5);
    }

    QAbstractButton* eintrag(int beispiel) { return gruppe()->Eintrag(beispiel - 1); }
    QLabel* label(const char* name) { return w->findChild<QLabel*>(QLatin1String(name)); }
    std::vector<Musterschritt> schritte() {
        return Musterschritte(MusterArt, w->GewaehltesBeispiel(),
                              w->Beispiel(w->GewaehltesBeispiel()));
    }

    void Waehle(int beispiel) { WaehleItem(beispiel - 1); }

    QImage Bild() { return test::Aufnahme(*w->Client()); }
};

// The panel after step i of example n; step 0 is its start, with the choice free.
QString Leiste(int i, int n) {
    QString s;
    for (int j = 1; j <= 5; ++j)
        s += j > n + 1 ? u'-' : j == i + 1 ? u'e' : u'd';
    return i == 0 ? s + u'G' : i == n + 1 ? s + u'N' : s;
}

// The ink of a colour within a rectangle of the client, in pixels.
QRect Tinte(const QImage& bild, const QColor& farbe, int x1, int y1, int x2, int y2,
            int toleranz = 40) {
    return test::Umriss(bild, test::Etwa(farbe, toleranz), QRect(QPoint(x1, y1), QPoint(x2, y2)));
}
// The ink of a text drawn right-aligned at world (x, y), within a width of w units.
QRect TextTinte(const QImage& bild, const QColor& farbe, float x, float y, float w = 4) {
    return Tinte(bild, farbe, X(x - w), Y(y), X(x) + 2, Y(y) + 24);
}

// Ink that ends at x: the glyph's ink stops a few pixels before its advance.
bool Rechtsbuendig(const QRect& tinte, float x) {
    return !tinte.isEmpty() && tinte.right() <= X(x) && tinte.right() >= X(x) - 4;
}

// A row of values as a screen reader reads it: "1d 2h 5min 0s".
QString Reihe(const Zeitmenge& z, bool mitTagen) {
    QStringList werte;
    for (Spalte s : {Spalte::Tage, Spalte::Stunden, Spalte::Minuten, Spalte::Sekunden})
        if (s != Spalte::Tage || mitTagen) werte << QString::number(Wert(z, s)) + Einheit(s);
    return werte.join(u' ');
}

void AlleBeispiele() {
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("beispiel");
    for (int art = 1; art <= 4; ++art)
        for (int n = 1; n <= 4; ++n)
            QTest::addRow("%s %d", Namen[art - 1], n) << art << n;
}

} // namespace

class TstMusterbeispiele : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Attrappen().Zuruecksetzen(); }
    void aufbau_data();
    void aufbau();
    void ganzesBeispiel_data() { AlleBeispiele(); }
    void ganzesBeispiel();
    void eineWanderung_data();
    void eineWanderung();
    void klicksWaehrendDerWanderung();
    void multiplikationMitFuenf();
    void neuerAnfang();
    void zeichnung_data();
    void zeichnung();
    void zugang_data();
    void zugang();
    void beispielNurMitTastatur();
    void scharfBeiDoppelterAufloesung();
};

void TstMusterbeispiele::aufbau_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("verb");
    // clang-format off
    QTest::newRow("add")  << 1 << "Vier Musterbeispiele zur Addition von Zeiten"       << "Addieren";
    QTest::newRow("sub")  << 2 << "Vier Musterbeispiele zur Subtraktion von Zeiten"    << "Subtrahieren";
    QTest::newRow("mult") << 3 << "Vier Musterbeispiele zur Multiplikation von Zeiten" << "Multiplizieren";
    QTest::newRow("div")  << 4 << "Vier Musterbeispiele zur Divison von Zeiten"        << "Dividieren";
    // clang-format on
}

void TstMusterbeispiele::aufbau() {
    QFETCH(int, art);
    QFETCH(QString, verb);
    Muster m(art);
    QCOMPARE(m.w->windowTitle(), QStringLiteral("Grundrechenarten"));
    QCOMPARE(m.w->ClientGroesse(), QSize(1016, 722));
    QCOMPARE(m.w->findChild<QAction*>(QStringLiteral("menSchliessen"))->text(),
             QStringLiteral("Schließen"));
    QTEST(m.label("pnlAnzeige")->text(), "titel");
    const std::pair<const char*, QRect> teile[] = {
        {"pnlAnzeige", {8, 5, 1001, 41}},        {"lbltxt", {8, 48, 1001, 57}},
        {"grpBeispiele", {8, 632, 209, 81}},     {"grpSchritte", {224, 632, 785, 81}},
        {"btnWiederholung", {591, 30, 130, 33}},
    };
    for (const auto& [name, ort] : teile)
        QCOMPARE(m.w->findChild<QWidget*>(QLatin1String(name))->geometry(), ort);
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(m.knopf(i)->geometry(), QRect(7 + 56 * (i - 1), 30, 50, 33));
        QCOMPARE(m.knopf(i)->text(), QString::number(i));
    }
    QCOMPARE(m.nochmal()->text(), QStringLiteral("Noch einmal"));
    QCOMPARE(m.gruppe()->title(), QStringLiteral(" Auswahl "));
    QCOMPARE(m.gruppe()->items(), (QStringList{"Bsp. 1", "Bsp. 2", "Bsp. 3", "Bsp. 4"}));
    QCOMPARE(m.gruppe()->columns(), 2);
    QCOMPARE(m.gruppe()->ItemIndex(), 0);
    QCOMPARE(m.label("lbltxt")->font().pixelSize(), 19);
    QCOMPARE(m.label("pnlAnzeige")->font().pixelSize(), 19);
    QVERIFY(m.label("lbltxt")->wordWrap());
    QCOMPARE(m.text(),
             QStringLiteral("Durch Klicken auf die jeweilige Schaltfläche kannst du das ") + verb +
                 QStringLiteral(" von Zeiten Schritt für Schritt lernen!"));
    QCOMPARE(m.farbe(), Rotbraun);
    QCOMPARE(m.Leiste(), QStringLiteral("ed---G"));
    QCOMPARE(m.w->Schritt(), 0);
    // Before the first step nothing is drawn.
    QVERIFY(Tinte(m.Bild(), Braun, 0, 200, 840, 640).isEmpty());
    test::Tour(test::Aufnahme(*m.w), QStringLiteral("muster_%1_neu").arg(Namen[art - 1]));
}

// The window plays each step's data: its text and colour, its rows, the buttons, the
// slides; "Noch einmal" starts the same example afresh with new numbers.
void TstMusterbeispiele::ganzesBeispiel() {
    QFETCH(int, art);
    QFETCH(int, beispiel);
    Muster m(art);
    if (beispiel != 1) m.Waehle(beispiel);
    QCOMPARE(m.w->GewaehltesBeispiel(), beispiel);
    QCOMPARE(m.Leiste(), Leiste(0, beispiel));
    const auto schritte = m.schritte();
    QCOMPARE(int(schritte.size()), beispiel + 1);
    for (int i = 1; i <= beispiel + 1; ++i) {
        const Musterschritt& s = schritte[static_cast<std::size_t>(i - 1)];
        m.Schritt(i);
        QCOMPARE(m.w->Schritt(), i);
        QCOMPARE(m.Leiste(), Leiste(i, beispiel));
        QCOMPARE(m.w->Stand(), s.ende);
        QVERIFY(!m.w->Label().sichtbar);
        if (s.uebertrag) {
            QCOMPARE(m.text(), s.schluss);
            QCOMPARE(m.farbe(), Navy);
        } else {
            QCOMPARE(m.text(), s.text);
        }
    }

    const TZeitAufgabe alt = m.w->Beispiel(beispiel);
    m.nochmal()->click();
    if (beispiel == 4)
        test::Tour(test::Aufnahme(*m.w), QStringLiteral("muster_%1_nochmal").arg(Namen[art - 1]));
    QCOMPARE(m.Leiste(), Leiste(0, beispiel));
    QCOMPARE(m.w->GewaehltesBeispiel(), beispiel);
    QCOMPARE(m.w->Schritt(), 0);
    QCOMPARE(m.w->Stand(), Musterstand{});
    QCOMPARE(m.text(), test::WaehleBeispiel);
    QCOMPARE(m.farbe(), Rotbraun);
    const TZeitAufgabe& neu = m.w->Beispiel(beispiel);
    QVERIFY(QList<int>({alt.Tage1, alt.Stunden1, alt.Minuten1, alt.Sekunden1, alt.Stunden2,
                        alt.Minuten2, alt.Sekunden2, alt.k}) !=
            QList<int>({neu.Tage1, neu.Stunden1, neu.Minuten1, neu.Sekunden1, neu.Stunden2,
                        neu.Minuten2, neu.Sekunden2, neu.k}));
    // Step 2 cannot come before step 1.
    Q_EMIT m.knopf(2)->clicked();
    QCOMPARE(m.w->Schritt(), 0);
    m.Schritt(1);
    QCOMPARE(m.Leiste(), Leiste(1, beispiel));
}

// The waits of one slide and what the screen shows at each of them.
void TstMusterbeispiele::eineWanderung_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("schritt");      // of example 4
    QTest::addColumn<int>("quer");         // frames across
    QTest::addColumn<QList<float>>("weg"); // start x, y; target x
    // clang-format off
    QTest::newRow("add Sekunden")   << 1 << 3 << 27 << QList<float>{8, -1.5f, 5.3f};
    QTest::newRow("add Minuten")    << 1 << 4 << 43 << QList<float>{5.3f, -1.5f, 1};
    QTest::newRow("add Stunden")    << 1 << 5 << 28 << QList<float>{1, -1.5f, -1.8f};
    QTest::newRow("sub Tag")        << 2 << 2 << 28 << QList<float>{-1.8f, 0, 1};
    QTest::newRow("div Minutenrest")<< 4 << 4 << 27 << QList<float>{5.3f, 1.5f, 8};
    // clang-format on
}

void TstMusterbeispiele::eineWanderung() {
    QFETCH(int, art);
    QFETCH(int, schritt);
    QFETCH(int, quer);
    QFETCH(QList<float>, weg);
    Muster m(art);
    m.Waehle(4);
    m.BisSchritt(schritt - 1);
    const Musterschritt s = m.schritte()[static_cast<std::size_t>(schritt - 1)];
    const Musteruebertrag& u = *s.uebertrag;

    struct Bild {
        QPointF ort;
        bool sichtbar;
        QString label, text, leiste;
        QColor farbe;
        int von, nach;
    };
    QList<Bild> bilder;
    Attrappen().Zuruecksetzen();
    Attrappen().beiWarte = [&](int) {
        const Zeitmenge& z = m.w->Stand().arbeit.wert;
        const Wanderlabel& l = m.w->Label();
        bilder << Bild{QPointF(l.x, l.y), l.sichtbar, l.text,         m.text(),
                       m.Leiste(),        m.farbe(),  Wert(z, u.von), Wert(z, u.nach)};
        if (bilder.size() == 5)
            test::Tour(test::Aufnahme(*m.w),
                       QStringLiteral("muster_%1_4_schritt%2").arg(Namen[art - 1]).arg(schritt));
    };
    m.Schritt(schritt);
    QCOMPARE(Attrappen().wartezeiten, test::Wanderzeiten(30 + quer));

    // Frame i of the leg down is wait i, of the leg up wait 15 + quer + i.
    const int abgezogen = Wert(u.nachAbzug.arbeit.wert, u.von);
    const int davor = Wert(u.nachAbzug.arbeit.wert, u.nach),
              danach = Wert(u.nachZugabe.arbeit.wert, u.nach);
    QCOMPARE(Wert(s.stand.arbeit.wert, u.nach), davor);
    const float unten = weg[1] - 1.5f;
    for (int i = 0; i < bilder.size(); ++i) {
        const Bild& b = bilder[i];
        const int quer_i = i - 15; // frames across so far
        // The source drops in frame 8 down, the target grows in frame 8 up, once each.
        QCOMPARE(b.von, i < 8 ? Wert(s.stand.arbeit.wert, u.von) : abgezogen);
        QCOMPARE(b.nach, i < 23 + quer ? davor : danach);
        QCOMPARE(b.sichtbar, i <= 30 + quer);
        QCOMPARE(b.farbe, test::pink);
        // Nothing to press while the label slides.
        QCOMPARE(b.leiste, QStringLiteral("ddddd"));
        if (i > 30 + quer) continue;
        QCOMPARE(b.label, i <= 15 ? u.abzug : u.zugabe);
        QCOMPARE(b.text, i <= 15 ? s.text : i <= 15 + quer ? u.umwandlung : u.hinzufuegen);
        const QPointF soll = i <= 15 ? QPointF(weg[0], weg[1] - 0.1 * i)
                             : quer_i <= quer
                                 ? QPointF(weg[0] + (weg[2] - weg[0]) * quer_i / quer, unten)
                                 : QPointF(weg[2], unten + 0.1 * (quer_i - quer));
        QVERIFY2(qAbs(b.ort.x() - soll.x()) < 1e-4 && qAbs(b.ort.y() - soll.y()) < 1e-4,
                 qPrintable(QStringLiteral("wait %1: %2 %3").arg(i).arg(b.ort.x()).arg(b.ort.y())));
    }
    QCOMPARE(m.w->Stand(), s.ende);
    QCOMPARE(m.Leiste(), Leiste(schritt, 4));
}

// Clicks that arrive while a label slides run nothing; the next step runs once, after.
void TstMusterbeispiele::klicksWaehrendDerWanderung() {
    Muster m(ArtAddition);
    m.Waehle(4);
    m.BisSchritt(2);
    int klicks = 0;
    Attrappen().beiWarte = [&](int) {
        m.AllesKlicken();
        ++klicks;
    };
    m.Schritt(3);
    QCOMPARE(klicks, 1 + 15 + 27 + 15 + 1);
    QCOMPARE(m.w->Schritt(), 3);
    QCOMPARE(m.w->GewaehltesBeispiel(), 4);
    QCOMPARE(m.w->Stand(), m.schritte()[2].ende);
    QCOMPARE(m.Leiste(), QStringLiteral("ddded"));
    // Clicks on all five buttons in turn run the steps that come next, in their order,
    // and nothing past the last.
    Attrappen().beiWarte = {};
    Attrappen().wartezeiten.clear();
    for (int mal = 0; mal < 2; ++mal)
        for (int i = 1; i <= 5; ++i)
            Q_EMIT m.knopf(i)->clicked();
    QCOMPARE(m.w->Schritt(), 5);
    QCOMPARE(Attrappen().wartezeiten, test::Wanderzeiten(30 + 43) + test::Wanderzeiten(30 + 28));
    QCOMPARE(m.Leiste(), QStringLiteral("dddddN"));
}

// 2h 13min 13s times 5: the products 10h 65min 65s; the seconds step leaves 5 s and makes
// 66 min; the minutes step leaves 6 min and makes 11 h.
void TstMusterbeispiele::multiplikationMitFuenf() {
    // k, h, m, s of example 1; k, s, m, h of example 2; s, m, h of 3 (k is 5).
    Muster m(ArtMultiplikation, {0, 0, 0, 0, 0, 30, 0, 0, 12, 12, 1});
    QVERIFY(m.zufall.Leer());
    QCOMPARE((QList<int>{m.w->Beispiel(3).Stunden1, m.w->Beispiel(3).Minuten1,
                         m.w->Beispiel(3).Sekunden1, m.w->Beispiel(3).k}),
             (QList<int>{2, 13, 13, 5}));
    m.Waehle(3);
    m.BisSchritt(2);
    QCOMPARE(m.w->Stand().spalten.wert, (Zeitmenge{0, 10, 65, 65}));
    QCOMPARE(m.text(),
             QStringLiteral("Das Produkt der Sekunden, Minuten und Stunden wird ermittelt."));
    QCOMPARE(m.farbe(), test::pink);

    QStringList saetze;
    Attrappen().beiWarte = [&](int) {
        if (saetze.isEmpty() || saetze.last() != m.text()) saetze << m.text();
    };
    m.Schritt(3);
    QCOMPARE(m.w->Stand().arbeit.wert, (Zeitmenge{0, 10, 66, 5}));
    m.Schritt(4);
    QCOMPARE(m.w->Stand().arbeit.wert, (Zeitmenge{0, 11, 6, 5}));
    QVERIFY(m.w->Stand().fertig);
    QCOMPARE(saetze, (QStringList{"Da die Sekundenanzahl über 60s liegt, werden diese abgezogen.",
                                  "Die 60s werden in 1min verwandelt.",
                                  "Diese 1 Minute wird den restlichen Minuten hinzugezählt.",
                                  "Da die Minutenanzahl über 60min liegt, werden diese abgezogen.",
                                  "Die 60min werden in 1h verwandelt.",
                                  "Diese 1 Stunde wird den restlichen Stunden hinzugezählt."}));
    QCOMPARE(m.text(), QStringLiteral("Das Ergebnis wird angezeigt."));
    QCOMPARE(m.farbe(), Navy);
    QCOMPARE(m.Leiste(), QStringLiteral("dddd-N"));

    test::Tour(test::Aufnahme(*m.w), QStringLiteral("muster_mult_3_fertig"));
}

// Another example and a window closed in the middle of a slide each start from the same
// panel; "Noch einmal" only comes with the last step.
void TstMusterbeispiele::neuerAnfang() {
    Muster m(ArtSubtraktion);
    m.Waehle(3);
    QCOMPARE(m.Leiste(), Leiste(0, 3));
    m.Waehle(4);
    QCOMPARE(m.Leiste(), Leiste(0, 4));
    // The program's own selection is no choice of the pupil's.
    m.gruppe()->ItemIndexSetzen(1);
    QCOMPARE(m.w->GewaehltesBeispiel(), 4);
    m.Schritt(1);
    QCOMPARE(m.Leiste(), QStringLiteral("deddd"));
    Attrappen().beiWarte = [&](int) {
        if (Attrappen().wartezeiten.size() == 10) m.w->close();
    };
    m.Schritt(2);
    QCOMPARE(Attrappen().wartezeiten.size(), 10);
    Attrappen().beiWarte = {};
    m.w->show();
    QCOMPARE(m.gruppe()->ItemIndex(), 0);
    QCOMPARE(m.w->Schritt(), 0);
    QCOMPARE(m.Leiste(), Leiste(0, 1));
    QCOMPARE(m.w->Stand(), Musterstand{});
    QVERIFY(!m.w->Label().sichtbar);
    Q_EMIT m.knopf(3)->clicked();
    QCOMPARE(m.w->Schritt(), 0);
    m.BisSchritt(2);
    QCOMPARE(m.Leiste(), Leiste(2, 1));
    QCOMPARE(m.w->Stand(), m.schritte()[1].ende);
}

// Example 4 of each operation at its last step, probed where its rows end.
void TstMusterbeispiele::zeichnung_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<float>("ergebnisY"); // the result row
    QTest::addColumn<QColor>("ergebnisFarbe");
    QTest::addColumn<float>("gleichX"); // NaN: no "="
    // clang-format off
    QTest::newRow("add")  << 1 << -1.5f << Navy     << -3.3f;
    QTest::newRow("sub")  << 2 << -3.0f << Rotbraun << std::numeric_limits<float>::quiet_NaN();
    QTest::newRow("mult") << 3 << 0.0f  << Navy     << -3.3f;
    QTest::newRow("div")  << 4 << 0.0f  << Rotbraun << std::numeric_limits<float>::quiet_NaN();
    // clang-format on
}

void TstMusterbeispiele::zeichnung() {
    QFETCH(int, art);
    QFETCH(float, ergebnisY);
    QFETCH(QColor, ergebnisFarbe);
    QFETCH(float, gleichX);
    Muster m(art);
    m.Waehle(4);
    QImage pink;
    Attrappen().beiWarte = [&](int) {
        if (Attrappen().wartezeiten.size() != 20 || !pink.isNull()) return;
        pink = m.Bild();
        test::Tour(test::Aufnahme(*m.w),
                   QStringLiteral("muster_%1_4_wanderung").arg(Namen[art - 1]));
    };
    m.BisSchritt(5);
    const QImage bild = m.Bild();
    test::Tour(test::Aufnahme(*m.w), QStringLiteral("muster_%1_4_fertig").arg(Namen[art - 1]));

    // The title in brown from (-20, 3).
    QVERIFY(qAbs(Tinte(bild, Braun, X(-21), Y(3), X(-12), Y(3) + 24).left() - X(-20)) <= 2);
    // The result row ends at the seconds column; its days end at the days column.
    const Zeitmenge& e = (art == 1 || art == 3 ? m.w->Stand().arbeit : m.w->Stand().spalten).wert;
    QVERIFY(Rechtsbuendig(TextTinte(bild, ergebnisFarbe, 8, ergebnisY), 8));
    const QRect tage = TextTinte(bild, ergebnisFarbe, -1.8f, ergebnisY, 2);
    QCOMPARE(!tage.isEmpty(), e.Tage != 0);
    if (!tage.isEmpty()) QVERIFY(Rechtsbuendig(tage, -1.8f));
    if (!qIsNaN(gleichX)) {
        const QRect gleich = TextTinte(bild, Qt::black, gleichX, ergebnisY, 1);
        QVERIFY(!gleich.isEmpty());
        QVERIFY(Rechtsbuendig(gleich, gleichX));
    }
    // A sliding label in pink, at the place the window says it is.
    QVERIFY(!pink.isNull());
    QVERIFY(!Tinte(pink, test::pink, 0, Y(4), 840, Y(-5), 10).isEmpty());
    QVERIFY(Tinte(bild, test::pink, 0, Y(4), 840, Y(-5), 10).isEmpty());
}

void TstMusterbeispiele::zugang_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QStringList>("zeilen"); // example 4 at its end, row by row
    // E the first operand, Z the second, S the column row, A the working or result row
    // clang-format off
    QTest::newRow("add")  << 1 << QStringList{"4. Beispiel", "E", "plus Z", "S", "= A"};
    QTest::newRow("sub")  << 2 << QStringList{"4. Beispiel", "E", "minus Z", "A", "minus Z", "S"};
    QTest::newRow("mult") << 3 << QStringList{"4. Beispiel", "E mal k", "S", "= A"};
    QTest::newRow("div")  << 4 << QStringList{"4. Beispiel", "E durch k", "A durch k", "S"};
    // clang-format on
}

// A screen reader hears the examples and steps by name, every sentence as it comes, and
// reads the drawing row by row from the top, with the label while it slides.
void TstMusterbeispiele::zugang() {
    QFETCH(int, art);
    QFETCH(QStringList, zeilen);
    test::Zugangsprotokoll protokoll;
    Muster m(art);
    QCOMPARE(test::Namenlos(*m.w), QStringList());
    QCOMPARE(test::Name(m.eintrag(4)), QStringLiteral("Beispiel 4"));
    QCOMPARE(test::Name(m.knopf(5)), QStringLiteral("Schritt 5"));
    QCOMPARE(test::Beschreibung(m.w->Client()), QString()); // nothing drawn yet
    m.Waehle(4);
    protokoll.Leeren();
    QStringList saetze, unterwegs, labels;
    Attrappen().beiWarte = [&](int) {
        const QString zuletzt = test::Beschreibung(m.w->Client()).section(u'\n', -1);
        if (m.w->Label().sichtbar && !unterwegs.contains(zuletzt)) unterwegs << zuletzt;
    };
    for (const Musterschritt& s : m.schritte()) {
        saetze << s.text;
        if (!s.uebertrag) continue;
        saetze << s.uebertrag->umwandlung << s.uebertrag->hinzufuegen << s.schluss;
        labels << QStringLiteral("unterwegs: ") + s.uebertrag->abzug
               << QStringLiteral("unterwegs: ") + s.uebertrag->zugabe;
    }
    saetze.removeAll(QString()); // an emptied explanation says nothing
    m.BisSchritt(5);
    QCOMPARE(protokoll.ansagen, saetze);
    QCOMPARE(unterwegs, labels);
    const TZeitAufgabe& a = m.w->Beispiel(4);
    const Musterstand& stand = m.w->Stand();
    for (QString& z : zeilen)
        z.replace(u'E', Reihe({a.Tage1, a.Stunden1, a.Minuten1, a.Sekunden1}, a.Tage1 != 0))
            .replace(u'Z', Reihe({0, a.Stunden2, a.Minuten2, a.Sekunden2}, false))
            .replace(u'S', Reihe(stand.spalten.wert, stand.spalten.mitTagen))
            .replace(u'A', Reihe(stand.arbeit.wert, stand.arbeit.mitTagen))
            .replace(u'k', QString::number(a.k));
    QCOMPARE(test::Beschreibung(m.w->Client()).split(u'\n'), zeilen);
}

// One whole example by keys alone: the arrow keys choose it, Tab reaches its first step,
// Space and Enter press the steps and "Noch einmal", which hands the keyboard back to the
// choice; Alt+S closes the window.
void TstMusterbeispiele::beispielNurMitTastatur() {
    Muster m(ArtSubtraktion);
    QCOMPARE(test::Tabfolge(*m.w), (QStringList{"grpBeispiele_0", "btn01"}));
    test::Taste(Qt::Key_Right);
    test::Taste(Qt::Key_Down);
    QCOMPARE(m.w->GewaehltesBeispiel(), 4);
    m.SchritteMitTasten(
        5, [](int i) { return Leiste(i, 4); },
        [&](int i) {
            if (i == 3) test::Tour(test::Aufnahme(*m.w), QStringLiteral("muster_sub_tastatur"));
        });
    m.NochmalUndSchliessenMitTasten(3); // example 4
}

// At 200 % the result line, three pixels at 1:1, is six device pixels; the rows are drawn
// at the full resolution.
void TstMusterbeispiele::scharfBeiDoppelterAufloesung() {
    Muster m(ArtAddition);
    m.BisSchritt(2);
    const QString fehler =
        test::DoppeltScharf(*m.w->Client(), QRect(X(-2), Y(3), X(9) - X(-2), Y(-2) - Y(3)),
                            test::Strichprobe{{X(4), Y(0.2f)}, Qt::Vertical, QColor(0, 0, 0), 3});
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

KALMIRO_TEST_MAIN(TstMusterbeispiele)
#include "tst_musterbeispiele.moc"

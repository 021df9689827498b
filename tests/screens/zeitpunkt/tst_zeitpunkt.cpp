#include "core/GlobaleU.h"
#include "screens/zeitpunkt/ZeitpunktU.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Schrittknoepfe.h"
#include "tests/support/Testmain.h"
#include "tests/support/Wanderzeiten.h"
#include "tests/support/Zeichenpruefung.h"
#include "tests/support/Zeitstandtext.h"
#include "tests/support/Zugangspruefung.h"

#include <QAction>

using namespace kalmiro;

namespace {

const QColor Rotbraun(128, 0, 0);
const QList<int> Items{1, 4, 2, 5, 3, 6}; // the examples of the radio items

test::Attrappen& Attrappen() {
    return test::Attrappen::Aktuell();
}

// World to paint-box pixels: 20 a unit, (0, 0) at (500, 380).
int X(float x) {
    return qRound(500 + 20 * x);
}
int Y(float y) {
    return qRound(380 - 20 * y);
}
// The ink of a colour within a world rectangle of the paint box.
QRect Tinte(const QImage& bild, const QColor& farbe, float x1, float y1, float x2, float y2) {
    return test::Umriss(bild, test::Etwa(farbe, 30),
                        QRect(QPoint(X(x1), Y(y1)), QPoint(X(x2), Y(y2))));
}

// Swallows the paints of a widget, and counts them.
class Malsperre : public QObject {
public:
    int gesperrt = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::Paint) return false;
        ++gesperrt;
        return true;
    }
};

// The window as the main window shows it, its draws scripted: the four points of the
// "Begriffe" page, example 1 at 9:05 to 17:15, then the chosen example's times
// (departure h, m, arrival h, m).
struct Zeitfenster : test::Schrittfenster<TfrmZeitpunkt> {
    explicit Zeitfenster(int modus, int art = 1, const QList<int>& zeiten = {9, 5, 17, 15},
                         const QList<int>& punkte = {1, 10, 6, 20, 12, 30, 20, 40}) {
        for (int i = 0; i < 8; ++i)
            zufall.Anhaengen(punkte[i] - (i % 2 ? 0 : QList<int>{1, 6, 12, 20}[i / 2]));
        Ziehungen(1, art == 1 ? zeiten : QList<int>{9, 5, 17, 15});
        if (art != 1) Ziehungen(art, zeiten);
        ZeitpunktArt = modus;
        Oeffnen(MaxZeitschritte);
        if (art != 1) Waehle(art);
    }
    // The draws that give an example these times: hours, then minutes.
    void Ziehungen(int art, const QList<int>& z) {
        const int erste = art >= 4 ? 3 : 1;
        for (int wert : {z[0] - erste, z[2] - erste, z[1], z[3]})
            zufall.Anhaengen(wert);
    }

    QWidget* pnt() { return w->findChild<QWidget*>(QStringLiteral("pnt")); }
    void Waehle(int art) { WaehleItem(Items.indexOf(art)); }

    // The drawing as it shows over the window's grey.
    QImage Bild() {
        QImage bild(pnt()->size(), QImage::Format_ARGB32);
        bild.fill(test::grau240);
        pnt()->render(&bild);
        return bild;
    }
    // What the pupil sees at a moment, in one line.
    QString Zustand() {
        const Wanderlabel& l = w->Label();
        const QString label = l.sichtbar && !l.text.isEmpty()
                                  ? QStringLiteral("%1@%2,%3").arg(l.text).arg(l.x).arg(l.y)
                                  : QStringLiteral("-");
        return text() + u'|' + farbe().name() + u'|' + test::Beschreibung(w->Stand()) + u'|' +
               label + u'|' + Leiste();
    }
};

// The panel after step i of an example of n steps; step 0 is its start.
QString Leiste(int i, int n) {
    QString s;
    for (int j = 1; j <= 8; ++j)
        s += j > n ? u'-' : j == i + 1 ? u'e' : u'd';
    return i == 0 ? s + u'G' : i == n ? s + QStringLiteral("NG") : s;
}

} // namespace

class TstZeitpunkt : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Attrappen().Zuruecksetzen(); }
    void aufbau_data();
    void aufbau();
    void begriffe();
    void ganzesBeispiel_data();
    void ganzesBeispiel();
    void eineWanderung_data();
    void eineWanderung();
    void knoepfe();
    void labelEinmal();
    void zugang_data();
    void zugang();
    void beispielNurMitTastatur();
    void scharfBeiDoppelterAufloesung();
};

void TstZeitpunkt::aufbau_data() {
    QTest::addColumn<int>("modus");
    QTest::addColumn<QString>("titel");
    QTest::newRow("Begriffe") << 1 << "Zeitpunkt-Zeitdauer: Begriffe";
    QTest::newRow("Musterbeispiele") << 2 << "Zeitpunkt-Zeitdauer: Musterbeispiele";
}

void TstZeitpunkt::aufbau() {
    QFETCH(int, modus);
    Zeitfenster z(modus);
    QTEST(z.w->windowTitle(), "titel");
    QCOMPARE(z.w->ClientGroesse(), QSize(1016, 722));
    const std::pair<const char*, QRect> teile[] = {
        {"pnt", {8, 0, 1001, 760}},
        {"lbltxt", {8, 0, 1001, 49}},
        {"grpBeispiele", {8, 632, 265, 81}},
        {"grpSchritte", {280, 632, 729, 81}},
        {"btnWiederholung", {591, 30, 130, 33}},
    };
    for (const auto& [name, ort] : teile)
        QCOMPARE(z.w->findChild<QWidget*>(QLatin1String(name))->geometry(), ort);
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(z.knopf(i)->geometry(), QRect(7 + 56 * (i - 1), 30, 50, 33));
    QCOMPARE(z.gruppe()->items(),
             (QStringList{"Bsp. 1", "Bsp. 4", "Bsp. 2", "Bsp. 5", "Bsp. 3", "Bsp. 6"}));
    QCOMPARE(z.gruppe()->columns(), 3);
    QCOMPARE(z.lbltxt()->font().pixelSize(), 19);

    const bool beispiele = modus == 2;
    for (const char* name : {"lbltxt", "grpBeispiele", "grpSchritte"})
        QCOMPARE(z.w->findChild<QWidget*>(QLatin1String(name))->isVisible(), beispiele);
    if (beispiele) {
        QCOMPARE(z.text(), test::WaehleBeispiel);
        QCOMPARE(z.farbe(), Rotbraun);
        QCOMPARE(z.Leiste(), Leiste(0, 4));
        // Before the first step nothing of the example is drawn.
        QVERIFY(
            test::Umriss(z.Bild(), [](const QColor& c) { return c != test::grau240; }).isEmpty());
        test::Tour(test::Aufnahme(*z.w), QStringLiteral("zeitpunkt_muster_neu"));
    }
    QAction* schliessen = z.w->findChild<QAction*>(QStringLiteral("menSchlissen"));
    QCOMPARE(schliessen->text(), QStringLiteral("Schließen"));
    schliessen->trigger();
    QVERIFY(!z.w->isVisible());
}

// The terms page: four points in time with their clocks, two durations, the notations.
// 6:30 sits on the half-hour tick after "6 Uhr".
void TstZeitpunkt::begriffe() {
    test::Zugangsprotokoll protokoll;
    Zeitfenster z(1, 1, {9, 5, 17, 15}, {2, 5, 6, 30, 13, 45, 21, 10});
    // A screen reader reads the page top down, the raised minutes by name; nothing is said.
    QCOMPARE(test::Name(z.pnt()), QStringLiteral("Zeitpunkte und Zeitdauer"));
    QCOMPARE(test::Beschreibung(z.pnt()).split(u'\n'),
             (QStringList{"Zeitpunkte", "2:05, 6:30, 13:45, 21:10",
                          "Zeitleiste: 0 Uhr, 6 Uhr, 12 Uhr, 18 Uhr, 24 Uhr",
                          "von 2:05 bis 6:30: 4h 25min", "von 13:45 bis 21:10: 7h 25min",
                          "Zeitdauer", "Schreibweise für Zeitpunkte",
                          "2:05, 2.05, 2 hochgestellt 05", "6:30, 6.30, 6 hochgestellt 30",
                          "13:45, 13.45, 13 hochgestellt 45", "21:10, 21.10, 21 hochgestellt 10"}));
    QCOMPARE(protokoll.ansagen, QStringList());
    QCOMPARE(z.w->Zeitpunkte(), (std::array<Uhrzeit, 4>{{{2, 5}, {6, 30}, {13, 45}, {21, 10}}}));
    const QImage bild = z.Bild();
    test::Tour(test::Aufnahme(*z.w), QStringLiteral("zeitpunkt_begriffe"));
    const QColor pink = QColor::fromRgb(fbPink);
    QVERIFY(std::abs(Tinte(bild, pink, -11.4f, 3, -10.6f, 0.4f).center().x() - X(-11)) <= 1);
    QVERIFY(test::FarbeEtwa(bild, X(-11), Y(-0.2f), Qt::black, 40));
    // Its clock seven units up, the time over it.
    QVERIFY(test::FarbeEtwa(bild, X(-11.5f), Y(7.3f), QColor::fromRgb(fbGrau240), 4));
    QVERIFY(!Tinte(bild, pink, -13, 10.5f, -9, 9.8f).isEmpty());
    // The headings centred, the durations' texts between their points, the notations.
    QVERIFY(std::abs(Tinte(bild, pink, -4, 17, 4, 16.2f).center().x() - X(0)) <= 2);
    QVERIFY(std::abs(Tinte(bild, test::blau, -4, -10, 4, -11).center().x() - X(0)) <= 2);
    QVERIFY(std::abs(Tinte(bild, test::blau, -24, -2.35f, -10, -3.1f).center().x() - X(-15.42f)) <=
            2);
    QVERIFY(!Tinte(bild, Qt::black, -24, -12, -10, -12.8f).isEmpty());
    QVERIFY(qAbs(Tinte(bild, pink, 11.5f, -14, 24, -15).left() - X(12)) <= 4);
}

// The six examples, each with a slide.
void TstZeitpunkt::ganzesBeispiel_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QList<int>>("zeiten");
    QTest::newRow("1") << 1 << QList<int>{9, 40, 17, 25};
    QTest::newRow("2") << 2 << QList<int>{9, 40, 17, 15};
    QTest::newRow("3") << 3 << QList<int>{9, 40, 17, 10};
    QTest::newRow("4") << 4 << QList<int>{20, 35, 5, 10};
    QTest::newRow("5") << 5 << QList<int>{20, 35, 5, 10};
    QTest::newRow("6") << 6 << QList<int>{20, 35, 5, 10};
}

// The window plays each step's data. Stepped through without a single paint it shows the
// same texts, values and buttons at every wait and after every step as when the drawing
// is painted, twice over each time, giving the same picture both times.
void TstZeitpunkt::ganzesBeispiel() {
    QFETCH(int, art);
    QFETCH(QList<int>, zeiten);
    const auto schritte = Zeitpunktschritte(test::ZeitbeispielAus(art, zeiten));
    const int n = Schrittzahl(art);
    std::array<QStringList, 2> protokolle;
    for (int malen = 0; malen < 2; ++malen) {
        Zeitfenster z(2, art, zeiten);
        QCOMPARE(z.Leiste(), Leiste(0, n));
        Malsperre sperre;
        int verschieden = 0;
        const auto aufnehmen = [&](const QString& wo) {
            if (malen && z.Bild() != z.Bild()) ++verschieden;
            protokolle[malen] << wo + u' ' + z.Zustand();
        };
        if (!malen) z.pnt()->installEventFilter(&sperre);
        Attrappen().beiWarte = [&](int ms) { aufnehmen(QString::number(ms)); };
        for (int i = 1; i <= n; ++i) {
            z.Schritt(i);
            aufnehmen(QStringLiteral("Schritt %1").arg(i));
            const Zeitschritt& s = schritte[static_cast<std::size_t>(i - 1)];
            QCOMPARE(z.w->Schritt(), i);
            QCOMPARE(z.Leiste(), Leiste(i, n));
            QCOMPARE(test::Beschreibung(z.w->Stand()), test::Beschreibung(s.ende));
            QCOMPARE(z.text(), s.text);
            QCOMPARE(z.farbe(), QColor::fromRgb(Tintenfarbe(s.farbe)));
            if (malen)
                test::Tour(test::Aufnahme(*z.w),
                           QStringLiteral("zeitpunkt_bsp%1_schritt%2").arg(art).arg(i));
        }
        Attrappen().beiWarte = {};
        QCOMPARE(verschieden, 0);
        if (!malen) {
            QVERIFY(sperre.gesperrt > 0); // the drawing was asked for, never made
            z.pnt()->removeEventFilter(&sperre);
            continue;
        }
        // "Noch einmal": the same example from its start, with new times.
        z.nochmal()->click();
        QCOMPARE(z.Leiste(), Leiste(0, n));
        QCOMPARE(z.w->Aufgabenart(), art);
        QCOMPARE(z.w->Schritt(), 0);
        QCOMPARE(z.w->Stand(), Zeitstand{});
        QCOMPARE(z.text(), test::WaehleBeispiel);
        const TZugaufgabe& neu = z.w->Beispiel();
        QVERIFY(QList<int>({neu.AbfahrtStunde, neu.AbfahrtMinute, neu.AnkunftStunde,
                            neu.AnkunftMinute}) != zeiten);
    }
    QCOMPARE(protokolle[0], protokolle[1]);
}

// The waits of one slide and what the window shows at each of them.
void TstZeitpunkt::eineWanderung_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QList<int>>("zeiten");
    QTest::addColumn<int>("schritt");
    QTest::addColumn<QList<float>>("start"); // label x, y; the row it changes: basis, y
    QTest::addColumn<int>("pause");          // ms after the label has gone
    QTest::addColumn<QStringList>("zeilen"); // the row at the start, half way, at the end
    QTest::addColumn<QString>("schluss");
    using F = QList<float>;
    using S = QStringList;
    // clang-format off
    QTest::newRow("1 borgt")        << 1 << QList<int>{9, 40, 17, 25} << 3 << F{0, -4, 0, -4}          << 1000 << S{"17h 25min", "16h 25min", "16h 85min"} << "Die Fahrzeit wird durch die Subtraktion der Ankuftszeit minus der Abfahrtszeit ermittelt.";
    QTest::newRow("4 trägt")        << 4 << QList<int>{20, 10, 5, 55} << 4 << F{-10.3f, -8.5f, -14, -8} << 1000 << S{"8h 105min", "8h 45min", "9h 45min"} << "Die gesamte Fahrzeit wird durch die Addition der beiden Teilzeiten ermittelt.";
    QTest::newRow("5 trägt")        << 5 << QList<int>{20, 35, 5, 10} << 3 << F{3.7f, -7, 0, -7}       << 0    << S{"28h 70min", "28h 10min", "29h 10min"} << "Die Ankunftszeit wird durch die Addition der Fahrzeit zur Abfahrtszeit ermittelt.";
    QTest::newRow("6 borgt zuerst") << 6 << QList<int>{20, 10, 5, 35} << 2 << F{-14, -2, -14, -2}      << 500  << S{"9h 25min", "8h 25min", "8h 85min"} << "";
    // clang-format on
}

void TstZeitpunkt::eineWanderung() {
    QFETCH(int, art);
    QFETCH(QList<int>, zeiten);
    QFETCH(int, schritt);
    QFETCH(QList<float>, start);
    QFETCH(int, pause);
    QFETCH(QStringList, zeilen);
    Zeitfenster z(2, art, zeiten);
    z.BisSchritt(schritt - 1);
    const QString satz =
        Zeitpunktschritte(z.w->Beispiel())[std::size_t(schritt - 1)].uebertrag->satz;
    // A place to a hundredth, as it is written.
    const auto ort = [](float x, float y) {
        const auto z = [](float v) {
            return QString::number(std::abs(v) < 0.005f ? 0.0 : v, 'f', 2);
        };
        return z(x) + u' ' + z(y);
    };
    QStringList bilder;
    Attrappen().beiWarte = [&](int) {
        const Wanderlabel& l = z.w->Label();
        bilder << (l.sichtbar ? l.text : QStringLiteral("weg")) + u' ' + ort(l.x, l.y) + u'|' +
                      z.text() + u'|' + test::Zeilentext(*z.w->Stand().Zeile(start[2], start[3])) +
                      u'|' + z.Leiste();
        if (bilder.size() == 30)
            test::Tour(test::Aufnahme(*z.w),
                       QStringLiteral("zeitpunkt_bsp%1_schritt%2_wanderung").arg(art).arg(schritt));
    };
    z.Schritt(schritt);
    Attrappen().beiWarte = {};

    // 15 frames up or down, 37 across, 15 back.
    QCOMPARE(Attrappen().wartezeiten, test::Wanderzeiten(15 + 37 + 15, pause));

    const bool borgen = satz.contains(QStringLiteral("borgt"));
    const QStringList labels =
        borgen ? QStringList{"1h", "60min", "60min"} : QStringList{"60min", "1h", "1h"};
    const QStringList saetze{satz,
                             borgen ? "Die 1h wird abgezogen und in 60min verwandelt."
                                    : "Die 60min werden abgezogen und in 1h verwandelt.",
                             borgen ? "Die 60min werden zu den restlichen Minuten hinzugezählt."
                                    : "Die 1h wird zu den restlichen Stunden hinzugezählt."};
    const float d = borgen ? 0.1f : -0.1f; // up and right, or down and left
    // Nothing to press or choose while the label slides.
    const QString leiste = QString(Schrittzahl(art), u'd') + QString(8 - Schrittzahl(art), u'-');
    for (int i = 0; i < 68; ++i) {
        const int strecke = i <= 15 ? 0 : i <= 52 ? 1 : 2;
        const float x = start[0] + d * std::clamp(i - 15, 0, 37);
        const float y = start[1] + d * (i <= 15 ? i : i <= 52 ? 15 : 67 - i);
        // No text before it sets off; the row drops half way along the first leg and
        // grows half way along the last.
        QCOMPARE(bilder[i], (i == 0 ? QString() : labels[strecke]) + u' ' + ort(x, y) + u'|' +
                                saetze[strecke] + u'|' +
                                zeilen[i < 8    ? 0
                                       : i < 60 ? 1
                                                : 2] +
                                u'|' + leiste);
    }
    if (pause > 0) QVERIFY(bilder.last().startsWith(QStringLiteral("weg")));
    QTEST(z.text(), "schluss");
    QCOMPARE(z.Leiste(), Leiste(schritt, Schrittzahl(art)));
}

// Each example starts from its own panel; a step button runs only the next step, none
// while a label slides; after the last step another example can be chosen at once and
// gets times of its own kind.
void TstZeitpunkt::knoepfe() {
    Zeitfenster z(2);
    for (int art : {4, 5, 2, 6, 3, 1}) {
        z.Waehle(art);
        QCOMPARE(z.w->Aufgabenart(), art);
        QCOMPARE(z.Leiste(), Leiste(0, Schrittzahl(art)));
    }
    z.gruppe()->ItemIndexSetzen(1); // the program's own selection is no choice
    QCOMPARE(z.w->Aufgabenart(), 1);
    z.zufall.Werte({17, 2, 35, 10}); // example 4 at 20:35 to 5:10 borrows in step 8
    z.Waehle(4);
    Q_EMIT z.knopf(2)->clicked();
    QCOMPARE(z.w->Schritt(), 0);
    z.BisSchritt(7);
    int klicks = 0;
    Attrappen().beiWarte = [&](int) {
        z.AllesKlicken();
        ++klicks;
    };
    z.Schritt(8);
    Attrappen().beiWarte = {};
    QCOMPARE(klicks, 1 + 67 + 1);
    QCOMPARE(z.w->Schritt(), 8);
    QCOMPARE(z.Leiste(), Leiste(8, 8));
    for (int mal = 0; mal < 20; ++mal) {
        z.Waehle(2);
        QCOMPARE(z.Leiste(), Leiste(0, 4));
        QVERIFY(z.w->Beispiel().AnkunftStunde - z.w->Beispiel().AbfahrtStunde > 5);
        z.Waehle(5);
        // All buttons clicked in turn, twice: the steps in order, nothing past the last.
        for (int i = 1; i <= 16; ++i)
            Q_EMIT z.knopf((i - 1) % 8 + 1)->clicked();
        QCOMPARE(z.w->Schritt(), 5);
        QCOMPARE(z.Leiste(), Leiste(5, 5));
    }

    // Closed in the middle of a slide and opened again: example 1 from its start.
    z.zufall.Werte({8, 16, 40, 25}); // 9:40 to 17:25 borrows in step 3
    z.Waehle(1);
    z.BisSchritt(2);
    Attrappen().wartezeiten.clear();
    Attrappen().beiWarte = [&](int) {
        if (Attrappen().wartezeiten.size() == 10) z.w->close();
    };
    z.Schritt(3);
    Attrappen().beiWarte = {};
    QCOMPARE(Attrappen().wartezeiten.size(), 10);
    z.w->show();
    QCOMPARE(z.w->Schritt(), 0);
    QCOMPARE(z.Leiste(), Leiste(0, 4));
    QVERIFY(!z.w->Label().sichtbar);
    z.BisSchritt(2);
    QCOMPARE(z.w->Schritt(), 2);
}

// The sliding label of example 4's second way is drawn there only, and both ways end on
// their result rows.
void TstZeitpunkt::labelEinmal() {
    Zeitfenster z(2, 4, {20, 35, 5, 10});
    z.BisSchritt(7);
    const QColor pink = QColor::fromRgb(fbPink);
    QImage unterwegs;
    Attrappen().beiWarte = [&](int) {
        if (Attrappen().wartezeiten.size() == 30) unterwegs = z.Bild();
    };
    z.Schritt(8);
    Attrappen().beiWarte = {};
    // Across the top of the second way's minuend as "60min", and nowhere else; the rows
    // over it hidden meanwhile.
    QVERIFY(!Tinte(unterwegs, pink, 11, -3.4f, 17, -4.5f).isEmpty());
    QVERIFY(Tinte(unterwegs, pink, -25, -1, 10, -12).isEmpty());
    QVERIFY(Tinte(unterwegs, Qt::black, 8, -2, 17, -3).isEmpty());
    const QImage bild = z.Bild();
    for (float basis : {-14.0f, 12.0f}) {
        const QRect r = Tinte(bild, Rotbraun, basis - 4, -8, basis + 3.7f, -9);
        QVERIFY(r.right() <= X(basis + 3.7f) && r.right() >= X(basis + 3.7f) - 4);
    }
    QVERIFY(Tinte(bild, pink, -25, -1, 25, -12).isEmpty());
}

// What a screen reader hears of an example: the examples and steps by name, every
// sentence as it comes, the label while it slides, and the drawing line by line from the
// top, the computations block by block.
void TstZeitpunkt::zugang_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QList<int>>("zeiten");
    QTest::addColumn<int>("schritt");
    QTest::addColumn<QStringList>("zeilen");
    const QString tag = QStringLiteral(
        "Zeitleiste: 0 Uhr, 3 Uhr, 6 Uhr, 9 Uhr, 12 Uhr, 15 Uhr, 18 Uhr, 21 Uhr, 24 Uhr");
    const QString tage = QStringLiteral(
        "Zeitleiste: 0 Uhr, 6 Uhr, 12 Uhr, 18 Uhr, 24 Uhr = 0 Uhr, 6 Uhr, 12 Uhr, 18 Uhr, 24 Uhr");
    // clang-format off
    QTest::newRow("1, geborgt") << 1 << QList<int>{9, 40, 17, 25} << 4
        << QStringList{"1.Beispiel", "Geg.: Abfahrt, Ankunft", "Ges.: Fahrzeit", "Abfahrt 9:40, Ankunft 17:25", tag, "Fahrzeit 7h 45min",
                       "16h 85min", "minus 9h 40min", "7h 45min"};
    QTest::newRow("5, getragen")<< 5 << QList<int>{20, 35, 5, 10} << 5
        << QStringList{"5.Beispiel", "Geg.: Abfahrt, Fahrzeit", "Ges.: Ankunft", "Abfahrt 20:35, Ankunft 5:10", "1.Tag", tage, "Abfahrtszeit, Fahrzeit 8h 35min",
                       "20h 35min", "plus 8h 35min", "29h 10min", "minus 24h 00min", "5h 10min"};
    // clang-format on
}

void TstZeitpunkt::zugang() {
    QFETCH(int, art);
    QFETCH(QList<int>, zeiten);
    QFETCH(int, schritt);
    Zeitfenster z(2, art, zeiten);
    QCOMPARE(test::Namenlos(*z.w), QStringList());
    for (int i = 0; i < ZeitBeispiele; ++i)
        QCOMPARE(test::Name(z.gruppe()->Eintrag(i)), QStringLiteral("Beispiel %1").arg(Items[i]));
    for (int i = 1; i <= MaxZeitschritte; ++i)
        QCOMPARE(test::Name(z.knopf(i)), QStringLiteral("Schritt %1").arg(i));
    QCOMPARE(test::Name(z.pnt()), QStringLiteral("Skizze"));
    QCOMPARE(test::Beschreibung(z.pnt()), QString()); // nothing drawn yet

    QStringList saetze, unterwegs, labels;
    const auto schritte = Zeitpunktschritte(z.w->Beispiel());
    for (int i = 0; i < schritt; ++i) {
        const Zeitschritt& s = schritte[static_cast<std::size_t>(i)];
        if (s.uebertrag) {
            saetze << s.uebertrag->satz;
            for (const Zeitstrecke& strecke : s.uebertrag->strecken) {
                saetze << strecke.satz;
                labels << QStringLiteral("unterwegs: ") + strecke.label;
            }
        }
        saetze << s.text;
    }
    saetze.removeAll(QString()); // an emptied text says nothing
    labels.removeDuplicates();
    test::Zugangsprotokoll protokoll;
    Attrappen().beiWarte = [&](int) {
        const QString zuletzt = test::Beschreibung(z.pnt()).section(u'\n', -1);
        if (zuletzt.startsWith(QStringLiteral("unterwegs")) && !unterwegs.contains(zuletzt))
            unterwegs << zuletzt;
    };
    z.BisSchritt(schritt);
    Attrappen().beiWarte = {};
    QCOMPARE(protokoll.ansagen, saetze);
    QCOMPARE(unterwegs, labels);
    QTEST(test::Beschreibung(z.pnt()).split(u'\n'), "zeilen");
}

// Example 5 by keys alone: the arrow keys choose it, Tab reaches its first step, Space
// and Enter press the steps while the focus follows them, "Noch einmal" hands it back to
// the choice; Alt+S closes the window.
void TstZeitpunkt::beispielNurMitTastatur() {
    Zeitfenster z(2);
    QCOMPARE(test::Tabfolge(*z.w), (QStringList{"grpBeispiele_0", "btn01"}));
    z.zufall.Werte({17, 2, 35, 10, 17, 2, 35, 10}); // examples 4 and 5 at 20:35 to 5:10
    test::Taste(Qt::Key_Down);
    test::Taste(Qt::Key_Right);
    QCOMPARE(z.w->Aufgabenart(), 5);
    z.SchritteMitTasten(5, [](int i) { return Leiste(i, 5); });
    QCOMPARE(z.w->Stand(), Zeitpunktschritte(z.w->Beispiel()).back().ende);
    test::Tour(test::Aufnahme(*z.w), QStringLiteral("zeitpunkt_tastatur"));
    z.NochmalUndSchliessenMitTasten(Items.indexOf(5));
}

// At 200 % the time line, three pixels at 1:1, is six device pixels; the clocks and the
// rows are drawn at the full resolution.
void TstZeitpunkt::scharfBeiDoppelterAufloesung() {
    Zeitfenster z(2);
    z.BisSchritt(2);
    const int links = 8; // the paint box's offset in the window
    const QPoint uhr(links + X(-6 + 5.0f / 30), Y(8));
    const QString fehler = test::DoppeltScharf(
        *z.w->Client(), QRect(uhr - QPoint(45, 45), QSize(90, 90)),
        test::Strichprobe{{links + X(-23.5f), Y(2)}, Qt::Vertical, QColor(0, 0, 0), 3});
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

KALMIRO_TEST_MAIN(TstZeitpunkt)
#include "tst_zeitpunkt.moc"

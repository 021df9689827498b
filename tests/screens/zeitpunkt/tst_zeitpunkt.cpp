#include "core/GlobaleU.h"
#include "draw/ZeitachseU.h"
#include "platform/TRadioGroup.h"
#include "screens/zeitpunkt/ZeitpunktU.h"
#include "tests/draw/Zeichenpruefung.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Testmain.h"
#include "tests/support/Zeitstandtext.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace kalmiro;
using test::Etwa;

namespace {

const QColor Rotbraun(128, 0, 0), Braun(153, 102, 51);
const QString Waehle =
    QStringLiteral("Wähle ein Beispiel aus und klicken auf die jeweilige Schaltfläche.\nDu  kannst "
                   "dabei das Berechnen von Zeiten Schritt für Schritt lernen!");
// The radio items in their order.
const QList<int> Items{1, 4, 2, 5, 3, 6};

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
QRect Tinte(const QImage& bild, const QColor& farbe, float x1, float y1, float x2, float y2,
            int toleranz = 40) {
    return test::Umriss(bild, Etwa(farbe, toleranz),
                        QRect(QPoint(X(x1), Y(y1)), QPoint(X(x2), Y(y2))));
}

// The draws that give an example these times (departure h, m, arrival h, m).
QList<int> Ziehungen(int art, const QList<int>& z) {
    const int erste = art >= 4 ? 3 : 1;
    return {z[0] - erste, z[2] - erste, z[1], z[3]};
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
// "Begriffe" page, example 1 at 9:05 to 17:15, then the chosen example's times.
struct Zeitfenster {
    test::ZufallsSkript zufall;
    Fensterverbund verbund;
    std::unique_ptr<TfrmZeitpunkt> w;

    explicit Zeitfenster(int modus, int art = 1, const QList<int>& zeiten = {9, 5, 17, 15},
                         const QList<int>& punkte = {1, 10, 6, 20, 12, 30, 20, 40}) {
        QList<int> werte{punkte[0] - 1,  punkte[1], punkte[2] - 6,  punkte[3],
                         punkte[4] - 12, punkte[5], punkte[6] - 20, punkte[7]};
        werte << Ziehungen(1, art == 1 ? zeiten : QList<int>{9, 5, 17, 15});
        if (art != 1) werte << Ziehungen(art, zeiten);
        for (int v : werte)
            zufall.Anhaengen(v);
        ZeitpunktArt = modus;
        w = std::make_unique<TfrmZeitpunkt>(verbund);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        if (art != 1) Waehle(art);
    }

    QPushButton* knopf(int n) {
        return w->findChild<QPushButton*>(QStringLiteral("btn%1").arg(n, 2, 10, QChar(u'0')));
    }
    QPushButton* nochmal() { return w->findChild<QPushButton*>(QStringLiteral("btnWiederholung")); }
    TRadioGroup* gruppe() { return w->findChild<TRadioGroup*>(QStringLiteral("grpBeispiele")); }
    QLabel* lbltxt() { return w->findChild<QLabel*>(QStringLiteral("lbltxt")); }
    QWidget* pnt() { return w->findChild<QWidget*>(QStringLiteral("pnt")); }
    QString text() { return lbltxt()->text(); }
    // The drawing as it shows over the window's grey.
    QImage Bild() {
        QImage bild(pnt()->size(), QImage::Format_ARGB32);
        bild.fill(QColor(240, 240, 240));
        pnt()->render(&bild);
        return bild;
    }
    QColor farbe() { return lbltxt()->palette().color(QPalette::WindowText); }

    void Waehle(int art) {
        QTest::mouseClick(gruppe()->findChild<QRadioButton*>(
                              QStringLiteral("grpBeispiele_%1").arg(Items.indexOf(art))),
                          Qt::LeftButton);
    }
    void Schritt(int n) { QTest::mouseClick(knopf(n), Qt::LeftButton); }
    void BisSchritt(int n) {
        for (int i = 1; i <= n; ++i)
            Schritt(i);
    }

    // The panel as a pupil sees it: per step button "-" hidden, "e" enabled, "d"
    // disabled; then "N" for a visible "Noch einmal" and "G" for a choice that can be made.
    QString Leiste() {
        QString s;
        for (int i = 1; i <= 8; ++i)
            s += !knopf(i)->isVisible() ? u'-' : knopf(i)->isEnabled() ? u'e' : u'd';
        if (nochmal()->isVisible()) s += u'N';
        if (gruppe()->isEnabled()) s += u'G';
        return s;
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
    void klicksWaehrendDerWanderung();
    void neueWahl();
    void labelEinmal_data();
    void labelEinmal();
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
    QCOMPARE(z.w->font().pixelSize(), 16);
    const std::pair<const char*, QRect> teile[] = {
        {"pnt", {8, 0, 1001, 760}},
        {"lbltxt", {8, 0, 1001, 49}},
        {"grpBeispiele", {8, 632, 265, 81}},
        {"grpSchritte", {280, 632, 729, 81}},
        {"btn01", {7, 30, 50, 33}},
        {"btn02", {63, 30, 50, 33}},
        {"btn03", {119, 30, 50, 33}},
        {"btn04", {175, 30, 50, 33}},
        {"btn05", {231, 30, 50, 33}},
        {"btn06", {287, 30, 50, 33}},
        {"btn07", {343, 30, 50, 33}},
        {"btn08", {399, 30, 50, 33}},
        {"btnWiederholung", {591, 30, 130, 33}},
    };
    for (const auto& [name, ort] : teile) {
        QWidget* teil = z.w->findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(teil, name);
        QCOMPARE(teil->geometry(), ort);
    }
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(z.knopf(i)->text(), QString::number(i));
    QCOMPARE(z.nochmal()->text(), QStringLiteral("Noch einmal"));
    QCOMPARE(z.gruppe()->title(), QStringLiteral(" Auswahl "));
    QCOMPARE(z.gruppe()->items(),
             (QStringList{"Bsp. 1", "Bsp. 4", "Bsp. 2", "Bsp. 5", "Bsp. 3", "Bsp. 6"}));
    QCOMPARE(z.gruppe()->columns(), 3);
    QCOMPARE(z.lbltxt()->font().pixelSize(), 19);
    QVERIFY(z.lbltxt()->wordWrap());
    QCOMPARE(z.lbltxt()->alignment(), Qt::AlignCenter);

    const bool beispiele = modus == 2;
    for (QWidget* teil : {static_cast<QWidget*>(z.lbltxt()), static_cast<QWidget*>(z.gruppe()),
                          z.w->findChild<QWidget*>(QStringLiteral("grpSchritte"))})
        QCOMPARE(teil->isVisible(), beispiele);
    if (beispiele) {
        QCOMPARE(z.text(), Waehle);
        QCOMPARE(z.farbe(), Rotbraun);
        QCOMPARE(z.Leiste(), Leiste(0, 4));
        QCOMPARE(z.gruppe()->ItemIndex(), 0);
        // Before the first step nothing of the example is drawn.
        QVERIFY(test::Umriss(z.Bild(), [](const QColor& c) {
                    return c != QColor(240, 240, 240);
                }).isEmpty());
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
    Zeitfenster z(1, 1, {9, 5, 17, 15}, {2, 5, 6, 30, 13, 45, 21, 10});
    QCOMPARE(z.w->Zeitpunkte(), (std::array<Uhrzeit, 4>{{{2, 5}, {6, 30}, {13, 45}, {21, 10}}}));
    const QImage bild = z.Bild();
    test::Tour(test::Aufnahme(*z.w), QStringLiteral("zeitpunkt_begriffe"));
    const QColor pink = QColor::fromRgb(fbPink), blau(0, 0, 255);
    // The arrow of 6:30 comes down onto the minor tick at x = -11.
    const QRect pfeil = Tinte(bild, pink, -11.4f, 3, -10.6f, 0.4f);
    QVERIFY(std::abs(pfeil.center().x() - X(-11)) <= 1);
    QVERIFY(test::FarbeEtwa(bild, X(-11), Y(-0.2f), Qt::black, 40));
    // Its clock's face sits seven units up, its time over it.
    QVERIFY(test::FarbeEtwa(bild, X(-11) - 10, Y(7) - 6, QColor::fromRgb(fbGrau240), 4));
    QVERIFY(!Tinte(bild, pink, -13, 10.5f, -9, 9.8f).isEmpty());
    // The headings, and the durations centred between their points.
    QVERIFY(std::abs(Tinte(bild, pink, -4, 17, 4, 16.2f).center().x() - X(0)) <= 2);
    QVERIFY(std::abs(Tinte(bild, blau, -4, -10, 4, -11).center().x() - X(0)) <= 2);
    const float mitte =
        (ZeitachseX(Zeitachsenart::EinTag, 2, 5) + ZeitachseX(Zeitachsenart::EinTag, 6, 30)) / 2;
    QVERIFY(std::abs(Tinte(bild, blau, mitte - 3, -2.35f, mitte + 3, -3.1f).center().x() -
                     X(mitte)) <= 2);
    // "Schreibweise für Zeitpunkte" in black, the notations in pink under it.
    QVERIFY(!Tinte(bild, Qt::black, -24, -12, -10, -12.8f).isEmpty());
    for (int i = 0; i < 4; ++i)
        QVERIFY(qAbs(Tinte(bild, pink, -24.5f + 12 * i, -14, -14 + 12 * i, -15).left() -
                     X(-24 + 12 * i)) <= 4);
}

// The six examples, each with a slide; the same times in both runs.
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
        QCOMPARE(z.w->Aufgabenart(), art);
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
            QCOMPARE(z.w->Schritt(), i);
            QCOMPARE(z.Leiste(), Leiste(i, n));
            const Zeitschritt& s = schritte[static_cast<std::size_t>(i - 1)];
            QCOMPARE(test::Beschreibung(z.w->Stand()), test::Beschreibung(s.ende));
            QCOMPARE(z.text(), s.text);
            QCOMPARE(z.farbe(), QColor::fromRgb(Tintenfarbe(s.farbe)));
            QVERIFY(!z.w->Label().sichtbar);
            if (malen && i < n)
                test::Tour(test::Aufnahme(*z.w),
                           QStringLiteral("zeitpunkt_bsp%1_schritt%2").arg(art).arg(i));
        }
        Attrappen().beiWarte = {};
        QCOMPARE(verschieden, 0);
        if (!malen) {
            QCOMPARE(sperre.gesperrt > 0, true); // the drawing was asked for, never made
            z.pnt()->removeEventFilter(&sperre);
            continue;
        }
        test::Tour(test::Aufnahme(*z.w), QStringLiteral("zeitpunkt_bsp%1_fertig").arg(art));
        // "Noch einmal": the same example from its start, with new times.
        z.nochmal()->click();
        QCOMPARE(z.Leiste(), Leiste(0, n));
        QCOMPARE(z.w->Aufgabenart(), art);
        QCOMPARE(z.w->Schritt(), 0);
        QCOMPARE(z.w->Stand(), Zeitstand{});
        QCOMPARE(z.text(), Waehle);
        QCOMPARE(z.farbe(), Rotbraun);
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
    QTest::addColumn<bool>("borgen");
    QTest::addColumn<QList<float>>("start"); // label x, y; the row it changes: basis, y
    QTest::addColumn<int>("pause");          // ms after the label has gone
    QTest::addColumn<QStringList>("zeilen"); // the row: at the start, half way, at the end
    QTest::addColumn<QString>("schluss");
    using L = QList<int>;
    using F = QList<float>;
    using S = QStringList;
    // clang-format off
    QTest::newRow("1 borgt")        << 1 << L{9, 40, 17, 25} << 3 << true  << F{0, -4, 0, -4}          << 1000 << S{"17h 25min", "16h 25min", "16h 85min"} << "Die Fahrzeit wird durch die Subtraktion der Ankuftszeit minus der Abfahrtszeit ermittelt.";
    QTest::newRow("4 trägt")        << 4 << L{20, 10, 5, 55} << 4 << false << F{-10.3f, -8.5f, -14, -8} << 1000 << S{"8h 105min", "8h 45min", "9h 45min"} << "Die gesamte Fahrzeit wird durch die Addition der beiden Teilzeiten ermittelt.";
    QTest::newRow("5 trägt")        << 5 << L{20, 35, 5, 10} << 3 << false << F{3.7f, -7, 0, -7}       << 0    << S{"28h 70min", "28h 10min", "29h 10min"} << "Die Ankunftszeit wird durch die Addition der Fahrzeit zur Abfahrtszeit ermittelt.";
    QTest::newRow("6 borgt zuerst") << 6 << L{20, 10, 5, 35} << 2 << true  << F{-14, -2, -14, -2}      << 500  << S{"9h 25min", "8h 25min", "8h 85min"} << "";
    QTest::newRow("6 borgt, 2.Art") << 6 << L{20, 35, 5, 10} << 7 << true  << F{12, -5, 12, -5}        << 1000 << S{"29h 10min", "28h 10min", "28h 70min"} << "Die gesamte Fahrzeit wird durch die Subtraktion der beiden Teilzeiten ermittelt.";
    // clang-format on
}

void TstZeitpunkt::eineWanderung() {
    QFETCH(int, art);
    QFETCH(QList<int>, zeiten);
    QFETCH(int, schritt);
    QFETCH(bool, borgen);
    QFETCH(QList<float>, start);
    QFETCH(int, pause);
    QFETCH(QStringList, zeilen);
    Zeitfenster z(2, art, zeiten);
    z.BisSchritt(schritt - 1);
    const Zeituebertrag u =
        *Zeitpunktschritte(z.w->Beispiel())[static_cast<std::size_t>(schritt - 1)].uebertrag;

    struct Bild {
        QPointF ort;
        QString label, text, zeile, leiste;
    };
    QList<Bild> bilder;
    Attrappen().beiWarte = [&](int) {
        const Wanderlabel& l = z.w->Label();
        const Rechenzeile* r = z.w->Stand().Zeile(start[2], start[3]);
        bilder << Bild{QPointF(l.x, l.y), l.sichtbar ? l.text : QStringLiteral("weg"), z.text(),
                       r ? test::Zeilentext(*r) : QString(), z.Leiste()};
        if (bilder.size() == 30)
            test::Tour(test::Aufnahme(*z.w),
                       QStringLiteral("zeitpunkt_bsp%1_schritt%2_wanderung").arg(art).arg(schritt));
    };
    z.Schritt(schritt);
    Attrappen().beiWarte = {};

    // A second's pause, 15 frames of a tenth each up or down, 37 across, 15 back.
    QList<int> warten{1000};
    for (int i = 0; i < 67; ++i)
        warten << 100;
    if (pause > 0) warten << pause;
    QCOMPARE(Attrappen().wartezeiten, warten);

    const QStringList labels =
        borgen ? QStringList{"1h", "60min", "60min"} : QStringList{"60min", "1h", "1h"};
    const QStringList saetze{u.satz,
                             borgen ? "Die 1h wird abgezogen und in 60min verwandelt."
                                    : "Die 60min werden abgezogen und in 1h verwandelt.",
                             borgen ? "Die 60min werden zu den restlichen Minuten hinzugezählt."
                                    : "Die 1h wird zu den restlichen Stunden hinzugezählt."};
    const float dy = borgen ? 0.1f : -0.1f, dx = borgen ? 0.1f : -0.1f;
    for (int i = 0; i < 68; ++i) {
        const Bild& b = bilder[i];
        const int strecke = i <= 15 ? 0 : i <= 52 ? 1 : 2;
        // Nothing to press or choose while the label slides.
        QCOMPARE(b.leiste.left(Schrittzahl(art)), QString(Schrittzahl(art), u'd'));
        QVERIFY(!b.leiste.contains(u'G') && !b.leiste.contains(u'N'));
        QCOMPARE(b.text, saetze[strecke]);
        // The label has no text before it sets off.
        QCOMPARE(b.label, i == 0 ? QString() : labels[strecke]);
        const QPointF soll = strecke == 0 ? QPointF(start[0], start[1] + dy * i)
                             : strecke == 1
                                 ? QPointF(start[0] + dx * (i - 15), start[1] + 15 * dy)
                                 : QPointF(start[0] + 37 * dx, start[1] + 15 * dy - dy * (i - 52));
        QVERIFY2(qAbs(b.ort.x() - soll.x()) < 1e-3 && qAbs(b.ort.y() - soll.y()) < 1e-3,
                 qPrintable(QStringLiteral("wait %1: %2 %3").arg(i).arg(b.ort.x()).arg(b.ort.y())));
        // The row drops once half way up or down the first leg, and grows half way along
        // the last.
        QCOMPARE(b.zeile, zeilen[i < 8 ? 0 : i < 60 ? 1 : 2]);
    }
    if (pause > 0) QCOMPARE(bilder.last().label, QStringLiteral("weg"));
    QTEST(z.text(), "schluss");
    QCOMPARE(test::Zeilentext(*z.w->Stand().Zeile(start[2], start[3])), zeilen[2]);
    QCOMPARE(z.Leiste(), Leiste(schritt, Schrittzahl(art)));
}

// Each example starts from its own panel; a step button runs only the next step.
void TstZeitpunkt::knoepfe() {
    Zeitfenster z(2);
    for (int art : {4, 5, 2, 6, 3, 1}) {
        z.Waehle(art);
        QCOMPARE(z.w->Aufgabenart(), art);
        QCOMPARE(z.Leiste(), Leiste(0, Schrittzahl(art)));
    }
    // The program's own selection is no choice of the pupil's.
    z.gruppe()->SetzeItemIndex(1);
    QCOMPARE(z.w->Aufgabenart(), 1);
    z.Waehle(5);
    // A later button does nothing before its turn, an earlier one nothing after.
    Q_EMIT z.knopf(2)->clicked();
    QCOMPARE(z.w->Schritt(), 0);
    z.Schritt(1);
    Q_EMIT z.knopf(1)->clicked();
    Q_EMIT z.knopf(3)->clicked();
    QCOMPARE(z.w->Schritt(), 1);
    QCOMPARE(z.Leiste(), Leiste(1, 5));
    // All buttons clicked in turn, twice: the steps in their order, nothing past the last.
    for (int mal = 0; mal < 2; ++mal)
        for (int i = 1; i <= 8; ++i)
            Q_EMIT z.knopf(i)->clicked();
    QCOMPARE(z.w->Schritt(), 5);
    QCOMPARE(z.Leiste(), Leiste(5, 5));
    Q_EMIT z.nochmal()->clicked();
    QCOMPARE(z.Leiste(), Leiste(0, 5));
    QCOMPARE(z.w->Aufgabenart(), 5);

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
    QCOMPARE(z.gruppe()->ItemIndex(), 0);
    QCOMPARE(z.w->Schritt(), 0);
    QCOMPARE(z.Leiste(), Leiste(0, 4));
    QVERIFY(!z.w->Label().sichtbar);
    z.BisSchritt(2);
    QCOMPARE(z.w->Schritt(), 2);
}

// Clicks that arrive while a label slides run nothing; the next step runs once, after.
void TstZeitpunkt::klicksWaehrendDerWanderung() {
    Zeitfenster z(2, 4, {20, 35, 5, 10});
    z.BisSchritt(7);
    int klicks = 0;
    Attrappen().beiWarte = [&](int) {
        for (int i = 1; i <= 8; ++i)
            Q_EMIT z.knopf(i)->clicked();
        Q_EMIT z.nochmal()->clicked();
        Q_EMIT z.gruppe()->Click();
        ++klicks;
    };
    z.Schritt(8);
    Attrappen().beiWarte = {};
    QCOMPARE(klicks, 1 + 67 + 1);
    QCOMPARE(z.w->Schritt(), 8);
    QCOMPARE(z.w->Aufgabenart(), 4);
    QCOMPARE(z.Leiste(), Leiste(8, 8));
}

// After the last step another example can be chosen at once; it gets times of its own
// kind (one day after an overnight example) and its own panel.
void TstZeitpunkt::neueWahl() {
    Zeitfenster z(2, 5, {20, 35, 5, 10});
    z.BisSchritt(5);
    QCOMPARE(z.Leiste(), Leiste(5, 5));
    for (int mal = 0; mal < 20; ++mal) {
        z.Waehle(2);
        const TZugaufgabe& a = z.w->Beispiel();
        QCOMPARE(a.Aufgabenart, 2);
        QVERIFY(a.AnkunftStunde - a.AbfahrtStunde > 5);
        QCOMPARE(z.Leiste(), Leiste(0, 4));
        QCOMPARE(z.text(), Waehle);
        z.Waehle(5);
        QCOMPARE(z.Leiste(), Leiste(0, 5));
        QVERIFY(z.w->Beispiel().AbfahrtStunde >= 3 && z.w->Beispiel().AbfahrtStunde <= 20);
    }
    z.BisSchritt(2);
    QCOMPARE(z.Leiste(), Leiste(2, 5));
}

// The sliding label of example 4's second way is drawn at that way only, and the result
// row of the second way stands there whether or not it needed a borrow.
void TstZeitpunkt::labelEinmal_data() {
    QTest::addColumn<QList<int>>("zeiten");
    QTest::addColumn<bool>("borgt");
    QTest::newRow("borgt") << QList<int>{20, 35, 5, 10} << true;
    QTest::newRow("ab 20:00") << QList<int>{20, 0, 5, 10} << false;
}

void TstZeitpunkt::labelEinmal() {
    QFETCH(QList<int>, zeiten);
    QFETCH(bool, borgt);
    Zeitfenster z(2, 4, zeiten);
    z.BisSchritt(7);
    const QColor pink = QColor::fromRgb(fbPink);
    QImage unterwegs;
    Attrappen().beiWarte = [&](int) {
        if (Attrappen().wartezeiten.size() == 30) unterwegs = z.Bild();
    };
    z.Schritt(8);
    Attrappen().beiWarte = {};
    QCOMPARE(!unterwegs.isNull(), borgt);
    if (borgt) {
        // Across the top of the second way's minuend, as "60min", and nowhere else.
        QVERIFY(!Tinte(unterwegs, pink, 11, -3.4f, 17, -4.5f, 10).isEmpty());
        QVERIFY(Tinte(unterwegs, pink, -25, -1, 10, -12, 10).isEmpty());
        // Over the minuend the first rows are hidden meanwhile.
        QVERIFY(Tinte(unterwegs, Qt::black, 8, -2, 17, -3, 10).isEmpty());
    }
    const QImage bild = z.Bild();
    // The result of both ways in maroon, right-aligned at the minutes' column.
    for (float basis : {-14.0f, 12.0f}) {
        const QRect r = Tinte(bild, Rotbraun, basis - 4, -8, basis + 3.7f, -9, 20);
        QVERIFY2(!r.isEmpty(), qPrintable(QString::number(basis)));
        QVERIFY(r.right() <= X(basis + 3.7f) && r.right() >= X(basis + 3.7f) - 4);
    }
    QVERIFY(Tinte(bild, pink, -25, -1, 25, -12, 10).isEmpty());
    QCOMPARE(test::Spalte(z.w->Stand(), 12).last(),
             test::Zeilentext(Zeitpunktschritte(z.w->Beispiel()).back().ende.zeilen.back()));
}

KALMIRO_TEST_MAIN(TstZeitpunkt)
#include "tst_zeitpunkt.moc"

#include "draw/SchriftU.h"
#include "screens/dialoge/InformationenU.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Tastatur.h"
#include "tests/support/Testmain.h"
#include "tests/support/Zeichenpruefung.h"
#include "tests/support/Zugangspruefung.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>

using namespace kalmiro;

namespace {

struct Bild {
    const char* name;
    int seite;
    QRect ort;
    const char* thema; // what its name says it shows: the topic it stands beside
};

// clang-format off
// The pictures, their page and their box.
const Bild bilder[] = {
    {"img01", 1, {584, 24, 140, 177}, "Uhr"},
    {"img02", 1, {776, 168, 203, 143}, "Mond"},
    {"img03", 1, {648, 312, 112, 86}, "Sterne"},
    {"img04", 1, {832, 344, 160, 163}, "Mondphasen"},
    {"img05", 1, {744, 544, 148, 154}, "Schatten"},
    {"img06", 2, {856, 16, 141, 176}, "Wasseruhr"},
    {"img07", 2, {696, 120, 120, 120}, "Sonnenuhr"},
    {"img08", 2, {880, 216, 113, 209}, "Sanduhr"},
    {"img09", 2, {768, 336, 102, 211}, "Pendeluhr"},
    {"img10", 2, {872, 464, 147, 175}, "Quarzuhr"},
    {"img11", 2, {728, 560, 144, 98}, "Atomuhr"},
};
// clang-format on

const QString titel[] = {
    {}, QStringLiteral("Geschichte der Zeitmaße"), QStringLiteral("Entwicklung der Zeitmaße")};

struct Fenster {
    Fensterverbund verbund;
    TfrmInformation w{verbund};

    void Oeffnen(int seite = 1) {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (seite == 2) Menue("menMessgeraete");
    }
    void Menue(const char* name) { w.findChild<QAction*>(QLatin1String(name))->trigger(); }
    QLabel* bild(const char* name) { return w.findChild<QLabel*>(QLatin1String(name)); }
    // The pictures shown, in the order of the table.
    QStringList Sichtbar() {
        QStringList namen;
        for (const Bild& b : bilder)
            if (bild(b.name)->isVisible()) namen << QLatin1String(b.name);
        return namen;
    }
    // The drawn lines alone, without the pictures over them.
    QImage Text() {
        QImage text = test::Leinwand(1016, 722);
        w.Client()->render(&text, {}, {}, QWidget::DrawWindowBackground);
        return text;
    }
};

// What a pupil should see of a page: its caption and exactly its pictures, in place.
void PruefeSeite(Fenster& f, int seite) {
    QCOMPARE(f.w.windowTitle(), titel[seite]);
    QStringList erwartet;
    for (const Bild& b : bilder)
        if (b.seite == seite) erwartet << QLatin1String(b.name);
    QCOMPARE(f.Sichtbar(), erwartet);
    for (const Bild& b : bilder)
        QCOMPARE(f.bild(b.name)->geometry(), b.ort);
}

int Breite(const QString& zeile) {
    QImage leer(1, 1, QImage::Format_ARGB32);
    QPainter canvas(&leer);
    return TextWidthMarked(canvas, QString(zeile).remove(u'#'), 12, true);
}

const auto Schwarz = test::DunklerAls(60);

} // namespace

class TstInformation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aufbau();
    void seiten_data();
    void seiten();
    void jedeOeffnungBeginntAufSeite1();
    void zeilen_data();
    void zeilen();
    void farben_data();
    void farben();
    void zugang_data();
    void zugang();
    void seitenNurMitTastatur_data();
    void seitenNurMitTastatur();
    void scharfBeiDoppelterAufloesung();
};

void TstInformation::aufbau() {
    Fenster f;
    QCOMPARE(f.w.objectName(), QStringLiteral("frmInformation"));
    QCOMPARE(f.w.windowTitle(), QStringLiteral("Informationen"));
    QCOMPARE(f.w.ClientGroesse(), QSize(1016, 722));
    QCOMPARE(f.w.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
             Qt::WindowCloseButtonHint);
    QStringList menue;
    for (const QAction* a : f.w.menuBar()->actions())
        menue << a->objectName() + QLatin1Char(' ') + a->text();
    QCOMPARE(menue, (QStringList{QStringLiteral("menSchliessen Schließen"),
                                 QStringLiteral("menGeschichte Geschichte"),
                                 QStringLiteral("menMessgeraete Messgeräte")}));
    for (const Bild& b : bilder) {
        QLabel* bild = f.bild(b.name);
        QVERIFY2(bild, b.name);
        // Each picture fills its box; the second page waits hidden.
        QCOMPARE(bild->pixmap().size(), b.ort.size());
        QCOMPARE(bild->isHidden(), b.seite == 2);
    }
    QVERIFY(f.bild("img07")->hasScaledContents());
    f.Oeffnen();
    QCOMPARE(f.w.Client()->palette().color(QPalette::Window), QColor(255, 255, 255));
}

void TstInformation::seiten_data() {
    QTest::addColumn<QStringList>("menue");
    QTest::addColumn<int>("seite");
    QTest::newRow("geöffnet") << QStringList{} << 1;
    QTest::newRow("Messgeräte") << QStringList{"menMessgeraete"} << 2;
    QTest::newRow("Messgeräte, Geschichte") << QStringList{"menMessgeraete", "menGeschichte"} << 1;
}

void TstInformation::seiten() {
    QFETCH(QStringList, menue);
    QFETCH(int, seite);
    Fenster f;
    f.Oeffnen();
    for (const QString& m : menue)
        f.Menue(qPrintable(m));
    PruefeSeite(f, seite);
    // Painting twice decides nothing: what the menu showed stays shown.
    f.w.SofortZeichnen();
    f.w.SofortZeichnen();
    PruefeSeite(f, seite);
    test::Tour(test::Aufnahme(f.w), QStringLiteral("information_seite%1").arg(seite));
}

void TstInformation::jedeOeffnungBeginntAufSeite1() {
    Fenster f;
    f.Oeffnen();
    const QImage ersteSeite = f.Text();
    f.Menue("menMessgeraete");
    f.Menue("menSchliessen");
    QVERIFY(!f.w.isVisible());
    f.Oeffnen();
    PruefeSeite(f, 1);
    QCOMPARE(f.Text(), ersteSeite);
}

void TstInformation::zeilen_data() {
    QTest::addColumn<int>("seite");
    QTest::addColumn<int>("nummer");
    for (int seite : {1, 2})
        for (int i = 0; i < static_cast<int>(Seitenzeilen(seite).size()); ++i)
            QTest::addRow("Seite %d, y %d", seite, Seitenzeilen(seite)[i].y) << seite << i;
}

// Every line ends before whatever stands beside it (a picture, a piece of text on the
// same line) and inside the window, and is drawn where it was measured.
void TstInformation::zeilen() {
    QFETCH(int, seite);
    QFETCH(int, nummer);
    Fenster f;
    f.Oeffnen(seite);
    const Infozeile& z = Seitenzeilen(seite)[nummer];
    const QString text = QString::fromUtf16(z.text);
    const int hoehe = QFontMetrics(Arial(12, true)).height();
    const int ende = z.x + Breite(text);
    int grenze = f.w.ClientGroesse().width();
    for (const Bild& b : bilder)
        if (b.seite == seite && b.ort.top() < z.y + hoehe && b.ort.bottom() >= z.y)
            grenze = std::min(grenze, b.ort.left());
    for (const Infozeile& n : Seitenzeilen(seite))
        if (n.x > z.x && std::abs(n.y - z.y) < hoehe) grenze = std::min(grenze, n.x);
    QVERIFY2(
        ende < grenze,
        qPrintable(QStringLiteral("ends at %1, beside it %2: %3").arg(ende).arg(grenze).arg(text)));

    const QRect tinte =
        test::Umriss(f.Text(), test::Tinte, QRect(z.x, z.y + 3, grenze - z.x, hoehe - 6));
    QVERIFY(tinte.left() >= z.x && tinte.left() <= z.x + 2);
    QVERIFY2(tinte.right() < ende && tinte.right() >= ende - 4,
             qPrintable(QStringLiteral("ink to %1, measured %2").arg(tinte.right()).arg(ende)));
}

void TstInformation::farben_data() {
    QTest::addColumn<int>("seite");
    QTest::addColumn<QPoint>("ort");
    QTest::addColumn<QString>("davor");
    QTest::addColumn<QString>("markiert");
    QTest::addColumn<QColor>("farbe");
    // clang-format off
    QTest::newRow("Überschrift") << 1 << QPoint(10, 20) << "" << "Was ist Zeit?" << test::blau;
    QTest::newRow("Markierung im Satz") << 1 << QPoint(10, 440) << "Zyklus der " << "Mondphasen" << test::rot;
    QTest::newRow("Überschrift vor Gnomon") << 1 << QPoint(10, 550) << "" << "Der Schattenstab bzw. –zeiger" << test::blau;
    QTest::newRow("Gnomon") << 1 << QPoint(250, 550) << "(" << "Gnomon" << test::rot;
    QTest::newRow("Definition in Rot") << 2 << QPoint(10, 640) << "" << "Definition von 1 Sekunde" << test::rot;
    // clang-format on
}

// The marked words carry the highlight, the words before them are black.
void TstInformation::farben() {
    QFETCH(int, seite);
    QFETCH(QPoint, ort);
    QFETCH(QString, davor);
    QFETCH(QString, markiert);
    QFETCH(QColor, farbe);
    Fenster f;
    f.Oeffnen(seite);
    const QImage text = f.Text();
    const int von = ort.x() + Breite(davor);
    const int bis = von + Breite(markiert);
    const QRect farbig = test::Umriss(text, test::Etwa(farbe, 60), QRect(0, ort.y(), 1016, 18));
    QVERIFY2(farbig.left() >= von && farbig.right() < bis && farbig.width() > (bis - von) / 2,
             qPrintable(QStringLiteral("coloured ink from %1 to %2, word from %3 to %4")
                            .arg(farbig.left())
                            .arg(farbig.right())
                            .arg(von)
                            .arg(bis)));
    if (!davor.isEmpty())
        QVERIFY(!test::Umriss(text, Schwarz, QRect(ort.x(), ort.y(), von - ort.x(), 18)).isEmpty());
}

void TstInformation::zugang_data() {
    QTest::addColumn<int>("seite");
    QTest::addColumn<int>("zeile"); // of the text a screen reader reads
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("1: erste")        << 1 << 0  << "Was ist Zeit?";
    QTest::newRow("1: Markierungen") << 1 << 5  << "Das Sonnensystem war lange die Grundlage für Kalender und Tageszeit.";
    QTest::newRow("1: eine Zeile")   << 1 << 18 << "Der Schattenstab bzw. –zeiger (Gnomon)";
    QTest::newRow("2: letzte")       << 2 << 24 << "Dieser Übergang hat eine Frequenz von 9192631770 Hz. Dieser Wert ist seit 1967 alse Zeiteinheit für 1 Sekunde festgelegt.";
    // clang-format on
}

// A screen reader reads the page drawn, line by line from the top without the marks, and
// the pictures of the page by what they show.
void TstInformation::zugang() {
    QFETCH(int, seite);
    QFETCH(int, zeile);
    Fenster f;
    f.Oeffnen(seite);
    QCOMPARE(test::Name(f.w.Client()), titel[seite]);
    const QStringList text = test::Beschreibung(f.w.Client()).split(u'\n');
    QCOMPARE(text.size(), seite == 1 ? 22 : 25);
    QTEST(text.value(zeile), "text");
    QCOMPARE(test::Namenlos(f.w), QStringList());
    for (const Bild& b : bilder)
        if (b.seite == seite)
            QVERIFY2(test::Name(f.bild(b.name)).contains(QLatin1String(b.thema)), b.name);
}

void TstInformation::seitenNurMitTastatur_data() {
    QTest::addColumn<QStringList>("tasten"); // menu entries by their access keys; "" Escape
    QTest::addColumn<int>("seite");          // 0: closed
    QTest::addColumn<QStringList>("ansagen");
    // clang-format off
    QTest::newRow("Alt+M, Alt+G")  << QStringList{"Messgeräte", "Geschichte"} << 1 << QStringList{titel[2], titel[1]};
    QTest::newRow("Alt+M, Escape") << QStringList{"Messgeräte", ""} << 0 << QStringList{titel[2]};
    QTest::newRow("Alt+S")         << QStringList{"Schließen"} << 0 << QStringList{};
    // clang-format on
}

// The pages are switched and the window closed by keys alone; the page chosen is said.
void TstInformation::seitenNurMitTastatur() {
    QFETCH(QStringList, tasten);
    QFETCH(int, seite);
    test::Zugangsprotokoll protokoll;
    Fenster f;
    f.Oeffnen();
    f.w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.w));
    for (const QString& eintrag : tasten) {
        if (eintrag.isEmpty())
            test::Taste(Qt::Key_Escape);
        else
            QVERIFY(test::Menue(f.w, {eintrag}));
    }
    QTEST(protokoll.ansagen, "ansagen");
    QCOMPARE(f.w.isVisible(), seite != 0);
    if (seite != 0) PruefeSeite(f, seite);
}

// At 200 % the line under the menu, one pixel at 1:1, is two sharp device pixels, the text
// is drawn at the full resolution and the pictures stand in their doubled boxes.
void TstInformation::scharfBeiDoppelterAufloesung() {
    Fenster f;
    f.Oeffnen();
    const int unten = f.w.menuBar()->geometry().bottom();
    const QColor linie = test::Aufnahme(f.w).pixelColor(300, unten);
    const QString fehler =
        test::DoppeltScharf(f.w, QRect(10, unten + 20, 560, 120),
                            test::Strichprobe{{300, unten}, Qt::Vertical, linie, 1});
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

KALMIRO_TEST_MAIN(TstInformation)
#include "tst_information.moc"

#include "draw/FontU.h"
#include "draw/KoordSysU.h"
#include "draw/KoordU.h"
#include "draw/LinienU.h"
#include "draw/SchriftSysU.h"
#include "draw/SchriftU.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Zeichenpruefung.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTest>
#include <cmath>

using namespace kalmiro;
using namespace kalmiro::test;

namespace {

int Weite(const QString& text, int groesse, bool fett) {
    return QFontMetrics(Arial(groesse, fett)).horizontalAdvance(text);
}

// Plain Qt text with its top-left corner at the point, to compare the routines with.
void Schlicht(QPainter& canvas, const QString& text, int groesse, bool fett, int x, int y,
              const QColor& farbe = schwarz) {
    const QFont f = Arial(groesse, fett);
    canvas.setFont(f);
    canvas.setPen(farbe);
    canvas.drawText(QPoint(x, y + QFontMetrics(f).ascent()), text);
}

// The unit-conversion screen's mapping: 10 pixels per unit, world (0, 0) at (500, 300).
void Einheitenabbildung() {
    KSys = std::make_unique<TKSys>(-50, 50, -30, 30, 0, 1000, 0, 600);
}

// How many pixels of the area are within 30 of the colour in each channel.
int Anzahl(const QImage& bild, const QRect& bereich, const QColor& farbe) {
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            n += FarbeEtwa(bild, x, y, farbe, 30) ? 1 : 0;
    return n;
}
} // namespace

class TstSchrift : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void kleineGroesse_data();
    void kleineGroesse();
    void hochTief_data();
    void hochTief();
    void breiten_data();
    void breiten();
    void zweiFarben();
    void ausrichtung_data();
    void ausrichtung();
    void textMitKasten();
    void stiftUndSchriftBleiben();
    void sysFarben_data();
    void sysFarben();
    void symbol_data();
    void symbol();
    void symbolTabelle_data();
    void symbolTabelle();
    void sysText_data();
    void sysText();
    void bruch_data();
    void bruch();
    void gemischteZahlUndEinheit();
    void seltsameTexte_data();
    void seltsameTexte();
};

void TstSchrift::init() {
    InitWorld(-10, 10, -5, 5, 0, 400, 0, 200);
    InitMarkupPalette();
    Einheitenabbildung();
}

// clang-format off
void TstSchrift::kleineGroesse_data() {
    QTest::addColumn<int>("groesse");
    QTest::addColumn<int>("klein");
    QTest::newRow("7") << 7 << 5;
    QTest::newRow("10 (7,5 zur geraden 8)") << 10 << 8;
    QTest::newRow("12") << 12 << 9;
    QTest::newRow("14 (10,5 zur geraden 10)") << 14 << 10;
    QTest::newRow("16") << 16 << 12;
    QTest::newRow("20") << 20 << 15;
}
// clang-format on

void TstSchrift::kleineGroesse() {
    QFETCH(int, groesse);
    QTEST(KleineGroesse(groesse), "klein");
}

// clang-format off
void TstSchrift::hochTief_data() {
    QTest::addColumn<bool>("sys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("groesse");
    QTest::addColumn<int>("klein");
    QTest::addColumn<int>("hub"); // pixels below the line, negative above
    QTest::addColumn<int>("versatz");
    QTest::newRow("m^2 bei 12") << false << "m^2" << 12 << 9 << -4 << 0;
    QTest::newRow("m!2 bei 12") << false << "m!2" << 12 << 9 << 9 << 0;
    QTest::newRow("m^2 bei 20") << false << "m^2" << 20 << 15 << -7 << 0;
    QTest::newRow("m!2 bei 7") << false << "m!2" << 7 << 5 << 5 << 0;
    QTest::newRow("m^4 ohne Versatz") << false << "m^4" << 20 << 15 << -7 << 0;
    QTest::newRow("Sys m^2") << true << "m^2" << 20 << 15 << -7 << 0;
    QTest::newRow("Sys m\\2") << true << "m\\2" << 20 << 15 << 15 << 0;
    QTest::newRow("Sys m^4 rueckt 1 weiter") << true << "m^4" << 20 << 15 << -7 << 1;
    QTest::newRow("Sys m\\4 ohne Versatz") << true << "m\\4" << 20 << 15 << 15 << 0;
}
// clang-format on

// The marked character in the small size, lifted or lowered, directly after the m.
void TstSchrift::hochTief() {
    QFETCH(bool, sys);
    QFETCH(QString, text);
    QFETCH(int, groesse);
    QFETCH(int, klein);
    QFETCH(int, hub);
    QFETCH(int, versatz);
    const bool fett = sys;
    QImage bild = Leinwand(200, 100);
    QPainter canvas(&bild);
    if (sys)
        SysDrawText(canvas, text, 20, 30, groesse);
    else
        DrawMarkedText(canvas, text, 20, 30, schwarz, groesse, fett);
    canvas.end();

    QImage soll = Leinwand(200, 100);
    QPainter c2(&soll);
    Schlicht(c2, QStringLiteral("m"), groesse, fett, 20, 30);
    Schlicht(c2, text.right(1), klein, fett,
             20 + Weite(QStringLiteral("m"), groesse, fett) + versatz, 30 + hub);
    c2.end();
    QCOMPARE(bild, soll);
}

// clang-format off
void TstSchrift::breiten_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("groesse");
    QTest::addColumn<bool>("fett");
    QTest::addColumn<int>("soll");
    const int m12 = Weite(QStringLiteral("m"), 12, false);
    const int zwei9 = Weite(QStringLiteral("2"), 9, false);
    QTest::newRow("Marker ohne Breite") << "m^2" << 12 << false << m12 + zwei9;
    QTest::newRow("tief wie hoch") << "m!2" << 12 << false << m12 + zwei9;
    QTest::newRow("Marker gleich nach Marker") << "m^!2" << 12 << false << m12 + zwei9;
    QTest::newRow("Marker am Ende") << "m^" << 12 << false << m12;
    // In the one-colour routines '#' is a character like any other.
    QTest::newRow("# zaehlt") << "m#" << 12 << false << m12 + Weite(QStringLiteral("#"), 12, false);
    QTest::newRow("fett") << "12" << 12 << true
                          << Weite(QStringLiteral("1"), 12, true) + Weite(QStringLiteral("2"), 12, true);
    const QString lachen = QStringLiteral("\U0001F600");
    QTest::newRow("Emoji klein als ein Zeichen") << QString(u'^' + lachen) << 20 << false
                                                 << Weite(lachen, 15, false);
    QTest::newRow("leer") << "" << 12 << false << 0;
}
// clang-format on

void TstSchrift::breiten() {
    QFETCH(QString, text);
    QFETCH(int, groesse);
    QFETCH(bool, fett);
    QImage bild = Leinwand(10, 10);
    QPainter canvas(&bild);
    QTEST(TextWidthMarked(canvas, text, groesse, fett), "soll");
    // Measuring needs no canvas to draw on.
    QPainter untaetig;
    QTEST(TextWidthMarked(untaetig, text, groesse, fett), "soll");
}

void TstSchrift::zweiFarben() {
    const QString satz = QStringLiteral(
        "In den #1840-1860er Jahren# wurden in fast allen Europäischen Ländern landesweit "
        "einheitliche Zeitenzonen festgelegt.");
    QImage bild = Leinwand(1100, 60);
    QPainter canvas(&bild);
    DrawMarkedText2(canvas, satz, 10, 20, schwarz, rot, 12, true);
    canvas.end();

    // The years in red, from after "In den " to the end of "Jahren"; the rest black.
    const int von = 10 + TextWidthMarked(canvas, QStringLiteral("In den "), 12, true);
    const int bis =
        10 + TextWidthMarked(canvas, QStringLiteral("In den 1840-1860er Jahren"), 12, true);
    const QRect roteTinte = Umriss(bild, Etwa(rot, 60));
    QVERIFY(!roteTinte.isEmpty());
    QVERIFY2(roteTinte.left() >= von && roteTinte.right() < bis,
             qPrintable(QStringLiteral("%1..%2 not in %3..%4")
                            .arg(roteTinte.left())
                            .arg(roteTinte.right())
                            .arg(von)
                            .arg(bis)));
    QVERIFY(roteTinte.width() > (bis - von) * 3 / 4);
    QVERIFY(Umriss(bild, Etwa(schwarz, 60), QRect(von + 2, 0, bis - von - 4, 60)).isEmpty());
    QVERIFY(!Umriss(bild, Etwa(schwarz, 60), QRect(0, 0, von, 60)).isEmpty());
    QVERIFY(!Umriss(bild, Etwa(schwarz, 60), QRect(bis, 0, 1100 - bis, 60)).isEmpty());

    // The two '#' are not drawn and take no room: in one colour it is the plain sentence.
    QString ohne = satz;
    ohne.remove(u'#');
    QImage einfarbig = Leinwand(1100, 60), soll = Leinwand(1100, 60);
    QPainter c1(&einfarbig), c2(&soll);
    DrawMarkedText2(c1, satz, 10, 20, schwarz, schwarz, 12, true);
    DrawMarkedText(c2, ohne, 10, 20, schwarz, 12, true);
    c1.end();
    c2.end();
    QCOMPARE(einfarbig, soll);

    // The information window's routine draws exactly the same.
    QImage info = Leinwand(1100, 60);
    QPainter c3(&info);
    FontTextOut(c3, 10, 20, satz, schwarz, rot, 12, true);
    c3.end();
    QCOMPARE(info, bild);
}

void TstSchrift::ausrichtung_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("wie"); // 0 left, 1 centre, 2 right
    for (const QString& t : {QStringLiteral("12"), QStringLiteral("1"), QStringLiteral("Zeit"),
                             QStringLiteral("m^2")}) {
        QTest::addRow("links %s", qPrintable(t)) << t << 0;
        QTest::addRow("mitte %s", qPrintable(t)) << t << 1;
        QTest::addRow("rechts %s", qPrintable(t)) << t << 2;
    }
}

// Left at the mapped point (200, 100), centred from it minus half the width rounded
// towards zero, right-aligned ending exactly at it.
void TstSchrift::ausrichtung() {
    QFETCH(QString, text);
    QFETCH(int, wie);
    QImage bild = Leinwand(400, 200);
    QPainter canvas(&bild);
    canvas.setBrush(Qt::red); // the routines clear it: no background behind the text
    if (wie == 0) TextLeft(canvas, text, 0, 0, schwarz, 12, true);
    if (wie == 1) TextCentre(canvas, text, 0, 0, schwarz, 12, true);
    if (wie == 2) TextRight(canvas, text, 0, 0, schwarz, 12, true);
    QCOMPARE(canvas.brush().style(), Qt::NoBrush);
    canvas.end();

    const int w = TextWidthMarked(canvas, text, 12, true);
    const int x = wie == 0 ? 200 : wie == 1 ? 200 - w / 2 : 200 - w;
    QImage soll = Leinwand(400, 200);
    QPainter c2(&soll);
    DrawMarkedText(c2, text, x, 100, schwarz, 12, true);
    c2.end();
    QCOMPARE(bild, soll);
}

void TstSchrift::textMitKasten() {
    QImage bild = Leinwand(400, 200);
    QPainter canvas(&bild);
    const QColor gelb(255, 255, 0);
    TextCentreBox(canvas, QStringLiteral("12"), 0, 0, schwarz, gelb, 12, true);
    const int w = TextWidthMarked(canvas, QStringLiteral("12"), 12, true);
    const int h = QFontMetrics(Arial(12, true)).height();
    // The pen is left clear and the brush solid; a circle drawn next has no outline.
    QCOMPARE(canvas.pen().style(), Qt::NoPen);
    QCOMPARE(canvas.brush().style(), Qt::SolidPattern);
    DrawCircle(canvas, 1, schwarz, 5, 0, 1, rot, true);
    canvas.end();

    QCOMPARE(Umriss(bild, Etwa(gelb, 0)),
             QRect(QPoint(200 - w / 2 - 2, 99), QPoint(200 + w / 2 + 1, 100 + h)));
    const QRect tinte = Umriss(bild, Etwa(schwarz, 60), QRect(150, 80, 100, 40));
    QVERIFY(!tinte.isEmpty());
    QVERIFY(tinte.left() >= 200 - w / 2 && tinte.right() < 200 + w / 2 + 1);
    QVERIFY(Umriss(bild, Etwa(schwarz, 10), QRect(270, 70, 60, 60)).isEmpty());
    QVERIFY(FarbeEtwa(bild, 300, 100, rot));
}

// Text takes its colour without taking the pen: lines drawn after it keep theirs.
void TstSchrift::stiftUndSchriftBleiben() {
    QImage bild = Leinwand(200, 100);
    QPainter canvas(&bild);
    const QPen stift(Qt::blue, 5, Qt::DashLine);
    canvas.setPen(stift);
    DrawMarkedText(canvas, QStringLiteral("a^2"), 10, 10, rot, 14, false);
    QCOMPARE(canvas.pen(), stift);
    QCOMPARE(canvas.font().pixelSize(), Arial(14, false).pixelSize());
    QCOMPARE(canvas.font().bold(), false);
    DrawMarkedText2(canvas, QStringLiteral("#a#b"), 10, 10, rot, schwarz, 14, true);
    SysDrawText(canvas, QStringLiteral("@p^2#x"), 10, 50, 20);
    QCOMPARE(canvas.pen(), stift);
    QCOMPARE(canvas.font().pixelSize(), Arial(20, true).pixelSize());
    QCOMPARE(canvas.backgroundMode(), Qt::TransparentMode);
}

// clang-format off
void TstSchrift::sysFarben_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("basis"); // invalid: SysDrawText, black
    QTest::addColumn<QList<QColor>>("farben");
    const QColor leer;
    QTest::newRow("# ein und aus") << "H#H#H" << leer << QList<QColor>{schwarz, pink, schwarz};
    QTest::newRow("$ beendet #") << "H#H$H" << leer << QList<QColor>{schwarz, pink, schwarz};
    QTest::newRow("_") << "H_H" << leer << QList<QColor>{schwarz, QColor(102, 153, 51)};
    QTest::newRow("~") << "H~H" << leer << QList<QColor>{schwarz, QColor(102, 51, 255)};
    QTest::newRow("$") << "H$H" << leer << QList<QColor>{schwarz, QColor(153, 0, 153)};
    QTest::newRow("§") << QStringLiteral("H§H") << leer << QList<QColor>{schwarz, QColor(153, 102, 51)};
    QTest::newRow("&") << "H&H" << leer << QList<QColor>{schwarz, QColor(255, 102, 0)};
    QTest::newRow("Marker vor hoch") << "H#^HH" << leer << QList<QColor>{schwarz, pink, pink};
        QTest::newRow("C mit eigener Basis") << "H#H#H" << blau << QList<QColor>{blau, pink, blau};
    QTest::newRow("C zweiter Marker") << "H&H_H" << blau << QList<QColor>{blau, QColor(255, 102, 0), blau};
}
// clang-format on

void TstSchrift::sysFarben() {
    QFETCH(QString, text);
    QFETCH(QColor, basis);
    QFETCH(QList<QColor>, farben);
    QImage bild = Leinwand(300, 80);
    QPainter canvas(&bild);
    if (basis.isValid())
        SysDrawTextC(canvas, text, 10, 20, basis, 20, true);
    else
        SysDrawText(canvas, text, 10, 20, 20);
    canvas.end();

    // Each H in its own cell; a raised one is narrower but starts where its cell does.
    int x = 10;
    const int weite = Weite(QStringLiteral("H"), 20, true);
    for (int k = 0; k < farben.size(); ++k) {
        const QRect zelle(x + 2, 10, weite - 4, 50);
        QVERIFY2(Anzahl(bild, zelle, farben[k]) > 15, qPrintable(QString::number(k)));
        for (const QColor& andere : farben)
            if (andere != farben[k]) QCOMPARE(Anzahl(bild, zelle, andere), 0);
        x += weite;
    }
}

// clang-format off
void TstSchrift::symbol_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("vorn"); // plain text before the Greek letter
    QTest::addColumn<QString>("griechisch");
    QTest::addColumn<int>("hub");
    QTest::newRow("p ist pi, 4 hoeher") << "@p" << "" << QStringLiteral("π") << 4;
    QTest::newRow("a ist alpha, 2 hoeher") << "@a" << "" << QStringLiteral("α") << 2;
    QTest::newRow("W ist Omega") << "@W" << "" << QStringLiteral("Ω") << 2;
    QTest::newRow("nach Text") << "x@p" << "x" << QStringLiteral("π") << 4;
    QTest::newRow("Farbmarker dazwischen") << "@#p" << "" << QStringLiteral("π") << 4;
}
// clang-format on

// In a font that has the letter, two points larger, lifted; then back to the size.
void TstSchrift::symbol() {
    QFETCH(QString, text);
    QFETCH(QString, vorn);
    QFETCH(QString, griechisch);
    QFETCH(int, hub);
    QImage bild = Leinwand(200, 100);
    QPainter canvas(&bild);
    SysDrawText(canvas, text, 20, 30, 20);
    SysDrawText(canvas, text + u'x', 20, 60, 20);
    canvas.end();

    QImage soll = Leinwand(200, 100);
    QPainter c2(&soll);
    const int v = Weite(vorn, 20, true);
    const int g = Weite(griechisch, 22, true);
    for (int y : {30, 60}) {
        Schlicht(c2, vorn, 20, true, 20, y);
        Schlicht(c2, griechisch, 22, true, 20 + v, y - hub, text.contains(u'#') ? pink : schwarz);
    }
    Schlicht(c2, QStringLiteral("x"), 20, true, 20 + v + g, 60,
             text.contains(u'#') ? pink : schwarz);
    c2.end();
    QCOMPARE(bild, soll);
    QCOMPARE(SysTextWidth(canvas, text, 20), v + g);

    // A Greek letter, not the Latin one at its place: pi has no descender.
    if (griechisch == QStringLiteral("π")) {
        const QRect tinte = Umriss(bild, Tinte, QRect(20 + v, 0, g, 50));
        QVERIFY(tinte.bottom() <= 30 - hub + QFontMetrics(Arial(22, true)).ascent());
    }
}

// clang-format off
void TstSchrift::symbolTabelle_data() {
    QTest::addColumn<QChar>("zeichen");
    QTest::addColumn<QChar>("unicode");
    QTest::newRow("p") << QChar(u'p') << QChar(u'π');
    QTest::newRow("a") << QChar(u'a') << QChar(u'α');
    QTest::newRow("b") << QChar(u'b') << QChar(u'β');
    QTest::newRow("D") << QChar(u'D') << QChar(u'Δ');
    QTest::newRow("m") << QChar(u'm') << QChar(u'μ');
    QTest::newRow("w") << QChar(u'w') << QChar(u'ω');
    QTest::newRow("Ziffer bleibt") << QChar(u'1') << QChar(u'1');
    QTest::newRow("Grad bleibt") << QChar(u'°') << QChar(u'°');
    QTest::newRow("Zeichen 0xB4 mal") << QChar(0xB4) << QChar(u'×');
    QTest::newRow("ausserhalb bleibt") << QChar(u'Ж') << QChar(u'Ж');
}
// clang-format on

void TstSchrift::symbolTabelle() {
    QFETCH(QChar, zeichen);
    QTEST(SymbolNachUnicode(zeichen), "unicode");
}

void TstSchrift::sysText_data() {
    QTest::addColumn<char>("h");
    QTest::addColumn<char>("v");
    const char hs[] = {'L', 'M', 'R'};
    const char vs[] = {'O', 'M', 'U'};
    for (char h : hs)
        for (char v : vs)
            QTest::addRow("%c%c", h, v) << h << v;
}

// At world (0, 0), pixel (500, 300), for each pair of codes.
void TstSchrift::sysText() {
    QFETCH(char, h);
    QFETCH(char, v);
    const QString text = QStringLiteral("12");
    QImage bild = Leinwand(1000, 600);
    QPainter canvas(&bild);
    const float weite = SysText(canvas, text, 20, 0, 0, h, v);
    canvas.end();

    const int w = Weite(QStringLiteral("1"), 20, true) + Weite(QStringLiteral("2"), 20, true);
    const int hoehe = QFontMetrics(Arial(20, true)).height();
    const float sollWeite = h == 'L' ? w / 10.0f : h == 'M' ? w / 20.0f : 0.0f;
    QCOMPARE(weite, sollWeite);
    const int x = h == 'L' ? 500 : h == 'M' ? 500 - w / 2 : 500 - w;
    // Top at y, half the height above it, or the whole height above it.
    const int y = v == 'O'   ? 300
                  : v == 'U' ? 300 - hoehe
                             : static_cast<int>(std::nearbyint(300 - hoehe / 2.0));
    QImage soll = Leinwand(1000, 600);
    QPainter c2(&soll);
    SysDrawText(c2, text, x, y, 20);
    c2.end();
    QCOMPARE(bild, soll);
}

// clang-format off
void TstSchrift::bruch_data() {
    QTest::addColumn<char>("code");
    QTest::newRow("L") << 'L';
    QTest::newRow("M") << 'M';
}
// clang-format on

// 1 over 12 at world (0, 0): the bar as wide as "12" lies on row 300.
void TstSchrift::bruch() {
    QFETCH(char, code);
    QImage bild = Leinwand(1000, 600);
    QPainter canvas(&bild);
    const QColor farbe(0, 120, 0);
    const float ergebnis =
        SysFraction(canvas, QStringLiteral("1"), QStringLiteral("12"), 0, 0, 20, farbe, code);
    canvas.end();

    const int w12 = Weite(QStringLiteral("1"), 20, true) + Weite(QStringLiteral("2"), 20, true);
    const float soll = code == 'L' ? (w12 + 3) / 10.0f : (w12 / 2.0f + 3) / 10.0f;
    QVERIFY2(std::abs(ergebnis - soll) < 1e-5f,
             qPrintable(QStringLiteral("%1 %2").arg(ergebnis).arg(soll)));
    QCOMPARE(SysFractionWidth(canvas, QStringLiteral("1"), QStringLiteral("12"), 20, code),
             ergebnis);

    const int links = code == 'L' ? 500 : 500 - w12 / 2;
    const int mitte = links + w12 / 2;
    for (int x = links + 2; x <= links + w12 - 2; ++x)
        for (int y = 299; y <= 301; ++y)
            QVERIFY2(FarbeEtwa(bild, x, y, farbe),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    // Numerator on the bar, denominator under it, both centred on it.
    const QRect oben = Umriss(bild, Etwa(farbe, 60), QRect(0, 0, 1000, 298));
    const QRect unten = Umriss(bild, Etwa(farbe, 60), QRect(0, 303, 1000, 297));
    QVERIFY(!oben.isEmpty() && !unten.isEmpty());
    QVERIFY(oben.bottom() < 299 && oben.bottom() > 290);
    QVERIFY(unten.top() > 301 && unten.top() < 312);
    QVERIFY2(std::abs(oben.center().x() - mitte) <= 2,
             qPrintable(QString::number(oben.center().x())));
    QVERIFY2(std::abs(unten.center().x() - mitte) <= 2,
             qPrintable(QString::number(unten.center().x())));
}

void TstSchrift::gemischteZahlUndEinheit() {
    QImage bild = Leinwand(1000, 600);
    QPainter canvas(&bild);
    const QColor farbe(0, 120, 0);
    const float gemischt = SysMixed(canvas, QStringLiteral("2"), QStringLiteral("3"),
                                    QStringLiteral("4"), 0, 0, 20, farbe);
    QCOMPARE(gemischt, SysMixedWidth(canvas, QStringLiteral("2"), QStringLiteral("3"),
                                     QStringLiteral("4"), 20));
    const float mitEinheit = SysFractionUnit(canvas, QStringLiteral("1"), QStringLiteral("2"), 0,
                                             -10, 20, farbe, QStringLiteral("h"));
    QCOMPARE(mitEinheit, SysFractionUnitWidth(canvas, QStringLiteral("1"), QStringLiteral("2"), 20,
                                              QStringLiteral("h")));
    canvas.end();

    // The whole number in black left of the fraction, the fraction in the colour after it.
    const int ganz = Weite(QStringLiteral("2"), 20, true) + Weite(QStringLiteral(" "), 20, true);
    const QRect schwarzeTinte = Umriss(bild, Etwa(schwarz, 60), QRect(480, 250, 100, 100));
    // The numerator only: the bar's round end reaches a pixel further left.
    const QRect farbigeTinte = Umriss(bild, Etwa(farbe, 40), QRect(480, 250, 100, 48));
    QVERIFY(!schwarzeTinte.isEmpty() && !farbigeTinte.isEmpty());
    QVERIFY(schwarzeTinte.right() < 500 + ganz);
    QVERIFY(farbigeTinte.left() >= 500 + ganz);
    // The unit after the fraction, in black, halfway up it.
    const QRect einheit = Umriss(bild, Etwa(schwarz, 60), QRect(480, 350, 100, 100));
    QVERIFY(!einheit.isEmpty());
    QVERIFY(std::abs(einheit.center().y() - 400) <= 8);
}

// clang-format off
void TstSchrift::seltsameTexte_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("leer") << QString();
    QTest::newRow("nur Marker") << QStringLiteral("^!#@\\_~$§&");
    QTest::newRow("Marker am Ende") << QStringLiteral("a^");
    QTest::newRow("halbes Surrogat") << QString(QChar(0xD800));
    QTest::newRow("Emoji") << QStringLiteral("@\U0001F600^\U0001F600");
    QTest::newRow("sehr lang") << QString(5000, u'W') + QStringLiteral("^2");
}
// clang-format on

// Whatever the text and the size, every routine measures and draws without harm, on an
// active canvas, on one that is not, and without the coordinate object.
void TstSchrift::seltsameTexte() {
    QFETCH(QString, text);
    QImage bild = Leinwand(300, 100);
    QPainter aktiv(&bild);
    QPainter untaetig;
    for (QPainter* c : {&aktiv, &untaetig}) {
        for (int groesse : {0, -5, 12, 300}) {
            TextWidthMarked(*c, text, groesse, true);
            DrawMarkedText2(*c, text, 0, 0, schwarz, rot, groesse, false);
            TextCentreBox(*c, text, 0, 0, schwarz, rot, groesse, true);
            TextRight(*c, text, 0, 0, schwarz, groesse, true);
            SysDrawTextC(*c, text, 0, 0, rot, groesse, false);
            SysMixed(*c, text, text, text, 0, 0, groesse, rot);
            SysFractionUnit(*c, text, text, 0, 0, groesse, rot, text);
        }
    }
    KSys.reset();
    QCOMPARE(SysText(aktiv, text, 12, 0, 0, 'L', 'O'), 0.0f);
    QCOMPARE(SysFraction(aktiv, text, text, 0, 0, 12, rot, 'M'), 0.0f);
    QCOMPARE(SysTextWidthW(aktiv, text, 12), 0.0f);
    aktiv.end();
}

QTEST_MAIN(TstSchrift)
#include "tst_schrift.moc"

#include "core/FarbenU.h"
#include "core/TexteU.h"

#include <QTest>

using namespace kalmiro;

class TstTexte : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fuehrendeNullen_data();
    void fuehrendeNullen();
    void endNullen_data();
    void endNullen();
    void kurzformenSchneidenBei40();
    void zeitSummeUndDifferenz();
    void quotientStundenMinuten_data();
    void quotientStundenMinuten();
    void zeitInKleinereEinheit_data();
    void zeitInKleinereEinheit();
    void zeittexte_data();
    void zeittexte();
    void zeittexteSchneidenBei20();
    void bruchTeilen();
    void ggT_data();
    void ggT();
    void schlechteEingabenStuerzenNicht();
    void palette();
};

// clang-format off
void TstTexte::fuehrendeNullen_data() {
    QTest::addColumn<QString>("ein");
    QTest::addColumn<QString>("aus");
    QTest::newRow("0") << "0" << "0";
    QTest::newRow("0000") << "0000" << "0";
    QTest::newRow("007") << "007" << "7";
    QTest::newRow(",25") << ",25" << "0,25";
    QTest::newRow("00,25") << "00,25" << "0,25";
    QTest::newRow("0,5 bleibt") << "0,5" << "0,5";
    QTest::newRow("0,000 bleibt") << "0,000" << "0,000";
    QTest::newRow("leer") << "" << "0";
    QTest::newRow("0180") << "0180" << "180";
    QTest::newRow("012h0min3s") << "012h0min3s" << "12h0min3s";
    QTest::newRow("innere Nullen") << "100" << "100";
}
// clang-format on

void TstTexte::fuehrendeNullen() {
    QFETCH(QString, ein);
    QFETCH(QString, aus);
    QCOMPARE(FuehrendeNullen(ein), aus);
    QCOMPARE(FuehrendeNullenLang(ein), aus);
}

// clang-format off
void TstTexte::endNullen_data() {
    QTest::addColumn<QString>("ein");
    QTest::addColumn<QString>("aus");
    QTest::newRow("2,50") << "2,50" << "2,5";
    QTest::newRow("3,000") << "3,000" << "3";
    QTest::newRow("120 ohne Komma") << "120" << "120";
    QTest::newRow("0,0") << "0,0" << "0";
    QTest::newRow(",0") << ",0" << "";
    QTest::newRow("0,10") << "0,10" << "0,1";
    QTest::newRow("180,0") << "180,0" << "180";
    QTest::newRow("leer") << "" << "";
    QTest::newRow("nur Komma") << "," << "";
}
// clang-format on

void TstTexte::endNullen() {
    QFETCH(QString, ein);
    QFETCH(QString, aus);
    QCOMPARE(EndNullen(ein), aus);
    QCOMPARE(EndNullenLang(ein), aus);
}

void TstTexte::kurzformenSchneidenBei40() {
    // 45 zeros then "7": the short form sees only the first 40 zeros.
    const QString lang = QString(45, u'0') + QStringLiteral("7");
    QCOMPARE(FuehrendeNullen(lang), QStringLiteral("0"));
    QCOMPARE(FuehrendeNullenLang(lang), QStringLiteral("7"));
    const QString komma = QStringLiteral("1,") + QString(38, u'5') + QStringLiteral("000");
    QCOMPARE(EndNullen(komma).size(), 40);
    QCOMPARE(EndNullenLang(komma), QStringLiteral("1,") + QString(38, u'5'));
}

void TstTexte::zeitSummeUndDifferenz() {
    int h = 0, m = 0;
    ZeitSumme(1, 45, 2, 30, h, m);
    QCOMPARE(h, 4);
    QCOMPARE(m, 15);
    ZeitSumme(23, 30, 2, 10, h, m); // no wrap at 24 hours
    QCOMPARE(h, 25);
    QCOMPARE(m, 40);
    ZeitSumme(0, 30, 0, 30, h, m);
    QCOMPARE(h, 1);
    QCOMPARE(m, 0);
    ZeitDifferenz(8, 50, 10, 15, h, m);
    QCOMPARE(h, 1);
    QCOMPARE(m, 25);
    ZeitDifferenz(22, 0, 30, 0, h, m);
    QCOMPARE(h, 8);
    QCOMPARE(m, 0);
}

// clang-format off
void TstTexte::quotientStundenMinuten_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("m");
    QTest::newRow("1700/850") << 1700 << 850 << 2 << 0;
    QTest::newRow("1000/850") << 1000 << 850 << 1 << 11;
    QTest::newRow("17795/850") << 17795 << 850 << 20 << 56;
    // 59.5 minutes of rest rounds to 60, which is kept as 59
    QTest::newRow("599/600 wird 59") << 599 << 600 << 0 << 59;
    // a rest of exactly 0.5 minute goes to the even neighbour
    QTest::newRow("halbe Minute") << 1 << 120 << 0 << 0;
    QTest::newRow("anderthalb") << 3 << 120 << 0 << 2;
    QTest::newRow("durch 0") << 5 << 0 << 0 << 0;
}
// clang-format on

void TstTexte::quotientStundenMinuten() {
    QFETCH(int, a);
    QFETCH(int, b);
    int h = -1, m = -1;
    QuotientStundenMinuten(a, b, h, m);
    QTEST(h, "h");
    QTEST(m, "m");
}

// clang-format off
void TstTexte::zeitInKleinereEinheit_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("wert");
    QTest::newRow("2h 5min") << "2h 5min" << 125;
    QTest::newRow("5min 30s") << "5min 30s" << 330;
    QTest::newRow("3h 45min") << "3h 45min" << 225;
    QTest::newRow("7min 38s") << "7min 38s" << 458;
    QTest::newRow("nur h") << "4h" << 240;
    QTest::newRow("nur min") << "4min" << 240;
    QTest::newRow("leer") << "" << 0;
    QTest::newRow("Unsinn") << "abc" << 0;
}
// clang-format on

void TstTexte::zeitInKleinereEinheit() {
    QFETCH(QString, text);
    QTEST(ZeitInKleinereEinheit(text), "wert");
}

// clang-format off
void TstTexte::zeittexte_data() {
    QTest::addColumn<QString>("routine");
    QTest::addColumn<QString>("ein");
    QTest::addColumn<QString>("aus");
    QTest::newRow("Leerzeichen 2h5min") << "E" << "2h5min" << "2h 5min ";
    QTest::newRow("Leerzeichen 1d0h5min9s") << "E" << "1d0h5min9s" << "1d 0h 5min 9s";
    QTest::newRow("Leerzeichen 12h0min3s") << "E" << "12h0min3s" << "12h 0min 3s";
    QTest::newRow("Leerzeichen ohne Einheit") << "E" << "42" << "42";
    QTest::newRow("Uhrzeit 8:5") << "U" << "8:5" << "8:05";
    QTest::newRow("Uhrzeit 14:30") << "U" << "14:30" << "14:30";
    QTest::newRow("Uhrzeit ohne Doppelpunkt") << "U" << "7" << "07";
    QTest::newRow("StdMin 8h 5min") << "S" << "8h 5min" << "8h05min";
    QTest::newRow("StdMin 12h 45min") << "S" << "12h 45min" << "12h45min";
    QTest::newRow("LeerNachStunde") << "L" << "8h05min" << "8h 05min";
    QTest::newRow("LeerNachStunde ohne h") << "L" << "805" << "805";
}
// clang-format on

void TstTexte::zeittexte() {
    QFETCH(QString, routine);
    QFETCH(QString, ein);
    QFETCH(QString, aus);
    QString ist;
    if (routine == u"E") ist = EinheitenLeerzeichen(ein);
    if (routine == u"U") ist = UhrzeitMinutenZweistellig(ein);
    if (routine == u"S") ist = StundenMinutenZweistellig(ein);
    if (routine == u"L") ist = LeerNachStunde(ein);
    QCOMPARE(ist, aus);
}

void TstTexte::zeittexteSchneidenBei20() {
    const QString lang = QString(30, u'1') + QStringLiteral("h5min");
    QCOMPARE(EinheitenLeerzeichen(lang), QString(20, u'1'));
    QCOMPARE(LeerNachStunde(QString(19, u'2') + QStringLiteral("h")), QString(19, u'2') + u'h');
    QVERIFY(LeerNachStunde(QString(19, u'2') + QStringLiteral("h5")).size() <= 20);
    QVERIFY(StundenMinutenZweistellig(QString(40, u'9')).size() <= 20);
    QVERIFY(UhrzeitMinutenZweistellig(QString(40, u':')).size() <= 20);
    QCOMPARE(ZweiStellig(5), QStringLiteral("05"));
    QCOMPARE(ZweiStellig(0), QStringLiteral("00"));
    QCOMPARE(ZweiStellig(10), QStringLiteral("10"));
}

void TstTexte::bruchTeilen() {
    QString z, n;
    BruchTeilen(u"2/6", z, n);
    QCOMPARE(z, QStringLiteral("2"));
    QCOMPARE(n, QStringLiteral("6"));
    BruchTeilen(u"17", z, n);
    QCOMPARE(z, QString());
    QCOMPARE(n, QStringLiteral("17"));
    BruchTeilen(u"1/2/3", z, n);
    QCOMPARE(z, QStringLiteral("1"));
    QCOMPARE(n, QStringLiteral("2/3"));
    BruchTeilen(u"/", z, n);
    QVERIFY(z.isEmpty() && n.isEmpty());
}

// clang-format off
void TstTexte::ggT_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("g");
    QTest::newRow("12 8") << 12 << 8 << 4;
    QTest::newRow("7 0") << 7 << 0 << 1;
    QTest::newRow("8 12") << 8 << 12 << 4;
    QTest::newRow("-12 8") << -12 << 8 << 4;
    QTest::newRow("0 5") << 0 << 5 << 5;
    QTest::newRow("teilerfremd") << 7 << 60 << 1;
    QTest::newRow("45 60") << 45 << 60 << 15;
}
// clang-format on

void TstTexte::ggT() {
    QFETCH(int, a);
    QFETCH(int, b);
    QTEST(kalmiro::ggT(a, b), "g");
}

void TstTexte::schlechteEingabenStuerzenNicht() {
    const QString eingaben[] = {QString(),
                                QString(1000, u'x'),
                                QString(1000, u'9'),
                                QString(1000, u'0'),
                                QStringLiteral("h:min/s,d"),
                                QString(1000, u','),
                                QStringLiteral("-2147483648h 99999999999min")};
    for (const QString& e : eingaben) {
        QVERIFY(FuehrendeNullen(e).size() <= 40);
        QVERIFY(EndNullen(e).size() <= 40);
        QCOMPARE(FuehrendeNullenLang(e).size() <= qMax<qsizetype>(e.size(), 1) + 1, true);
        (void)EndNullenLang(e);
        QVERIFY(EinheitenLeerzeichen(e).size() <= 20);
        QVERIFY(UhrzeitMinutenZweistellig(e).size() <= 20);
        QVERIFY(StundenMinutenZweistellig(e).size() <= 20);
        QVERIFY(LeerNachStunde(e).size() <= 20);
        (void)ZeitInKleinereEinheit(e);
        QString z, n;
        BruchTeilen(e, z, n);
        QCOMPARE(ZeichenEntfernen(e, u'x').contains(u'x'), false);
    }
    QCOMPARE(ZahlLesen(u"99999999999999999999"), 999999999);
    QCOMPARE(ZahlLesen(u"  -12abc"), -12);
}

void TstTexte::palette() {
    FarbenSetzen();
    QCOMPARE(fbPink, Rgb(255, 0, 102));
    QCOMPARE(fbNachtblau, Rgb(40, 30, 116));
    QCOMPARE(fbKornblau, Rgb(100, 149, 237));
    QCOMPARE(fbBraun, Rgb(153, 102, 51));
    QVERIFY(IstFarbe(fbGrau240));
    QVERIFY(!IstFarbe(KeineFarbe));
}

QTEST_GUILESS_MAIN(TstTexte)
#include "tst_texte.moc"

#include "core/ZonenU.h"

#include <QDateTime>
#include <QTest>
#include <climits>

using namespace kalmiro;

namespace {

QDateTime Utc(int jahr, int monat, int tag, int h, int m, int s) {
    return QDateTime(QDate(jahr, monat, tag), QTime(h, m, s), Qt::UTC);
}

} // namespace

class TstZonen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void texteJeZone();
    void heimatzeit_data();
    void heimatzeit();
    void ohneZonendatenMEZ();
};

// Every whole-hour zone but home has a title naming its offset and one to three lines;
// of the rest only the other zones have texts, Iran and Afghanistan at their true offsets.
void TstZonen::texteJeZone() {
    for (int code : {INT_MIN, -40, -30, -20, -15, -11, -10, -1, 0, 1, 2, 12, 13, INT_MAX}) {
        const Zonentexte* t = TexteDerZone(code);
        QCOMPARE(IstStundenzone(code), code >= -10 && code <= 12 && code != 1);
        QCOMPARE(t != nullptr, IstStundenzone(code) || code == AndereZonen);
    }
    for (int code = -10; code <= 12; ++code) {
        if (code == 1) continue;
        const Zonentexte* t = TexteDerZone(code);
        const QString titel = code == 0 ? QStringLiteral("Länder für die westeuropäische Zeitzone")
                                        : QStringLiteral("Länder für die Zeitzone %1%2h")
                                              .arg(code > 0 ? QStringLiteral("+") : QString())
                                              .arg(code);
        QCOMPARE(t->titel, titel);
        QVERIFY(!t->zeilen.isEmpty() && t->zeilen.size() <= 3);
    }
    const QStringList andere = TexteDerZone(AndereZonen)->zeilen;
    QCOMPARE(andere.size(), 9);
    QCOMPARE(andere[0], QStringLiteral("3:30 Iran"));
    QCOMPARE(andere[1], QStringLiteral("4:30 Afghanistan"));
    QCOMPARE(andere[8], QStringLiteral("12:45 Neuseeland (teilweise"));
    QCOMPARE(TexteDerHeimatzone(false).zeilen.last(),
             QStringLiteral("Afrikanische Länder (teilweise)"));
    QCOMPARE(TexteDerHeimatzone(true).zeilen.last(),
             QStringLiteral("Zentralafrikanische Republik, etc."));
}

// clang-format off
void TstZonen::heimatzeit_data() {
    QTest::addColumn<QDateTime>("zeitpunkt");
    QTest::addColumn<QTime>("heimat");
    QTest::addColumn<QTime>("greenwich");
    QTest::newRow("März") << Utc(2024, 3, 14, 9, 20, 30) << QTime(10, 20, 30) << QTime(9, 20, 30);
    QTest::newRow("Juli") << Utc(2024, 7, 14, 12, 0, 0) << QTime(14, 0, 0) << QTime(12, 0, 0);
    QTest::newRow("Juli, in Indien gegeben") << Utc(2024, 7, 14, 12, 0, 0).toTimeZone(QTimeZone(19800)) << QTime(14, 0, 0) << QTime(12, 0, 0);
    QTest::newRow("vor der Umstellung") << Utc(2024, 3, 31, 0, 59, 59) << QTime(1, 59, 59) << QTime(0, 59, 59);
    QTest::newRow("nach der Umstellung") << Utc(2024, 3, 31, 1, 0, 0) << QTime(3, 0, 0) << QTime(1, 0, 0);
    QTest::newRow("vor der Rückstellung") << Utc(2024, 10, 27, 0, 59, 59) << QTime(2, 59, 59) << QTime(0, 59, 59);
    QTest::newRow("nach der Rückstellung") << Utc(2024, 10, 27, 1, 0, 0) << QTime(2, 0, 0) << QTime(1, 0, 0);
    QTest::newRow("Silvester") << Utc(2024, 12, 31, 23, 30, 0) << QTime(0, 30, 0) << QTime(23, 30, 0);
}
// clang-format on

// Central European time with its summer time, wherever the instant was given.
void TstZonen::heimatzeit() {
    QFETCH(QDateTime, zeitpunkt);
    QVERIFY2(Heimatzone().id() == "Europe/Vienna", "tzdata is not installed");
    QTEST(Heimatzeit(zeitpunkt), "heimat");
    QTEST(Weltzeit(zeitpunkt), "greenwich");
}

// Without zone data the home clock keeps standard time, an hour ahead of Greenwich.
void TstZonen::ohneZonendatenMEZ() {
    const QTimeZone ersatz = ZoneOderMEZ(QByteArrayLiteral("Nirgendwo/Niemandsland"));
    QCOMPARE(Utc(2024, 7, 14, 12, 0, 0).toTimeZone(ersatz).time(), QTime(13, 0, 0));
}

QTEST_GUILESS_MAIN(TstZonen)
#include "tst_zonen.moc"

#include "core/ZeiteingabeU.h"

#include <QTest>

using namespace kalmiro;

Q_DECLARE_METATYPE(kalmiro::Zeitform)

namespace {
// What the reader gives for an unreadable entry.
const QString Fehler = QStringLiteral("<Fehler>");
} // namespace

class TstZeiteingabe : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lesen_data();
    void lesen();
    void strengeZahl_data();
    void strengeZahl();
    void zeichen_data();
    void zeichen();
    void texte();
};

// clang-format off
void TstZeiteingabe::lesen_data() {
    QTest::addColumn<Zeitform>("form");
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QString>("gelesen");
    const Zeitform uhr = Zeitform::Uhrzeit, dauer = Zeitform::Zeitdauer;
    QTest::newRow("13:25")                 << uhr << "13:25"          << "13:25";
    QTest::newRow("13:025")                << uhr << "13:025"         << "13:25";
    QTest::newRow("9:5")                   << uhr << "9:5"            << "9:05";
    QTest::newRow("Stunde wie getippt")    << uhr << "013:25"         << "013:25";
    QTest::newRow("Blank vor Minuten")     << uhr << "9: 5"           << "9:05";
    QTest::newRow("ohne Doppelpunkt")      << uhr << "1325"           << "1325";
    QTest::newRow("zweiter Doppelpunkt")   << uhr << "9:05:00"        << Fehler;
    QTest::newRow("13:")                   << uhr << "13:"            << Fehler;
    QTest::newRow("zu viele Ziffern")      << uhr << "1:99999999999"  << Fehler;
    QTest::newRow("neun Ziffern")          << uhr << "1:999999999"    << "1:999999999";
    QTest::newRow("leer")                  << uhr << ""               << Fehler;
    QTest::newRow("Blank nach Minuten")    << uhr << "9:05 "          << Fehler;
    QTest::newRow("Vorzeichen")            << uhr << "9:-5"           << Fehler;
    QTest::newRow("fremde Ziffer")         << uhr << "9:0\u0665"      << Fehler;
    QTest::newRow("Buchstabe danach")      << uhr << "9:05x"          << Fehler;
    // Only the first 20 characters count: the "x" is the 21st.
    QTest::newRow("auf 20 gekürzt")        << uhr << "0000000000000013:025x" << "0000000000000013:25";
    QTest::newRow("6h 20min")              << dauer << "6h 20min"     << "6h 20min";
    QTest::newRow("6h20min")               << dauer << "6h20min"      << "6h 20min";
    QTest::newRow("6h20")                  << dauer << "6h20"         << "6h 20min";
    QTest::newRow("6h 020min")             << dauer << "6h 020min"    << "6h 20min";
    QTest::newRow("5h 7")                  << dauer << "5h 7"         << "5h 07min";
    QTest::newRow("5h7min")                << dauer << "5h7min"       << "5h 07min";
    QTest::newRow("führende Null Stunde")  << dauer << "06h 20min"    << "06h 20min";
    QTest::newRow("nur Minuten")           << dauer << "380min"       << "380min";
    QTest::newRow("6h 20")                 << dauer << "6h 20"        << Fehler;
    QTest::newRow("6h 20 min")             << dauer << "6h 20 min"    << Fehler;
    QTest::newRow("5 h 7 min")             << dauer << "5 h 7 min"    << Fehler;
    QTest::newRow("6h")                    << dauer << "6h"           << Fehler;
    QTest::newRow("6hmin")                 << dauer << "6hmin"        << Fehler;
    QTest::newRow("leer, Dauer")           << dauer << ""             << Fehler;
}
// clang-format on

void TstZeiteingabe::lesen() {
    QFETCH(Zeitform, form);
    QFETCH(QString, eingabe);
    const std::optional<QString> gelesen = LeseZeiteingabe(eingabe, form);
    QTEST(gelesen.value_or(Fehler), "gelesen");
    if (gelesen) QVERIFY(gelesen->size() <= 20);
}

// clang-format off
void TstZeiteingabe::strengeZahl_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("zahl"); // -1: not a number
    QTest::newRow("0")              << "0"           << 0;
    QTest::newRow("Blanks davor")   << "   42"       << 42;
    QTest::newRow("Nullen davor")   << "007"         << 7;
    QTest::newRow("größte")         << "999999999"   << 999999999;
    QTest::newRow("zehn Ziffern")   << "1000000000"  << -1;
    QTest::newRow("nur Blanks")     << "  "          << -1;
    QTest::newRow("Blank danach")   << "4 "          << -1;
    QTest::newRow("Plus")           << "+4"          << -1;
    QTest::newRow("Komma")          << "4,5"         << -1;
}
// clang-format on

void TstZeiteingabe::strengeZahl() {
    QFETCH(QString, text);
    QTEST(StrengeZahl(text).value_or(-1), "zahl");
}

// clang-format off
void TstZeiteingabe::zeichen_data() {
    QTest::addColumn<Zeitform>("form");
    QTest::addColumn<QString>("ein");
    QTest::addColumn<QString>("aus");
    const Zeitform uhr = Zeitform::Uhrzeit, dauer = Zeitform::Zeitdauer;
    QTest::newRow("Uhrzeit")  << uhr   << "0123456789:\b\r hHmMiInN;-x,." << "0123456789:\b\r";
    QTest::newRow("Dauer")    << dauer << "0123456789 hHiImMnN\b\r:;sSdx,." << "0123456789 hhiimmnn\b\r";
}
// clang-format on

void TstZeiteingabe::zeichen() {
    QFETCH(Zeitform, form);
    QFETCH(QString, ein);
    QString aus;
    for (QChar c : ein) {
        const QChar z = Zeitzeichen(form, c);
        if (!z.isNull()) aus += z;
    }
    QTEST(aus, "aus");
}

void TstZeiteingabe::texte() {
    QCOMPARE(Uhrzeittext(9, 5), QStringLiteral("9:05"));
    QCOMPARE(Uhrzeittext(13, 25), QStringLiteral("13:25"));
    QCOMPARE(Zeitdauertext(7, 5), QStringLiteral("7h 05min"));
    QCOMPARE(Zeitdauertext(41, 59), QStringLiteral("41h 59min"));
    // What the program writes, the reader reads back unchanged.
    for (int h : {0, 5, 23, 41})
        for (int m : {0, 7, 59}) {
            QCOMPARE(LeseZeiteingabe(Uhrzeittext(h, m), Zeitform::Uhrzeit), Uhrzeittext(h, m));
            QCOMPARE(LeseZeiteingabe(Zeitdauertext(h, m), Zeitform::Zeitdauer),
                     Zeitdauertext(h, m));
        }
}

QTEST_GUILESS_MAIN(TstZeiteingabe)
#include "tst_zeiteingabe.moc"

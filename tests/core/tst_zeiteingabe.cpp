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

QTEST_GUILESS_MAIN(TstZeiteingabe)
#include "tst_zeiteingabe.moc"

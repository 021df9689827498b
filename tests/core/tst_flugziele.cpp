#include "core/FlugzieleU.h"

#include <QTest>
#include <cmath>
#include <set>

using namespace kalmiro;

class TstFlugziele : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nummernLaufen();
    void datensaetze_data();
    void datensaetze();
    void texteKurzGenug();
    void jedesBildGenutzt();
    void versatzPasstZurZone();
    void staedteLiegenAufDerKarte();
};

void TstFlugziele::nummernLaufen() {
    QCOMPARE(static_cast<int>(Flugziele.size()), 59);
    for (int i = 0; i < AnzahlFlugziele; ++i)
        QCOMPARE(Flugziele[i].Nummer, i);
}

// Wien, and the rows the flight tasks lean on most: the odd spellings, the half and
// three-quarter hours, the shortest and the longest routes. Offsets are from Wien, an hour
// ahead of Greenwich: India's 5:30 is 4h 30min here, Kabul's 4:30 3h 30min, Teheran's
// 3:30 2h 30min, Anchorage's -9h -10h.
// clang-format off
void TstFlugziele::datensaetze_data() {
    QTest::addColumn<int>("nummer");
    QTest::addColumn<QString>("stadt");
    QTest::addColumn<QString>("land");
    QTest::addColumn<int>("stunden");
    QTest::addColumn<int>("minuten");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("entfernung");
    QTest::addColumn<int>("bild");
    QTest::newRow("Wien")          << Heimatstadt << "Wien" << "Österreich" << 0 << 0 << 0.5f << 3.45f << 0 << 0;
    QTest::newRow("Anchorage")     << 1 << "Anchorage" << "USA" << -10 << 0 << -21.7f << 6.1f << 17795 << 1;
    QTest::newRow("New York")      << 3 << "New York" << "USA" << -6 << 0 << -11.55f << 2.3f << 6801 << 3;
    QTest::newRow("Qito")          << 11 << "Qito" << "Ecuador" << -6 << 0 << -12.15f << -4.0f << 10398 << 6;
    QTest::newRow("Rabat")         << 21 << "Rabat" << "Marokko" << -1 << 0 << -2.75f << 0.7f << 2488 << 8;
    QTest::newRow("Kairo")         << 22 << "Kairo" << "Ägypten" << 1 << 0 << 2.55f << 0.45f << 2386 << 15;
    QTest::newRow("Kinshasa")      << 27 << "Kinshasa" << "Kongo" << 0 << 0 << 0.75f << -4.35f << 5845 << 12;
    QTest::newRow("Sydne")         << 32 << "Sydne" << "Australien" << 9 << 0 << 18.7f << -8.65f << 15995 << 17;
    QTest::newRow("Alice Springs") << 34 << "Alice Springs" << "Australien" << 8 << 30 << 16.2f << -7.15f << 13886 << 17;
    QTest::newRow("Kabul")         << 35 << "Kabul" << "Afghanistan" << 3 << 30 << 7.5f << 1.35f << 4571 << 18;
    QTest::newRow("Neu Dheli")     << 37 << "Neu Dheli" << "Indien" << 4 << 30 << 8.63f << 0.2f << 5572 << 18;
    QTest::newRow("Mumbai")        << 38 << "Mumbai" << "Indien" << 4 << 30 << 8.2f << -1.1f << 5990 << 17;
    QTest::newRow("Ulan Bator")    << 46 << "Ulan Bator" << "Mongolai" << 7 << 0 << 12.4f << 3.45f << 6310 << 21;
    QTest::newRow("Kingston")      << 47 << "Kingston" << "Jamaica" << -6 << 0 << -11.88f << -1.4f << 8731 << 5;
    QTest::newRow("Katmandu")      << 52 << "Katmandu" << "Nepal" << 4 << 45 << 9.7f << 0.2f << 6241 << 18;
    QTest::newRow("Teheran")       << 54 << "Teheran" << "Iran" << 2 << 30 << 5.2f << 1.3f << 3185 << 18;
    QTest::newRow("Sanaa")         << 58 << "Sanaa" << "Jemen" << 2 << 0 << 4.35f << -1.7f << 4453 << 15;
}
// clang-format on

void TstFlugziele::datensaetze() {
    QFETCH(int, nummer);
    const TFlugziel& z = Flugziele[nummer];
    QTEST(z.Stadt, "stadt");
    QTEST(z.Land, "land");
    QTEST(static_cast<int>(z.Stunden), "stunden");
    QTEST(static_cast<int>(z.Minuten), "minuten");
    QTEST(z.X, "x");
    QTEST(z.Y, "y");
    QTEST(static_cast<int>(z.Entfernung), "entfernung");
    QTEST(static_cast<int>(z.Bild), "bild");
}

void TstFlugziele::texteKurzGenug() {
    for (const TFlugziel& z : Flugziele) {
        QVERIFY2(!z.Stadt.isEmpty() && z.Stadt.size() <= 40, qPrintable(z.Stadt));
        QVERIFY2(!z.Land.isEmpty() && z.Land.size() <= 40, qPrintable(z.Land));
        QVERIFY2(z.Stadt.trimmed() == z.Stadt, qPrintable(z.Stadt));
    }
}

// Every destination flies one of the 21 pictures and no picture is left without a route.
void TstFlugziele::jedesBildGenutzt() {
    std::set<int> genutzt;
    for (int i = 1; i < AnzahlFlugziele; ++i) {
        const int b = Flugziele[i].Bild;
        QVERIFY2(b >= 1 && b <= AnzahlFlugzeugbilder, qPrintable(Flugziele[i].Stadt));
        genutzt.insert(b);
        QVERIFY2(Flugziele[i].Entfernung > 0, qPrintable(Flugziele[i].Stadt));
    }
    QCOMPARE(static_cast<int>(genutzt.size()), AnzahlFlugzeugbilder);
}

// Each 2-unit strip of the map is one hour; Wien's strip is +1. Local offsets stray from
// the strip a city sits in by an hour or two at most, so a flipped sign shows here.
void TstFlugziele::versatzPasstZurZone() {
    for (const TFlugziel& z : Flugziele) {
        QVERIFY2(z.Minuten == 0 || z.Minuten == 30 || z.Minuten == 45, qPrintable(z.Stadt));
        const int zone = static_cast<int>(std::floor((z.X + 2.5f) / 2.0f));
        const int streifen = zone - 1;
        QVERIFY2(
            std::abs(z.Stunden - streifen) <= 2,
            qPrintable(
                QStringLiteral("%1: %2 h in strip %3").arg(z.Stadt).arg(z.Stunden).arg(streifen)));
    }
}

// The map picture spans world x -24.1 .. 24.1 and y -14.1 .. 13.6 on the screen.
void TstFlugziele::staedteLiegenAufDerKarte() {
    for (const TFlugziel& z : Flugziele) {
        QVERIFY2(z.X > -24 && z.X < 23, qPrintable(z.Stadt));
        QVERIFY2(z.Y > -13.5f && z.Y < 13, qPrintable(z.Stadt));
    }
}

QTEST_GUILESS_MAIN(TstFlugziele)
#include "tst_flugziele.moc"

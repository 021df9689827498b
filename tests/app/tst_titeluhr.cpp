#include "app/KalmiroU.h"
#include "draw/KoordU.h"
#include "platform/TPaintBox.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Testmain.h"
#include "tests/support/Zeichenpruefung.h"

#include <QPaintEvent>
#include <QSignalSpy>
#include <QTimer>
#include <random>

using namespace kalmiro;
using namespace kalmiro::test;

namespace {

QDateTime Um(int h, int m, int s, int ms) {
    return QDateTime(QDate(2024, 3, 14), QTime(h, m, s, ms));
}

// The pixel at a distance from the centre of the paint box, clockwise from twelve.
QPoint Bei(double grad, double abstand) {
    return Richtung({250, 250}, grad, abstand);
}

bool Ist(const QImage& bild, QPoint p, const QColor& farbe) {
    return FarbeEtwa(bild, p.x(), p.y(), farbe);
}

} // namespace

class TstTiteluhr : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void gemaltZurGesetztenZeit();
    void andereAbbildungStoertNicht();
    void taktNachDerWanduhr();
    void tickAbstand_data();
    void tickAbstand();
    void keineSekundeDoppeltOderAusgelassen();

private:
    void Oeffnen(const QDateTime& zeit);

    Fensterverbund m_fenster;
    std::unique_ptr<TfrmKalmiro> m_haupt;
};

void TstTiteluhr::init() {
    Attrappen::Aktuell().Zuruecksetzen();
}

void TstTiteluhr::cleanup() {
    m_haupt.reset();
    Attrappen::Aktuell().EchteZeit();
}

void TstTiteluhr::Oeffnen(const QDateTime& zeit) {
    Attrappen::Aktuell().SetzeZeit(zeit);
    m_haupt = std::make_unique<TfrmKalmiro>(m_fenster);
    m_haupt->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_haupt.get()));
}

// 10:08:37: hour hand at 304 degrees, minute hand at 51.7, second hand at 222.
void TstTiteluhr::gemaltZurGesetztenZeit() {
    Oeffnen(Um(10, 8, 37, 250));
    const QImage bild = Aufnahme(*m_haupt->Uhr());
    Tour(bild, QStringLiteral("titeluhr"));
    QCOMPARE(bild.size(), QSize(500, 500));

    QVERIFY(Ist(bild, Bei(304, 80), schwarz));
    QVERIFY(Ist(bild, Bei(51.7, 131), grau128));
    QVERIFY(Ist(bild, Bei(222, 157), pink));
    QVERIFY(Ist(bild, {250, 250}, schwarz));
    QVERIFY(Ist(bild, {250, 310}, grau240));

    // Face 175 pixels, rim 187, the rim in warm wood with its grain.
    QVERIFY(Ist(bild, {250 + 175, 250}, schwarz));
    QVERIFY(Ist(bild, {250 + 187, 250}, schwarz));
    QSet<QRgb> holz;
    for (int grad = 0; grad < 360; grad += 15) {
        const QPoint p = Bei(grad, 181);
        const QColor c = bild.pixelColor(p);
        QVERIFY2(c.red() > c.blue() + 40, qPrintable(QStringLiteral("%1 degrees").arg(grad)));
        holz.insert(c.rgb());
    }
    QVERIFY(holz.size() > 5);
    // Nothing beyond the rim: there it is as in the box's corner, which the clock leaves.
    QCOMPARE(bild.pixelColor(250 + 190, 250), bild.pixelColor(5, 250));
    QCOMPARE(bild.pixelColor(250 - 190, 250), bild.pixelColor(494, 250));
}

// A screen opened from the menu sets its own mapping; when the main window shows again
// its activation puts the clock's back before the clock paints.
void TstTiteluhr::andereAbbildungStoertNicht() {
    Oeffnen(Um(3, 0, 0, 0));
    m_haupt->hide();
    InitWorld(-25, 25, -18, 18, 0, 1000, 0, 700);
    m_haupt->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_haupt.get()));
    const QImage bild = Aufnahme(*m_haupt->Uhr());
    QVERIFY(Ist(bild, {250 + 175, 250}, schwarz));
    QVERIFY(Ist(bild, {250 + 187, 250}, schwarz));
    QVERIFY(Ist(bild, Bei(90, 80), schwarz)); // 03:00: the hour hand to the right
    QVERIFY(Ist(bild, Bei(0, 157), pink));
}

// Each tick is aimed just past the next full second of the wall clock, so the interval
// follows the clock's milliseconds and the paint box alone is painted again.
void TstTiteluhr::taktNachDerWanduhr() {
    Oeffnen(Um(12, 0, 0, 250));
    QTimer* timer = m_haupt->Timer1();
    QVERIFY(timer);
    QCOMPARE(timer->objectName(), QStringLiteral("Timer1"));
    QVERIFY(timer->isActive());
    QVERIFY(timer->isSingleShot());
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QCOMPARE(timer->interval(), 755);

    Malzaehler uhr, fenster;
    m_haupt->Uhr()->installEventFilter(&uhr);
    m_haupt->Client()->installEventFilter(&fenster);
    QSignalSpy tick(timer, &QTimer::timeout);
    // The clock has moved on while waiting; the next tick is measured from there.
    Attrappen::Aktuell().SetzeZeit(Um(12, 0, 1, 900));
    QVERIFY(tick.wait(3000));
    QCOMPARE(timer->interval(), 105);
    QVERIFY(timer->isActive());
    QTRY_VERIFY(uhr.anzahl > 0);
    // The window paints at most its background under the transparent box, nothing else.
    QVERIFY(QRegion(m_haupt->Uhr()->geometry()).contains(fenster.bereich.boundingRect()) ||
            fenster.bereich.isEmpty());
}

void TstTiteluhr::tickAbstand_data() {
    QTest::addColumn<QTime>("jetzt");
    QTest::addColumn<int>("abstand");
    QTest::newRow("volle Sekunde") << QTime(8, 0, 0, 0) << 1005;
    QTest::newRow("Viertel") << QTime(8, 0, 0, 250) << 755;
    QTest::newRow("kurz davor") << QTime(8, 0, 0, 995) << 10;
    QTest::newRow("letzte Millisekunde") << QTime(23, 59, 59, 999) << 6;
    QTest::newRow("keine Zeit") << QTime() << 1005;
}

void TstTiteluhr::tickAbstand() {
    QFETCH(QTime, jetzt);
    QTEST(TickAbstand(jetzt), "abstand");
}

// Half an hour of ticks that each come up to 40 ms late or 4 ms early: the second shown
// at every tick is the one after the last, never the same and never one further.
void TstTiteluhr::keineSekundeDoppeltOderAusgelassen() {
    std::mt19937 zufall(7);
    std::uniform_int_distribution<int> abweichung(-4, 40);
    qint64 ms = (12 * 3600 + 34 * 60) * 1000LL + 321;
    qint64 gezeigt = ms / 1000;
    for (int i = 0; i < 1800; ++i) {
        ms += TickAbstand(QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms % 86400000))) +
              abweichung(zufall);
        QCOMPARE(ms / 1000, gezeigt + 1);
        gezeigt = ms / 1000;
    }
}

KALMIRO_TEST_MAIN(TstTiteluhr)
#include "tst_titeluhr.moc"

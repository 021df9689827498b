#include "platform/TSekundentakt.h"
#include "tests/support/Testmain.h"

#include <QSignalSpy>

using namespace kalmiro;
using test::Attrappen;

namespace {

QDateTime Um(int s, int ms) {
    return QDateTime(QDate(2024, 3, 14), QTime(12, 0, s, ms));
}

} // namespace

class TstSekundentakt : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { Attrappen::Aktuell().EchteZeit(); }
    void zieltNachJedemTickNeu();
};

// Each tick aims just past the second after the one the clock reads at that moment; a
// handler that stops the timer at a tick is not overruled by that aiming.
void TstSekundentakt::zieltNachJedemTickNeu() {
    TSekundentakt takt;
    QVERIFY(!takt.isActive());
    QSignalSpy ticks(&takt, &QTimer::timeout);
    Attrappen::Aktuell().SetzeZeit(Um(0, 990));
    takt.Starten();
    QCOMPARE(takt.interval(), 15);
    Attrappen::Aktuell().SetzeZeit(Um(1, 980));
    QVERIFY(ticks.wait(2000));
    QVERIFY(takt.isActive());
    QCOMPARE(takt.interval(), 25);

    connect(&takt, &QTimer::timeout, &takt, &QTimer::stop);
    QVERIFY(ticks.wait(2000));
    QVERIFY(!takt.isActive());
    QTest::qWait(50);
    QCOMPARE(ticks.count(), 2);
}

KALMIRO_TEST_MAIN(TstSekundentakt)
#include "tst_sekundentakt.moc"

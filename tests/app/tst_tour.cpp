// Writes a picture of every window as it opens to build/tour/, for people to look at.
// The screens' own tests add the states reached by answering.
#include "app/KalmiroU.h"
#include "app/Programm.h"
#include "core/GlobaleU.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Testmain.h"

#include <QAction>

using namespace kalmiro;

class TstTour : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void jedesFensterOeffnetSich_data();
    void jedesFensterOeffnetSich();
};

void TstTour::jedesFensterOeffnetSich_data() {
    QTest::addColumn<QString>("menue");
    for (const char* m :
         {"menZeitoB", "menZeitmB", "menMusterAdd", "menUebAdd", "menUebDiv", "menBegriffe",
          "menZeitMuster", "menZeitzone", "menFlug", "menZug", "menInfo"})
        QTest::newRow(m) << QString::fromLatin1(m);
}

void TstTour::jedesFensterOeffnetSich() {
    QFETCH(QString, menue);
    Programm programm;
    programm.Starten();
    TfrmKalmiro& haupt = programm.Hauptfenster();
    QVERIFY(QTest::qWaitForWindowExposed(&haupt));
    test::Tour(test::Aufnahme(haupt), QStringLiteral("00_hauptfenster"));
    bool offen = false;
    test::BeimNaechstenModal([&](QWidget& fenster) {
        offen = true;
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        test::Tour(test::Aufnahme(fenster), QStringLiteral("01_") + menue);
        fenster.close();
    });
    haupt.findChild<QAction*>(menue)->trigger();
    QVERIFY(offen);
    QVERIFY(haupt.isVisible());
}

KALMIRO_TEST_MAIN(TstTour)
#include "tst_tour.moc"

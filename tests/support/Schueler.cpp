#include "tests/support/Schueler.h"

#include "core/GlobaleU.h"
#include "tests/support/Attrappen.h"
#include "tests/support/Bildpruefung.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace kalmiro::test {

bool Aktivieren(QWidget& fenster) {
    fenster.show();
    fenster.activateWindow();
    return QTest::qWaitForWindowActive(&fenster);
}

void Eintippen(QLineEdit& feld, const QString& text) {
    feld.setFocus();
    QTest::keyClick(&feld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&feld, Qt::Key_Backspace);
    QTest::keyClicks(&feld, text);
    QTest::keyClick(&feld, Qt::Key_Return);
}

QString Auswerten(QAbstractButton& auswertung, const QString& tour) {
    QString panel;
    BeimNaechstenModal([&panel, tour](QWidget& fenster) {
        auto* schliessen = fenster.findChild<QPushButton*>(QStringLiteral("btnSchliessen"));
        QTRY_VERIFY(schliessen && schliessen->isVisible());
        panel = fenster.findChild<QLabel*>(QStringLiteral("pnlRichtig"))->text();
        if (!tour.isEmpty()) Tour(Aufnahme(fenster), tour);
        schliessen->click();
    });
    QTest::mouseClick(&auswertung, Qt::LeftButton);
    return panel;
}

void NeueSeriePruefen(QWidget& fenster, int grenze, const QList<QLineEdit*>& felder) {
    const auto text = [&fenster](const char* name) {
        return fenster.findChild<QLabel*>(QLatin1String(name))->text();
    };
    const auto knopf = [&fenster](const char* name) {
        return fenster.findChild<QPushButton*>(QLatin1String(name));
    };
    QCOMPARE(Durchgang, 1);
    QCOMPARE(GesamtPunkte, 0.0f);
    QCOMPARE(GesamtVersuche, 0);
    QCOMPARE(text("lblDurchgang"), QStringLiteral("1 / %1").arg(grenze));
    QCOMPARE(text("lblAktVersuche"), QStringLiteral("0"));
    QCOMPARE(text("lblAktPunkte"), QStringLiteral("0,0"));
    QVERIFY(knopf("btnWeiter")->isVisible());
    QVERIFY(knopf("btnAuswertung")->isHidden());
    for (QLineEdit* feld : felder)
        QVERIFY(feld->isVisible() && feld->text().isEmpty());
    QVERIFY(felder.first()->hasFocus());
}

int DurchgaengeSetzen(QWidget& fenster, int grenze) {
    int art = 0;
    BeimNaechstenModal([&art, grenze](QWidget& dialog) {
        art = MaxanzahlArt;
        if (art >= 1 && art < static_cast<int>(MaxDurchgaenge.size()))
            MaxDurchgaenge[static_cast<std::size_t>(art)] = grenze;
        dialog.close();
    });
    fenster.findChild<QAction*>(QStringLiteral("menMaxanzahl"))->trigger();
    return Aktivieren(fenster) ? art : -1;
}

} // namespace kalmiro::test

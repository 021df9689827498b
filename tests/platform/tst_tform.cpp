#include "platform/TForm.h"
#include "tests/support/Testmain.h"

#include <QLabel>
#include <QMenuBar>
#include <QTimer>

using namespace kalmiro;

namespace {

class Probefenster : public TForm {
public:
    explicit Probefenster(QSize client = {300, 200}) {
        auto* c = new QWidget;
        c->setMinimumSize(client);
        setCentralWidget(c);
        label = new QLabel(QStringLiteral("Text"), c);
        QFont f(QStringLiteral("Arial"));
        f.setPointSize(26);
        f.setBold(true);
        label->setFont(f);
        menuBar()->addAction(QStringLiteral("Schließen"));
        Einrichten(Rahmen::Einfach, Rgb(240, 240, 240));
    }
    int aktivierungen = 0;
    int zeichnungen = 0;
    bool schliessbar = true;
    QLabel* label;

protected:
    void FormActivate() override { ++aktivierungen; }
    void FormPaint(QPainter&) override { ++zeichnungen; }
    bool DarfSchliessen() override { return schliessbar; }
};

} // namespace

class TstTForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clientGroesseUndSchriften();
    void zeigenZeichnenSchliessen();
    void modalesFensterDarueberAktiviertNicht();
    void zeigeModalLiefertErgebnis();
    void platzieren_data();
    void platzieren();
};

void TstTForm::clientGroesseUndSchriften() {
    Probefenster f({1016, 722});
    f.show();
    QCOMPARE(f.Client()->size(), QSize(1016, 722));
    QCOMPARE(f.ClientGroesse(), QSize(1016, 722));
    QVERIFY(f.menuBar()->isVisible());
    QCOMPARE(f.Client()->geometry().top(), f.menuBar()->geometry().bottom() + 1);
    // 26 points at 96 dpi: a 35 pixel font, whatever the screen's dpi.
    QCOMPARE(f.label->font().pixelSize(), 35);
    QVERIFY(f.label->font().bold());
    QCOMPARE(f.Client()->palette().color(QPalette::Window), QColor(240, 240, 240));
}

// Every showing activates the window; it paints its client area; a window that may not
// close stays open.
void TstTForm::zeigenZeichnenSchliessen() {
    Probefenster f;
    f.show();
    QCOMPARE(f.aktivierungen, 1);
    f.hide();
    f.show();
    QCOMPARE(f.aktivierungen, 2);
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.SofortZeichnen();
    QVERIFY(f.zeichnungen >= 1);
    f.schliessbar = false;
    f.close();
    QVERIFY(f.isVisible());
    f.schliessbar = true;
    f.close();
    QVERIFY(!f.isVisible());
}

void TstTForm::modalesFensterDarueberAktiviertNicht() {
    Probefenster haupt;
    haupt.show();
    Probefenster dialog;
    QTimer::singleShot(0, &dialog, [&] { dialog.close(); });
    dialog.ZeigeModal();
    QCOMPARE(dialog.aktivierungen, 1);
    QCOMPARE(haupt.aktivierungen, 1);
    QVERIFY(!dialog.isVisible());
}

void TstTForm::zeigeModalLiefertErgebnis() {
    Probefenster dialog;
    QTimer::singleShot(0, &dialog, [&] {
        QVERIFY(dialog.LaeuftModal());
        QCOMPARE(QApplication::activeModalWidget(), &dialog);
        dialog.Schliessen(TForm::Ergebnis::Ok);
    });
    QCOMPARE(dialog.ZeigeModal(), TForm::Ergebnis::Ok);
    QVERIFY(!dialog.LaeuftModal());
    QTimer::singleShot(0, &dialog, [&] { dialog.close(); });
    QCOMPARE(dialog.ZeigeModal(), TForm::Ergebnis::Keins);
    test::BeimNaechstenModal([](QWidget& w) { w.close(); });
    QCOMPARE(dialog.ZeigeModal(), TForm::Ergebnis::Keins);
    QCOMPARE(dialog.aktivierungen, 3);
}

void TstTForm::platzieren_data() {
    QTest::addColumn<TForm::Fensterart>("art");
    QTest::addColumn<bool>("bildschirm1024");
    QTest::addColumn<bool>("maximiert");
    QTest::newRow("Bildschirm") << TForm::Fensterart::Bildschirm << false << false;
    QTest::newRow("Bildschirm auf 1024 x 768") << TForm::Fensterart::Bildschirm << true << true;
    QTest::newRow("Dialog") << TForm::Fensterart::Dialog << false << false;
    QTest::newRow("Dialog auf 1024 x 768") << TForm::Fensterart::Dialog << true << false;
}

// Every window opens centred over the main window, also while that one is hidden; only a
// screen is maximised, and only on a 1024 x 768 screen.
void TstTForm::platzieren() {
    QFETCH(TForm::Fensterart, art);
    QFETCH(bool, bildschirm1024);
    QFETCH(bool, maximiert);
    Probefenster haupt({600, 400});
    haupt.show();
    haupt.move(40, 30);
    haupt.hide();
    Probefenster f;
    f.show();
    f.Platzieren(&haupt, art, bildschirm1024);
    QCOMPARE(bool(f.windowState() & Qt::WindowMaximized), maximiert);
    if (!maximiert) QCOMPARE(f.frameGeometry().center(), haupt.frameGeometry().center());
}

KALMIRO_TEST_MAIN(TstTForm)
#include "tst_tform.moc"

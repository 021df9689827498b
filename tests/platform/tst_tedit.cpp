#include "platform/TEdit.h"
#include "tests/support/Testmain.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>

using namespace kalmiro;

namespace {

// Digits pass, H and M are lowered, Enter moves on, everything else is dropped.
QChar filter(QChar c) {
    if (c.isDigit() || c == TEdit::Rueck || c == TEdit::Enter) return c;
    if (c == u'H' || c == u'M') return c.toLower();
    if (c == u'h' || c == u'm') return c;
    return {};
}

struct Fenster {
    QWidget w;
    TEdit* a = new TEdit(&w);
    TEdit* b = new TEdit(&w);
    QPushButton* knopf = new QPushButton(QStringLiteral("Weiter"), &w);
    Fenster() {
        auto* l = new QVBoxLayout(&w);
        l->addWidget(a);
        l->addWidget(b);
        l->addWidget(knopf);
        a->SetzeFilter(filter);
        b->SetzeFilter(filter);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        a->setFocus();
    }
};

} // namespace

class TstTEdit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tippenGehtDurchDenFilter();
    void einfuegenZiehenUndEingabemethode_data();
    void einfuegenZiehenUndEingabemethode();
    void riesigeEinfuegungBleibtBegrenzt();
    void enterGehtWeiterUndLoestExitAus();
    void meldungImExitLoestKeinZweitesExitAus();
    void fokusZurueckImExitLoestKeinExitDesAnderenAus();
    void anderesFensterLoestKeinExitAus();
    void changeAuchBeiProgrammaenderung();
};

void TstTEdit::tippenGehtDurchDenFilter() {
    Fenster f;
    QTest::keyClicks(f.a, QStringLiteral("1a2HxM3;"));
    QCOMPARE(f.a->text(), QStringLiteral("12hm3"));
    QTest::keyClick(f.a, Qt::Key_Backspace);
    QCOMPARE(f.a->text(), QStringLiteral("12hm"));
    // Navigation keys are not characters and reach the field.
    QTest::keyClick(f.a, Qt::Key_Home);
    QTest::keyClicks(f.a, QStringLiteral("9"));
    QCOMPARE(f.a->text(), QStringLiteral("912hm"));
}

void TstTEdit::einfuegenZiehenUndEingabemethode_data() {
    QTest::addColumn<QString>("weg");
    QTest::newRow("Strg+V") << "paste";
    QTest::newRow("Ziehen und Ablegen") << "drop";
    QTest::newRow("Eingabemethode") << "ime";
}

void TstTEdit::einfuegenZiehenUndEingabemethode() {
    QFETCH(QString, weg);
    Fenster f;
    QTest::keyClicks(f.a, QStringLiteral("7"));
    const QString fremd = QStringLiteral("1x\r2\nH\t-5");
    if (weg == u"paste") {
        QGuiApplication::clipboard()->setText(fremd);
        QTest::keyClick(f.a, Qt::Key_V, Qt::ControlModifier);
    } else if (weg == u"drop") {
        QMimeData daten;
        daten.setText(fremd);
        QDragEnterEvent hinein(QPoint(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(f.a, &hinein);
        QDropEvent ablegen(QPointF(f.a->width() - 2, 5), Qt::CopyAction, &daten, Qt::LeftButton,
                           Qt::NoModifier);
        QCoreApplication::sendEvent(f.a, &ablegen);
    } else {
        QInputMethodEvent ereignis;
        ereignis.setCommitString(fremd);
        QCoreApplication::sendEvent(f.a, &ereignis);
    }
    if (f.a->text() == u"7" && weg == u"paste")
        QSKIP("no clipboard on this platform");
    QVERIFY2(f.a->text() == u"712h5" || f.a->text() == u"12h57", qPrintable(f.a->text()));
}

void TstTEdit::riesigeEinfuegungBleibtBegrenzt() {
    Fenster f;
    f.a->setMaxLength(20);
    QInputMethodEvent ereignis;
    ereignis.setCommitString(QString(200000, u'5') + QString(1000, u'x'));
    QCoreApplication::sendEvent(f.a, &ereignis);
    QCOMPARE(f.a->text(), QString(20, u'5'));
}

void TstTEdit::enterGehtWeiterUndLoestExitAus() {
    Fenster f;
    QSignalSpy exitA(f.a, &TEdit::Exit);
    QTest::keyClicks(f.a, QStringLiteral("12"));
    QTest::keyClick(f.a, Qt::Key_Return);
    QCOMPARE(exitA.count(), 1);
    QVERIFY(f.b->hasFocus());
    // A click on a button also leaves the field.
    QSignalSpy exitB(f.b, &TEdit::Exit);
    QTest::mouseClick(f.knopf, Qt::LeftButton);
    f.knopf->setFocus(Qt::MouseFocusReason);
    QCOMPARE(exitB.count(), 1);
}

void TstTEdit::meldungImExitLoestKeinZweitesExitAus() {
    Fenster f;
    int aufrufe = 0;
    QWidget fremdesFenster;
    connect(f.a, &TEdit::Exit, f.a, [&] {
        ++aufrufe;
        // What a message box does: another window takes the focus.
        fremdesFenster.show();
        fremdesFenster.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fremdesFenster));
        fremdesFenster.hide();
        f.w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.w));
    });
    QTest::keyClicks(f.a, QStringLiteral("1"));
    QTest::keyClick(f.a, Qt::Key_Tab);
    QCOMPARE(aufrufe, 1);
}

void TstTEdit::fokusZurueckImExitLoestKeinExitDesAnderenAus() {
    Fenster f;
    QSignalSpy exitB(f.b, &TEdit::Exit);
    connect(f.a, &TEdit::Exit, f.a, [&] { f.a->setFocus(); });
    QTest::keyClicks(f.a, QStringLiteral("1"));
    QTest::keyClick(f.a, Qt::Key_Return);
    QVERIFY(f.a->hasFocus());
    QCOMPARE(exitB.count(), 0);
}

void TstTEdit::anderesFensterLoestKeinExitAus() {
    Fenster f;
    QSignalSpy exitA(f.a, &TEdit::Exit);
    QWidget anderes;
    anderes.show();
    anderes.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&anderes));
    QCOMPARE(exitA.count(), 0);
}

void TstTEdit::changeAuchBeiProgrammaenderung() {
    Fenster f;
    QSignalSpy change(f.a, &TEdit::Change);
    f.a->setText(QStringLiteral("5"));
    f.a->clear();
    QCOMPARE(change.count(), 2);
}

KALMIRO_TEST_MAIN(TstTEdit)
#include "tst_tedit.moc"

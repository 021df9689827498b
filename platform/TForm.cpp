#include "platform/TForm.h"

#include "platform/Anzeige.h"
#include "platform/Zugang.h"
#include "platform/Zugriffstasten.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>

namespace kalmiro {

TForm::TForm(QWidget* parent) : QMainWindow(parent) {}

TForm::~TForm() {
    if (m_schleife) m_schleife->quit();
}

void FontsAuf96Dpi(QWidget* wurzel) {
    const auto umstellen = [](QWidget* w) {
        if (!w->testAttribute(Qt::WA_SetFont)) return;
        QFont f = w->font();
        if (f.pixelSize() > 0 || f.pointSizeF() <= 0) return;
        f.setPixelSize(qMax(1, qRound(f.pointSizeF() * 96.0 / 72.0)));
        w->setFont(f);
    };
    umstellen(wurzel);
    const auto kinder = wurzel->findChildren<QWidget*>();
    for (QWidget* w : kinder)
        umstellen(w);
}

void TForm::Einrichten(Rahmen rahmen, std::optional<Farbe> hintergrund) {
    QWidget* client = centralWidget();
    Q_ASSERT(client);
    const QSize groesse = client->minimumSize();
    client->setFixedSize(groesse);
    client->installEventFilter(this);
    if (layout()) layout()->setSizeConstraint(QLayout::SetFixedSize);

    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    switch (rahmen) {
    case Rahmen::Einfach:
        flags |= Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        break;
    case Rahmen::Dialog:
        flags |= Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        break;
    case Rahmen::OhneKnoepfe:
        flags |= Qt::Dialog;
        break;
    }
    setWindowFlags(flags);

    if (hintergrund) Hintergrundfarbe(client, QColor::fromRgb(*hintergrund));
    FontsAuf96Dpi(this);
    // The menu keeps the desktop's menu font, not the window's layout font.
    if (QWidget* menue = menuWidget()) menue->setFont(QApplication::font("QMenuBar"));
    ZugriffstastenEinrichten(qobject_cast<QMenuBar*>(menuWidget()));
    const auto knoepfe = findChildren<QAbstractButton*>();
    for (QAbstractButton* knopf : knoepfe)
        knopf->installEventFilter(this);
    adjustSize();
}

void TForm::StandardKnopf(QAbstractButton* knopf) {
    const auto druecken = [this, knopf] {
        // Enter on a button presses that one, as it would anywhere else; on a radio item
        // or a check box it confirms the choice as in any dialog.
        auto* fokus = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        if (fokus && fokus->isCheckable()) fokus = nullptr;
        QAbstractButton* ziel = fokus && fokus->window() == this ? fokus : knopf;
        if (ziel && ziel->isVisible() && ziel->isEnabled()) ziel->click();
    };
    for (Qt::Key taste : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(taste), this), &QShortcut::activated, this, druecken);
}

void TForm::AbbruchKnopf(QAbstractButton* knopf) {
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            [knopf] {
                if (knopf && knopf->isVisible() && knopf->isEnabled()) knopf->click();
            });
}

void TForm::EscapeSchliesst() {
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

QSize TForm::ClientGroesse() const {
    return centralWidget() ? centralWidget()->size() : QSize();
}

TForm::Ergebnis TForm::ZeigeModal() {
    if (m_schleife) return Ergebnis::Keins; // already shown modally
    m_ergebnis = Ergebnis::Keins;
    setWindowModality(Qt::ApplicationModal);
    QEventLoop schleife;
    m_schleife = &schleife;
    show();
    raise();
    activateWindow();
    if (isVisible()) schleife.exec(QEventLoop::DialogExec);
    m_schleife = nullptr;
    setWindowModality(Qt::NonModal);
    return m_ergebnis;
}

void TForm::Schliessen(Ergebnis ergebnis) {
    m_ergebnis = ergebnis;
    close();
}

void TForm::Zentrieren(const QWidget* haupt) {
    if (!haupt) return;
    const QRect h = haupt->frameGeometry();
    const QSize s = frameGeometry().size();
    move(h.x() + (h.width() - s.width()) / 2, h.y() + (h.height() - s.height()) / 2);
}

void TForm::AufBildschirmZentrieren() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect r = s->availableGeometry();
    const QSize f = frameGeometry().size();
    move(r.x() + (r.width() - f.width()) / 2, r.y() + (r.height() - f.height()) / 2);
}

void TForm::Maximieren() {
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm::Platzieren(const QWidget* haupt, Fensterart art, bool bildschirm1024) {
    Zentrieren(haupt);
    if (art == Fensterart::Bildschirm && bildschirm1024) Maximieren();
}

void TForm::NeuZeichnen() {
    if (centralWidget()) centralWidget()->update();
    ZugangstexteAktualisieren(this);
}

void TForm::SofortZeichnen() {
    if (centralWidget()) centralWidget()->repaint();
}

void TForm::FormPaint(QPainter&) {}

void TForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (e->spontaneous()) return;
    FormActivate();
    ZugangstexteAktualisieren(this);
}

void TForm::hideEvent(QHideEvent* e) {
    QMainWindow::hideEvent(e);
    if (!e->spontaneous() && m_schleife) m_schleife->quit();
}

void TForm::closeEvent(QCloseEvent* e) {
    if (!DarfSchliessen()) {
        e->ignore();
        return;
    }
    QMainWindow::closeEvent(e);
}

void GlattSkalieren(QPainter& canvas) {
    // At 1:1 pictures are copied as they are; at 150 % or 200 % they are smoothed.
    if (canvas.deviceTransform().type() >= QTransform::TxScale)
        canvas.setRenderHint(QPainter::SmoothPixmapTransform);
}

bool TForm::eventFilter(QObject* o, QEvent* e) {
    if (o == centralWidget() && e->type() == QEvent::Paint) {
        QPainter canvas(centralWidget());
        GlattSkalieren(canvas);
        FormPaint(canvas);
        return true;
    }
    if (e->type() == QEvent::KeyPress) {
        // Enter presses a button as Space does; Qt leaves that to dialogs only.
        auto* knopf = qobject_cast<QAbstractButton*>(o);
        const int taste = static_cast<QKeyEvent*>(e)->key();
        if (knopf && (taste == Qt::Key_Return || taste == Qt::Key_Enter) && knopf->isEnabled()) {
            knopf->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(o, e);
}

} // namespace kalmiro

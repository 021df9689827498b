#include "platform/TForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLayout>
#include <QPainter>
#include <QScreen>
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
    for (QWidget* w : kinder) umstellen(w);
}

void TForm::RichteEin(Rahmen rahmen, std::optional<Farbe> hintergrund) {
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

    if (hintergrund) {
        QPalette pal = client->palette();
        pal.setColor(QPalette::Window, QColor::fromRgb(*hintergrund));
        client->setPalette(pal);
        client->setAutoFillBackground(true);
    }
    FontsAuf96Dpi(this);
    // The menu keeps the desktop's menu font, not the window's layout font.
    if (QWidget* menue = menuWidget()) menue->setFont(QApplication::font("QMenuBar"));
    adjustSize();
}

QSize TForm::ClientGroesse() const { return centralWidget() ? centralWidget()->size() : QSize(); }

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

void TForm::Schliesse(Ergebnis ergebnis) {
    m_ergebnis = ergebnis;
    close();
}

void TForm::ZentriereUeber(const QWidget* haupt) {
    if (!haupt) return;
    const QRect h = haupt->frameGeometry();
    const QSize s = frameGeometry().size();
    move(h.x() + (h.width() - s.width()) / 2, h.y() + (h.height() - s.height()) / 2);
}

void TForm::ZentriereAufBildschirm() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect r = s->availableGeometry();
    const QSize f = frameGeometry().size();
    move(r.x() + (r.width() - f.width()) / 2, r.y() + (r.height() - f.height()) / 2);
}

void TForm::Maximieren() { setWindowState(windowState() | Qt::WindowMaximized); }

void TForm::NeuZeichnen() {
    if (centralWidget()) centralWidget()->update();
}

void TForm::SofortZeichnen() {
    if (centralWidget()) centralWidget()->repaint();
}

void TForm::FormPaint(QPainter&) {}

void TForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!e->spontaneous()) FormActivate();
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

bool TForm::eventFilter(QObject* o, QEvent* e) {
    if (o == centralWidget() && e->type() == QEvent::Paint) {
        QPainter canvas(centralWidget());
        FormPaint(canvas);
        return true;
    }
    return QMainWindow::eventFilter(o, e);
}

} // namespace kalmiro

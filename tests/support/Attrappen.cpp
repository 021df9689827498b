#include "tests/support/Attrappen.h"

#include "platform/SystemU.h"
#include "tests/support/Testmain.h"

#include <QApplication>
#include <QTimer>

namespace kalmiro::test {
namespace {
Attrappen* aktuell = nullptr;
}

void Vorbereiten() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

Attrappen::Attrappen() {
    aktuell = this;
    kalmiro::MeldungSetzen([this](const QString& text) {
        meldungen << text;
        if (beiMeldung) beiMeldung(text);
    });
    kalmiro::WarteSetzen([this](int ms) {
        wartezeiten << ms;
        if (m_zeit.isValid()) m_zeit = m_zeit.addMSecs(ms);
        if (beiWarte) beiWarte(ms);
    });
    kalmiro::UhrSetzen([this] { return m_zeit.isValid() ? m_zeit : QDateTime::currentDateTime(); });
    kalmiro::BildschirmSetzen([this] { return m_bildschirm; });
}

Attrappen::~Attrappen() {
    kalmiro::MeldungSetzen({});
    kalmiro::WarteSetzen({});
    kalmiro::UhrSetzen({});
    kalmiro::BildschirmSetzen({});
    if (aktuell == this) aktuell = nullptr;
}

Attrappen& Attrappen::Aktuell() {
    Q_ASSERT(aktuell);
    return *aktuell;
}

void Attrappen::SetzeZeit(const QDateTime& zeit) {
    m_zeit = zeit;
}
void Attrappen::EchteZeit() {
    m_zeit = QDateTime();
}
void Attrappen::BildschirmSetzen(QSize groesse) {
    m_bildschirm = groesse;
}

void Attrappen::Zuruecksetzen() {
    meldungen.clear();
    wartezeiten.clear();
    beiMeldung = {};
    beiWarte = {};
}

void BeimNaechstenModal(std::function<void(QWidget&)> tun) {
    auto* zeitgeber = new QTimer(qApp);
    zeitgeber->setInterval(0);
    QObject::connect(zeitgeber, &QTimer::timeout, zeitgeber, [zeitgeber, tun] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        zeitgeber->stop();
        zeitgeber->deleteLater();
        tun(*modal);
    });
    zeitgeber->start();
}

} // namespace kalmiro::test

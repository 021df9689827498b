#include "platform/SystemU.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

namespace kalmiro {
namespace {

MeldungsFunktion meldung;
WarteFunktion warte;
UhrFunktion uhr;
BildschirmFunktion bildschirm;

} // namespace

QString Zeilenumbrueche(QString text) {
    return text.replace(u'\r', u'\n');
}

void Meldung(const QString& text) {
    if (meldung) {
        meldung(text);
        return;
    }
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                             Zeilenumbrueche(text));
}

void Warte(int ms) {
    if (warte) {
        warte(ms);
        return;
    }
    if (ms <= 0) return;
    QEventLoop schleife;
    QTimer::singleShot(ms, Qt::PreciseTimer, &schleife, &QEventLoop::quit);
    schleife.exec(QEventLoop::ExcludeUserInputEvents);
}

QDateTime Jetzt() {
    return uhr ? uhr() : QDateTime::currentDateTime();
}

QSize Bildschirmgroesse() {
    if (bildschirm) return bildschirm();
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->size() : QSize();
}

void MeldungSetzen(MeldungsFunktion f) {
    meldung = std::move(f);
}
void WarteSetzen(WarteFunktion f) {
    warte = std::move(f);
}
void UhrSetzen(UhrFunktion f) {
    uhr = std::move(f);
}
void BildschirmSetzen(BildschirmFunktion f) {
    bildschirm = std::move(f);
}

} // namespace kalmiro

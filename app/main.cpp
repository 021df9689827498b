#include "app/Programm.h"
#include "platform/Stil.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalmiro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kalmiro"));
    QApplication::setApplicationVersion(QStringLiteral("1.2"));
    // The desktop matches the windows to the menu entry and its symbol by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KALMIRO_ID));
    QIcon symbol;
    for (int groesse : {16, 22, 24, 32, 48, 64, 128, 256})
        symbol.addFile(QStringLiteral(":/bilder/symbol/kalmiro-%1.png").arg(groesse));
    QApplication::setWindowIcon(symbol);
    kalmiro::AnwendungEinrichten();

    kalmiro::Programm programm;
    programm.Starten();
    return QApplication::exec();
}

#include "app/Programm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication anwendung(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalmiro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kalmiro"));
    QApplication::setApplicationVersion(QStringLiteral("1.2"));

    kalmiro::Programm programm;
    programm.Starte();
    return QApplication::exec();
}

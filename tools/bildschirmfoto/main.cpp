// Saves a picture of one X window: bildschirmfoto <window id> <file.png>.
// Used by `make run` to show the main window when there is no display.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication anwendung(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: bildschirmfoto <window id> <file.png>\n");
        return 2;
    }
    bool ok = false;
    const WId fenster = QString::fromLocal8Bit(argv[1]).toULongLong(&ok, 0);
    QScreen* bildschirm = QGuiApplication::primaryScreen();
    if (!ok || !bildschirm) {
        std::fprintf(stderr, "bildschirmfoto: no such window or screen\n");
        return 1;
    }
    const QPixmap bild = bildschirm->grabWindow(fenster);
    if (bild.isNull() || !bild.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "bildschirmfoto: could not save %s\n", argv[2]);
        return 1;
    }
    return 0;
}

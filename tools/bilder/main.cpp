// bilder <folder> [group ...]: draws the pictures (all groups, or the named ones) into
// <folder>/<group>/ and writes <folder>/<group>.qrc listing them.
#include "Bilder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>
#include <cstdio>
#include <map>

int main(int argc, char* argv[]) {
    QGuiApplication anwendung(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bilder <folder> [group ...]\n");
        return 2;
    }
    const QString ziel = QString::fromLocal8Bit(argv[1]);
    QStringList gewuenscht;
    for (int i = 2; i < argc; ++i)
        gewuenscht << QString::fromLocal8Bit(argv[i]);

    Bildliste liste;
    UhrBilder(liste);
    EinheitenBilder(liste);
    ZugBilder(liste);
    ZeitzonenBilder(liste);
    InformationBilder(liste);
    Textbildliste texte;
    SymbolBilder(liste, texte);

    std::map<QString, QStringList> gruppen;
    for (const Bild& b : liste) {
        if (!gewuenscht.isEmpty() && !gewuenscht.contains(b.gruppe)) continue;
        QDir().mkpath(ziel + QLatin1Char('/') + b.gruppe);
        const QString datei = b.gruppe + QLatin1Char('/') + b.name;
        const QImage bild = b.zeichne();
        QImageWriter schreiber(ziel + QLatin1Char('/') + datei);
        if (b.name.endsWith(QLatin1String(".jpg"))) schreiber.setQuality(90);
        if (bild.isNull() || !schreiber.write(bild)) {
            std::fprintf(stderr, "bilder: could not write %s\n", qPrintable(datei));
            return 1;
        }
        gruppen[b.gruppe] << datei;
        std::printf("%s %dx%d\n", qPrintable(datei), bild.width(), bild.height());
    }
    for (const Textbild& t : texte) {
        if (!gewuenscht.isEmpty() && !gewuenscht.contains(t.gruppe)) continue;
        QDir().mkpath(ziel + QLatin1Char('/') + t.gruppe);
        // Not embedded: the program has no use for the vector form, the desktop has.
        QFile datei(ziel + QLatin1Char('/') + t.gruppe + QLatin1Char('/') + t.name);
        if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            datei.write(t.schreibe()) < 0) {
            std::fprintf(stderr, "bilder: could not write %s\n", qPrintable(t.name));
            return 1;
        }
        std::printf("%s/%s\n", qPrintable(t.gruppe), qPrintable(t.name));
    }
    for (const auto& [gruppe, dateien] : gruppen) {
        QFile qrc(ziel + QLatin1Char('/') + gruppe + QLatin1String(".qrc"));
        if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return 1;
        QTextStream aus(&qrc);
        aus << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/bilder\">\n";
        for (const QString& d : dateien)
            aus << "    <file>" << d << "</file>\n";
        aus << "</qresource>\n</RCC>\n";
    }
    return 0;
}

#pragma once

#include "platform/Stil.h"
#include "tests/support/Attrappen.h"

#include <QApplication>
#include <QTest>

namespace kalmiro::test {
// Offscreen unless told otherwise, with a font setup that does not depend on the host.
void Vorbereiten();
} // namespace kalmiro::test

// Main of a test program with windows: offscreen platform, the program's style as it
// runs with it, and message boxes and waits replaced for the whole run (a test reads them
// from Attrappen::Aktuell()).
#define KALMIRO_TEST_MAIN(Klasse)                                                                  \
    int main(int argc, char** argv) {                                                              \
        kalmiro::test::Vorbereiten();                                                              \
        QApplication anwendung(argc, argv);                                                        \
        kalmiro::AnwendungEinrichten();                                                            \
        kalmiro::test::Attrappen attrappen;                                                        \
        Klasse pruefung;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&pruefung, argc, argv);                                                \
    }

// main() for window tests: GoogleTest inside an offscreen QApplication whose
// fonts are substituted as the program's start-up substitutes them, so that
// text is measured as the program measures it. The process asks for
// printers on a socket of its own, where nothing listens unless a test
// starts a print server there, so that no test sees the machine's printers.

#include <gtest/gtest.h>

#include <QApplication>

#include "painting/fonts.h"
#include "support/cups_server.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    const vantor::test::PrivateCupsSocket printServer;
    QApplication app(argc, argv);
    vantor::registerFontSubstitutes();
    return RUN_ALL_TESTS();
}

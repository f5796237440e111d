// main() for window tests: GoogleTest inside an offscreen QApplication whose
// fonts are substituted as the program's start-up substitutes them, so that
// text is measured as the program measures it.

#include <gtest/gtest.h>

#include <QApplication>

#include "output/fonts.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    vantor::registerFontSubstitutes();
    return RUN_ALL_TESTS();
}

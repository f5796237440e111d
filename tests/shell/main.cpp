#include <gtest/gtest.h>

#include <QApplication>

#include "output/fonts.h"

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    vantor::registerFontSubstitutes();
    return RUN_ALL_TESTS();
}

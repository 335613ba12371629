#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Fonts, images and the screen layer need a GUI application.
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

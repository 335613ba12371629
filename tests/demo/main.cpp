#include <QApplication>
#include <gtest/gtest.h>

#include "design/DrawingResources.h"

int main(int argc, char** argv) {
    // Test discovery runs the executable at build time without the test environment; with
    // no display to talk to, use the offscreen platform rather than fail.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Fonts, images and the screen layer need a GUI application.
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    DesignResources::Shutdown();
    return result;
}

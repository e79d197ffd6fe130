#include <QGuiApplication>
#include <gtest/gtest.h>

// Fonts and bitmaps need a QGuiApplication. The offscreen platform provides one without a
// display; it is also the default here because CTest lists the tests at build
// time without the test environment.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}

#include <QApplication>
#include <gtest/gtest.h>

// The window layer needs a QApplication (widgets, fonts, message boxes). The offscreen
// platform provides one without a display; it is also the default here because CTest
// lists the tests at build time without the test environment.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    // A test's window closing must not end the event loops of the tests after it.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}

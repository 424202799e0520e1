// Test entry point: a QApplication exists when the test program links Qt Widgets.
#include <gtest/gtest.h>

#if __has_include(<QApplication>)
#include <QApplication>
#include <QStandardPaths>
#endif

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
#if __has_include(<QApplication>)
    // Windows are tested headless, also when the build lists the tests without a display, on
    // a screen of 1920 × 1200 as an engineer's desk has.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qgetenv("QT_QPA_PLATFORM") == "offscreen")
        qputenv("QT_QPA_PLATFORM",
                "offscreen:configfile=" DOLMETA_TEST_DATA "/offscreen_screen.json");
    // Settings a test keeps go to a test folder, never to the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}

// Test entry point: a QApplication exists when the test program links Qt Widgets.
#include <gtest/gtest.h>

#if __has_include(<QApplication>)
#include <QApplication>
#endif

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
#if __has_include(<QApplication>)
    // Windows are tested headless, also when the build lists the tests without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}

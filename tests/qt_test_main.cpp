// GoogleTest main for tests that need a QApplication (run with QT_QPA_PLATFORM=offscreen).
#include <QApplication>
#include <gtest/gtest.h>

#include "windows/Werkzeug.h"

int main(int argc, char** argv) {
    // Test discovery runs the binary without the test environment: stay headless there too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setApplicationName(kartovex::Programmtitel);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

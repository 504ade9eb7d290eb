// GoogleTest main for tests that need a QApplication (run with QT_QPA_PLATFORM=offscreen).
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "windows/Werkzeug.h"

int main(int argc, char** argv) {
    // Test discovery runs the binary without the test environment: stay headless there too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setApplicationName(kartovex::Programmtitel);
    // What the program keeps between runs (the map's base map) goes to a
    // folder of this test process alone: ctest runs test processes side by
    // side, and none may touch another's settings or the user's own.
    const QTemporaryDir einstellungen;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, einstellungen.path());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

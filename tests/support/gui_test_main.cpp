// GoogleTest main for tests that drive real windows (offscreen: CTest sets QT_QPA_PLATFORM).
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (CTest's discovery at build time) needs no display.
    std::unique_ptr<QApplication> app;
    std::unique_ptr<QTemporaryDir> settings;
    if (!::testing::GTEST_FLAG(list_tests)) {
        app = std::make_unique<QApplication>(argc, argv);
        // Settings the tests write go to a folder of this process, not the user's: CTest runs
        // tests side by side, and one test's settings must not reach another.
        QStandardPaths::setTestModeEnabled(true);
        settings = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings->path());
        QApplication::setOrganizationName("OvrelanTests");
        QApplication::setApplicationName("gui_tests");
    }
    return RUN_ALL_TESTS();
}

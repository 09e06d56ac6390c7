// GoogleTest main for tests that drive real windows (offscreen: CTest sets QT_QPA_PLATFORM).
#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (CTest's discovery at build time) needs no display.
    std::unique_ptr<QApplication> app;
    if (!::testing::GTEST_FLAG(list_tests)) {
        app = std::make_unique<QApplication>(argc, argv);
        // Settings the tests write go to a test folder, not the user's.
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setOrganizationName("OvrelanTests");
        QApplication::setApplicationName("gui_tests");
    }
    return RUN_ALL_TESTS();
}

// The main window driven by a test, on recording stand-ins for the platform.
#pragma once

#include "support/recording_platform.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QSettings>

#include <gtest/gtest.h>

#include <memory>

namespace ovrelan::testing {

// Opens the main window before each test (shown, unless shown() says otherwise) and closes it
// after, answering Yes to the exit question.
class WindowTest : public ::testing::Test, protected RecordingPlatform {
protected:
    virtual bool shown() const { return true; }
    void SetUp() override {
        // The separate windows, unless a test asks for the classroom layout.
        if (!QSettings().contains(MainWindow::layout_setting)) {
            QSettings().setValue(MainWindow::layout_setting, "windows");
        }
        window = std::make_unique<MainWindow>(platform);
        if (shown()) {
            window->show();
            QApplication::processEvents();
        }
    }
    void TearDown() override {
        if (window) {
            boxes.answer_yes = true;
            window->close();
        }
    }
    // Writes a parameter field as the program or a student's paste would.
    void type(const char* field, const QString& text) {
        window->findChild<QLineEdit*>(field)->setText(text);
    }

    std::unique_ptr<MainWindow> window;
};

} // namespace ovrelan::testing

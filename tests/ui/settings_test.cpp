// The settings file cannot lock the program out: every bad value of it gives the default, the
// window opens on the screen, and what was read is not written back. The size keys work without
// an ambiguity, whatever the keyboard layout.
#include "platform/settings.h"
#include "support/recording_platform.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace ovrelan {
namespace {

class Settings : public ::testing::Test, protected testing::RecordingPlatform {
protected:
    void TearDown() override {
        if (window) {
            boxes.answer_yes = true;
            window->close();
        }
        QSettings().clear();
        QSettings().setValue(MainWindow::layout_setting, "windows");
    }
    void open() {
        if (!QSettings().contains(MainWindow::layout_setting)) {
            QSettings().setValue(MainWindow::layout_setting, "windows");
        }
        window = std::make_unique<MainWindow>(platform);
        window->show();
        QApplication::processEvents();
    }
    std::unique_ptr<MainWindow> window;
};

TEST_F(Settings, EveryBadValueGivesTheDefaultAndStaysAsItWas) {
    open();
    const QSize normal = window->size();
    TearDown();
    const char* const bad_scales[] = {"0",     "-1",  "nan", "inf", "-inf", "1e-300",
                                      "1e308", "abc", "100", "1.3", "",     "2,5x"};
    for (const char* bad : bad_scales) {
        SCOPED_TRACE(bad);
        QSettings().setValue(MainWindow::scale_setting, QString(bad));
        QSettings().setValue(MainWindow::preview_setting, QString("maybe"));
        QSettings().sync();
        open();
        EXPECT_EQ(window->scale(), 1.0);
        EXPECT_EQ(window->size(), normal);
        const QRect screen = window->screen()->availableGeometry();
        EXPECT_TRUE(screen.contains(window->frameGeometry().topLeft()));
        // Read, not rewritten.
        EXPECT_EQ(QSettings().value(MainWindow::scale_setting).toString(), QString(bad));
        EXPECT_EQ(QSettings().value(MainWindow::preview_setting).toString(), QString("maybe"));
        TearDown();
        window.reset();
    }
}

// Each reader against what a settings file may hold.
TEST_F(Settings, EachReaderTakesOnlyWhatItMayBe) {
    QTemporaryDir folder;
    const QString file = folder.filePath("not_a_folder.txt");
    QFile(file).open(QIODevice::WriteOnly);
    const QString fallback = "FALLBACK";
    const struct {
        QVariant stored;
        QString folder; // what setting_folder gives
    } folders[] = {{folder.path(), folder.path()},
                   {file, fallback},
                   {folder.filePath("missing"), fallback},
                   {QString(), fallback},
                   {QVariant(), fallback}};
    for (const auto& c : folders) {
        QSettings().setValue("t/folder", c.stored);
        EXPECT_EQ(setting_folder("t/folder", fallback), c.folder)
            << c.stored.toString().toStdString();
    }
    const struct {
        QVariant stored;
        bool value; // with the fallback true
    } bools[] = {{true, true}, {false, false}, {"true", true}, {"FALSE", false},   {"0", false},
                 {"1", true},  {"yes", true},  {"", true},     {QVariant(), true}, {2, true}};
    for (const auto& c : bools) {
        QSettings().setValue("t/bool", c.stored);
        EXPECT_EQ(setting_bool("t/bool", true), c.value) << c.stored.toString().toStdString();
    }
    const double sizes[] = {1, 1.25, 1.5};
    const struct {
        QVariant stored;
        double value; // with the fallback 1
    } choices[] = {{1.25, 1.25}, {"1.5", 1.5},   {"1.5000000001", 1.5}, {"1.51", 1},
                   {"nan", 1},   {"-inf", 1},    {"1e308", 1},          {"abc", 1},
                   {0, 1},       {QVariant(), 1}};
    for (const auto& c : choices) {
        QSettings().setValue("t/choice", c.stored);
        EXPECT_EQ(setting_choice("t/choice", sizes, 1.0), c.value)
            << c.stored.toString().toStdString();
    }
}

TEST_F(Settings, AGoodSizeIsTaken) {
    QSettings().setValue(MainWindow::scale_setting, 1.5);
    open();
    EXPECT_EQ(window->scale(), 1.5);
}

TEST_F(Settings, NoKeyIsBoundTwice) {
    open();
    std::map<QString, QString> owner; // key → the action that has it
    for (const QAction* action : window->findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            const QString text = key.toString(QKeySequence::PortableText);
            const auto [at, fresh] = owner.emplace(text, action->objectName());
            EXPECT_TRUE(fresh) << text.toStdString() << ": " << action->objectName().toStdString()
                               << " and " << at->second.toStdString();
        }
    }
}

TEST_F(Settings, SizeKeysStepAndComeBack) {
    open();
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        double scale;
    } steps[] = {
        {Qt::Key_Equal, Qt::ControlModifier, 1.25},
        {Qt::Key_Plus, Qt::ControlModifier, 1.5}, // the keypad's +
        {Qt::Key_Minus, Qt::ControlModifier, 1.25},
        {Qt::Key_0, Qt::ControlModifier, 1.0},
    };
    for (const auto& s : steps) {
        QTest::keyClick(window.get(), s.key, s.modifiers);
        QApplication::processEvents();
        EXPECT_EQ(window->scale(), s.scale) << QKeySequence(s.key).toString().toStdString();
    }
}

} // namespace
} // namespace ovrelan

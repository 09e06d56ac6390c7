#include "platform/dialogs.h"
#include "platform/message_boxes.h"
#include "platform/tone.h"
#include "platform/translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include <memory>

#include <gtest/gtest.h>

namespace ovrelan {
namespace {

// With an audio device a call lasts about its tone, without one it returns at once; it never
// hangs on a device that does not report the end (CTest's time limit would catch that).
TEST(QtTone, ReturnsWhenTheToneEndsOrAtOnceWithoutSound) {
    QtTone tone;
    tone.play(60);
    tone.play(0);
    tone.play(-5);
    SUCCEED();
}

// A name saved without an extension gets the chosen filter's.
TEST(Dialogs, AddTheFiltersExtensionWhenTheNameHasNone) {
    const struct {
        const char* path;
        const char* filter;
        const char* expected;
    } cases[] = {
        {"/home/t/урок1", "Задачи Ovrelan (*.ovrelan)", "/home/t/урок1.ovrelan"},
        {"/home/t/урок1.ovrelan", "Задачи Ovrelan (*.ovrelan)", "/home/t/урок1.ovrelan"},
        {"/home/t/data", "CSV для русской таблицы (*.csv)", "/home/t/data.csv"},
        {"/home/t/data.txt", "CSV (*.csv)", "/home/t/data.txt"},
        {"/home/t/graph", "Изображение PNG (*.png *.PNG)", "/home/t/graph.png"},
        {"", "CSV (*.csv)", ""},
        {"/home/t/plain", "Все файлы (*)", "/home/t/plain"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(with_extension(c.path, c.filter), c.expected) << c.path;
    }
}

} // namespace
} // namespace ovrelan

namespace ovrelan {
namespace {

// The OK button of the program's boxes in Cyrillic letters, as their text.
TEST(QtMessageBoxes, TheButtonReadsOkInCyrillic) {
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->button(QMessageBox::Ok)->text(), "ОК");
        box->button(QMessageBox::Ok)->click();
    });
    QtMessageBoxes boxes;
    boxes.show_ok(nullptr, "Ошибка", "текст");
}

TEST(RussianTranslations, StandardButtonsAndContextMenusReadRussian) {
    ASSERT_TRUE(install_russian_qt_translations(*QCoreApplication::instance()))
        << "Qt's translations (qt6-translations-l10n) are not installed";
    // The exit question's buttons, as QtMessageBoxes::ask_yes_no makes them.
    QMessageBox box(QMessageBox::NoIcon, "На Выход", "Вы абсолютно уверены?",
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Да");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "Нет");
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList items;
    for (const QAction* action : menu->actions()) {
        items << action->text().remove('&');
    }
    EXPECT_TRUE(items.join(' ').contains("Вставить")) << items.join(' ').toStdString();
}

} // namespace
} // namespace ovrelan

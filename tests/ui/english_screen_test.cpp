// The English screen: with the English translation installed as the program installs it at
// start, no text the windows show (menus, items, labels, buttons, frames, window titles,
// tooltips) has a Cyrillic letter, except the names kept in both languages. And the Russian
// screen keeps its texts.
#include "model/translation.h"
#include "platform/translations.h"
#include "support/window_fixture.h"
#include "ui/application.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTranslator>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace ovrelan {
namespace {

// Names the program writes the same way in both languages.
const char* const kept_names[] = {
    "&Русский", // the language item names each language by its own name
    "Rк",       // the critical resistance, as the English documents write it
};

bool has_cyrillic(QString text) {
    for (const char* name : kept_names) {
        text.remove(QString::fromUtf8(name));
    }
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Cyrillic) {
            return true;
        }
    }
    return false;
}

// Every text a person can see in the windows, each with where it was found.
std::vector<std::pair<QString, QString>> visible_texts() {
    std::vector<std::pair<QString, QString>> texts;
    const auto add = [&texts](const QObject* o, const char* what, const QString& text) {
        texts.emplace_back(
            QString("%1 %2 (%3)").arg(o->metaObject()->className(), o->objectName(), what), text);
    };
    for (QWidget* top : QApplication::topLevelWidgets()) {
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets.prepend(top);
        for (const QWidget* w : widgets) {
            if (w->isWindow()) {
                add(w, "window title", w->windowTitle());
            }
            add(w, "tooltip", w->toolTip());
            if (const auto* label = qobject_cast<const QLabel*>(w)) {
                add(w, "text", label->text());
            }
            if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
                add(w, "text", button->text());
            }
            if (const auto* frame = qobject_cast<const QGroupBox*>(w)) {
                add(w, "title", frame->title());
            }
            if (const auto* menu = qobject_cast<const QMenu*>(w)) {
                add(w, "title", menu->title());
            }
        }
        QList<QAction*> actions = top->findChildren<QAction*>();
        for (const QWidget* w : widgets) {
            actions += w->actions();
        }
        for (const QAction* a : actions) {
            add(a, "text", a->text());
            if (a->toolTip() != QString(a->text()).remove('&')) {
                add(a, "tooltip", a->toolTip());
            }
        }
    }
    return texts;
}

class EnglishScreen : public testing::WindowTest {
protected:
    void SetUp() override {
        translator_.reset(english_translator(nullptr));
        ASSERT_NE(translator_, nullptr) << "the English translation is not embedded";
        QCoreApplication::installTranslator(translator_.get());
        translate_core_texts();
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        QCoreApplication::removeTranslator(translator_.get());
        install_text_translator(nullptr);
    }
    std::unique_ptr<QTranslator> translator_;
};

TEST_F(EnglishScreen, NoVisibleTextIsCyrillic) {
    for (const char* field : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"}) {
        ASSERT_NE(window->findChild<QLineEdit*>(field), nullptr) << field;
    }
    const auto texts = visible_texts();
    EXPECT_GT(texts.size(), 100u);
    for (const auto& [where, text] : texts) {
        EXPECT_FALSE(has_cyrillic(text)) << where.toStdString() << ": " << text.toStdString();
    }
}

TEST_F(EnglishScreen, MenusAndCaptionsAreTheEnglishOnes) {
    const std::map<QString, QString> expected = {
        {"mnuFile", "&File"},         {"mnuEdit", "&Edit"},
        {"mnuExamples", "E&xamples"}, {"mnuRun", "&Calculation"},
        {"mnuGraphs", "&Graphs"},     {"mnuView", "&View"},
        {"mnuHelp", "&Help"},         {"mnuViewLanguage", "Lan&guage"},
    };
    for (const auto& [name, title] : expected) {
        const auto* menu = window->findChild<QMenu*>(name);
        ASSERT_NE(menu, nullptr) << name.toStdString();
        EXPECT_EQ(menu->title(), title) << name.toStdString();
    }
    EXPECT_EQ(window->findChild<QLabel*>("Label0")->text(), QString("Task parameters"));
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->text(), QString("L (µH) ="));
    EXPECT_EQ(window->findChild<QAbstractButton*>("CmdOK")->text(), QString("START"));
}

// Each menu's access keys are distinct, in English as in Russian.
TEST_F(EnglishScreen, AccessKeysAreUniqueWithinEachMenu) {
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        std::map<QChar, QString> keys;
        for (const QAction* a : menu->actions()) {
            if (a->isSeparator()) {
                continue;
            }
            const qsizetype amp = a->text().indexOf('&');
            ASSERT_GE(amp, 0) << menu->objectName().toStdString() << ": "
                              << a->text().toStdString();
            const QChar key = a->text().at(amp + 1).toLower();
            EXPECT_FALSE(keys.contains(key))
                << menu->objectName().toStdString() << ": " << a->text().toStdString() << " and "
                << keys[key].toStdString();
            keys[key] = a->text();
        }
    }
}

// The Russian screen, as it was: a few menus and captions.
using RussianScreen = testing::WindowTest;

TEST_F(RussianScreen, MenusAndCaptionsKeepTheirRussianTexts) {
    const std::pair<const char*, const char*> menus[] = {
        {"mnuFile", "&Файл"},   {"mnuEdit", "Прав&ка"},       {"mnuExamples", "Пр&имеры"},
        {"mnuRun", "&Расчёт"},  {"mnuGraphs", "&Графики"},    {"mnuView", "&Вид"},
        {"mnuHelp", "&Помощь"}, {"mnuViewLanguage", "&Язык"},
    };
    for (const auto& [name, title] : menus) {
        const auto* menu = window->findChild<QMenu*>(name);
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_EQ(menu->title(), QString::fromUtf8(title)) << name;
    }
    const std::pair<const char*, const char*> labels[] = {
        {"Label0", "Параметры задачи"}, {"Label1", "L(мкГн)="}, {"Label2", "С(мкФ)="},
        {"Label3", "R(Ом)="},           {"Label5", "ε(B)="},    {"Label11", "Характеристики"},
    };
    for (const auto& [name, text] : labels) {
        const auto* label = window->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), QString::fromUtf8(text)) << name;
    }
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->toolTip(), QString("Индуктивность катушки"));
    EXPECT_EQ(window->findChild<QAbstractButton*>("CmdOK")->text(), QString("ПУСК"));
    EXPECT_EQ(window->findChild<QAction*>("mnuRunStart")->text(), QString("&Пуск / стоп"));
    EXPECT_EQ(window->findChild<QAction*>("mnuViewLarger")->text(), QString("&Крупнее"));
}

} // namespace
} // namespace ovrelan

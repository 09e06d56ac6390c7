// The language of the windows: decided from the saved choice and the system's UI languages, and
// chosen in «Вид → Язык», which remembers it and says in the chosen language when it applies.
#include "platform/language.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QMenu>
#include <QSettings>

#include <gtest/gtest.h>

namespace ovrelan {
namespace {

struct LanguageCase {
    const char* name;
    const char* saved;
    QStringList system;
    Language expected;
};

TEST(LanguageInUse, SavedChoiceFirstThenTheSystemsFirstLanguage) {
    const LanguageCase cases[] = {
        {"nothing saved, LANG=C", "", {"C"}, Language::russian},
        {"nothing saved, no languages", "", {}, Language::russian},
        {"nothing saved, LANG=ru_RU", "", {"ru-RU", "ru-Cyrl-RU", "ru"}, Language::russian},
        {"nothing saved, LANG=en_US", "", {"en-US", "en-Latn-US", "en"}, Language::english},
        {"nothing saved, LANGUAGE=en", "", {"en", "en-Latn-US", "en-US"}, Language::english},
        {"nothing saved, en_GB underscore", "", {"en_GB"}, Language::english},
        {"nothing saved, German", "", {"de-DE", "de"}, Language::russian},
        {"nothing saved, Esperanto is not English", "", {"eo"}, Language::russian},
        {"nothing saved, Middle English is not English", "", {"enm"}, Language::russian},
        {"nothing saved, English second", "", {"ru-RU", "en-US"}, Language::russian},
        {"Russian saved, English system", "ru", {"en-US"}, Language::russian},
        {"English saved, Russian system", "en", {"ru-RU"}, Language::english},
        {"English saved, LANG=C", "en", {"C"}, Language::english},
        {"English saved with spaces and capitals", " EN ", {"C"}, Language::english},
        {"a bad value is no choice", "fr", {"en-US"}, Language::english},
        {"a bad value is no choice, Russian system", "english", {"ru-RU"}, Language::russian},
    };
    for (const LanguageCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(language_in_use(c.saved, c.system), c.expected);
    }
}

TEST(LanguageInUse, TheNoteIsInTheChosenLanguage) {
    EXPECT_EQ(language_change_note(Language::russian),
              QString("Язык сменится при следующем запуске программы."));
    EXPECT_EQ(language_change_note(Language::english),
              QString("The language will change the next time the program starts."));
    EXPECT_EQ(language_code(Language::russian), QString("ru"));
    EXPECT_EQ(language_code(Language::english), QString("en"));
}

class LanguageMenu : public testing::WindowTest {
protected:
    void SetUp() override {
        QSettings().setValue(language_setting, "ru");
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        QSettings().remove(language_setting);
    }
    QAction* item(const char* name) { return window->findChild<QAction*>(name); }
};

TEST_F(LanguageMenu, ChoosingALanguageRemembersItAndSaysSoInThatLanguage) {
    const auto* menu = window->findChild<QMenu*>("mnuViewLanguage");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QString("&Язык"));
    EXPECT_TRUE(window->findChild<QMenu*>("mnuView")->actions().contains(menu->menuAction()));
    QAction* russian = item("mnuViewLanguageRu");
    QAction* english = item("mnuViewLanguageEn");
    ASSERT_NE(russian, nullptr);
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(russian->text(), QString("&Русский"));
    EXPECT_EQ(english->text(), QString("&English"));
    EXPECT_TRUE(russian->isChecked());
    EXPECT_FALSE(english->isChecked());
    ASSERT_TRUE(boxes.boxes.empty());

    english->trigger();
    EXPECT_TRUE(english->isChecked());
    EXPECT_FALSE(russian->isChecked()); // one language at a time
    EXPECT_EQ(QSettings().value(language_setting).toString(), QString("en"));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes.back().text,
              QString("The language will change the next time the program starts."));

    english->trigger(); // the one already chosen: nothing more to say
    EXPECT_TRUE(english->isChecked());
    EXPECT_EQ(boxes.boxes.size(), 1u);

    russian->trigger();
    EXPECT_TRUE(russian->isChecked());
    EXPECT_EQ(QSettings().value(language_setting).toString(), QString("ru"));
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes.back().text, QString("Язык сменится при следующем запуске программы."));
}

TEST_F(LanguageMenu, TheSavedChoiceIsCheckedAtStart) {
    WindowTest::TearDown();
    QSettings().setValue(language_setting, "en");
    WindowTest::SetUp();
    EXPECT_TRUE(item("mnuViewLanguageEn")->isChecked());
    EXPECT_FALSE(item("mnuViewLanguageRu")->isChecked());
}

} // namespace
} // namespace ovrelan

// Which files each document of the menus is asked for by, in each language of the windows: in
// English the translation in en/ and then the Russian original (it opens when the translation is
// missing), in Russian the original alone. Through the main window as well, in the language it
// starts in.
#include "platform/language.h"
#include "support/recording_platform.h"
#include "support/window_fixture.h"
#include "ui/main_menus.h"

#include <QAction>
#include <QMenuBar>
#include <QSettings>

#include <gtest/gtest.h>

namespace ovrelan {
namespace {

struct Opened {
    const char* item;
    QStringList russian;
    QStringList english;
};

const Opened document_items[] = {
    {"mnuFilespravka", {"spravka.pdf"}, {"en/overview.pdf", "spravka.pdf"}},
    {"mnuFilespravka1", {"kontur.pdf"}, {"en/circuit.pdf", "kontur.pdf"}},
    {"mnuFilespravka2", {"katushka.pdf"}, {"en/coil.pdf", "katushka.pdf"}},
    {"mnuFilespravka3", {"kondensator.pdf"}, {"en/capacitor.pdf", "kondensator.pdf"}},
    {"mnuFilespravka4", {"resistor.pdf"}, {"en/resistor.pdf", "resistor.pdf"}},
    {"mnuHelpUprav", {"uprav.pdf"}, {"en/controls.pdf", "uprav.pdf"}},
    {"mnuHelpInstruction", {"instruction.txt"}, {"en/instruction.txt", "instruction.txt"}},
};

// What an item asked for: the files of the document it opened (or of the text it edits).
QStringList asked_by(const char* item, Language language) {
    QMenuBar bar;
    MenuHandlers h;
    h.language = language;
    QStringList asked;
    h.open_document = [&](const QStringList& files) { asked << files; };
    h.edit_instruction = [&](const QStringList& files) {
        asked << QStringLiteral("edit:") << files;
    };
    build_main_menus(&bar, h);
    auto* action = bar.findChild<QAction*>(item);
    if (action == nullptr) {
        ADD_FAILURE() << "no item " << item;
        return {};
    }
    action->trigger();
    return asked;
}

TEST(DocumentMenus, EachItemOpensItsDocumentInTheLanguageOfTheWindows) {
    for (const Opened& d : document_items) {
        const bool edits = QString(d.item) == "mnuHelpInstruction";
        const QStringList edit = edits ? QStringList{"edit:"} : QStringList{};
        EXPECT_EQ(asked_by(d.item, Language::russian), edit + d.russian) << d.item;
        EXPECT_EQ(asked_by(d.item, Language::english), edit + d.english) << d.item;
    }
}

TEST(DocumentMenus, DocumentFiles) {
    EXPECT_EQ(document_files("kontur.pdf", "circuit.pdf", Language::russian),
              QStringList{"kontur.pdf"});
    EXPECT_EQ(document_files("kontur.pdf", "circuit.pdf", Language::english),
              (QStringList{"en/circuit.pdf", "kontur.pdf"}));
    EXPECT_EQ(document_files("kontur.pdf", nullptr, Language::english), QStringList{"kontur.pdf"});
}

// The main window opens them in the language it starts in (the choice kept in the settings).
class DocumentMenusOfTheWindow : public testing::WindowTest,
                                 public ::testing::WithParamInterface<Language> {
protected:
    void SetUp() override {
        QSettings().setValue(language_setting, language_code(GetParam()));
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        QSettings().remove(language_setting);
    }
};

TEST_P(DocumentMenusOfTheWindow, OpensTheDocumentsOfItsLanguage) {
    std::vector<QStringList> opened;
    std::vector<QStringList> edited;
    for (const Opened& d : document_items) {
        auto* action = window->findChild<QAction*>(d.item);
        ASSERT_NE(action, nullptr) << d.item;
        action->trigger();
        const QStringList& files = GetParam() == Language::english ? d.english : d.russian;
        (QString(d.item) == "mnuHelpInstruction" ? edited : opened).push_back(files);
    }
    EXPECT_EQ(documents.opened, opened);
    EXPECT_EQ(documents.edited, edited);
}

INSTANTIATE_TEST_SUITE_P(Languages, DocumentMenusOfTheWindow,
                         ::testing::Values(Language::russian, Language::english),
                         [](const ::testing::TestParamInfo<Language>& param) {
                             return param.param == Language::english ? std::string("English")
                                                                     : std::string("Russian");
                         });

} // namespace
} // namespace ovrelan

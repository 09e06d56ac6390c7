#include "platform/document_viewer.h"
#include "platform/documents.h"
#include "platform/translations.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTranslator>

#include <memory>
#include <vector>

#include <gtest/gtest.h>

namespace ovrelan {
namespace {

void write(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Documents are looked for folder by folder; the desktop's viewer opens the PDF when it can,
// otherwise the program shows the document's source itself, links and all.
class DocumentsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(first.isValid() && second.isValid());
        write(second.filePath("kontur.md"), "# Контур\n\nСм. также [Катушка](katushka.md).\n");
        write(second.filePath("katushka.md"), "# Катушка\n\nИндуктивность.\n");
        write(second.filePath("instruction.txt"),
              "Краткая инструкция\n\n1. Введите L.\n2. Нажмите ПУСК.\n");
    }
    QTemporaryDir first;  // the current directory, say
    QTemporaryDir second; // the installed data folder, say
    QStringList opened;
};

TEST_F(DocumentsTest, WithoutAViewerTheProgramShowsTheSourceWithWorkingLinks) {
    QtDocuments documents({first.path(), second.path()}, [&](const QUrl& url) {
        opened << url.toLocalFile();
        return false; // no viewer on this desktop
    });
    documents.open_document({"kontur.pdf"});
    ASSERT_NE(documents.viewer(), nullptr);
    EXPECT_TRUE(documents.viewer()->isVisible());
    QTextBrowser* browser = documents.viewer()->browser();
    EXPECT_TRUE(browser->toPlainText().startsWith("Контур"))
        << browser->toPlainText().toStdString();
    EXPECT_EQ(documents.viewer()->windowTitle(), "Контур");
    browser->setSource(QUrl("katushka.md")); // the link, as a click follows it
    EXPECT_TRUE(browser->toPlainText().contains("Индуктивность"));
    EXPECT_EQ(documents.viewer()->windowTitle(), "Катушка");
    ASSERT_TRUE(documents.viewer()->back()->isEnabled());
    documents.viewer()->back()->trigger();
    EXPECT_EQ(documents.viewer()->windowTitle(), "Контур") << "Back returns to the first one";
    EXPECT_TRUE(documents.viewer()->forward()->isEnabled());
    EXPECT_TRUE(opened.isEmpty()) << "there is no PDF to hand to a viewer";
    documents.edit_text({"instruction.txt"});
    EXPECT_EQ(opened, QStringList{second.filePath("instruction.txt")});
    EXPECT_TRUE(browser->toPlainText().contains("1. Введите L.\n2. Нажмите ПУСК."))
        << "a plain text keeps its lines";
    EXPECT_EQ(documents.viewer()->windowTitle(), "Краткая инструкция");
    documents.viewer()->close();
}

TEST_F(DocumentsTest, ThePdfGoesToTheViewerFromTheFirstFolderThatHasIt) {
    write(first.filePath("kontur.pdf"), "%PDF-1.4");
    write(second.filePath("kontur.pdf"), "%PDF-1.4");
    QtDocuments documents({first.path(), second.path()}, [&](const QUrl& url) {
        opened << url.toLocalFile();
        return true;
    });
    documents.open_document({"kontur.pdf"});
    EXPECT_EQ(opened, QStringList{first.filePath("kontur.pdf")});
    EXPECT_EQ(documents.viewer(), nullptr);
}

TEST_F(DocumentsTest, AMissingDocumentSaysWhereItWasLookedFor) {
    QtDocuments documents({first.path()}, [](const QUrl&) { return false; });
    documents.open_document({"resistor.pdf"});
    ASSERT_NE(documents.viewer(), nullptr);
    const QString text = documents.viewer()->browser()->toPlainText();
    EXPECT_TRUE(text.contains("resistor.pdf"));
    EXPECT_TRUE(text.contains(first.path()));
    documents.viewer()->close();
}

// A document asked for by its translation and its original: the translation when it is there, in
// the viewer or in the program's window, the original otherwise; the missing page names the
// translation. Each case: the files present, whether the desktop has a viewer, what opens.
TEST(Documents, TheTranslationFirstThenTheOriginal) {
    const QStringList asked{"en/circuit.pdf", "kontur.pdf"};
    const struct {
        const char* name;
        QStringList present;
        bool viewer;
        const char* in_viewer; // the file the desktop is given, or nothing
        const char* in_window; // the title of the program's window, or nothing
    } cases[] = {
        {"translation", {"en/circuit.pdf", "kontur.pdf"}, true, "en/circuit.pdf", nullptr},
        {"no translation", {"kontur.pdf"}, true, "kontur.pdf", nullptr},
        {"translation's source without a viewer",
         {"en/circuit.pdf", "en/circuit.md", "kontur.pdf", "kontur.md"},
         false,
         nullptr,
         "Circuit"},
        {"original's source without a viewer",
         {"kontur.pdf", "kontur.md"},
         false,
         nullptr,
         "Контур"},
        {"the translated PDF before the original's source",
         {"en/circuit.pdf", "kontur.md"},
         true,
         "en/circuit.pdf",
         nullptr},
        {"nothing", {}, true, nullptr, "en/circuit.pdf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        QDir(folder.path()).mkdir("en");
        for (const QString& file : c.present) {
            write(folder.filePath(file), file.startsWith("en/") ? "# Circuit\n" : "# Контур\n");
        }
        QStringList given;
        QtDocuments documents({folder.path()}, [&](const QUrl& url) {
            if (c.viewer) {
                given << url.toLocalFile();
            }
            return c.viewer;
        });
        documents.open_document(asked);
        EXPECT_EQ(given, c.in_viewer != nullptr ? QStringList{folder.filePath(c.in_viewer)}
                                                : QStringList{});
        if (c.in_window == nullptr) {
            EXPECT_EQ(documents.viewer(), nullptr);
        } else {
            ASSERT_NE(documents.viewer(), nullptr);
            EXPECT_EQ(documents.viewer()->windowTitle(), c.in_window);
            documents.viewer()->close();
        }
    }
}

// The page that says a document is missing is the program's own: in the language of the windows.
TEST(Documents, TheMissingPageSpeaksTheLanguageOfTheWindows) {
    std::unique_ptr<QTranslator> english(english_translator(nullptr));
    ASSERT_NE(english, nullptr) << "the English translation is not embedded";
    const struct {
        bool english;
        const char* says;
    } cases[] = {
        {false, "Документ не найден"},
        {true, "Document not found"},
    };
    for (const auto& c : cases) {
        if (c.english) {
            QCoreApplication::installTranslator(english.get());
        }
        QTemporaryDir folder;
        QtDocuments documents({folder.path()}, [](const QUrl&) { return false; });
        documents.open_document({"en/circuit.pdf", "kontur.pdf"});
        ASSERT_NE(documents.viewer(), nullptr);
        const QString text = documents.viewer()->browser()->toPlainText();
        EXPECT_TRUE(text.startsWith(c.says)) << text.toStdString();
        EXPECT_TRUE(text.contains("en/circuit.pdf")) << text.toStdString();
        EXPECT_TRUE(text.contains(folder.path())) << text.toStdString();
        EXPECT_EQ(text.contains(QRegularExpression("[А-Яа-яЁё]")), !c.english)
            << text.toStdString();
        documents.viewer()->close();
        QCoreApplication::removeTranslator(english.get());
    }
}

// A figure wider than the window is drawn as wide as the window, in proportion; a narrow one
// keeps its size.
TEST(DocumentViewer, FiguresNoWiderThanTheWindow) {
    QTextDocument document;
    QImage wide(800, 400, QImage::Format_RGB32);
    QImage narrow(200, 100, QImage::Format_RGB32);
    document.setMarkdown("![широкий](wide.png)\n\n![узкий](narrow.png)\n");
    document.addResource(QTextDocument::ImageResource, QUrl("wide.png"), wide);
    document.addResource(QTextDocument::ImageResource, QUrl("narrow.png"), narrow);
    fit_figures(document, 500);
    std::vector<QSizeF> sizes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isImageFormat()) {
                sizes.emplace_back(f.toImageFormat().width(), f.toImageFormat().height());
            }
        }
    }
    EXPECT_EQ(sizes, (std::vector<QSizeF>{{500, 250}, {200, 100}}));
}

TEST(DocumentFolders, TheCurrentDirectoryBesideTheProgramAndTheInstalledFolder) {
    const QStringList folders = document_folders();
    ASSERT_GE(folders.size(), 4);
    EXPECT_EQ(folders[0], QDir::currentPath());
    EXPECT_TRUE(folders.last().endsWith("share/doc/ovrelan")) << folders.last().toStdString();
}

} // namespace
} // namespace ovrelan

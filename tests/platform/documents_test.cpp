#include "platform/document_viewer.h"
#include "platform/documents.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

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
    documents.open_document("kontur.pdf");
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
    documents.edit_text("instruction.txt");
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
    documents.open_document("kontur.pdf");
    EXPECT_EQ(opened, QStringList{first.filePath("kontur.pdf")});
    EXPECT_EQ(documents.viewer(), nullptr);
}

TEST_F(DocumentsTest, AMissingDocumentSaysWhereItWasLookedFor) {
    QtDocuments documents({first.path()}, [](const QUrl&) { return false; });
    documents.open_document("resistor.pdf");
    ASSERT_NE(documents.viewer(), nullptr);
    const QString text = documents.viewer()->browser()->toPlainText();
    EXPECT_TRUE(text.contains("resistor.pdf"));
    EXPECT_TRUE(text.contains(first.path()));
    documents.viewer()->close();
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

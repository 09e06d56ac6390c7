#include "platform/document_viewer.h"
#include "platform/documents.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

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
        write(second.filePath("instruction.txt"), "Краткая инструкция\n");
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
    EXPECT_TRUE(opened.isEmpty()) << "there is no PDF to hand to a viewer";
    documents.edit_text("instruction.txt");
    EXPECT_EQ(opened, QStringList{second.filePath("instruction.txt")});
    EXPECT_TRUE(browser->toPlainText().contains("Краткая инструкция"));
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

TEST(DocumentFolders, TheCurrentDirectoryBesideTheProgramAndTheInstalledFolder) {
    const QStringList folders = document_folders();
    ASSERT_GE(folders.size(), 4);
    EXPECT_EQ(folders[0], QDir::currentPath());
    EXPECT_TRUE(folders.last().endsWith("share/doc/ovrelan")) << folders.last().toStdString();
}

} // namespace
} // namespace ovrelan

// Opening the reference documents and the instruction file: with the desktop's viewer and text
// editor when there are ones, otherwise in the program's own window. Nothing goes through a
// shell.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

namespace ovrelan {

class DocumentViewer;

// A document is named by its file's path in the documents' folders ("kontur.pdf",
// "en/circuit.pdf"), or by several: the first of them that is there is the one opened (a
// translation, then the original), and none being there is said of the first.
class Documents {
public:
    virtual ~Documents() = default;
    // Opens a reference document.
    virtual void open_document(const QStringList& file_names) = 0;
    // Opens a plain-text file ("instruction.txt") with the desktop's text editor.
    virtual void edit_text(const QStringList& file_names) = 0;
};

// True when an installed application declares that it opens this type (the desktop entries of
// the applications folders).
bool desktop_has_application_for(const QString& mime_type);

// The folders a document is looked for in, in this order: the current directory, beside the
// executable, the build tree's docs folder beside it, and the installed data folder.
QStringList document_folders();

class QtDocuments final : public Documents {
public:
    // opener asks the desktop to open a file (QDesktopServices::openUrl by default); false when
    // no program would open it.
    explicit QtDocuments(QStringList folders = document_folders(),
                         std::function<bool(const QUrl&)> opener = {});
    ~QtDocuments() override;

    // The PDF with the desktop's viewer; when the files or the viewer are missing, the
    // document's source (name.md beside it, with its figures) in the program's own window, with
    // working links.
    void open_document(const QStringList& file_names) override;
    // The text file with the desktop's text editor; without one, in the program's own window.
    void edit_text(const QStringList& file_names) override;

    // The file in the first folder that has it, or an empty string.
    QString find(const QString& file_name) const;
    // The program's own window, once it has been needed.
    DocumentViewer* viewer() const { return viewer_.get(); }

private:
    void show_in_viewer(const QString& path, const QString& wanted);
    // The first of the files the desktop opens; false when none is there or opens.
    bool open_with_desktop(const QStringList& file_names);

    QStringList folders_;
    std::function<bool(const QUrl&)> opener_;
    std::unique_ptr<DocumentViewer> viewer_;
};

} // namespace ovrelan

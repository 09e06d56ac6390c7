// The program's own window for a document: a read-only browser on the document's source
// (Markdown, or plain text), with working links between the documents.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace ovrelan {

class DocumentViewer final : public QWidget {
public:
    DocumentViewer();
    // Shows the file (.md as Markdown with its figures, anything else as plain text) and brings
    // the window up.
    void show_file(const QString& path);
    // Says that the document was not found and where it was looked for.
    void show_missing(const QString& file_name, const QStringList& folders);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace ovrelan

// The program's own window for a document: a read-only browser on the document's source
// (Markdown with its figures, or plain text line by line), with working links between the
// documents, Back and Forward, and figures no wider than the window.
#pragma once

#include <QWidget>

class QAction;
class QTextBrowser;
class QTextDocument;

namespace ovrelan {

class DocumentViewer final : public QWidget {
public:
    DocumentViewer();
    // Shows the file (.md as Markdown with its figures, anything else as plain text keeping its
    // lines) and brings the window up. The title is the document's own: its first heading or
    // line.
    void show_file(const QString& path);
    // Says that the document was not found and where it was looked for.
    void show_missing(const QString& file_name, const QStringList& folders);
    QTextBrowser* browser() const { return browser_; }
    QAction* back() const { return back_; }
    QAction* forward() const { return forward_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit_figures();
    void take_title();

    QTextBrowser* browser_;
    QAction* back_;
    QAction* forward_;
};

// Figures in the document drawn no wider than `width` (pixels), keeping their proportions; one
// narrower than that keeps its own size.
void fit_figures(QTextDocument& document, double width);

} // namespace ovrelan

#include "platform/document_viewer.h"

#include <QFileInfo>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace ovrelan {

DocumentViewer::DocumentViewer() : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName("DocumentViewer");
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(12);
    browser_->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(760, 820);
    // The window's title follows the document shown (a link may lead to another one).
    // (its first line: the heading of a document, or the first line of a text).
    connect(browser_, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        const QString title = browser_->document()->firstBlock().text().trimmed();
        setWindowTitle(title.isEmpty() ? QFileInfo(url.toLocalFile()).fileName() : title);
    });
}

void DocumentViewer::show_file(const QString& path) {
    const QUrl url = QUrl::fromLocalFile(path);
    browser_->setSource(url, path.endsWith(".md") ? QTextDocument::MarkdownResource
                                                  : QTextDocument::UnknownResource);
    show();
    raise();
    activateWindow();
}

void DocumentViewer::show_missing(const QString& file_name, const QStringList& folders) {
    browser_->setMarkdown("# Документ не найден\n\nФайл «" + file_name +
                          "» не найден. Программа искала его в папках:\n\n- " +
                          folders.join("\n- ") + "\n");
    setWindowTitle(file_name);
    show();
    raise();
}

} // namespace ovrelan

#include "platform/document_viewer.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace ovrelan {

namespace {

QSizeF natural_size(const QTextDocument& document, const QString& name) {
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    if (resource.canConvert<QImage>() && !resource.value<QImage>().isNull()) {
        return resource.value<QImage>().size();
    }
    if (resource.canConvert<QPixmap>()) {
        return resource.value<QPixmap>().size();
    }
    return {};
}

} // namespace

void fit_figures(QTextDocument& document, double width) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (!format.isImageFormat()) {
                continue;
            }
            QTextImageFormat image = format.toImageFormat();
            const QSizeF natural = natural_size(document, image.name());
            if (natural.isEmpty()) {
                continue;
            }
            const double shown = std::min(width, natural.width());
            if (image.width() == shown) {
                continue;
            }
            image.setWidth(shown);
            image.setHeight(shown * natural.height() / natural.width());
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(image);
        }
    }
}

DocumentViewer::DocumentViewer() : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName("DocumentViewer");
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(12);
    browser_->setFont(font);
    browser_->viewport()->installEventFilter(this);

    auto* bar = new QToolBar(this);
    back_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                           QCoreApplication::translate("DocumentViewer", "Назад"));
    back_->setObjectName("back");
    back_->setShortcut(QKeySequence::Back);
    back_->setEnabled(false);
    forward_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                              QCoreApplication::translate("DocumentViewer", "Вперёд"));
    forward_->setObjectName("forward");
    forward_->setShortcut(QKeySequence::Forward);
    forward_->setEnabled(false);
    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(browser_);
    resize(760, 820);
    // The title and the figures follow the document shown (a link may lead to another one).
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        take_title();
        fit_figures();
    });
}

void DocumentViewer::take_title() {
    const QTextDocument* document = browser_->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text().trimmed();
        if (!line.isEmpty()) {
            setWindowTitle(line);
            return;
        }
    }
}

void DocumentViewer::fit_figures() {
    const double margin = 2 * browser_->document()->documentMargin() + 4;
    ovrelan::fit_figures(*browser_->document(), browser_->viewport()->width() - margin);
}

bool DocumentViewer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == browser_->viewport() && event->type() == QEvent::Resize) {
        fit_figures();
    }
    return QWidget::eventFilter(watched, event);
}

void DocumentViewer::show_file(const QString& path) {
    if (path.endsWith(".md")) {
        browser_->setSource(QUrl::fromLocalFile(path), QTextDocument::MarkdownResource);
    } else {
        // Plain text keeps its lines: not a page to lay out again.
        QFile file(path);
        browser_->setPlainText(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                                              : QString());
        take_title();
    }
    show();
    raise();
    activateWindow();
}

void DocumentViewer::show_missing(const QString& file_name, const QStringList& folders) {
    // In the language of the windows: the page is the program's, not the document's.
    const QString title = QCoreApplication::translate("DocumentViewer", "Документ не найден");
    const QString where =
        QCoreApplication::translate("DocumentViewer",
                                    "Файл «%1» не найден. Программа искала его в папках:")
            .arg(file_name);
    browser_->setMarkdown("# " + title + "\n\n" + where + "\n\n- " + folders.join("\n- ") + "\n");
    setWindowTitle(file_name);
    show();
    raise();
}

} // namespace ovrelan

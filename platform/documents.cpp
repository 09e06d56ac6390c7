#include "platform/documents.h"

#include "platform/document_viewer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>

namespace ovrelan {

bool desktop_has_application_for(const QString& mime_type) {
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
        QDirIterator entries(folder, {"*.desktop"}, QDir::Files, QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            QFile entry(entries.next());
            if (!entry.open(QIODevice::ReadOnly | QIODevice::Text)) {
                continue;
            }
            while (!entry.atEnd()) {
                const QByteArray line = entry.readLine().trimmed();
                if (line.startsWith("MimeType=") &&
                    line.mid(9).split(';').contains(mime_type.toUtf8())) {
                    return true;
                }
            }
        }
    }
    return false;
}

QStringList document_folders() {
    const QString exe = QCoreApplication::applicationDirPath();
    QStringList folders{QDir::currentPath(), exe, QDir(exe).filePath("../docs"),
                        QDir(exe).filePath("../share/doc/ovrelan")};
#ifdef OVRELAN_DOC_DIR
    folders << QStringLiteral(OVRELAN_DOC_DIR);
#endif
    return folders;
}

QtDocuments::QtDocuments(QStringList folders, std::function<bool(const QUrl&)> opener)
    : folders_(std::move(folders)), opener_(std::move(opener)) {
    if (!opener_) {
        // Only where the desktop has a program for the file's type: otherwise a desktop may
        // accept the request and show nothing at all.
        opener_ = [](const QUrl& url) {
            const QString type = QMimeDatabase().mimeTypeForFile(url.toLocalFile()).name();
            return desktop_has_application_for(type) && QDesktopServices::openUrl(url);
        };
    }
}

QtDocuments::~QtDocuments() = default;

QString QtDocuments::find(const QString& file_name) const {
    for (const QString& folder : folders_) {
        const QFileInfo info(QDir(folder), file_name);
        if (info.isFile()) {
            return info.absoluteFilePath();
        }
    }
    return {};
}

void QtDocuments::show_in_viewer(const QString& path, const QString& wanted) {
    if (!viewer_) {
        viewer_ = std::make_unique<DocumentViewer>();
    }
    if (path.isEmpty()) {
        viewer_->show_missing(wanted, folders_);
    } else {
        viewer_->show_file(path);
    }
}

bool QtDocuments::open_with_desktop(const QStringList& file_names) {
    for (const QString& name : file_names) {
        const QString path = find(name);
        if (!path.isEmpty() && opener_(QUrl::fromLocalFile(path))) {
            return true;
        }
    }
    return false;
}

void QtDocuments::open_document(const QStringList& file_names) {
    if (open_with_desktop(file_names)) {
        return;
    }
    for (const QString& name : file_names) {
        // "en/circuit.pdf" → "en/circuit.md"
        const qsizetype dot = name.lastIndexOf('.');
        const QString source =
            (dot > name.lastIndexOf('/') ? name.left(dot) : name) + QStringLiteral(".md");
        const QString path = find(source);
        if (!path.isEmpty()) {
            show_in_viewer(path, name);
            return;
        }
    }
    show_in_viewer({}, file_names.value(0));
}

void QtDocuments::edit_text(const QStringList& file_names) {
    if (open_with_desktop(file_names)) {
        return;
    }
    for (const QString& name : file_names) {
        const QString path = find(name);
        if (!path.isEmpty()) {
            show_in_viewer(path, name);
            return;
        }
    }
    show_in_viewer({}, file_names.value(0));
}

} // namespace ovrelan

#include "platform/documents.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace ovrelan {

namespace {

// The file in the current directory, opened by the desktop's handler for its type; nothing
// happens when it does not exist.
void open_local(const QString& file_name) {
    const QFileInfo info(QDir::current(), file_name);
    if (!info.isFile()) {
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

} // namespace

void QtDocuments::open_document(const QString& file_name) {
    open_local(file_name);
}

void QtDocuments::edit_text(const QString& file_name) {
    open_local(file_name);
}

} // namespace ovrelan

#include "platform/dialogs.h"

#include "platform/settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>

namespace ovrelan {

namespace {

QString last_folder() {
    return setting_folder(last_folder_setting, QDir::homePath());
}

void remember_folder(const QString& file) {
    if (!file.isEmpty()) {
        QSettings().setValue(last_folder_setting, QFileInfo(file).absolutePath());
    }
}

} // namespace

QString with_extension(const QString& path, const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*(\\.[^ )]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty() || !match.hasMatch()) {
        return path;
    }
    return path + match.captured(1);
}

QString QtDialogs::save_file(QWidget* parent, const QString& title, const QString& suggested,
                             const QStringList& filters, int* chosen, int preselected) {
    QString selected = filters.value(preselected);
    const QString name = QFileDialog::getSaveFileName(
        parent, title, QDir(last_folder()).filePath(suggested), filters.join(";;"), &selected);
    const int index = std::max(0, static_cast<int>(filters.indexOf(selected)));
    if (chosen != nullptr) {
        *chosen = index;
    }
    remember_folder(name);
    return with_extension(name, filters.value(index));
}

QString QtDialogs::open_file(QWidget* parent, const QString& title, const QStringList& filters) {
    const QString name =
        QFileDialog::getOpenFileName(parent, title, last_folder(), filters.join(";;"));
    remember_folder(name);
    return name;
}

std::optional<QString> QtDialogs::ask_text(QWidget* parent, const QString& title,
                                           const QString& label, const QString& text) {
    bool ok = false;
    const QString answer = QInputDialog::getMultiLineText(parent, title, label, text, &ok);
    return ok ? std::optional<QString>(answer) : std::nullopt;
}

bool QtDialogs::print(QWidget* parent, const PagePainter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    paint(painter,
          QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()));
    return painter.end();
}

} // namespace ovrelan

#include "platform/dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace ovrelan {

QString QtDialogs::save_file(QWidget* parent, const QString& title, const QString& suggested,
                             const QStringList& filters, int* chosen) {
    QString selected = filters.value(0);
    const QString name =
        QFileDialog::getSaveFileName(parent, title, suggested, filters.join(";;"), &selected);
    if (chosen != nullptr) {
        *chosen = std::max(0, static_cast<int>(filters.indexOf(selected)));
    }
    return name;
}

QString QtDialogs::open_file(QWidget* parent, const QString& title, const QStringList& filters) {
    return QFileDialog::getOpenFileName(parent, title, QString(), filters.join(";;"));
}

std::optional<QString> QtDialogs::ask_text(QWidget* parent, const QString& title,
                                           const QString& label, const QString& text) {
    bool ok = false;
    const QString answer = QInputDialog::getMultiLineText(parent, title, label, text, &ok);
    return ok ? std::optional<QString>(answer) : std::nullopt;
}

void paint_on_page(QPainter& painter, const QRect& page, const QImage& picture) {
    const QSizeF size = picture.deviceIndependentSize().scaled(page.size(), Qt::KeepAspectRatio);
    const QRectF target(page.left() + (page.width() - size.width()) / 2, page.top(), size.width(),
                        size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
}

bool QtDialogs::print(QWidget* parent, const QImage& picture) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    paint_on_page(painter, printer.pageLayout().paintRectPixels(printer.resolution()), picture);
    return painter.end();
}

} // namespace ovrelan

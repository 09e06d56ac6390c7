#include "graphs/graph_export.h"

#include "io/file_writer.h"
#include "io/results_csv.h"
#include "platform/fonts.h"
#include "platform/locale.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>

namespace ovrelan {

namespace {

const QString error_title = QStringLiteral("Ошибка");

void cannot_write(QWidget* parent, Platform& platform, const QString& path, const QString& reason) {
    platform.boxes.show_ok(parent, error_title,
                           "Не удалось сохранить файл «" + path + "»: " + reason);
}

} // namespace

QImage titled_picture(const QString& title, const QPixmap& picture) {
    const qreal ratio = picture.devicePixelRatio();
    QFont font = times_font(true);
    const QFontMetricsF metrics(font);
    const int band = static_cast<int>(std::ceil(metrics.height())) + 8;
    const QSizeF size = picture.deviceIndependentSize();
    QImage image(QSize(static_cast<int>(std::ceil(size.width() * ratio)),
                       static_cast<int>(std::ceil((size.height() + band) * ratio))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, size.width(), band), Qt::AlignCenter,
                     metrics.elidedText(title, Qt::ElideRight, size.width() - 8));
    painter.drawPixmap(QPointF(0, band), picture);
    return image;
}

bool write_file(const QString& path, const QByteArray& data, QString* error) {
    std::string reason;
    const bool ok = write_file_whole(
        QFile::encodeName(path).toStdString(),
        std::string_view(data.constData(), static_cast<std::size_t>(data.size())), &reason);
    if (!ok && error != nullptr) {
        *error = QString::fromStdString(reason);
    }
    return ok;
}

void save_image(QWidget* parent, Platform& platform, const QImage& image,
                const QString& suggested) {
    int chosen = 0;
    const QString path = platform.dialogs.save_file(parent, "Сохранить изображение", suggested,
                                                    {"Изображение PNG (*.png)"}, &chosen);
    if (path.isEmpty()) {
        return;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QString error;
    if (!write_file(path, png, &error)) {
        cannot_write(parent, platform, path, error);
    }
}

void save_results(QWidget* parent, Platform& platform, const SimulationState& state) {
    // A spreadsheet set to a decimal comma opens the semicolon table directly: offered first.
    const int preselected = decimal_separator() == ',' ? 1 : 0;
    int chosen = 0;
    const QString path = platform.dialogs.save_file(
        parent, "Сохранить результаты", "ovrelan.csv",
        {"CSV: запятая, десятичная точка (*.csv)",
         "CSV для русской таблицы: точка с запятой, десятичная запятая (*.csv)"},
        &chosen, preselected);
    if (path.isEmpty()) {
        return;
    }
    const CsvDialect dialect = chosen == 1 ? CsvDialect::semicolon_comma : CsvDialect::comma_point;
    // Written piece by piece: a million rows never stand in memory at once.
    std::string reason;
    const bool written = write_file_whole(
        QFile::encodeName(path).toStdString(),
        [&](const FilePut& put) { return write_results_csv(state, dialect, put); }, &reason);
    if (!written) {
        cannot_write(parent, platform, path, QString::fromStdString(reason));
    }
}

} // namespace ovrelan

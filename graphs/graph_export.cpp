#include "graphs/graph_export.h"

#include "geometry/graph_series.h"
#include "geometry/picture_size.h"
#include "graphs/graph_render.h"
#include "graphs/graph_view.h"
#include "io/file_writer.h"
#include "io/results_csv.h"
#include "model/characteristics_panel.h"
#include "platform/locale.h"

#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace ovrelan {

namespace {

QString error_title() {
    return QCoreApplication::translate("GraphExport", "Ошибка");
}

void cannot_write(QWidget* parent, Platform& platform, const QString& path, const QString& reason) {
    platform.boxes.show_ok(
        parent, error_title(),
        QCoreApplication::translate("GraphExport", "Не удалось сохранить файл «%1»: %2")
            .arg(path, reason));
}

// Labels and lines as large, to the picture, as a window of 800 px shows them.
double scale_for(double width) {
    return std::clamp(width / 800.0, 1.0, 6.0);
}

// On paper the labels stand at a size for reading at arm's length, whatever the resolution.
constexpr double paper_scale = 1.1;

// The title's font at a look: the labels' font, bold.
QFont title_font(double scale) {
    QFont bold = graph_font(scale, true);
    bold.setBold(true);
    return bold;
}

constexpr int title_flags = Qt::TextWordWrap | Qt::AlignLeft;

// The band the title wraps in, at a width of 96-dpi pixels: 6·scale in from either side.
QRectF title_band(double width, double scale) {
    return {6 * scale, 0, std::max(1.0, width - 12 * scale), 1e6};
}

// What a picture of this width needs: its title wrapped as draw_title wraps it, and its body.
PictureNeeds needs_of(const Picture& picture, long long width) {
    PictureNeeds n;
    const double w = static_cast<double>(width);
    n.scale = scale_for(w);
    const GraphLook look{n.scale, graph_font(n.scale, true), false};
    if (!picture.title.isEmpty()) {
        const QFontMetricsF metrics(title_font(n.scale));
        const double height =
            metrics.boundingRect(title_band(w, n.scale), title_flags, picture.title).height();
        n.title_lines = static_cast<int>(std::lround(height / metrics.lineSpacing()));
        n.title_height = height + 4 * n.scale;
    }
    n.body_height = picture.least_body ? picture.least_body(w, look) : 0;
    return n;
}

QByteArray png_of(const Picture& picture, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(QPointF(0, 0), size), scale_for(size.width()));
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QByteArray svg_of(const Picture& picture, QSize size) {
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(96); // the pixels of the picture are those of a screen
    generator.setTitle(picture.title);
    generator.setDescription("Ovrelan");
    QPainter painter(&generator);
    picture.draw(painter, QRectF(QPointF(0, 0), size), scale_for(size.width()));
    painter.end();
    return svg;
}

QByteArray pdf_of(const Picture& picture) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(picture.title);
    writer.setCreator("Ovrelan");
    QPainter painter(&writer);
    const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
    picture.draw(painter, QRectF(QPointF(0, 0), page.size()), paper_scale);
    painter.end();
    return pdf;
}

} // namespace

double draw_title(QPainter& painter, const QRectF& target, double scale, const QString& title,
                  const Palette& palette) {
    if (title.isEmpty()) {
        return 0;
    }
    const double ratio = std::max(1, painter.device()->logicalDpiX()) / 96.0;
    const double width = target.width() / ratio;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(ratio, ratio);
    painter.setFont(title_font(scale));
    const QRectF band = title_band(width, scale);
    const double height = painter.boundingRect(band, title_flags, title).height() + 4 * scale;
    painter.fillRect(QRectF(0, 0, width, height), to<QColor>(palette.plot));
    painter.setPen(to<QColor>(palette.ink));
    painter.drawText(band, title_flags, title);
    painter.restore();
    return height * ratio;
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

QString picture_title(const GraphView& view, const SimulationState& state) {
    return QString::fromStdString(graph_title(view.kind(), state) + ". " +
                                  circuit_summary(state, document_decimal_separator()) + ". " +
                                  circuit_caption(state));
}

std::optional<PictureFormat> picture_format(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "png") {
        return PictureFormat::png;
    }
    if (suffix == "svg") {
        return PictureFormat::svg;
    }
    if (suffix == "pdf") {
        return PictureFormat::pdf;
    }
    return std::nullopt;
}

QString unknown_format_reason(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    return suffix.isEmpty()
               ? QCoreApplication::translate(
                     "GraphExport",
                     "у имени «%1» нет расширения: рисунок сохраняется в файл .png, .svg или .pdf")
                     .arg(path)
               : QCoreApplication::translate("GraphExport",
                                             "расширение «.%1» у «%2» не подходит: рисунок "
                                             "сохраняется в файл .png, .svg или .pdf")
                     .arg(suffix, path);
}

QString picture_size_refusal(const Picture& picture, const QString& path, QSize size) {
    if (picture_format(path) == PictureFormat::pdf) {
        return {};
    }
    const PictureFit fit = picture_fit(size.width(), size.height(),
                                       [&picture](long long w) { return needs_of(picture, w); });
    if (fit.fits) {
        return {};
    }
    const QString asked = QString("%1x%2").arg(size.width()).arg(size.height());
    if (fit.least_width == 0) {
        return QCoreApplication::translate(
                   "GraphExport",
                   "рисунок %1 мал: заголовок не помещается в %2 строки ни при какой ширине")
            .arg(asked)
            .arg(most_title_lines);
    }
    if (fit.least_width == size.width()) {
        return QCoreApplication::translate(
                   "GraphExport",
                   "рисунок %1 мал: при ширине %2 заголовку и графику нужна высота не меньше %3")
            .arg(asked)
            .arg(size.width())
            .arg(fit.least_height);
    }
    return QCoreApplication::translate("GraphExport",
                                       "рисунок %1 мал: заголовку и графику нужно не меньше %2")
        .arg(asked, QString("%1x%2").arg(fit.least_width).arg(fit.least_height));
}

Picture picture_of(GraphView& view) {
    const QString title = picture_title(view, view.simulation_state());
    return {[&view, title](QPainter& painter, const QRectF& target, double scale) {
                const double top =
                    draw_title(painter, target, scale, title, view.picture_palette());
                view.render(painter, target.adjusted(0, top, 0, 0), scale, QString());
            },
            title, QString::fromStdString(std::string(graph_kind_name(view.kind())) + "(t).png"),
            nullptr}; // a graph is one plot
}

bool write_picture(const Picture& picture, const QString& path, QSize size, QString* error) {
    const auto format = picture_format(path);
    if (!format) {
        if (error != nullptr) {
            *error = unknown_format_reason(path);
        }
        return false;
    }
    switch (*format) {
    case PictureFormat::svg:
        return write_file(path, svg_of(picture, size), error);
    case PictureFormat::pdf:
        return write_file(path, pdf_of(picture), error);
    case PictureFormat::png:
        break;
    }
    return write_file(path, png_of(picture, size), error);
}

void save_picture(QWidget* parent, Platform& platform, const Picture& picture) {
    const struct {
        QString filter;
        QSize size;
    } choices[] = {
        {QCoreApplication::translate("GraphExport", "Рисунок PNG 1600×900 (*.png)"), {1600, 900}},
        {QCoreApplication::translate("GraphExport", "Рисунок PNG 1920×1080 (*.png)"), {1920, 1080}},
        {QCoreApplication::translate("GraphExport", "Рисунок PNG 3840×2160 (*.png)"), {3840, 2160}},
        {QCoreApplication::translate("GraphExport", "Векторный рисунок SVG (*.svg)"), {1600, 900}},
        {QCoreApplication::translate("GraphExport", "Документ PDF, лист A4 (*.pdf)"), {1600, 900}},
    };
    QStringList filters;
    for (const auto& c : choices) {
        filters << c.filter;
    }
    int chosen = 0;
    const QString path = platform.dialogs.save_file(
        parent, QCoreApplication::translate("GraphExport", "Сохранить график"), picture.file_name,
        filters, &chosen);
    if (path.isEmpty()) {
        return;
    }
    if (!picture_format(path)) {
        platform.boxes.show_ok(parent, error_title(),
                               QCoreApplication::translate("GraphExport", "Рисунок не сохранён: ") +
                                   unknown_format_reason(path) + ".");
        return;
    }
    QString error;
    if (!write_picture(picture, path, choices[std::clamp(chosen, 0, 4)].size, &error)) {
        cannot_write(parent, platform, path, error);
    }
}

void copy_picture(const Picture& picture) {
    const QSize size(1600, 900);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(QPointF(0, 0), size), scale_for(size.width()));
    painter.end();
    QGuiApplication::clipboard()->setImage(image);
}

void print_picture(QWidget* parent, Platform& platform, const Picture& picture) {
    platform.dialogs.print(parent, [&picture](QPainter& painter, const QRectF& page) {
        picture.draw(painter, page, paper_scale);
    });
}

bool write_graph_picture(GraphView& view, const SimulationState&, const QString& path, QSize size,
                         QString* error) {
    return write_picture(picture_of(view), path, size, error);
}

void save_graph_picture(QWidget* parent, Platform& platform, GraphView& view) {
    save_picture(parent, platform, picture_of(view));
}

void copy_graph_picture(GraphView& view) {
    copy_picture(picture_of(view));
}

void print_graph(QWidget* parent, Platform& platform, GraphView& view) {
    print_picture(parent, platform, picture_of(view));
}

void save_table(QWidget* parent, Platform& platform, const QString& suggested,
                const std::function<bool(CsvDialect, const FilePut&)>& write) {
    // A spreadsheet set to a decimal comma opens the semicolon table directly: offered first.
    const int preselected = decimal_separator() == ',' ? 1 : 0;
    int chosen = 0;
    const QString path = platform.dialogs.save_file(
        parent, QCoreApplication::translate("GraphExport", "Сохранить результаты"), suggested,
        {QCoreApplication::translate("GraphExport", "CSV: запятая, десятичная точка (*.csv)"),
         QCoreApplication::translate(
             "GraphExport",
             "CSV для русской таблицы: точка с запятой, десятичная запятая (*.csv)")},
        &chosen, preselected);
    if (path.isEmpty()) {
        return;
    }
    const CsvDialect dialect = chosen == 1 ? CsvDialect::semicolon_comma : CsvDialect::comma_point;
    // Written piece by piece: a million rows never stand in memory at once.
    std::string reason;
    const bool written = write_file_whole(
        QFile::encodeName(path).toStdString(),
        [&](const FilePut& put) { return write(dialect, put); }, &reason);
    if (!written) {
        cannot_write(parent, platform, path, QString::fromStdString(reason));
    }
}

void save_results(QWidget* parent, Platform& platform, const SimulationState& state) {
    save_table(parent, platform, "ovrelan.csv", [&state](CsvDialect dialect, const FilePut& put) {
        return write_results_csv(state, dialect, put);
    });
}

} // namespace ovrelan

#include "graphs/graph_export.h"

#include "geometry/graph_series.h"
#include "graphs/graph_view.h"
#include "io/file_writer.h"
#include "io/results_csv.h"
#include "model/characteristics_panel.h"
#include "platform/locale.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace ovrelan {

namespace {

const QString error_title = QStringLiteral("Ошибка");

void cannot_write(QWidget* parent, Platform& platform, const QString& path, const QString& reason) {
    platform.boxes.show_ok(parent, error_title,
                           "Не удалось сохранить файл «" + path + "»: " + reason);
}

// Labels and lines as large, to the picture, as a window of 800 px shows them.
double scale_for(double width) {
    return std::clamp(width / 800.0, 1.0, 6.0);
}

// On paper the labels stand at a size for reading at arm's length, whatever the resolution.
constexpr double paper_scale = 1.1;

QByteArray png_of(GraphView& view, const SimulationState& state, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    view.render(painter, QRectF(QPointF(0, 0), size), scale_for(size.width()),
                picture_title(view, state));
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QByteArray svg_of(GraphView& view, const SimulationState& state, QSize size) {
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(96); // the pixels of the picture are those of a screen
    generator.setTitle(picture_title(view, state));
    generator.setDescription("Ovrelan");
    QPainter painter(&generator);
    view.render(painter, QRectF(QPointF(0, 0), size), scale_for(size.width()),
                picture_title(view, state));
    painter.end();
    return svg;
}

QByteArray pdf_of(GraphView& view, const SimulationState& state) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(picture_title(view, state));
    writer.setCreator("Ovrelan");
    QPainter painter(&writer);
    const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
    const QRectF target(QPointF(0, 0), page.size());
    view.render(painter, target, paper_scale, picture_title(view, state));
    painter.end();
    return pdf;
}

} // namespace

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
                                  circuit_summary(state, decimal_separator()) + ". " +
                                  circuit_caption(state));
}

PictureFormat picture_format(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == "svg"   ? PictureFormat::svg
           : suffix == "pdf" ? PictureFormat::pdf
                             : PictureFormat::png;
}

bool write_graph_picture(GraphView& view, const SimulationState& state, const QString& path,
                         QSize size, QString* error) {
    switch (picture_format(path)) {
    case PictureFormat::svg:
        return write_file(path, svg_of(view, state, size), error);
    case PictureFormat::pdf:
        return write_file(path, pdf_of(view, state), error);
    case PictureFormat::png:
        break;
    }
    return write_file(path, png_of(view, state, size), error);
}

void save_graph_picture(QWidget* parent, Platform& platform, GraphView& view) {
    const struct {
        const char* filter;
        QSize size;
    } choices[] = {
        {"Рисунок PNG 1600×900 (*.png)", {1600, 900}},
        {"Рисунок PNG 1920×1080 (*.png)", {1920, 1080}},
        {"Рисунок PNG 3840×2160 (*.png)", {3840, 2160}},
        {"Векторный рисунок SVG (*.svg)", {1600, 900}},
        {"Документ PDF, лист A4 (*.pdf)", {1600, 900}},
    };
    QStringList filters;
    for (const auto& c : choices) {
        filters << c.filter;
    }
    int chosen = 0;
    const QString suggested =
        QString::fromStdString(std::string(graph_kind_name(view.kind())) + "(t).png");
    const QString path =
        platform.dialogs.save_file(parent, "Сохранить график", suggested, filters, &chosen);
    if (path.isEmpty()) {
        return;
    }
    QString error;
    const SimulationState& state = view.simulation_state();
    if (!write_graph_picture(view, state, path, choices[std::clamp(chosen, 0, 4)].size, &error)) {
        cannot_write(parent, platform, path, error);
    }
}

void copy_graph_picture(GraphView& view) {
    const QSize size(1600, 900);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    view.render(painter, QRectF(QPointF(0, 0), size), scale_for(size.width()),
                picture_title(view, view.simulation_state()));
    painter.end();
    QGuiApplication::clipboard()->setImage(image);
}

void print_graph(QWidget* parent, Platform& platform, GraphView& view) {
    platform.dialogs.print(parent, [&view](QPainter& painter, const QRectF& page) {
        view.render(painter, page, paper_scale, picture_title(view, view.simulation_state()));
    });
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

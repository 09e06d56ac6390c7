#include "ui/lab_report_files.h"

#include "graphs/graph_view.h"
#include "io/results_csv.h"
#include "platform/locale.h"
#include "ui/pdf_document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextCursor>
#include <QTextDocument>

namespace ovrelan {

namespace {

QString qt(const std::string& s) {
    return QString::fromStdString(s);
}

QString svg_name(const Picture& picture) {
    QString name = picture.file_name;
    const auto dot = name.lastIndexOf('.');
    return (dot > 0 ? name.left(dot) : name) + ".svg";
}

// The report's tables as HTML: each section a heading and a table of name, value, meaning.
QString sections_html(const LabReport& report) {
    QString html = "<h1>" + qt(report.title).toHtmlEscaped() + "</h1>";
    for (const ReportSection& section : report.sections) {
        html += "<h2>" + qt(section.title).toHtmlEscaped() + "</h2>";
        html += "<table border='1' cellspacing='0' cellpadding='4'>";
        for (const ReportRow& row : section.rows) {
            html += "<tr>";
            if (!row.name.empty()) {
                html += "<td><b>" + qt(row.name).toHtmlEscaped() + "</b></td>";
            }
            html += "<td>" + qt(row.value).toHtmlEscaped() + "</td>";
            if (!row.meaning.empty()) {
                html += "<td>" + qt(row.meaning).toHtmlEscaped() + "</td>";
            }
            html += "</tr>";
        }
        html += "</table>";
    }
    return html;
}

QString about_html(const ReportPicture& about) {
    QString html;
    if (!about.markers.empty()) {
        html += "<p>" +
                QCoreApplication::translate("LabReportFiles", "Метки: %1")
                    .arg(qt(about.markers).toHtmlEscaped()) +
                "</p>";
    }
    for (const std::string& c : about.other_curves) {
        html += "<p>" + qt(c).toHtmlEscaped() + "</p>";
    }
    return html;
}

bool write_csv(const SimulationState& state, const QString& path, QString* error) {
    return write_file(
        path,
        QByteArray::fromStdString(results_csv(state, document_decimal_separator() == '.'
                                                         ? CsvDialect::comma_point
                                                         : CsvDialect::semicolon_comma)),
        error);
}

LabReport made(const SimulationState& state, const std::vector<ReportFigure>& figures,
               bool svg_files) {
    std::vector<ReportPicture> pictures;
    for (const ReportFigure& f : figures) {
        pictures.push_back(f.about);
        pictures.back().file = svg_files ? svg_name(f.picture).toStdString() : std::string();
    }
    return lab_report(state, std::move(pictures), document_decimal_separator());
}

bool write_folder(const SimulationState& state, const std::vector<ReportFigure>& figures,
                  const QString& path, QString* error) {
    const QFileInfo info(path);
    if (info.exists() && !info.isDir()) {
        *error = QCoreApplication::translate("LabReportFiles", "«%1» — файл, а не папка").arg(path);
        return false;
    }
    if (!QDir().mkpath(path)) {
        *error = QCoreApplication::translate("LabReportFiles", "не удалось создать папку «%1»")
                     .arg(path);
        return false;
    }
    const QDir dir(path);
    const LabReport report = made(state, figures, true);
    QString html = "<!DOCTYPE html><html lang='" +
                   QCoreApplication::translate("LabReportFiles", "ru") +
                   "'><head><meta charset='utf-8'><title>" + qt(report.title).toHtmlEscaped() +
                   "</title></head><body>" + sections_html(report);
    for (const ReportFigure& f : figures) {
        const QString name = svg_name(f.picture);
        if (!write_picture(f.picture, dir.filePath(name), QSize(1600, 900), error)) {
            return false;
        }
        html += "<h2>" + f.picture.title.toHtmlEscaped() + "</h2><p><img src='" +
                name.toHtmlEscaped() + "' width='800'></p>" + about_html(f.about);
    }
    html += "<p>" + QCoreApplication::translate("LabReportFiles", "Результаты расчёта:") +
            " <a href='rezultaty.csv'>rezultaty.csv</a></p></body></html>";
    return write_file(dir.filePath("otchet.html"), html.toUtf8(), error) &&
           write_file(dir.filePath("otchet.txt"), QByteArray::fromStdString(report_text(report)),
                      error) &&
           write_csv(state, dir.filePath("rezultaty.csv"), error);
}

bool write_pdf(const SimulationState& state, const std::vector<ReportFigure>& figures,
               const QString& path, QString* error) {
    const LabReport report = made(state, figures, false);
    PdfDocument pdf(qt(report.title));
    QTextCursor cursor(&pdf.document());
    cursor.insertHtml(sections_html(report));
    for (const ReportFigure& f : figures) {
        pdf.insert_picture(cursor, f.picture, f.aspect);
        const QString about = about_html(f.about);
        if (!about.isEmpty()) {
            cursor.insertBlock();
            cursor.insertHtml(about);
        }
    }
    QString csv = path;
    csv.chop(4);
    return pdf.write(path, error) && write_csv(state, csv + ".csv", error);
}

} // namespace

ReportFigure graph_figure(GraphView& view) {
    ReportFigure figure{picture_of(view), {}, 0.5};
    figure.about.title = figure.picture.title.toStdString();
    if (view.markers().size() >= 2) {
        figure.about.markers = view.readout_text();
    }
    for (const GraphView::Remembered& r : view.remembered()) {
        figure.about.other_curves.push_back(
            QCoreApplication::translate("LabReportFiles", "Запомненная кривая: %1")
                .arg(qt(r.caption))
                .toStdString());
    }
    for (const GraphView::Remembered& r : view.family_curves()) {
        figure.about.other_curves.push_back(
            QCoreApplication::translate("LabReportFiles", "Кривая семейства: %1")
                .arg(qt(r.caption))
                .toStdString());
    }
    return figure;
}

ReportFigure picture_figure(const Picture& picture, double aspect) {
    ReportFigure figure{picture, {}, aspect};
    figure.about.title = picture.title.toStdString();
    return figure;
}

bool is_pdf_path(const QString& path) {
    return path.endsWith(".pdf", Qt::CaseInsensitive);
}

bool write_lab_report(const SimulationState& state, const std::vector<ReportFigure>& figures,
                      const QString& path, QString* error) {
    QString reason;
    const bool ok = is_pdf_path(path) ? write_pdf(state, figures, path, &reason)
                                      : write_folder(state, figures, path, &reason);
    if (!ok && error != nullptr) {
        *error = reason;
    }
    return ok;
}

} // namespace ovrelan

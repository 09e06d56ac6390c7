#include "ui/report_actions.h"

#include "graphs/picture_window.h"
#include "graphs/resonance_window.h"
#include "graphs/vector_window.h"
#include "ui/graph_windows.h"
#include "ui/lab_report_files.h"
#include "ui/main_window.h"
#include "ui/report_command.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ovrelan {

namespace {

QString report_title() {
    return QCoreApplication::translate("ReportActions", "Сохранить для отчёта");
}
QString worksheet_title() {
    return QCoreApplication::translate("ReportActions", "Рабочий лист по задаче");
}

// Where the answer key goes beside the sheet: «лист.pdf» → «лист_otvety.pdf».
QString answers_beside(const QString& sheet) {
    QString stem = sheet;
    if (stem.endsWith(".pdf", Qt::CaseInsensitive)) {
        stem.chop(4);
    }
    return stem + "_otvety.pdf";
}

} // namespace

void save_report(MainWindow& window, Platform& platform) {
    window.simulation().finish_pending_edits();
    int chosen = 0;
    const QStringList filters{
        QCoreApplication::translate("ReportActions", "Документ PDF, листы A4 (*.pdf)"),
        QCoreApplication::translate("ReportActions",
                                    "Папка: таблицы, рисунки SVG и результаты CSV (*)")};
    const QString path =
        platform.dialogs.save_file(&window, report_title(), "otchet.pdf", filters, &chosen);
    if (path.isEmpty()) {
        return;
    }
    QString target = path;
    if (chosen == 1 && is_pdf_path(target)) {
        target.chop(4); // a folder was asked for: the name without the offered extension
    }
    std::vector<ReportFigure> figures;
    GraphWindows& graphs = window.graph_windows();
    for (std::size_t k = 0; k < graph_kind_count; ++k) {
        if (GraphView* view = graphs.shown_view(static_cast<GraphKind>(k))) {
            figures.push_back(graph_figure(*view));
        }
    }
    if (graphs.resonance() != nullptr && graphs.resonance()->isVisible()) {
        figures.push_back(picture_figure(graphs.resonance()->picture(), 0.9));
    }
    if (graphs.vector() != nullptr && graphs.vector()->isVisible()) {
        figures.push_back(picture_figure(graphs.vector()->picture(), 0.75));
    }
    QString error;
    if (!write_lab_report(window.state(), figures, target, &error)) {
        platform.boxes.show_ok(
            &window, QCoreApplication::translate("ReportActions", "Ошибка"),
            QCoreApplication::translate("ReportActions", "Не удалось сохранить для отчёта «") +
                target + "»: " + error);
    }
}

void save_worksheet(QWidget* parent, Platform& platform) {
    const QString task = platform.dialogs.open_file(
        parent, worksheet_title(),
        {QCoreApplication::translate("ReportActions", "Задачи Ovrelan (*.ovrelan)"),
         QCoreApplication::translate("ReportActions", "Все файлы (*)")});
    if (task.isEmpty()) {
        return;
    }
    int chosen = 0;
    const QString sheet = platform.dialogs.save_file(
        parent, QCoreApplication::translate("ReportActions", "Сохранить рабочий лист"),
        QFileInfo(task).completeBaseName() + "_list.pdf",
        {QCoreApplication::translate("ReportActions", "Документ PDF, листы A4 (*.pdf)")}, &chosen);
    if (sheet.isEmpty()) {
        return;
    }
    const QString pdf = is_pdf_path(sheet) ? sheet : sheet + ".pdf";
    const QString answers = answers_beside(pdf);
    const ExportOutcome outcome = write_task_worksheets(task, pdf, answers, platform);
    if (outcome.exit_status != 0) {
        QString reason = outcome.message.trimmed();
        reason.remove(0, QStringLiteral("ovrelan: ").size());
        platform.boxes.show_ok(
            parent, QCoreApplication::translate("ReportActions", "Ошибка"),
            QCoreApplication::translate("ReportActions", "Рабочий лист не сделан: ") + reason);
        return;
    }
    platform.boxes.show_ok(parent, worksheet_title(),
                           QCoreApplication::translate("ReportActions", "Рабочий лист: «") + pdf +
                               QCoreApplication::translate("ReportActions", "»\nОтветы: «") +
                               answers + "»");
}

} // namespace ovrelan

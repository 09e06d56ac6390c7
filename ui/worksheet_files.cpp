#include "ui/worksheet_files.h"

#include "ui/pdf_document.h"

#include <QCoreApplication>

#include <QTextCursor>
#include <QTextDocument>

namespace ovrelan {

namespace {

QString html(const std::string& s) {
    return QString::fromStdString(s).toHtmlEscaped();
}

// A text of the task's own: its line breaks kept, and the superscripts and subscripts the
// documents write (e<sup>Θ</sup>) as such.
QString lines_html(const std::string& text) {
    QString out = html(text).replace('\n', "<br>");
    for (const char* tag : {"sup", "sub"}) {
        out.replace(QString("&lt;%1&gt;").arg(tag), QString("<%1>").arg(tag));
        out.replace(QString("&lt;/%1&gt;").arg(tag), QString("</%1>").arg(tag));
    }
    return out;
}

// The circuit's values in one row: the names above, the values beneath.
QString values_html(const Worksheet& w) {
    QString names;
    QString values;
    for (const auto& [name, value] : w.values) {
        names += "<th>" + html(name) + "</th>";
        values += "<td align='center'>" + html(value) + "</td>";
    }
    return "<table border='1' cellspacing='0' cellpadding='5' width='100%'><tr>" + names +
           "</tr><tr>" + values + "</tr></table>";
}

// The table to fill in: the rows' values and blank cells, tall enough to write in; in the key
// the cells computed.
QString table_html(const Worksheet& w, SheetKind kind) {
    if (w.header.empty()) {
        return {};
    }
    QString out = "<h3>" + QCoreApplication::translate("WorksheetFiles", "Таблица") +
                  "</h3><table border='1' cellspacing='0' cellpadding='6' "
                  "width='100%'><tr>";
    for (const std::string& h : w.header) {
        out += "<th>" + html(h) + "</th>";
    }
    out += "</tr>";
    const bool has_row_field = w.header.size() > (w.answers.empty() ? 0 : w.answers[0].size());
    for (std::size_t r = 0; r < w.answers.size(); ++r) {
        out += "<tr>";
        if (has_row_field) {
            out += "<td align='center'>" + html(w.row_labels[r]) + "</td>";
        }
        for (const std::string& cell : w.answers[r]) {
            out += kind == SheetKind::answers ? "<td>" + html(cell) + "</td>"
                                              : QString("<td><br><br></td>");
        }
        out += "</tr>";
    }
    return out + "</table>";
}

QString questions_html(const Worksheet& w, SheetKind kind) {
    if (w.questions.empty()) {
        return {};
    }
    QString out = "<h3>" + QCoreApplication::translate("WorksheetFiles", "Вопросы") + "</h3><ol>";
    for (const std::string& q : w.questions) {
        out += "<li>" + html(q);
        if (kind == SheetKind::sheet) { // lines to write the answer on
            out += "<br><br>______________________________________________________________________"
                   "<br><br>______________________________________________________________________";
        }
        out += "</li>";
    }
    return out + "</ol>";
}

} // namespace

bool write_worksheet(const Worksheet& w, SheetKind kind, const std::vector<ReportFigure>& figures,
                     const QString& path, QString* error) {
    const bool key = kind == SheetKind::answers;
    const QString title = QString::fromStdString(w.title);
    PdfDocument pdf(key ? QCoreApplication::translate("WorksheetFiles", "Ответы: %1").arg(title)
                        : title);
    QString out = "<h1>" + title.toHtmlEscaped() + "</h1>";
    if (key) {
        out += "<p><b>" + QCoreApplication::translate("WorksheetFiles", "Ответы для учителя.") +
               "</b> " + html(w.circuit) + "</p>";
    } else {
        out += "<p>" +
               QCoreApplication::translate("WorksheetFiles",
                                           "Фамилия, имя: ________________________________ &nbsp; "
                                           "Класс: ________ &nbsp; Дата: ____________") +
               "</p>";
    }
    out +=
        "<h3>" + QCoreApplication::translate("WorksheetFiles", "Цепь") + "</h3>" + values_html(w);
    if (!w.aim.empty()) {
        out += "<h3>" + QCoreApplication::translate("WorksheetFiles", "Цель") + "</h3><p>" +
               lines_html(w.aim) + "</p>";
    }
    if (!w.steps.empty()) {
        out += "<h3>" + QCoreApplication::translate("WorksheetFiles", "Что сделать") + "</h3><ol>";
        for (const std::string& step : w.steps) {
            out += "<li>" + html(step) + "</li>";
        }
        out += "</ol>";
    }
    out += table_html(w, kind) + questions_html(w, kind);
    if (key) {
        if (!w.refused.empty()) {
            out += "<h3>" +
                   QCoreApplication::translate("WorksheetFiles",
                                               "Значения, которые программа не примет") +
                   "</h3>";
            for (const std::string& r : w.refused) {
                out += "<p>" + html(r) + "</p>";
            }
        }
        if (!w.answer.empty()) {
            out += "<h3>" + QCoreApplication::translate("WorksheetFiles", "Ответ") + "</h3><p>" +
                   lines_html(w.answer) + "</p>";
        }
    } else {
        const QString line =
            "______________________________________________________________________";
        out += "<h3>" + QCoreApplication::translate("WorksheetFiles", "Выводы") + "</h3><p><br>" +
               line + "<br><br>" + line + "<br><br>" + line + "</p>";
    }
    QTextCursor cursor(&pdf.document());
    cursor.insertHtml(out);
    if (key) {
        for (const ReportFigure& f : figures) {
            pdf.insert_picture(cursor, f.picture, f.aspect);
        }
    }
    return pdf.write(path, error);
}

} // namespace ovrelan

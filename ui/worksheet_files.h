// A worksheet on an A4 PDF, laid out from io/worksheet.h: the sheet to hand out (the circuit's
// values, the aim, what to do, the table with empty cells, the questions with lines to write on)
// or its answer key (the same with the table's cells computed, the task's own answer and the
// graphs of the task's circuit in vectors). Pages numbered at their foot.
#pragma once

#include "io/worksheet.h"
#include "ui/lab_report_files.h"

#include <QString>

#include <vector>

namespace ovrelan {

enum class SheetKind { sheet, answers };

bool write_worksheet(const Worksheet& worksheet, SheetKind kind,
                     const std::vector<ReportFigure>& figures, const QString& path, QString* error);

} // namespace ovrelan

// The «Файл» menu's report and worksheet: «Сохранить для отчёта…» saves what the window shows
// (the circuit, the panel, every open graph with its markers and other curves, the resonance
// curve and the vector diagram if open, the results) to a PDF or a folder; «Рабочий лист по
// задаче…» makes a task file's worksheet and its answer key beside it.
#pragma once

#include "platform/platform.h"

class QWidget;

namespace ovrelan {

class MainWindow;

void save_report(MainWindow& window, Platform& platform);
void save_worksheet(QWidget* parent, Platform& platform);

} // namespace ovrelan

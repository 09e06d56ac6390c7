// A worksheet made from a task file, as plain data: what the sheet a teacher hands out shows
// (title, the circuit with its values, the aim, what to do, a table to fill in, questions) and
// what its answer key adds (each cell of the table computed for its row's circuit after its whole
// run, the task's own answer, the graphs to draw). The sheet holds no answer; the windows and the
// PDF writer only lay this out.
#pragma once

#include "io/task_file.h"

#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace ovrelan {

struct Worksheet {
    std::string title;
    std::string circuit; // «Контур RLC: колебательный режим (затухающие колебания)»
    std::vector<std::pair<std::string, std::string>> values; // («L», «2000 мкГн»), …
    std::string aim; // the sheet's aim, or the task's comment when it gives none
    std::vector<std::string> steps;
    std::vector<std::string> header;     // the table's columns: the rows' field first, if any
    std::vector<std::string> row_labels; // «1 Ом», …; one empty label for the task's circuit
    std::vector<std::vector<std::string>> answers; // [row][measure]: the key's cells
    std::vector<std::string> refused;              // rows the model would not take, with the reason
    std::vector<std::string> questions;
    std::string answer;              // the task's own words for the key
    std::vector<std::string> graphs; // as the task names them: Uc, I, res, vec, …
};

// The texts of one computed quantity (io/task_sheet.h) for a circuit after its whole run, with
// the decimal separator (a comma in Russian) and its unit joined by a no-break space; «—» where
// the circuit has none.
std::string quantity_text(const SimulationState& s, std::string_view quantity,
                          char decimal_separator = ',');

// The worksheet of a task: its circuit entered on the start-up state as the window opens a task
// (a value the model would refuse or correct is the error check_task_values gives), each row's
// value then entered on it as if typed. Its numbers are written with the decimal separator given,
// the fields' texts too.
std::variant<Worksheet, TaskError> make_worksheet(const Task& task, char decimal_separator = ',');

// The circuit a task opens to, computed; or why it does not open.
std::variant<SimulationState, TaskError> task_state(const Task& task);

} // namespace ovrelan

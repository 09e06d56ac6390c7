// What a worksheet made from a task asks of the student, kept in the task file beside the seven
// fields and the comment. Every line is optional, so a task file without them opens as before:
//
//   title = Период и логарифмический декремент
//   aim = Измерить период затухающих колебаний и их логарифмический декремент.
//   step = Включите график Uc(t) и выберите «Расчёт → Досчитать до конца».
//   step = Поставьте метки A и B на два соседних максимума Uc.
//   rows = R: 1; 2; 4; 8; 20          (one row of the table per value of a field; none: one row)
//   measure = Период T | T            (a column: its heading, then what the answer key computes)
//   question = Во сколько раз уменьшается амплитуда за период?
//   answer = Соседние максимумы идут через 19,87 мс…   (the key's own words; several lines join)
//   graph = Uc                        (a graph drawn in the answer key: Uc, EL, Ur, I, W, UI,
//                                      res for the resonance curve, vec for the vector diagram)
//
// What a column computes, for each row's circuit after its whole run:
//   regime             the circuit and its regime as the panel names them
//   T, To, Tv          the free period, the natural period (Tx of R-C and R-L), the source's
//                      period
//   Tr                 the relaxation time of an R-C or R-L circuit
//   delta, Theta, Q    as the panel shows them (∞ and — where it shows no number)
//   Rk, nu0, Vr        the critical resistance, the natural frequency, the resonance frequency
//   span               how long the run lasts
//   amp(X)             the steady amplitude the source drives (X: Uc, EL, Ur, I)
//   max(X), min(X), end(X)   over the computed grid (X: Uc, EL, Ur, I, W)
//   X@t                X at the grid point nearest to t milliseconds: Uc@10
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ovrelan {

struct TaskMeasure {
    std::string label;    // the column's heading
    std::string quantity; // what is computed for it
    friend bool operator==(const TaskMeasure&, const TaskMeasure&) = default;
};

struct TaskSheet {
    std::string title;
    std::string aim;
    std::vector<std::string> steps;
    std::string rows_field;        // "R"; empty: the task's circuit is the only row
    std::vector<std::string> rows; // each a field text
    std::vector<TaskMeasure> measures;
    std::vector<std::string> questions;
    std::string answer;
    std::vector<std::string> graphs;
    bool empty() const { return *this == TaskSheet{}; }
    friend bool operator==(const TaskSheet&, const TaskSheet&) = default;
};

// The names a task file gives these lines.
inline constexpr std::string_view sheet_names[] = {"title",   "aim",      "step",   "rows",
                                                   "measure", "question", "answer", "graph"};
bool is_sheet_name(std::string_view name);

// One line of the sheet read into it: nothing when it is right, otherwise why not, in Russian.
// `value` is the text after "=" (a blank after it taken off, nothing else).
std::string read_sheet_line(TaskSheet& sheet, std::string_view name, std::string_view value);

// The lines of a task file for the sheet, each ending in a line break.
std::string write_sheet(const TaskSheet& sheet);

// Whether a quantity is one a column can compute; the graphs' names the answer key can draw.
bool is_known_quantity(std::string_view quantity);
bool is_known_graph(std::string_view graph);

} // namespace ovrelan

// A task a teacher hands to students: the seven fields and a comment, in a small text file
// (extension .ovrelan):
//
//   # Ovrelan: задача
//   L = 2000          (µH)
//   C = 5000          (µF)
//   R = 0.020         (Ω)
//   Uo = 15           (V)
//   Em = 5            (V)
//   nu = 47           (Hz)
//   Nmax = 40
//   comment = Найдите период колебаний и сравните его с T на панели.
//
// A line starting with # is a remark. Each of the seven names stands exactly once; its value is
// one number as a field reads it (a decimal point or comma, an exponent). "comment" may stand on
// several lines, which join with line breaks; a comment line is kept as it stands after the "="
// and the one blank the program writes there, blanks at its end included. The file is UTF-8 (a
// byte-order mark and CR LF line ends as Windows editors write them are fine), Windows-1251, or
// UTF-16 with a byte-order mark in either byte order (Notepad's «Юникод»). The lines a worksheet
// reads (title, aim, step, rows, measure, question, answer, graph) may follow: io/task_sheet.h.
#pragma once

#include "io/task_sheet.h"
#include "model/simulation_state.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace ovrelan {

struct Task {
    std::array<std::string, 7> texts; // L, C, R, Uo, Em, nu, Nmax, as typed
    std::string comment;
    std::array<std::size_t, 7> lines{}; // the line each field stands on in its file (0: none)
    TaskSheet sheet;                    // what a worksheet asks; empty in an older file
    friend bool operator==(const Task& a, const Task& b) {
        return a.texts == b.texts && a.comment == b.comment && a.sheet == b.sheet;
    }
};

struct TaskError {
    std::string text; // what is wrong, for the student
};

// A larger file is not a task. The limit counts the file as the program saves it (UTF-8, LF line
// ends), so what it saves opens again: saving a task whose file would be larger is refused. A file
// from an editor counts its text the same way: its byte-order mark and the CR of CR LF line ends
// do not count, and UTF-16 counts two bytes as one.
inline constexpr std::size_t task_file_limit = 64 * 1024;

// The names of the seven fields in a task file, in the order of the fields.
inline constexpr std::array<std::string_view, 7> task_names{"L",  "C",  "R",   "Uo",
                                                            "Em", "nu", "Nmax"};

// The task in the bytes of a file, in any of the encodings above.
std::variant<Task, TaskError> parse_task(std::string_view content);
// The file's text for a task, unchecked: the field texts without blanks at their ends, each line
// of the comment after "comment = " as it is.
std::string write_task(const Task& task);
// The file's text for a task, or why it is not saved: a file that would not open again to the
// same task (the field texts without blanks at their ends, the comment exactly) is refused, with
// the reason in Russian: a field that is not one number, a comment with control characters, a
// file larger than the limit.
std::variant<std::string, TaskError> task_file_text(const Task& task);

// The file read and parsed. Only a regular file is read (a folder, a device or a pipe is refused
// at once); one larger than the limit, empty, or in none of the encodings above is an error.
std::variant<Task, TaskError> read_task_file(const std::string& path);
// False with the reason in *error when the task is refused (task_file_text; nothing is written
// then) or the file cannot be written.
bool write_task_file(const std::string& path, const Task& task, std::string* error);

// Whether the task's values open as they stand on the state `current`: nothing when they do; the
// line, the field and the message when the model would refuse or correct one of them, for then
// the task is not opened at all.
std::optional<TaskError> check_task_values(const SimulationState& current, const Task& task);

// What «Сохранить задачу» writes for the values the model holds: each field's text as typed when
// it is one number that reads as exactly that value, the value itself otherwise; the comment
// without control characters. It always opens again to the same values; task_file_text says
// whether it can be saved at all (a comment too long for a task file cannot).
Task task_to_save(const std::array<std::string, 7>& typed, const Parameters& held,
                  std::string_view comment);

} // namespace ovrelan

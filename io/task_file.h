// A task a teacher hands to students: the seven fields as typed and a comment, in a small UTF-8
// text file (extension .ovrelan):
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
// a number as a field reads it (a decimal point or comma, an exponent). "comment" may stand on
// several lines, which join with line breaks.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace ovrelan {

struct Task {
    std::array<std::string, 7> texts; // L, C, R, Uo, Em, nu, Nmax, as typed
    std::string comment;
    friend bool operator==(const Task&, const Task&) = default;
};

struct TaskError {
    std::string text; // what is wrong, for the student
};

// A larger file is not a task.
inline constexpr std::size_t task_file_limit = 64 * 1024;

// The names of the seven fields in a task file, in the order of the fields.
inline constexpr std::array<std::string_view, 7> task_names{"L",  "C",  "R",   "Uo",
                                                            "Em", "nu", "Nmax"};

std::variant<Task, TaskError> parse_task(std::string_view content);
std::string write_task(const Task& task);

// The file read and parsed; a file that cannot be read or is too large is an error too.
std::variant<Task, TaskError> read_task_file(const std::string& path);
// False with the reason in *error when the file cannot be written.
bool write_task_file(const std::string& path, const Task& task, std::string* error);

} // namespace ovrelan

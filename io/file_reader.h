// Files read whole, as the program reads what a student opens: only a regular file is read (a
// folder, a device or a pipe is refused at once, without reading: a pipe would keep the program
// waiting, a device would never end), and never more than a limit the caller sets. Reasons in
// Russian.
#pragma once

#include <cstddef>
#include <string>
#include <variant>

namespace ovrelan {

struct FileReadError {
    bool too_large = false; // the file holds more than the limit: the caller says what it admits
    std::string text;       // the reason, for the student ("" when too_large)
};

// The bytes of the file at `path`, or why they are not read.
std::variant<std::string, FileReadError> read_regular_file(const std::string& path,
                                                           std::size_t limit);

} // namespace ovrelan

#include "io/task_file.h"

#include "model/number_reading.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace ovrelan {

namespace {

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

// Well-formed UTF-8 without NUL or other control characters but tabs and line breaks.
bool is_text(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
                return false;
            }
            ++i;
            continue;
        }
        const int length = c >= 0xF0 && c < 0xF5   ? 4
                           : c >= 0xE0             ? 3
                           : c >= 0xC2 && c < 0xE0 ? 2
                                                   : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > s.size()) {
            return false;
        }
        for (int k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}

std::string at_line(std::size_t line) {
    return "строка " + std::to_string(line) + ": ";
}

} // namespace

std::variant<Task, TaskError> parse_task(std::string_view content) {
    if (content.find_first_not_of(" \t\r\n") == std::string_view::npos) {
        return TaskError{"файл пуст"};
    }
    if (content.size() > task_file_limit) {
        return TaskError{"файл слишком велик для задачи (" + std::to_string(content.size()) +
                         " байт)"};
    }
    if (!is_text(content)) {
        return TaskError{"это не текстовый файл"};
    }
    Task task;
    std::array<bool, 7> given{};
    std::vector<std::string> comment;
    std::size_t line_number = 0;
    std::size_t start = 0;
    while (start <= content.size()) {
        const std::size_t end = std::min(content.find('\n', start), content.size());
        const std::string_view line = trim(content.substr(start, end - start));
        start = end + 1;
        ++line_number;
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            return TaskError{at_line(line_number) + "нет знака «=»"};
        }
        const std::string_view name = trim(line.substr(0, equals));
        const std::string_view value = trim(line.substr(equals + 1));
        if (name == "comment") {
            comment.emplace_back(value);
            continue;
        }
        const auto found = std::find(task_names.begin(), task_names.end(), name);
        if (found == task_names.end()) {
            return TaskError{at_line(line_number) + "неизвестное имя «" + std::string(name) + "»"};
        }
        const auto k = static_cast<std::size_t>(found - task_names.begin());
        if (given[k]) {
            return TaskError{at_line(line_number) + "«" + std::string(name) + "» задано дважды"};
        }
        if (!reads_whole(value)) {
            return TaskError{at_line(line_number) + "«" + std::string(value) + "» — не число"};
        }
        given[k] = true;
        task.texts[k] = std::string(value);
    }
    std::string missing;
    for (std::size_t k = 0; k < given.size(); ++k) {
        if (!given[k]) {
            missing += (missing.empty() ? "" : ", ") + std::string(task_names[k]);
        }
    }
    if (!missing.empty()) {
        return TaskError{"не заданы поля: " + missing};
    }
    for (std::size_t i = 0; i < comment.size(); ++i) {
        task.comment += (i == 0 ? "" : "\n") + comment[i];
    }
    return task;
}

std::string write_task(const Task& task) {
    std::string out = "# Ovrelan: задача (L в мкГн, C в мкФ, R в Ом, Uo и Em в В, nu в Гц)\n";
    for (std::size_t k = 0; k < task_names.size(); ++k) {
        out += std::string(task_names[k]) + " = " + std::string(trim(task.texts[k])) + "\n";
    }
    std::size_t start = 0;
    while (!task.comment.empty() && start <= task.comment.size()) {
        const std::size_t end = std::min(task.comment.find('\n', start), task.comment.size());
        out += "comment = " +
               std::string(trim(std::string_view(task.comment).substr(start, end - start))) + "\n";
        start = end + 1;
    }
    return out;
}

std::variant<Task, TaskError> read_task_file(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return TaskError{std::string("не удалось прочитать: ") + std::strerror(errno)};
    }
    std::string content;
    char buffer[8192];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        content.append(buffer, n);
        if (content.size() > task_file_limit) {
            break; // no need to read a large file to the end
        }
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return TaskError{"не удалось прочитать файл"};
    }
    return parse_task(content);
}

bool write_task_file(const std::string& path, const Task& task, std::string* error) {
    const std::string text = write_task(task);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool ok = file != nullptr && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const int saved = errno;
    if (file != nullptr && std::fclose(file) != 0) {
        ok = false;
    }
    if (!ok && error != nullptr) {
        *error = std::strerror(saved != 0 ? saved : EIO);
    }
    return ok;
}

} // namespace ovrelan

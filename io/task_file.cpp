#include "io/task_file.h"

#include "chain/recompute.h"
#include "io/file_reader.h"
#include "io/file_writer.h"
#include "io/text_encoding.h"
#include "model/number_reading.h"
#include "model/parameter_fields.h"

#include "model/text_arguments.h"
#include "model/translation.h"

#include <algorithm>
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

// No NUL or other control character but tabs and line breaks.
bool is_plain_text(std::string_view s) {
    return std::none_of(s.begin(), s.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c < 0x20 && c != '\t' && c != '\n' && c != '\r';
    });
}

std::string at_line(std::size_t line) {
    return with_arguments(translated("TaskFile", "строка %1: "), std::to_string(line));
}

std::string kib(std::size_t bytes) {
    return with_arguments(translated("TaskFile", "%1 КиБ"), std::to_string((bytes + 1023) / 1024));
}

std::string limit_text() {
    return with_arguments(
        translated("TaskFile", "файл слишком велик для задачи: задача занимает не больше %1"),
        kib(task_file_limit));
}

// What the limit counts is the task's text, not how an editor stored it: a byte-order mark and
// the CR of a CR LF line end do not count, and UTF-16 counts a character per two bytes as the
// 8-bit encodings do per byte (UTF-8 needs at least as many bytes for every character). A file
// the program saved within the limit stays within it whichever of these encodings and line ends
// an editor saves it in again.
std::size_t counted_size(std::string_view bytes, const DecodedText& decoded) {
    std::size_t size = bytes.size();
    if (const auto mark = byte_order_mark(bytes)) {
        size -= mark->size;
    }
    if (decoded.encoding == Encoding::utf16le || decoded.encoding == Encoding::utf16be) {
        size /= 2;
    }
    std::size_t crlf = 0;
    for (auto at = decoded.text.find("\r\n"); at != std::string::npos;
         at = decoded.text.find("\r\n", at + 2)) {
        ++crlf;
    }
    return size - crlf;
}

// No file that counts within the limit is larger: UTF-16 with a mark, every line end a CR LF.
constexpr std::size_t largest_task_file = 2 + 4 * task_file_limit;

// A comment line's text: everything after the '=' but the one blank the writer puts there and the
// CR of a CR LF line end; blanks of the text's own at either end stay.
std::string_view comment_text(std::string_view after_equals) {
    if (!after_equals.empty() && (after_equals.front() == ' ' || after_equals.front() == '\t')) {
        after_equals.remove_prefix(1);
    }
    if (!after_equals.empty() && after_equals.back() == '\r') {
        after_equals.remove_suffix(1);
    }
    return after_equals;
}

std::variant<Task, TaskError> parse_lines(std::string_view content) {
    Task task;
    std::array<bool, 7> given{};
    std::vector<std::string> comment;
    std::size_t line_number = 0;
    std::size_t start = 0;
    while (start <= content.size()) {
        const std::size_t end = std::min(content.find('\n', start), content.size());
        const std::string_view whole = content.substr(start, end - start);
        const std::string_view line = trim(whole);
        start = end + 1;
        ++line_number;
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            return TaskError{at_line(line_number) + translated("TaskFile", "нет знака «=»")};
        }
        const std::string_view name = trim(line.substr(0, equals));
        const std::string_view value = trim(line.substr(equals + 1));
        if (name == "comment") {
            comment.emplace_back(comment_text(whole.substr(whole.find('=') + 1)));
            continue;
        }
        if (is_sheet_name(name)) {
            const std::string error = read_sheet_line(task.sheet, name, value);
            if (!error.empty()) {
                return TaskError{at_line(line_number) + error};
            }
            continue;
        }
        const auto found = std::find(task_names.begin(), task_names.end(), name);
        if (found == task_names.end()) {
            return TaskError{at_line(line_number) +
                             with_arguments(translated("TaskFile", "неизвестное имя «%1»"), name)};
        }
        const auto k = static_cast<std::size_t>(found - task_names.begin());
        if (given[k]) {
            return TaskError{at_line(line_number) +
                             with_arguments(translated("TaskFile", "«%1» задано дважды"), name)};
        }
        if (!reads_whole(value)) {
            return TaskError{at_line(line_number) +
                             with_arguments(translated("TaskFile", "«%1» — не число"), value)};
        }
        given[k] = true;
        task.texts[k] = std::string(value);
        task.lines[k] = line_number;
    }
    std::string missing;
    for (std::size_t k = 0; k < given.size(); ++k) {
        if (!given[k]) {
            missing += (missing.empty() ? "" : ", ") + std::string(task_names[k]);
        }
    }
    if (!missing.empty()) {
        return TaskError{with_arguments(translated("TaskFile", "не заданы поля: %1"), missing)};
    }
    for (std::size_t i = 0; i < comment.size(); ++i) {
        task.comment += (i == 0 ? "" : "\n") + comment[i];
    }
    return task;
}

// A text the parser takes: the decoded file, checked for control characters.
std::variant<Task, TaskError> parse_decoded(const DecodedText& decoded) {
    const std::string note =
        decoded.encoding == Encoding::windows_1251
            ? translated("TaskFile", " (файл прочитан в кодировке Windows-1251)")
            : std::string();
    if (!is_plain_text(decoded.text)) {
        return TaskError{translated("TaskFile", "это не текстовый файл") + note};
    }
    auto parsed = parse_lines(decoded.text);
    if (auto* error = std::get_if<TaskError>(&parsed)) {
        error->text += note;
    }
    return parsed;
}

} // namespace

std::variant<Task, TaskError> parse_task(std::string_view content) {
    if (content.size() > largest_task_file) {
        return TaskError{limit_text()};
    }
    const auto decoded = decode_text_file(content);
    if (!decoded) {
        const auto mark = byte_order_mark(content);
        if (mark && mark->encoding != Encoding::utf8) {
            return TaskError{translated(
                "TaskFile", "это не текстовый файл: он начинается меткой порядка байтов UTF-16, "
                            "но дальше не текст в UTF-16")};
        }
        return TaskError{translated(
            "TaskFile", "это не текстовый файл: его нельзя прочитать ни как UTF-8, ни как "
                        "Windows-1251")};
    }
    if (counted_size(content, *decoded) > task_file_limit) {
        return TaskError{limit_text()};
    }
    if (decoded->text.find_first_not_of(" \t\r\n") == std::string::npos) {
        return TaskError{translated("TaskFile", "файл пуст")};
    }
    return parse_decoded(*decoded);
}

std::string write_task(const Task& task) {
    std::string out = "# Ovrelan: задача (L в мкГн, C в мкФ, R в Ом, Uo и Em в В, nu в Гц)\n";
    for (std::size_t k = 0; k < task_names.size(); ++k) {
        out += std::string(task_names[k]) + " = " + std::string(trim(task.texts[k])) + "\n";
    }
    std::size_t start = 0;
    while (!task.comment.empty() && start <= task.comment.size()) {
        const std::size_t end = std::min(task.comment.find('\n', start), task.comment.size());
        out += "comment = ";
        out += std::string_view(task.comment).substr(start, end - start);
        out += '\n';
        start = end + 1;
    }
    return out + write_sheet(task.sheet);
}

std::variant<std::string, TaskError> task_file_text(const Task& task) {
    for (std::size_t k = 0; k < task.texts.size(); ++k) {
        const std::string_view text = trim(task.texts[k]);
        if (!reads_whole(text)) {
            return TaskError{with_arguments(translated("TaskFile", "поле %1: «%2» — не число"),
                                            field_caption(static_cast<Field>(k)), text)};
        }
    }
    if (std::any_of(task.comment.begin(), task.comment.end(), [](char ch) {
            const auto c = static_cast<unsigned char>(ch);
            return c < 0x20 && c != '\t' && c != '\n';
        })) {
        return TaskError{translated(
            "TaskFile", "в комментарии есть управляющие символы: в задаче сохраняются только "
                        "текст, табуляции и переводы строк")};
    }
    std::string text = write_task(task);
    if (text.size() > task_file_limit) {
        return TaskError{
            with_arguments(translated("TaskFile", "с этим комментарием файл задачи занял бы %1, а "
                                                  "задача занимает не больше %2; сократите "
                                                  "комментарий"),
                           kib(text.size()), kib(task_file_limit))};
    }
    // What is written is what opens: read back, the fields as written and the comment exactly.
    const auto read = parse_task(text);
    Task trimmed = task;
    for (std::string& field : trimmed.texts) {
        field = std::string(trim(field));
    }
    if (std::holds_alternative<Task>(read) && std::get<Task>(read) == trimmed) {
        return text;
    }
    // Read as Windows-1251, the comment would come back in other letters.
    if (!is_utf8(task.comment)) {
        return TaskError{translated("TaskFile", "комментарий — не текст в кодировке UTF-8")};
    }
    if (const auto* error = std::get_if<TaskError>(&read)) {
        return TaskError{
            with_arguments(translated("TaskFile", "файл задачи не открылся бы: %1"), error->text)};
    }
    return TaskError{
        translated("TaskFile", "файл задачи открылся бы не с теми же значениями и комментарием")};
}

std::variant<Task, TaskError> read_task_file(const std::string& path) {
    auto bytes = read_regular_file(path, largest_task_file);
    if (const auto* error = std::get_if<FileReadError>(&bytes)) {
        return TaskError{error->too_large ? limit_text() : error->text};
    }
    return parse_task(std::get<std::string>(bytes));
}

bool write_task_file(const std::string& path, const Task& task, std::string* error) {
    auto text = task_file_text(task);
    if (const auto* refused = std::get_if<TaskError>(&text)) {
        if (error != nullptr) {
            *error = refused->text;
        }
        return false;
    }
    return write_file_whole(path, std::get<std::string>(text), error);
}

std::optional<TaskError> check_task_values(const SimulationState& current, const Task& task) {
    // The fields in their order up to `count` entered together on a copy of the state: what
    // the model would say.
    const auto entered = [&](std::size_t count) {
        SimulationState trial = current;
        std::vector<FieldText> typed;
        for (std::size_t k = 0; k < count; ++k) {
            typed.push_back({static_cast<Field>(k), task.texts[k]});
        }
        return enter_texts(trial, typed);
    };
    const ChainResult whole = entered(task.texts.size());
    if (whole.notices.empty()) {
        return std::nullopt;
    }
    // A field's own check names its field. A guard or a refusal comes from the values together:
    // the first field that, with those before it, brings it is the one named.
    Notice first = whole.notices.front();
    if (first.cause != NoticeCause::field_check) {
        for (std::size_t count = 1; count <= task.texts.size(); ++count) {
            ChainResult r = entered(count);
            if (!r.notices.empty()) {
                first = std::move(r.notices.front());
                first.field = static_cast<Field>(count - 1);
                break;
            }
        }
    }
    const Field field = first.field.value_or(Field::Nmax);
    const std::size_t line = task.lines[static_cast<std::size_t>(field)];
    return TaskError{
        (line > 0 ? at_line(line) : std::string()) +
        with_arguments(translated("TaskFile", "поле %1: %2"), field_caption(field), first.text)};
}

Task task_to_save(const std::array<std::string, 7>& typed, const Parameters& held,
                  std::string_view comment) {
    Task task;
    for (const FieldEntry& entry : field_table()) {
        const auto k = static_cast<std::size_t>(entry.field);
        const std::string_view text = trim(typed[k]);
        const FieldChange reading = field_change(entry.field, text);
        const bool as_typed =
            reads_whole(text) && !reading.rejected && reading.stored == held.*entry.param;
        task.texts[k] = as_typed
                            ? std::string(text)
                            : std::string(trim(field_text_general(entry.field, held.*entry.param)));
    }
    for (const char c : comment) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r') {
            continue;
        }
        task.comment += u < 0x20 && c != '\n' && c != '\t' ? ' ' : c;
    }
    return task;
}

} // namespace ovrelan

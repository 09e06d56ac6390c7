#include "io/measured_data.h"

#include "io/file_reader.h"
#include "model/text_arguments.h"
#include "model/translation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <set>

namespace ovrelan {

namespace {

constexpr std::size_t sample_lines = 200;
constexpr std::size_t shown_cell_letters = 40;

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool is_blank_line(std::string_view line) {
    return trim(line).empty();
}

bool is_comment(std::string_view line) {
    const std::string_view t = trim(line);
    return t.starts_with('#') || t.starts_with("//");
}

std::string_view without_comment_mark(std::string_view line) {
    std::string_view t = trim(line);
    if (t.starts_with("//")) {
        t.remove_prefix(2);
    } else if (t.starts_with('#')) {
        t.remove_prefix(1);
    }
    return trim(t);
}

// A cell as a message quotes it: at most forty letters.
std::string quoted(std::string_view cell) {
    std::string out;
    std::size_t letters = 0;
    std::size_t i = 0;
    for (; i < cell.size(); ++i) {
        if ((static_cast<unsigned char>(cell[i]) & 0xC0) != 0x80 &&
            ++letters > shown_cell_letters) {
            break;
        }
    }
    out = "«" + std::string(cell.substr(0, i)) + (i < cell.size() ? "…»" : "»");
    return out;
}

std::string at(std::size_t line, std::size_t column) {
    return with_arguments(translated("MeasuredData", "строка %1, столбец %2: "),
                          std::to_string(line), std::to_string(column));
}

MeasuredError cell_error(std::size_t line, std::size_t cell, const std::string& what) {
    return MeasuredError{at(line, cell + 1) + what, line, cell + 1};
}

// Digits in groups of three: "1 000 000".
std::string grouped(std::size_t n) {
    std::string digits = std::to_string(n);
    for (auto i = static_cast<long>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<std::size_t>(i), "\u00A0");
    }
    return digits;
}

// The number of a cell in the file's decimal separator, or in the other one (remarks are often
// written by a program that ignores the locale).
std::optional<double> any_number(std::string_view cell, char decimal) {
    if (auto v = cell_number(cell, decimal)) {
        return v;
    }
    return cell_number(cell, decimal == ',' ? '.' : ',');
}

// A number with a unit after it: "2.0e-06", "2 us", "10кГц".
struct ValueWithUnit {
    double value = 0;
    std::string unit;
};

std::optional<ValueWithUnit> value_with_unit(std::string_view text, char decimal) {
    text = trim(text);
    std::size_t end = 0;
    while (end < text.size() && std::strchr("0123456789+-.,eE", text[end]) != nullptr) {
        ++end;
    }
    // "2e" of "2es" or the "e" of a unit: the longest prefix that reads.
    for (std::size_t n = end; n > 0; --n) {
        if (const auto v = any_number(text.substr(0, n), decimal)) {
            return ValueWithUnit{*v, std::string(trim(text.substr(n)))};
        }
    }
    return std::nullopt;
}

// Rates of sampling: hertz and samples per second.
std::optional<double> rate_scale(std::string_view unit) {
    const std::string u = fold_case(trim(unit));
    static const std::array<std::pair<std::string_view, double>, 12> rates{{
        {"", 1},
        {"hz", 1},
        {"гц", 1},
        {"khz", 1e3},
        {"кгц", 1e3},
        {"mhz", 1e6},
        {"мгц", 1e6},
        {"sa/s", 1},
        {"ksa/s", 1e3},
        {"msa/s", 1e6},
        {"s/s", 1},
        {"samples/s", 1},
    }};
    for (const auto& [name, scale] : rates) {
        if (u == name) {
            return scale;
        }
    }
    return std::nullopt;
}

enum class Key {
    none,
    start,
    increment,
    rate,
    length,
    trigger_point,
    trigger_time,
    value_unit,
    time_unit
};

// What a remark's key means, by its words in any case (a unit in its name aside).
Key key_meaning(std::string_view key) {
    std::string k = fold_case(trim(key));
    while (!k.empty() && (k.back() == ':' || k.back() == '=')) {
        k.pop_back();
    }
    const std::string_view words = trim(k);
    static const std::array<std::pair<std::string_view, Key>, 44> keys{{
        {"start", Key::start},
        {"start time", Key::start},
        {"time start", Key::start},
        {"xstart", Key::start},
        {"x start", Key::start},
        {"x0", Key::start},
        {"t0", Key::start},
        {"начало", Key::start},
        {"начальное время", Key::start},
        {"время начала", Key::start},
        {"increment", Key::increment},
        {"xinc", Key::increment},
        {"x increment", Key::increment},
        {"time increment", Key::increment},
        {"sample interval", Key::increment},
        {"sampling interval", Key::increment},
        {"sample period", Key::increment},
        {"interval", Key::increment},
        {"time step", Key::increment},
        {"dt", Key::increment},
        {"шаг", Key::increment},
        {"шаг по времени", Key::increment},
        {"интервал", Key::increment},
        {"интервал дискретизации", Key::increment},
        {"период дискретизации", Key::increment},
        {"sample rate", Key::rate},
        {"sampling rate", Key::rate},
        {"sample frequency", Key::rate},
        {"sampling frequency", Key::rate},
        {"частота дискретизации", Key::rate},
        {"частота отсчетов", Key::rate},
        {"record length", Key::length},
        {"длина записи", Key::length},
        {"число точек", Key::length},
        {"trigger point", Key::trigger_point},
        {"точка запуска", Key::trigger_point},
        {"точка синхронизации", Key::trigger_point},
        {"trigger time", Key::trigger_time},
        {"время запуска", Key::trigger_time},
        {"vertical units", Key::value_unit},
        {"vertical unit", Key::value_unit},
        {"единицы по вертикали", Key::value_unit},
        {"horizontal units", Key::time_unit},
        {"horizontal unit", Key::time_unit},
    }};
    for (const auto& [name, meaning] : keys) {
        if (words == name) {
            return meaning;
        }
    }
    return Key::none;
}

// A key with its unit in its name ("Increment (ms)", "Sample Rate, kHz"): the meaning and the
// unit's text.
std::pair<Key, std::string> key_and_unit(std::string_view key) {
    if (const Key k = key_meaning(key); k != Key::none) {
        return {k, ""};
    }
    if (const auto named = unit_in_name(key)) {
        return {key_meaning(named->name), named->written};
    }
    for (const char open : {'(', '['}) {
        const auto at_open = key.rfind(open);
        if (at_open != std::string_view::npos && at_open > 0) {
            const Key k = key_meaning(key.substr(0, at_open));
            if (k != Key::none) {
                std::string_view unit = key.substr(at_open + 1);
                if (!unit.empty()) {
                    unit.remove_suffix(1);
                }
                return {k, std::string(trim(unit))};
            }
        }
    }
    return {Key::none, ""};
}

// "Key: value", "Key = value", "Key<tab>value" within one cell or comment.
std::optional<std::pair<std::string, std::string>> split_remark(std::string_view text) {
    text = trim(text);
    for (const char mark : {':', '=', '\t', ';', ','}) {
        const auto at_mark = text.find(mark);
        if (at_mark != std::string_view::npos && at_mark > 0) {
            const std::string_view key = trim(text.substr(0, at_mark));
            const std::string_view value = trim(text.substr(at_mark + 1));
            if (!key.empty() && !value.empty()) {
                return std::pair{std::string(key), std::string(value)};
            }
        }
    }
    return std::nullopt;
}

// Words that name a column of times or of sample numbers (its unit taken off).
bool names_time(std::string_view name) {
    static const std::array<std::string_view, 9> words{
        "time", "t", "x", "время", "sec", "seconds", "timestamp", "millis", "micros"};
    const std::string n = fold_case(trim(name));
    return std::find(words.begin(), words.end(), n) != words.end();
}

bool names_index(std::string_view name) {
    static const std::array<std::string_view, 9> words{
        "index", "n", "no", "№", "номер", "sample", "отсчет", "point", "sequence"};
    const std::string n = fold_case(trim(name));
    return std::find(words.begin(), words.end(), n) != words.end();
}

// What a column's name says it records: «Uc», «I, мА», «Ток», «U_L», «CH2 (A)» ...
std::optional<Quantity> named_quantity(std::string_view name) {
    std::string n = fold_case(trim(name));
    std::erase(n, '_');
    std::erase(n, ' ');
    const auto starts = [&](std::string_view prefix) { return n.starts_with(prefix); };
    if (const auto q = quantity_named(n)) {
        return q;
    }
    // Latin or Cyrillic c after u: «Uc», «Uс».
    if (n == "uc" || n == "uс" || n == "vc" || starts("конденсатор") || starts("capacitor")) {
        return Quantity::Uc;
    }
    if (n == "ur" || n == "vr" || starts("резистор") || starts("resistor")) {
        return Quantity::Ur;
    }
    if (n == "ul" || n == "vl" || n == "εl" || n == "el" || starts("катушк") || starts("coil") ||
        starts("inductor")) {
        return Quantity::EL;
    }
    if (n == "i" || n == "ik" || starts("ток") || starts("current")) {
        return Quantity::I;
    }
    return std::nullopt;
}

// Where lines start and how the text is walked: line numbers as an editor counts them (LF,
// CR LF or a lone CR ends a line).
class LineWalker {
public:
    explicit LineWalker(std::string_view text) : text_(text) {}
    bool next(std::string_view& line) {
        if (at_ >= text_.size()) {
            return false;
        }
        const char* begin = text_.data() + at_;
        const std::size_t left = text_.size() - at_;
        std::size_t end = 0;
        const void* lf = std::memchr(begin, '\n', left);
        end = lf != nullptr ? static_cast<std::size_t>(static_cast<const char*>(lf) - begin) : left;
        // A lone CR ends a line too (old Mac files): looked for only up to the next LF.
        const void* cr = std::memchr(begin, '\r', end);
        std::size_t skip = 1;
        if (cr != nullptr) {
            const auto cr_at = static_cast<std::size_t>(static_cast<const char*>(cr) - begin);
            skip = cr_at + 1 == end && end < left ? 2 : 1;
            end = cr_at;
        }
        line = std::string_view(begin, end);
        at_ += end + skip;
        ++number_;
        return true;
    }
    std::size_t number() const { return number_; }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t number_ = 0;
};

struct Remarks {
    std::vector<MetadataEntry> entries;
    std::optional<double> start, increment, rate, trigger_point, trigger_time;
    std::optional<Unit> value_unit, time_unit;
};

// Takes a remark into the entries, and into the known values when its key is known.
void take_remark(Remarks& r, std::string_view key, std::string_view value, std::size_t line,
                 char decimal) {
    key = trim(key);
    value = trim(value);
    if (key.empty() || value.empty()) {
        return;
    }
    r.entries.push_back({std::string(key), std::string(value), line});
    const auto [meaning, key_unit] = key_and_unit(key);
    if (meaning == Key::value_unit || meaning == Key::time_unit) {
        if (const auto unit = read_unit(value)) {
            (meaning == Key::value_unit ? r.value_unit : r.time_unit) = *unit;
        }
        return;
    }
    const auto v = value_with_unit(value, decimal);
    if (!v || meaning == Key::none || meaning == Key::length) {
        return;
    }
    const std::string unit = v->unit.empty() ? key_unit : v->unit;
    if (meaning == Key::rate) {
        if (const auto scale = rate_scale(unit);
            scale && v->value > 0 && std::isfinite(v->value * *scale)) {
            r.rate = v->value * *scale;
        }
        return;
    }
    if (meaning == Key::trigger_point) {
        r.trigger_point = v->value;
        return;
    }
    // Times: seconds unless a unit of time says otherwise.
    double scale = 1;
    if (!unit.empty()) {
        const auto u = read_unit(unit);
        if (!u || u->kind != UnitKind::time) {
            return;
        }
        scale = u->scale;
    }
    const double seconds = v->value * scale;
    if (!std::isfinite(seconds)) {
        return;
    }
    if (meaning == Key::start) {
        r.start = seconds;
    } else if (meaning == Key::increment) {
        if (seconds > 0) {
            r.increment = seconds;
        }
    } else {
        r.trigger_time = seconds;
    }
}

// Whether the cells of a line in these columns are all numbers.
bool numbers_in(const std::vector<std::string_view>& cells, const std::vector<std::size_t>& columns,
                char decimal) {
    return std::all_of(columns.begin(), columns.end(), [&](std::size_t c) {
        return c < cells.size() && cell_number(cells[c], decimal).has_value();
    });
}

bool strictly_increasing(const std::vector<double>& v) {
    return v.size() >= 2 &&
           std::adjacent_find(v.begin(), v.end(), std::greater_equal<>()) == v.end();
}

std::string column_caption(std::size_t cell) {
    return with_arguments(translated("MeasuredData", "Столбец %1"), std::to_string(cell + 1));
}

} // namespace

std::variant<MeasuredText, MeasuredError> decode_measured(std::string_view bytes,
                                                          std::string file_name) {
    const auto decoded = decode_text_file(bytes);
    if (!decoded) {
        return MeasuredError{translated(
            "MeasuredData", "это не текстовый файл: его нельзя прочитать ни как UTF-8, ни как "
                            "Windows-1251, ни как UTF-16 с меткой порядка байтов")};
    }
    if (decoded->text.find('\0') != std::string::npos) {
        return MeasuredError{
            translated("MeasuredData", "это не текстовый файл: в нём есть нулевые байты")};
    }
    if (decoded->text.find_first_not_of(" \t\r\n") == std::string::npos) {
        return MeasuredError{translated("MeasuredData", "файл пуст")};
    }
    return MeasuredText{std::move(file_name), decoded->text, decoded->encoding};
}

std::variant<MeasuredText, MeasuredError> open_measured_file(const std::string& path) {
    auto bytes = read_regular_file(path, measured_file_limit);
    if (const auto* error = std::get_if<FileReadError>(&bytes)) {
        if (error->too_large) {
            return MeasuredError{with_arguments(
                translated("MeasuredData",
                           "файл слишком велик: измерения занимают не больше %1 МиБ"),
                std::to_string(measured_file_limit / (1024 * 1024)))};
        }
        return MeasuredError{error->text};
    }
    return decode_measured(std::get<std::string>(bytes),
                           std::filesystem::path(path).filename().string());
}

const MeasuredColumn* MeasuredPreview::column_at(std::size_t cell) const {
    for (const MeasuredColumn& c : columns) {
        if (c.cell == cell) {
            return &c;
        }
    }
    return nullptr;
}

namespace {

// The steps of inspect_measured over one text, each on what the ones before found.
class Inspection {
public:
    Inspection(const MeasuredText& text, std::optional<Dialect> dialect)
        : text_(text), lines_(split_lines(text.text)), dialect_(dialect) {}

    std::variant<MeasuredPreview, MeasuredError> run() {
        for (auto step : {&Inspection::find_content, &Inspection::find_dialect,
                          &Inspection::find_data_columns, &Inspection::find_first_data}) {
            if (auto error = (this->*step)()) {
                return std::move(*error);
            }
        }
        describe();
        read_header();
        read_remarks_beside_data();
        name_columns();
        guess_time();
        if (auto error = guess_value()) {
            return std::move(*error);
        }
        return std::move(preview_);
    }

private:
    using Step = std::optional<MeasuredError>;

    // Non-empty lines that are not remarks: where the data may be.
    Step find_content() {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (!is_blank_line(lines_[i]) && !is_comment(lines_[i])) {
                content_.push_back(i);
            }
        }
        if (content_.empty()) {
            return MeasuredError{translated("MeasuredData", "в файле нет строк с числами")};
        }
        return std::nullopt;
    }

    // The dialect given, or the one the first and the last lines read best in.
    Step find_dialect() {
        std::set<std::size_t> sampled;
        for (std::size_t k = 0; k < content_.size() && k < sample_lines; ++k) {
            sampled.insert(content_[k]);
        }
        for (std::size_t k = bottom_from(); k < content_.size(); ++k) {
            sampled.insert(content_[k]);
        }
        std::vector<std::string_view> sample;
        for (const std::size_t i : sampled) {
            sample.push_back(lines_[i]);
        }
        if (!dialect_) {
            dialect_ = sniff_dialect(sample);
        }
        if (!dialect_) {
            return MeasuredError{translated(
                "MeasuredData", "в файле нет строк, которые читались бы как числа, разделённые "
                                "запятой, точкой с запятой, табуляцией или пробелами")};
        }
        decimal_ = dialect_->decimal;
        delimiter_ = dialect_->delimiter;
        return std::nullopt;
    }

    // The columns of numbers: those that hold a number in at least half of the last lines that
    // hold any. Remarks beside the first rows, a broken line or a footer do not make or unmake a
    // column; lines without numbers do not count.
    Step find_data_columns() {
        std::vector<std::size_t> numbers_per_column;
        std::size_t counted = 0;
        for (std::size_t k = bottom_from(); k < content_.size(); ++k) {
            split_cells(lines_[content_[k]], delimiter_, cells_);
            bool any = false;
            for (std::size_t c = 0; c < cells_.size(); ++c) {
                if (cell_number(cells_[c], decimal_)) {
                    numbers_per_column.resize(std::max(numbers_per_column.size(), c + 1));
                    ++numbers_per_column[c];
                    any = true;
                }
            }
            counted += any ? 1 : 0;
        }
        for (std::size_t c = 0; c < numbers_per_column.size(); ++c) {
            const auto n = static_cast<double>(numbers_per_column[c]);
            if (n > 0 && 2 * n >= static_cast<double>(counted)) {
                data_columns_.push_back(c);
            }
        }
        if (data_columns_.empty()) {
            return MeasuredError{with_arguments(
                translated("MeasuredData", "в конце файла нет столбцов с числами (%1)"),
                dialect_caption(*dialect_))};
        }
        return std::nullopt;
    }

    // The first line of data: numbers in every column of numbers, and a number in some column of
    // numbers in each of the two lines after (a broken cell among the first rows is still read,
    // and refused, as data; a line of numbers above the names is not taken for it).
    Step find_first_data() {
        for (std::size_t k = 0; k < content_.size(); ++k) {
            split_cells(lines_[content_[k]], delimiter_, cells_);
            bool all = numbers_in(cells_, data_columns_, decimal_);
            for (std::size_t j = k + 1; j < content_.size() && j < k + 3 && all; ++j) {
                split_cells(lines_[content_[j]], delimiter_, cells_);
                all = std::any_of(data_columns_.begin(), data_columns_.end(), [&](std::size_t c) {
                    return c < cells_.size() && cell_number(cells_[c], decimal_).has_value();
                });
            }
            if (all) {
                first_content_ = k;
                first_data_ = content_[k];
                return std::nullopt;
            }
        }
        return MeasuredError{translated(
            "MeasuredData", "в файле нет строки с числами во всех столбцах данных, за которой "
                            "шли бы ещё две строки с числами")};
    }

    // The file, its dialect and its first lines as read.
    void describe() {
        preview_.file_name = text_.file_name;
        preview_.encoding = text_.encoding;
        preview_.dialect = *dialect_;
        preview_.first_data_line = first_data_ + 1;
        preview_.data_rows = content_.size() - first_content_;
        for (std::size_t i = 0; i < lines_.size() && i < preview_line_count; ++i) {
            split_cells(lines_[i], delimiter_, cells_);
            PreviewLine shown{i + 1, {}, i >= first_data_};
            for (const std::string_view c : cells_) {
                shown.cells.emplace_back(c);
            }
            preview_.lines.push_back(std::move(shown));
        }
        preview_.guess.dialect = *dialect_;
        preview_.guess.first_data_line = preview_.first_data_line;
    }

    bool is_data_column(std::size_t c) const {
        return std::find(data_columns_.begin(), data_columns_.end(), c) != data_columns_.end();
    }

    // The header: remarks, a line of names and a line of units under it; then pairs of a key
    // over its value beside the columns of data ("Start" over "-6.0e-03").
    void read_header() {
        header_.resize(first_data_);
        for (std::size_t i = 0; i < first_data_; ++i) {
            split_cells(lines_[i], delimiter_, header_[i]);
        }
        for (std::size_t i = 0; i < first_data_; ++i) {
            const std::string_view line = lines_[i];
            if (is_blank_line(line)) {
                continue;
            }
            const std::vector<std::string_view>& h = header_[i];
            std::vector<std::string_view> filled;
            for (const std::string_view c : h) {
                if (!c.empty()) {
                    filled.push_back(c);
                }
            }
            if (is_comment(line)) {
                if (const auto remark = split_remark(without_comment_mark(line))) {
                    take_remark(remarks_, remark->first, remark->second, i + 1, decimal_);
                }
                continue;
            }
            // A known key with its value: "Increment,2e-6", "Start: 0", "Sample Rate\t1 kHz".
            if (!filled.empty() && key_and_unit(filled.front()).first != Key::none) {
                if (filled.size() >= 2) {
                    take_remark(remarks_, filled[0], filled[1], i + 1, decimal_);
                } else if (const auto remark = split_remark(filled.front())) {
                    take_remark(remarks_, remark->first, remark->second, i + 1, decimal_);
                }
                continue;
            }
            if (filled.size() == 1 && !is_data_column(0)) {
                continue; // a title
            }
            const bool units =
                std::all_of(data_columns_.begin(), data_columns_.end(), [&](std::size_t c) {
                    return c < h.size() && read_unit(h[c]).has_value();
                });
            const bool names =
                std::all_of(data_columns_.begin(), data_columns_.end(), [&](std::size_t c) {
                    return c < h.size() && !h[c].empty() && !any_number(h[c], decimal_);
                });
            if (units && name_line_ != no_line) {
                unit_line_ = i;
            } else if (names) {
                name_line_ = i;
                unit_line_ = no_line;
            } else if (filled.size() >= 2 && !any_number(filled[0], decimal_)) {
                take_remark(remarks_, filled[0], filled[1], i + 1, decimal_); // "Model,TDS2012"
            }
        }
        for (std::size_t i = 0; i + 1 < first_data_; ++i) {
            for (std::size_t c = 0; c < header_[i].size() && c < header_[i + 1].size(); ++c) {
                if (!is_data_column(c) && !header_[i][c].empty() &&
                    !any_number(header_[i][c], decimal_) &&
                    any_number(header_[i + 1][c], decimal_)) {
                    take_remark(remarks_, header_[i][c], header_[i + 1][c], i + 1, decimal_);
                }
            }
        }
    }

    // Remarks in the first columns beside the data ("Sample Interval,4.0e-07,,-0.0005,0.0078").
    void read_remarks_beside_data() {
        for (std::size_t i = first_data_; i < lines_.size() && i < first_data_ + 64; ++i) {
            split_cells(lines_[i], delimiter_, cells_);
            for (std::size_t c = 0; c + 1 < cells_.size(); ++c) {
                if (!is_data_column(c) && !is_data_column(c + 1) && !cells_[c].empty() &&
                    !any_number(cells_[c], decimal_)) {
                    take_remark(remarks_, cells_[c], cells_[c + 1], i + 1, decimal_);
                    ++c;
                }
            }
        }
        preview_.metadata = remarks_.entries;
        if (!remarks_.increment && remarks_.rate) {
            remarks_.increment = 1 / *remarks_.rate;
        }
        preview_.sample_interval = remarks_.increment;
    }

    // The columns with their names and units.
    void name_columns() {
        for (const std::size_t c : data_columns_) {
            MeasuredColumn column;
            column.cell = c;
            column.name = column_caption(c);
            if (name_line_ != no_line && c < header_[name_line_].size()) {
                const std::string_view written = header_[name_line_][c];
                column.name = std::string(written);
                if (const auto named = unit_in_name(written)) {
                    column.name = named->name;
                    column.unit = named->written;
                    column.kind = named->unit.kind;
                    column.scale = named->unit.scale;
                }
            }
            if (unit_line_ != no_line && c < header_[unit_line_].size()) {
                if (const auto unit = read_unit(header_[unit_line_][c])) {
                    column.unit = std::string(header_[unit_line_][c]);
                    column.kind = unit->kind;
                    column.scale = unit->scale;
                }
            }
            column.quantity = named_quantity(column.name);
            if (!column.quantity && column.kind == UnitKind::current) {
                column.quantity = Quantity::I;
            }
            preview_.columns.push_back(std::move(column));
        }
    }

    // The number in a cell of the data row `row` (from 0), as written.
    std::optional<double> number_at(std::size_t row, std::size_t cell) {
        if (row >= content_.size() - first_content_) {
            return std::nullopt;
        }
        split_cells(lines_[content_[first_content_ + row]], delimiter_, cells_);
        return cell < cells_.size() ? cell_number(cells_[cell], decimal_) : std::nullopt;
    }

    // The time: a column of times, a column of sample numbers, or a start and an increment;
    // and the trigger, taken for the key's closing.
    void guess_time() {
        MeasuredChoices& guess = preview_.guess;
        for (const MeasuredColumn& c : preview_.columns) {
            const bool is_time = c.kind == UnitKind::time || (!c.kind && names_time(c.name));
            const bool is_index = c.kind == UnitKind::index || (!c.kind && names_index(c.name));
            if (is_time && time_ == nullptr) {
                time_ = &c;
            } else if (is_index && index_ == nullptr) {
                index_ = &c;
            }
        }
        const Remarks& r = remarks_;
        const double start =
            r.start.value_or(r.trigger_point && r.increment ? -*r.trigger_point * *r.increment : 0);
        const double time_unit =
            r.time_unit && r.time_unit->kind == UnitKind::time ? r.time_unit->scale : 1;
        if (time_ == nullptr && index_ == nullptr && preview_.columns.size() >= 2) {
            // No names: a first column that rises over the first rows is the time, when its step
            // is the sample interval the remarks give (or they give none).
            std::vector<double> first;
            for (std::size_t row = 0; row < 20; ++row) {
                if (const auto v = number_at(row, preview_.columns.front().cell)) {
                    first.push_back(*v);
                }
            }
            const bool steps_match =
                !r.increment ||
                (first.size() >= 2 && std::fabs((first.back() - first.front()) * time_unit /
                                                    static_cast<double>(first.size() - 1) -
                                                *r.increment) <= 0.01 * *r.increment);
            if (strictly_increasing(first) && steps_match) {
                time_ = &preview_.columns.front();
            }
        }
        if (time_ != nullptr) {
            guess.time_source = TimeSource::column;
            guess.time_column = time_->cell;
            guess.time_scale = time_->kind == UnitKind::time ? time_->scale : time_unit;
            if (time_->kind != UnitKind::time &&
                !(r.time_unit && r.time_unit->kind == UnitKind::time)) {
                preview_.notes.push_back(
                    translated("MeasuredData", "единица времени не указана: считаются секунды"));
            }
        } else {
            guess.time_source =
                index_ != nullptr ? TimeSource::index_column : TimeSource::start_increment;
            guess.time_column = index_ != nullptr ? index_->cell : 0;
            guess.start = start;
            guess.increment = r.increment.value_or(0);
            if (!r.increment) {
                preview_.notes.push_back(
                    translated("MeasuredData", "шаг по времени в файле не указан: задайте его"));
            }
        }
        // The trigger: a time, or a sample number counted from the first row of data.
        if (r.trigger_time) {
            preview_.trigger_time = r.trigger_time;
        } else if (r.trigger_point && *r.trigger_point >= 0 &&
                   *r.trigger_point < static_cast<double>(content_.size())) {
            const double point = *r.trigger_point;
            if (guess.time_source == TimeSource::column) {
                if (const auto t = number_at(static_cast<std::size_t>(point), guess.time_column)) {
                    preview_.trigger_time = *t * guess.time_scale;
                }
            } else if (guess.time_source == TimeSource::start_increment && r.increment) {
                preview_.trigger_time = guess.start + point * guess.increment;
            }
        }
        guess.time_origin = preview_.trigger_time.value_or(0);
    }

    // The value: the first other column of voltages or currents, or named as one, or else the
    // first other column of numbers without a unit.
    Step guess_value() {
        MeasuredChoices& guess = preview_.guess;
        const MeasuredColumn* value = nullptr;
        const MeasuredColumn* unitless = nullptr;
        for (const MeasuredColumn& c : preview_.columns) {
            const bool taken =
                (time_ != nullptr && c.cell == time_->cell) ||
                (guess.time_source == TimeSource::index_column && c.cell == guess.time_column);
            if (taken) {
                continue;
            }
            const bool measures = c.kind == UnitKind::voltage || c.kind == UnitKind::current ||
                                  (!c.kind && c.quantity);
            if (measures) {
                value = &c;
                break;
            }
            if (!c.kind && unitless == nullptr) {
                unitless = &c;
            }
        }
        value = value != nullptr ? value : unitless;
        if (value == nullptr) {
            return MeasuredError{translated(
                "MeasuredData", "в файле нет столбца значений: все столбцы с числами — время "
                                "или номера отсчётов")};
        }
        guess.value_column = value->cell;
        guess.value_name = value->name;
        guess.quantity = value->quantity.value_or(Quantity::Uc);
        guess.value_scale = value->scale;
        if (!value->kind) {
            const auto& unit = remarks_.value_unit;
            if (unit && (unit->kind == UnitKind::voltage || unit->kind == UnitKind::current)) {
                guess.value_scale = unit->scale;
                if (!value->quantity && unit->kind == UnitKind::current) {
                    guess.quantity = Quantity::I;
                }
            } else {
                preview_.notes.push_back(
                    is_current(guess.quantity)
                        ? translated("MeasuredData",
                                     "единица значений не указана: считаются амперы")
                        : translated("MeasuredData",
                                     "единица значений не указана: считаются вольты"));
            }
        }
        return std::nullopt;
    }

    std::size_t bottom_from() const {
        return content_.size() > sample_lines ? content_.size() - sample_lines : 0;
    }

    static constexpr std::size_t no_line = static_cast<std::size_t>(-1);

    const MeasuredText& text_;
    std::vector<std::string_view> lines_;
    std::optional<Dialect> dialect_;
    char decimal_ = '.';
    char delimiter_ = ',';
    std::vector<std::size_t> content_;      // indices of lines that may hold data
    std::vector<std::size_t> data_columns_; // cells that hold numbers
    std::size_t first_content_ = 0;         // index into content_ of the first line of data
    std::size_t first_data_ = 0;            // index into lines_ of it
    std::vector<std::vector<std::string_view>> header_; // the lines above it, as cells
    std::size_t name_line_ = no_line;
    std::size_t unit_line_ = no_line;
    Remarks remarks_;
    std::vector<std::string_view> cells_; // reused for every line split
    MeasuredPreview preview_;
    const MeasuredColumn* time_ = nullptr;  // in preview_.columns
    const MeasuredColumn* index_ = nullptr; // in preview_.columns
};

} // namespace

std::variant<MeasuredPreview, MeasuredError> inspect_measured(const MeasuredText& text,
                                                              std::optional<Dialect> dialect) {
    return Inspection(text, dialect).run();
}

std::variant<MeasuredSeries, MeasuredError> read_measured(const MeasuredText& text,
                                                          const MeasuredChoices& choices) {
    const bool time_cell = choices.time_source != TimeSource::start_increment;
    if (time_cell && choices.time_column == choices.value_column) {
        return MeasuredError{
            translated("MeasuredData", "время и значения взяты из одного столбца")};
    }
    if (!time_cell || choices.time_source == TimeSource::index_column) {
        if (!(choices.increment > 0) || !std::isfinite(choices.increment)) {
            return MeasuredError{
                translated("MeasuredData", "не задан шаг по времени: он должен быть больше нуля")};
        }
    }
    if (!(choices.time_scale > 0) || !(choices.value_scale > 0) ||
        !std::isfinite(choices.time_scale) || !std::isfinite(choices.value_scale) ||
        !std::isfinite(choices.start) || !std::isfinite(choices.time_origin)) {
        return MeasuredError{translated(
            "MeasuredData", "единицы и сдвиг времени должны быть конечными числами, а единицы — "
                            "больше нуля")};
    }
    MeasuredSeries series;
    series.file_name = text.file_name;
    series.quantity = choices.quantity;
    series.column_name =
        choices.value_name.empty() ? column_caption(choices.value_column) : choices.value_name;
    const char delimiter = choices.dialect.delimiter;
    const char decimal = choices.dialect.decimal;
    LineWalker walker(text.text);
    std::string_view line;
    std::vector<std::string_view> cells;
    std::string_view previous_time_cell;
    double previous_time = -INFINITY;
    while (walker.next(line)) {
        const std::size_t n = walker.number();
        if (n < choices.first_data_line || is_blank_line(line) || is_comment(line)) {
            continue;
        }
        if (series.time.size() == max_measured_rows) {
            return MeasuredError{
                with_arguments(
                    translated("MeasuredData", "строка %1: в файле больше %2 строк данных"),
                    std::to_string(n), grouped(max_measured_rows)),
                n, 0};
        }
        split_cells(line, delimiter, cells);
        const auto number_at = [&](std::size_t c) -> std::variant<double, MeasuredError> {
            if (c >= cells.size() || cells[c].empty()) {
                return cell_error(n, c, translated("MeasuredData", "нет значения"));
            }
            if (const auto v = cell_number(cells[c], decimal)) {
                return *v;
            }
            return cell_error(
                n, c,
                with_arguments(translated("MeasuredData", "%1 — не число"), quoted(cells[c])));
        };
        double t = 0;
        if (time_cell) {
            auto read = number_at(choices.time_column);
            if (auto* error = std::get_if<MeasuredError>(&read)) {
                return std::move(*error);
            }
            t = std::get<double>(read);
            t = choices.time_source == TimeSource::column ? t * choices.time_scale
                                                          : choices.start + t * choices.increment;
        } else {
            t = choices.start + static_cast<double>(series.time.size()) * choices.increment;
        }
        t -= choices.time_origin;
        auto read = number_at(choices.value_column);
        if (auto* error = std::get_if<MeasuredError>(&read)) {
            return std::move(*error);
        }
        const double v = std::get<double>(read) * choices.value_scale;
        if (!std::isfinite(t)) {
            return cell_error(n, time_cell ? choices.time_column : 0,
                              translated("MeasuredData", "время вне пределов чисел double"));
        }
        if (!std::isfinite(v)) {
            return cell_error(n, choices.value_column,
                              translated("MeasuredData", "значение вне пределов чисел double"));
        }
        if (t < previous_time) {
            return cell_error(n, choices.time_column,
                              with_arguments(translated("MeasuredData",
                                                        "время %1 меньше, чем в строке выше (%2)"),
                                             quoted(cells[choices.time_column]),
                                             quoted(previous_time_cell)));
        }
        previous_time = t;
        if (time_cell) {
            previous_time_cell = cells[choices.time_column];
        }
        series.time.push_back(t);
        series.values.push_back(v);
    }
    if (series.time.empty()) {
        return MeasuredError{translated("MeasuredData", "в файле нет строк с данными")};
    }
    return series;
}

} // namespace ovrelan

// Measured data: an oscillogram of the circuit as an oscilloscope, a data logger, an Arduino or a
// spreadsheet saves it, read into times in seconds and values in SI units.
//
// Such files declare little: the dialect (io/delimited_text.h) is guessed, header lines name the
// columns, a line of its own or the names give the units (io/measured_units.h), a block above the
// data («X,CH1,Start,Increment» over «Second,Volt,-6e-3,2e-6») or remarks beside it in the first
// columns («Record Length», «Sample Interval», «Trigger Point») give the time step, and the time is
// a column of its own, a column of sample numbers, or only a start and an increment. So reading
// takes two steps:
//
//   open_measured_file(path)        the text, in UTF-8, Windows-1251 or UTF-16 with a mark
//   inspect_measured(text)          what the program makes of it: the first lines as read, the
//                                   columns with their names and units, the metadata, and the
//                                   choices it guesses (which column is the time, which the value,
//                                   what it measures, the scales to SI units)
//   read_measured(text, choices)    the series, with the choices as the student confirmed or
//                                   changed them, or the line and the column that cannot be read.
//
// Every message is Russian and names the line and the column as a text editor counts them.
#pragma once

#include "io/delimited_text.h"
#include "io/measured_units.h"
#include "io/text_encoding.h"
#include "model/measured_quantity.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ovrelan {

// More rows of data than this are refused.
inline constexpr std::size_t max_measured_rows = 1'000'000;
// A larger file is not read at all: a million rows of up to 128 bytes each.
inline constexpr std::size_t measured_file_limit = 128 * 1024 * 1024;

struct MeasuredText {
    std::string file_name; // the file's name without its folder, for the legend
    std::string text;      // UTF-8, without a byte-order mark
    Encoding encoding = Encoding::utf8;
};

struct MeasuredError {
    std::string text;       // the whole message, with the line and the column when there are
    std::size_t line = 0;   // 1-based; 0 when the message is about the whole file
    std::size_t column = 0; // 1-based, as the cells of the line count; 0 when about the line
};

// The file read whole and decoded (see io/file_reader.h: only a regular file, at most
// measured_file_limit bytes).
std::variant<MeasuredText, MeasuredError> open_measured_file(const std::string& path);
// The same for bytes already read (a drop, a test).
std::variant<MeasuredText, MeasuredError> decode_measured(std::string_view bytes,
                                                          std::string file_name);

enum class TimeSource {
    column,          // a column holds the time
    index_column,    // a column holds sample numbers: time = start + number · increment
    start_increment, // no column: the k-th row of data (from 0) is at start + k · increment
};

// How a series is made of the file: the preview's guess, as the student confirms or changes it.
struct MeasuredChoices {
    Dialect dialect;
    std::size_t first_data_line = 1; // 1-based: the lines above are the header

    TimeSource time_source = TimeSource::column;
    std::size_t time_column = 0; // 0-based cell of a row, for column and index_column
    double time_scale = 1;       // seconds per unit of the time column
    double start = 0;            // seconds, for index_column and start_increment
    double increment = 0;        // seconds, for index_column and start_increment
    // The file's time, in seconds, at which the key closes: it becomes t = 0 (the trigger point).
    double time_origin = 0;

    std::size_t value_column = 1; // 0-based cell of a row
    std::string value_name;       // the column's name, for the series
    Quantity quantity = Quantity::Uc;
    double value_scale = 1; // volts or amperes per unit of the value column
};

// A column of numbers in the data.
struct MeasuredColumn {
    std::size_t cell = 0; // 0-based in a row
    std::string name;     // from the header, without its unit; «Столбец 3» when none
    std::string unit;     // as written; empty when no unit was found
    std::optional<UnitKind> kind;     // what the unit measures, when it is known
    double scale = 1;                 // to SI units (1 when unknown)
    std::optional<Quantity> quantity; // what its name or unit says it records, for a value
};

// A remark of the file: «Sample Interval» = «4.000000e-07», with its line.
struct MetadataEntry {
    std::string key;
    std::string value;
    std::size_t line = 0;
};

struct PreviewLine {
    std::size_t number = 0; // 1-based
    std::vector<std::string> cells;
    bool data = false; // at or below the first line of data
};

struct MeasuredPreview {
    std::string file_name;
    Encoding encoding = Encoding::utf8;
    Dialect dialect;
    std::size_t first_data_line = 1;
    std::size_t data_rows = 0;             // non-empty lines from the first line of data on
    std::vector<PreviewLine> lines;        // the first lines of the file as read
    std::vector<MeasuredColumn> columns;   // the columns of numbers, left to right
    std::vector<MetadataEntry> metadata;   // every remark found, top to bottom
    std::optional<double> sample_interval; // seconds, from the remarks
    // The file's time of the trigger, in seconds, when the remarks give a trigger point (a sample
    // number) or a trigger time: the guess takes it for the key's closing.
    std::optional<double> trigger_time;
    MeasuredChoices guess;
    std::vector<std::string> notes; // what was assumed, in Russian ("единица времени не указана:
                                    // считаются секунды")

    const MeasuredColumn* column_at(std::size_t cell) const;
};

// How many lines of the file the preview shows.
inline constexpr std::size_t preview_line_count = 30;

// What the program makes of the text, in a dialect given or guessed.
std::variant<MeasuredPreview, MeasuredError> inspect_measured(const MeasuredText& text,
                                                              std::optional<Dialect> dialect = {});

struct MeasuredSeries {
    std::string file_name;
    std::string column_name;
    Quantity quantity = Quantity::Uc;
    std::vector<double> time;   // seconds from the key's closing, never decreasing
    std::vector<double> values; // volts or amperes
    std::string_view unit() const { return quantity_unit(quantity); }
};

std::variant<MeasuredSeries, MeasuredError> read_measured(const MeasuredText& text,
                                                          const MeasuredChoices& choices);

} // namespace ovrelan

// What the preview of a measured file offers and how each of its boxes changes the choices: the
// columns that can hold the time or the values, the units a value may be in, and the choices after
// the student picks another column, quantity or unit. The dialog only shows these lists.
#pragma once

#include "io/measured_data.h"
#include "io/measured_units.h"
#include "model/measured_quantity.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace ovrelan {

// «Столбец 2: CH1 (Volt)»: the column's place as the file counts it, its name and unit.
std::string column_caption(const MeasuredColumn& column);

struct TimeOption {
    std::string caption;
    TimeSource source = TimeSource::column;
    std::size_t cell = 0; // for column and index_column
};

// Every column of numbers as a time (a column of sample numbers as such), then «нет: начало и
// шаг» when the file or the guess gives a time step.
std::vector<TimeOption> time_options(const MeasuredPreview& preview);

// The columns of numbers that can hold the values: all but the one holding the time.
std::vector<const MeasuredColumn*> value_options(const MeasuredPreview& preview,
                                                 const MeasuredChoices& choices);

// The choices with the time taken as the option says; a value column that is now the time moves
// to the first column left for the values.
MeasuredChoices with_time(const MeasuredPreview& preview, MeasuredChoices choices,
                          const TimeOption& option);

// The choices with the values from this column: its unit's scale and the quantity its name or
// unit says (the quantity chosen before when they say nothing).
MeasuredChoices with_value(const MeasuredPreview& preview, MeasuredChoices choices,
                           std::size_t cell);

// The units a quantity's values may be in: В, мВ, мкВ, кВ or А, мА, мкА.
std::span<const Unit> value_units(Quantity q);

// The choices for another quantity: a voltage's unit becomes the same prefix of amperes (and
// back); a unit with no such counterpart becomes the plain one.
MeasuredChoices with_quantity(MeasuredChoices choices, Quantity q);

} // namespace ovrelan

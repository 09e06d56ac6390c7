#include "io/measured_choices.h"

#include "model/text_arguments.h"
#include "model/translation.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

std::string column_caption(const MeasuredColumn& column) {
    std::string text =
        with_arguments(translated("MeasuredData", "Столбец %1"), std::to_string(column.cell + 1));
    const std::string own = text;
    if (!column.name.empty() && column.name != own) {
        text += ": " + column.name;
    }
    if (!column.unit.empty()) {
        text += " (" + column.unit + ")";
    }
    return text;
}

std::vector<TimeOption> time_options(const MeasuredPreview& preview) {
    std::vector<TimeOption> options;
    for (const MeasuredColumn& c : preview.columns) {
        const bool index = c.kind == UnitKind::index;
        options.push_back(
            {index ? with_arguments(translated("MeasuredChoices", "%1 — номера отсчётов"),
                                    column_caption(c))
                   : column_caption(c),
             index ? TimeSource::index_column : TimeSource::column, c.cell});
    }
    if (preview.sample_interval || preview.guess.increment > 0) {
        options.push_back({translated("MeasuredChoices", "нет: начало и шаг по времени"),
                           TimeSource::start_increment, 0});
    }
    return options;
}

std::vector<const MeasuredColumn*> value_options(const MeasuredPreview& preview,
                                                 const MeasuredChoices& choices) {
    std::vector<const MeasuredColumn*> options;
    for (const MeasuredColumn& c : preview.columns) {
        if (choices.time_source == TimeSource::start_increment || c.cell != choices.time_column) {
            options.push_back(&c);
        }
    }
    return options;
}

MeasuredChoices with_time(const MeasuredPreview& preview, MeasuredChoices choices,
                          const TimeOption& option) {
    choices.time_source = option.source;
    choices.time_column = option.cell;
    const MeasuredColumn* column = preview.column_at(option.cell);
    if (option.source == TimeSource::column) {
        choices.time_scale =
            column != nullptr && column->kind == UnitKind::time ? column->scale : 1;
    } else {
        const double step = preview.sample_interval.value_or(preview.guess.increment);
        choices.increment = choices.increment > 0 ? choices.increment : step;
        choices.start = preview.guess.time_source == option.source ? preview.guess.start : 0;
    }
    if (option.source != TimeSource::start_increment && choices.value_column == option.cell) {
        const std::vector<const MeasuredColumn*> left = value_options(preview, choices);
        if (!left.empty()) {
            choices = with_value(preview, choices, left.front()->cell);
        }
    }
    return choices;
}

MeasuredChoices with_value(const MeasuredPreview& preview, MeasuredChoices choices,
                           std::size_t cell) {
    choices.value_column = cell;
    const MeasuredColumn* column = preview.column_at(cell);
    if (column == nullptr) {
        return choices;
    }
    choices.value_name = column->name;
    if (column->kind == UnitKind::voltage || column->kind == UnitKind::current) {
        choices.value_scale = column->scale;
        const bool current = column->kind == UnitKind::current;
        if (current != is_current(choices.quantity)) {
            choices.quantity = current ? Quantity::I : Quantity::Uc;
        }
    } else if (cell == preview.guess.value_column) {
        choices.value_scale = preview.guess.value_scale;
    } else {
        choices.value_scale = 1;
    }
    if (column->quantity) {
        choices.quantity = *column->quantity;
    }
    return choices;
}

std::span<const Unit> value_units(Quantity q) {
    return units_of(is_current(q) ? UnitKind::current : UnitKind::voltage);
}

MeasuredChoices with_quantity(MeasuredChoices choices, Quantity q) {
    if (is_current(q) != is_current(choices.quantity)) {
        const std::span<const Unit> units = value_units(q);
        const auto same = std::find_if(units.begin(), units.end(), [&](const Unit& u) {
            return std::fabs(u.scale - choices.value_scale) <= 1e-9 * u.scale;
        });
        choices.value_scale = same != units.end() ? same->scale : 1;
    }
    choices.quantity = q;
    return choices;
}

} // namespace ovrelan

#include "model/measured_quantity.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace ovrelan {

std::string_view quantity_key(Quantity q) {
    switch (q) {
    case Quantity::Uc:
        return "Uc";
    case Quantity::I:
        return "I";
    case Quantity::Ur:
        return "Ur";
    case Quantity::EL:
        return "EL";
    }
    return "";
}

std::string_view quantity_caption(Quantity q) {
    return q == Quantity::EL ? "εL" : quantity_key(q);
}

std::string_view quantity_unit(Quantity q) {
    return is_current(q) ? "А" : "В";
}

std::optional<Quantity> quantity_named(std::string_view name) {
    // Latin letters in any case; ε is the same two bytes in either form asked for.
    const auto lower = [](std::string_view text) {
        std::string out(text);
        std::transform(out.begin(), out.end(), out.begin(), [](char c) {
            return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        });
        return out;
    };
    const std::string wanted = lower(name);
    for (const Quantity q : all_quantities) {
        if (wanted == lower(quantity_key(q)) || wanted == lower(quantity_caption(q))) {
            return q;
        }
    }
    return std::nullopt;
}

} // namespace ovrelan

// Text boxes as Times 11.25 pt roughly gives them, for layouts tested without fonts: 7 px a
// character, 17 px a line, times the look's scale (twice that for a view scaled up for the back
// row).
#pragma once

#include "geometry/graph_axes.h"

#include <cstddef>
#include <string>

namespace ovrelan::testing {

inline MeasureText approximately(double scale) {
    return [scale](const std::string& text) {
        std::size_t characters = 0;
        for (const char c : text) {
            characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0; // UTF-8
        }
        return TextExtent{7.0 * scale * static_cast<double>(characters), 17 * scale};
    };
}

} // namespace ovrelan::testing

// Every number formatter of the program, fed the doubles at the ends of the range: each writes
// only what it computed — no stray bytes, no truncated digits — and reads back as the value.
#include "geometry/axis_ticks.h"
#include "geometry/graph_readout.h"
#include "io/results_csv.h"
#include "io/text_encoding.h"
#include "model/number_format.h"
#include "model/number_reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

using limits = std::numeric_limits<double>;

const double extremes[] = {limits::denorm_min(),
                           -limits::denorm_min(),
                           limits::min(),
                           1e-308,
                           -1e-300,
                           1e-60,
                           2.9e-57,
                           -1.6e60,
                           1e100,
                           1e308,
                           -1e308,
                           limits::max(),
                           limits::lowest(),
                           123456789012345678.0,
                           0.0,
                           -0.0,
                           1.0,
                           limits::quiet_NaN(),
                           limits::infinity(),
                           -limits::infinity()};

struct Formatter {
    const char* name;
    std::function<std::string(double)> format;
    int digits;         // significant digits it keeps: how close it reads back (0: exactly; -n: n
                        // decimals over the prefix, or three digits beyond the prefixes)
    std::size_t widest; // bytes; 0 when a fixed pattern may write every digit of the value
};

std::string csv_cell(double v, bool shortest) {
    std::string text;
    const CsvSink sink = [&text](std::string_view piece) {
        text.append(piece);
        return true;
    };
    CsvPieces pieces(sink);
    if (shortest) {
        pieces.put_shortest(v, ',');
    } else {
        pieces.put_17_digits(v);
    }
    pieces.finish();
    return text;
}

const std::vector<Formatter>& formatters() {
    static const std::vector<Formatter> all{
        {"general", [](double v) { return format_general(v); }, 15, 32},
        {"general_17", [](double v) { return format_general(v, 17); }, 0, 32},
        {"panel_4", [](double v) { return format_pattern(v, "0.0000E+00", ','); }, 5, 16},
        {"panel_3", [](double v) { return format_pattern(v, "0.000E+00", ','); }, 4, 16},
        {"graph_scale", [](double v) { return format_pattern(v, "0.00E+00", '.'); }, 3, 16},
        {"field_fixed", [](double v) { return format_field_fixed(v, " 0.000", ','); }, 0, 0},
        {"graph_label", [](double v) { return format_pattern(v, "#0.00", ','); }, 0, 0},
        {"readable", [](double v) { return readable_number(v, 4, true, ','); }, 4, 40},
        {"si_text", [](double v) { return si_text(v, "В", ','); }, 4, 48},
        {"plain_text", [](double v) { return plain_text(v, '.'); }, 3, 40},
        {"tick",
         [](double v) {
             const Prefix p = prefix_for(std::fabs(v));
             return tick_text(v, p, 2, ',') + " " + p.name + "В";
         },
         -2, 48},
        {"csv_shortest", [](double v) { return csv_cell(v, true); }, 0, 24},
        {"csv_17", [](double v) { return csv_cell(v, false); }, 0, 24},
    };
    return all;
}

// The text back to a number: the typographic minus, a comma, a power of ten in superscript and
// an SI prefix before the unit undone.
double read_back(std::string text) {
    const auto replace_all = [&text](const std::string& from, const std::string& to) {
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
            text.replace(at, from.size(), to);
            at += to.size();
        }
    };
    replace_all("\u2212", "-");
    replace_all(",", ".");
    replace_all("·10", "e");
    replace_all("⁻", "-");
    const char* const superscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    for (int d = 0; d < 10; ++d) {
        replace_all(superscripts[d], std::string(1, static_cast<char>('0' + d)));
    }
    double factor = 1;
    const struct {
        const char* name;
        double factor;
    } prefixes[] = {{" аВ", 1e-18}, {" фВ", 1e-15}, {" пВ", 1e-12}, {" нВ", 1e-9},
                    {" мкВ", 1e-6}, {" мВ", 1e-3},  {" кВ", 1e3},   {" МВ", 1e6},
                    {" ГВ", 1e9},   {" ТВ", 1e12},  {" ПВ", 1e15},  {" ЭВ", 1e18}};
    for (const auto& p : prefixes) {
        if (text.size() > std::string(p.name).size() && text.ends_with(p.name)) {
            factor = p.factor;
        }
    }
    return read_number(text) * factor;
}

TEST(NumberExtremes, EveryFormatterWritesOnlyItsDigits) {
    for (const Formatter& f : formatters()) {
        for (const double v : extremes) {
            const std::string text = f.format(v);
            SCOPED_TRACE(std::string(f.name) + " of " + std::to_string(v) + ": «" + text + "»");
            ASSERT_FALSE(text.empty());
            EXPECT_TRUE(is_utf8(text));
            for (const char c : text) {
                EXPECT_GE(static_cast<unsigned char>(c), 0x20) << "a control byte";
            }
            if (f.widest > 0) {
                EXPECT_LE(text.size(), f.widest);
            }
            if (!std::isfinite(v)) {
                continue; // each says it its own way, checked below
            }
            // Digits, a sign, a separator, an exponent, a prefix and a unit: nothing else.
            EXPECT_EQ(text.find_first_of("!\"#$%&'()*/:;<=>?@[\\]^_`{|}~"), std::string::npos);
            if (f.widest == 0 && std::fabs(v) > 1e-3) {
                continue; // a fixed pattern's few decimals: read back below only where they hold
            }
            const double back = read_back(text);
            if (std::isinf(back)) {
                // Only the largest doubles may round up past the range.
                EXPECT_GT(std::fabs(v), 1.79e308);
            } else if (f.digits < 0) {
                const double unit = std::pow(10.0, f.digits) * prefix_for(std::fabs(v)).factor;
                EXPECT_LE(std::fabs(back - v), std::max(unit / 2, std::fabs(v) * 1e-2)) << back;
            } else if (f.digits == 0) {
                if (f.widest != 0) {
                    EXPECT_EQ(back, v);
                }
            } else if (std::fabs(v) >= limits::min()) {
                // Rounded to its digits (a subnormal has fewer digits than asked: not checked).
                EXPECT_NEAR(back / v, 1.0, std::pow(10.0, 1 - f.digits)) << back;
            }
        }
    }
}

TEST(NumberExtremes, FixedPatternsWriteEveryDigitOfTheLargest) {
    // The fields' fixed patterns write the whole value: 309 digits and the decimals, read back.
    for (const double v : {1e308, -limits::max(), 5e-324, 123.456}) {
        const std::string text = format_field_fixed(v, " 0.000", ',');
        EXPECT_NEAR(read_number(text), v, std::fabs(v) * 1e-15 + 5e-4) << text;
        EXPECT_EQ(text.find_first_not_of(" -0123456789."), std::string::npos) << text;
    }
}

TEST(NumberExtremes, NonFiniteValuesAreSaidAsTheWindowsSayThem) {
    const double nan = limits::quiet_NaN();
    const double inf = limits::infinity();
    const struct {
        std::string text;
        const char* expected;
    } cases[] = {
        {number_chars(nan, std::chars_format::fixed, 3), "—"},
        {number_chars(inf, std::chars_format::general), "∞"},
        {number_chars(-inf, std::chars_format::scientific, 2), "−∞"},
        {readable_number(-inf, 4, true, ','), "−∞"},
        {si_text(nan, "В", ','), "— В"},
        {plain_text(inf, ','), "∞"},
        {tick_text(-inf, prefix_for(inf), 1, ','), "−∞"},
        // The fields and the panel keep their own words, which read back as zero.
        {format_general(nan), " NaN"},
        {format_pattern(-inf, "0.000E+00", ','), "-Inf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.text, c.expected);
    }
}

TEST(NumberExtremes, ReadableNumbersSwitchToAPowerOfTenOnlyFarFromOne) {
    const struct {
        double value;
        int digits;
        const char* expected;
    } cases[] = {
        {1e-60, 4, "1·10⁻⁶⁰"},
        {-2.5e61, 3, "\u22122,5·10⁶¹"},
        {1.5e-6, 3, "0,0000015"},
        {9.9996e-7, 4, "0,000001"},
        {9.99e-8, 2, "1·10⁻⁷"},
        {123456789012.0, 4, "123500000000"},
        {1.2346e12, 4, "1,235·10¹²"},
        {0.000123, 3, "0,000123"},
        {7.0, 3, "7"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readable_number(c.value, c.digits, true, ','), c.expected) << c.value;
    }
}

} // namespace
} // namespace ovrelan

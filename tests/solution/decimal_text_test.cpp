#include "solution/decimal_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <ostream>
#include <random>
#include <span>
#include <string>
#include <tuple>
#include <vector>

namespace ovrelan {
namespace {

// A writer of ours, its row form, and the library's text it must match.
struct Writer {
    const char* name;
    char* (*ours)(char*, double);
    char* (*each)(char*, char, std::span<const double>);
    std::string (*library)(double);
};

std::string library_17_digits(double v) {
    char text[64];
    const auto r = std::to_chars(text, text + sizeof text, v, std::chars_format::general, 17);
    return {text, r.ptr};
}

std::string library_shortest(double v) {
    char text[64];
    const auto r = std::to_chars(text, text + sizeof text, v);
    return {text, r.ptr};
}

const Writer writers[] = {
    {"seventeen_digits", write_17_digits, write_17_digits_each, library_17_digits},
    {"shortest", write_shortest, write_shortest_each, library_shortest},
};

std::string our_text(const Writer& w, double v) {
    // Marks after the room show a write past it; marks inside it must not leak into the text.
    char text[decimal_text_room + 8];
    std::fill(std::begin(text), std::end(text), '#');
    const char* end = w.ours(text, v);
    for (std::size_t i = decimal_text_room; i < sizeof text; ++i) {
        EXPECT_EQ(text[i], '#') << "written past the room for " << v;
    }
    return std::string(static_cast<const char*>(text), end);
}

// A family of doubles: the i-th of a run, from a seeded generator.
struct Family {
    const char* name;
    std::function<double(std::mt19937_64&, int i)> value;
    int count;
};

void PrintTo(const Family& f, std::ostream* os) {
    *os << f.name;
}

double nudged(double v, int ulps) {
    for (int i = 0; i < std::abs(ulps); ++i) {
        v = std::nextafter(v, ulps < 0 ? 0.0 : std::numeric_limits<double>::infinity());
    }
    return v;
}

const Family families[] = {
    // Every kind of double: zeros, subnormals, infinities and NaNs go the library's way.
    {"any_bit_pattern", [](std::mt19937_64& g, int) { return std::bit_cast<double>(g()); }, 100000},
    {"magnitudes_of_a_table",
     [](std::mt19937_64& g, int i) {
         const double v = std::pow(10.0, std::uniform_real_distribution<double>(-8, 18)(g));
         return i % 2 == 0 ? v : -v;
     },
     100000},
    // The edges of the decades and of the fixed and scientific layouts (1e-5, 1e17).
    {"around_powers_of_ten",
     [](std::mt19937_64&, int i) { return nudged(std::pow(10.0, i / 9 - 9), i % 9 - 4); }, 9 * 28},
    // A power of two has half the gap below it that it has above.
    {"around_powers_of_two",
     [](std::mt19937_64&, int i) { return nudged(std::ldexp(1.0, i / 3 - 80), i % 3 - 1); },
     3 * 140},
    // Exactly halfway between two 17-digit texts: N / 2^s with N odd and N · 5^s of 18 digits,
    // which rounds to the even one.
    {"halfway_at_the_17th_digit",
     [](std::mt19937_64& g, int i) {
         const int s = 2 + i % 4;                       // 2 ... 5
         const double lowest = 1e17 / std::pow(5.0, s); // N · 5^s >= 1e17
         const double highest = std::min(1e18 / std::pow(5.0, s), 0x1p53);
         const auto n = static_cast<std::uint64_t>(
                            std::uniform_real_distribution<double>(lowest, highest)(g)) |
                        1;
         return std::ldexp(static_cast<double>(n), -s);
     },
     100000},
    // Short decimals, integers and binary fractions: trailing zeros to drop.
    {"short_numbers",
     [](std::mt19937_64&, int i) {
         switch (i % 3) {
         case 0:
             return static_cast<double>(i);
         case 1:
             return i * 0.001;
         default:
             return i / 1024.0;
         }
     },
     100000},
};

class DecimalText : public ::testing::TestWithParam<std::tuple<Writer, Family>> {};

TEST_P(DecimalText, IsTheLibrarysTextByteForByte) {
    const auto& [w, f] = GetParam();
    std::mt19937_64 generator(20261208);
    int mismatches = 0;
    for (int i = 0; i < f.count && mismatches < 5; ++i) {
        const double v = f.value(generator, i);
        const std::string want = w.library(v);
        const std::string got = our_text(w, v);
        if (got != want) {
            ++mismatches;
            ADD_FAILURE() << std::hexfloat << v << ": " << got << " instead of " << want;
        }
    }
}

// A row of the family's values in one call: each after the separator, within the room promised.
TEST_P(DecimalText, ARowInOneCallIsTheLibrarysTextsInTurn) {
    const auto& [w, f] = GetParam();
    std::mt19937_64 generator(20261208);
    constexpr std::size_t row = 13;
    std::vector<double> values;
    for (int i = 0; i < f.count; ++i) {
        values.push_back(f.value(generator, i));
    }
    for (std::size_t first = 0; first < values.size(); first += row) {
        const std::span<const double> some =
            std::span(values).subspan(first, std::min(row, values.size() - first));
        std::string want;
        for (const double v : some) {
            want += ';';
            want += w.library(v);
        }
        std::vector<char> text(some.size() * (decimal_text_room + 1) + 8, '#');
        const char* end = w.each(text.data(), ';', some);
        const std::size_t room = text.size() - 8;
        ASSERT_EQ(std::string(text.data() + room, text.data() + text.size()), "########")
            << "written past the room";
        ASSERT_EQ(std::string(static_cast<const char*>(text.data()), end), want);
    }
}

INSTANTIATE_TEST_SUITE_P(WritersAndFamilies, DecimalText,
                         ::testing::Combine(::testing::ValuesIn(writers),
                                            ::testing::ValuesIn(families)),
                         [](const auto& test) {
                             return std::string(std::get<0>(test.param).name) + "_" +
                                    std::get<1>(test.param).name;
                         });

} // namespace
} // namespace ovrelan

#include "model/number_format.h"

#include <gtest/gtest.h>

#include <string>

namespace ovrelan {
namespace {

struct GeneralCase {
    double value;
    const char* expected;
};

TEST(GeneralFormat, WritesTheShortestPlainForm) {
    const GeneralCase cases[] = {GeneralCase{2000, " 2000"},
                                 GeneralCase{5000, " 5000"},
                                 GeneralCase{40, " 40"},
                                 GeneralCase{0.02, " .02"},
                                 GeneralCase{5, " 5"},
                                 GeneralCase{50, " 50"},
                                 GeneralCase{1, " 1"},
                                 GeneralCase{0, " 0"},
                                 GeneralCase{-0.02, "-.02"},
                                 GeneralCase{-15, "-15"},
                                 GeneralCase{1.5, " 1.5"},
                                 GeneralCase{0.002 * 1e6, " 2000"},
                                 GeneralCase{0.1 + 0.2, " .3"},
                                 GeneralCase{123456.789, " 123456.789"},
                                 GeneralCase{1.0 / 3, " .333333333333333"},
                                 GeneralCase{0.0001, " .0001"},
                                 GeneralCase{0.00001, " 1E-05"},
                                 GeneralCase{2.5e-7, " 2.5E-07"},
                                 GeneralCase{1e14, " 100000000000000"},
                                 GeneralCase{1e15, " 1E+15"},
                                 GeneralCase{-1.25e20, "-1.25E+20"},
                                 GeneralCase{1e300, " 1E+300"}};
    for (const GeneralCase& c : cases) {
        EXPECT_EQ(format_general(c.value), c.expected) << c.value;
    }
}

struct PatternCase {
    double value;
    const char* pattern;
    char separator;
    const char* expected;
};

TEST(PatternFormat, FollowsThePicture) {
    const PatternCase cases[] = {
        // Parameter fields.
        PatternCase{0.02, " 0.000", '.', " 0.020"}, PatternCase{15, " 0.00", '.', " 15.00"},
        PatternCase{5, " 0.00", '.', " 5.00"}, PatternCase{47, " 0.00", '.', " 47.00"},
        PatternCase{-5, " 0.00", '.', " -5.00"}, PatternCase{0.0049, " 0.00", '.', " 0.00"},
        PatternCase{-0.0049, " 0.00", '.', " 0.00"}, PatternCase{2.675, " 0.00", ',', " 2,67"},
        PatternCase{1234.5678, " 0.000", '.', " 1234.568"},
        // Characteristics panel.
        PatternCase{295.30971, "0.0000E+00", '.', "2.9531E+02"},
        PatternCase{295.30971, "0.0000E+00", ',', "2,9531E+02"},
        PatternCase{0.021276595, "0.0000E+00", '.', "2.1277E-02"},
        PatternCase{5, "0.0000E+00", '.', "5.0000E+00"},
        PatternCase{0, "0.0000E+00", '.', "0.0000E+00"},
        PatternCase{50.3226, "0.000E+00", '.', "5.032E+01"},
        PatternCase{-0.075, "0.000E+00", '.', "-7.500E-02"},
        PatternCase{9.99996, "0.0000E+00", '.', "1.0000E+01"},
        PatternCase{1.5e-123, "0.000E+00", '.', "1.500E-123"},
        // Graph windows.
        PatternCase{3.14159, " 0.00", '.', " 3.14"}, PatternCase{-1, "#0.00", '.', "-1.00"},
        PatternCase{0.5, "#0.00", '.', "0.50"}, PatternCase{12.3456, "#0.000", '.', "12.346"},
        PatternCase{-1e-17, "#0.00", '.', "0.00"}, PatternCase{0.0123, "0.00E+00", '.', "1.23E-02"},
        PatternCase{-2000, "0.00E+00", ',', "-2,00E+03"}};
    for (const PatternCase& c : cases) {
        EXPECT_EQ(format_pattern(c.value, c.pattern, c.separator), c.expected)
            << c.value << " with «" << c.pattern << "»";
    }
}

TEST(FieldFixedFormat, ReplacesCommasByPoints) {
    EXPECT_EQ(format_field_fixed(0.02, " 0.000", ','), " 0.020");
    EXPECT_EQ(format_field_fixed(47, " 0.00", ','), " 47.00");
    EXPECT_EQ(format_field_fixed(15, " 0.00", '.'), " 15.00");
}

} // namespace
} // namespace ovrelan

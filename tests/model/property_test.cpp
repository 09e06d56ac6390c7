// Properties of the recompute chain over many random inputs, with fixed seeds: parameter sets
// across many decades, and field texts of every kind typed key by key through the same entry
// path as the window. Under the sanitizers every run also checks memory and undefined behaviour.
#include "chain/recompute.h"

#include "io/results_csv.h"

#include "model/number_format.h"
#include "solution/solution_arrays.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace ovrelan {
namespace {

using testing::all_finite;
using testing::started_state;

// Every value the tables would hold, in seconds, volts, amperes and joules, is finite.
bool si_finite(const SimulationState& s) {
    for (const CsvColumn& column : results_columns(s)) {
        for (std::size_t k = 0; k < s.t_grid.size(); ++k) {
            if (!std::isfinite(column.value(k))) {
                return false;
            }
        }
    }
    return true;
}

// What must hold after every step: the model holds the values of its last completed pass, with
// finite arrays of the size its grid gives (and finite in SI units), never above the limit, and
// every text the chain wrote back reads as exactly the value the model keeps.
void expect_consistent(const SimulationState& s, const ChainResult& r, const std::string& what) {
    ASSERT_EQ(static_cast<const Parameters&>(s), s.accepted) << what;
    ASSERT_TRUE(all_finite(s)) << what;
    ASSERT_TRUE(si_finite(s)) << what;
    ASSERT_LE(s.t_grid.size(), max_grid_points) << what;
    ASSERT_EQ(s.t_grid.size(), grid_points(s.Nt)) << what;
    std::array<const FieldWrite*, 7> last{};
    for (const Notice& notice : r.notices) {
        for (const FieldWrite& w : notice.writes) {
            last[static_cast<std::size_t>(w.field)] = &w;
        }
    }
    for (const FieldWrite* w : last) {
        if (w != nullptr) {
            EXPECT_EQ(field_change(w->field, w->text).stored, s.*(field_entry(w->field).param))
                << what << ": " << w->text;
        }
    }
}

// A value from one of many decades: zero, tiny, ordinary, huge, infinite, of either sign.
double any_value(std::mt19937_64& random) {
    std::uniform_real_distribution<double> unit(0, 1);
    const double sign = unit(random) < 0.3 ? -1 : 1;
    switch (random() % 8) {
    case 0:
        return 0;
    case 1:
        return sign * std::pow(10.0, -300 + 270 * unit(random)); // 1e-300 ... 1e-30
    case 2:
        return sign * std::pow(10.0, 30 + 278 * unit(random)); // 1e30 ... 1e308
    case 3:
        return sign * std::numeric_limits<double>::infinity();
    default:
        return sign * std::pow(10.0, -6 + 12 * unit(random)); // 1e-6 ... 1e6
    }
}

// An interval that keeps the grids small, with now and then one that is zero, negative or far
// too long.
double any_interval(std::mt19937_64& random) {
    std::uniform_real_distribution<double> unit(0, 1);
    switch (random() % 10) {
    case 0:
        return 0;
    case 1:
        return -std::pow(10.0, 6 * unit(random));
    case 2:
        return std::pow(10.0, 5 + 300 * unit(random));
    default:
        return std::pow(10.0, -3 + 3.5 * unit(random)); // 0.001 ... about 3
    }
}

TEST(Properties, RandomParameterSetsAcrossTheDecades) {
    std::mt19937_64 random(20261207);
    constexpr int sets = 10000;
    SimulationState s = started_state();
    int computed = 0;
    for (int i = 0; i < sets; ++i) {
        std::array<std::string, 7> texts;
        for (const FieldEntry& entry : field_table()) {
            const double v = entry.field == Field::Nmax ? any_interval(random) : any_value(random);
            texts[static_cast<std::size_t>(entry.field)] = format_general(v, 17);
        }
        std::vector<FieldText> typed;
        for (const FieldEntry& entry : field_table()) {
            typed.push_back({entry.field, texts[static_cast<std::size_t>(entry.field)]});
        }
        const ChainResult r = enter_texts(s, typed);
        computed += r.computed ? 1 : 0;
        expect_consistent(s, r, "set " + std::to_string(i));
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
    EXPECT_GT(computed, sets / 2) << "most sets end in a completed pass";
}

// A text of any kind: digits and signs, exponents, commas and points, blanks, Cyrillic,
// «inf» and «nan», random bytes, long strings.
std::string any_text(std::mt19937_64& random) {
    static const std::vector<std::string> pieces = {"0",
                                                    "1",
                                                    "2",
                                                    "5",
                                                    "9",
                                                    "00",
                                                    "-",
                                                    "+",
                                                    ".",
                                                    ",",
                                                    "e",
                                                    "E",
                                                    "e-",
                                                    "e+",
                                                    "E3",
                                                    "e-320",
                                                    "e308",
                                                    "e400",
                                                    " ",
                                                    "\t",
                                                    "inf",
                                                    "nan",
                                                    "Ом",
                                                    "мкГн",
                                                    "х",
                                                    "1e30",
                                                    "0.0",
                                                    "12345678",
                                                    "9999999999999999999",
                                                    ",5",
                                                    "--",
                                                    "..",
                                                    "\xff",
                                                    "\x01",
                                                    "\xd0",
                                                    "1,5",
                                                    "3.1415926535"};
    std::string text;
    const std::size_t parts = 1 + random() % (random() % 16 == 0 ? 60 : 5);
    for (std::size_t i = 0; i < parts; ++i) {
        if (random() % 10 == 0) {
            text.push_back(static_cast<char>(random() % 256)); // any byte
        } else {
            text += pieces[random() % pieces.size()];
        }
    }
    return text;
}

TEST(Properties, RandomFieldTextsTypedKeyByKeyThenEntered) {
    std::mt19937_64 random(7122026);
    constexpr int texts = 10000;
    SimulationState s = started_state();
    enter_text(s, Field::Nmax, "2"); // small grids: the suite runs under the sanitizers
    std::array<std::string, 7> shown{" 2000", " 5000", " 0.020", " 15.00", " 5.00", " 47.00", " 2"};
    for (int i = 0; i < texts; ++i) {
        const auto field = static_cast<Field>(random() % 7);
        const auto k = static_cast<std::size_t>(field);
        const std::string text = any_text(random);
        const std::string what = "text " + std::to_string(i) + " «" + text + "»";
        // Key by key: a prefix is taken, or the state stays exactly as it was. (A prefix that
        // makes a large grid ends the keys early: the suite must stay quick.)
        for (std::size_t n = 1; n <= text.size() && n <= 12 && s.t_grid.size() <= 600; ++n) {
            const SimulationState before = s;
            const Typing t = type_text(s, field, text.substr(0, n));
            if (!t.taken) {
                ASSERT_FALSE(t.reason.empty()) << what;
                testing::expect_same_state(s, before);
                ASSERT_EQ(s.k_now, before.k_now) << what;
            }
        }
        // The end of the edit: the field shows what was typed or one text written back.
        const ChainResult r = enter_text(s, field, text);
        expect_consistent(s, r, what);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
        shown[k] = text;
        bool kept_rejected_text = false;
        for (const Notice& notice : r.notices) {
            for (const FieldWrite& w : notice.writes) {
                shown[static_cast<std::size_t>(w.field)] = w.text;
            }
            kept_rejected_text = kept_rejected_text || (notice.cause == NoticeCause::field_check &&
                                                        notice.writes.empty());
        }
        // Field and model agree, but for a rejected text the field keeps (the window tints it).
        for (const FieldEntry& entry : field_table()) {
            const auto j = static_cast<std::size_t>(entry.field);
            const FieldChange reading = field_change(entry.field, shown[j]);
            const bool agrees = !reading.rejected && reading.stored == s.*entry.param;
            if (!agrees && j == k && kept_rejected_text) {
                shown[j] = field_text_general(entry.field, s.*entry.param); // corrected later
                continue;
            }
            EXPECT_TRUE(agrees) << what << ": field " << entry.name << " «" << shown[j] << "»";
        }
        // Back to a small grid now and then, so that the suite stays quick.
        if (s.t_grid.size() > 600) {
            const FieldText small[] = {{Field::nu, " 47"}, {Field::Nmax, " 2"}};
            shown[static_cast<std::size_t>(Field::nu)] = " 47";
            shown[static_cast<std::size_t>(Field::Nmax)] = " 2";
            for (const Notice& notice : enter_texts(s, small).notices) {
                for (const FieldWrite& w : notice.writes) {
                    shown[static_cast<std::size_t>(w.field)] = w.text;
                }
            }
        }
    }
}

} // namespace
} // namespace ovrelan

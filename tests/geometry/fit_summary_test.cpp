// A fit as the fit dialog shows it and what «Принять» writes: each value in the fields' units
// with its error, the residual line, and the seven field texts — R, L and C as determined, Uo
// from the trace's amplitude by what the trace records, ε = 0, ν and Nmax as they were; the
// texts read back through the fields' own rule to the values described.
#include "geometry/fit_summary.h"

#include "model/parameter_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace ovrelan {
namespace {

FitResult fitted(Quantity q, double amplitude, bool with_rlc) {
    FitResult r;
    r.ok = true;
    r.motion = {50, 316.2278, 0.004e-3};
    r.values = {{"delta", 50.02, 0.31, false, "1/с"},
                {"omega0", 316.2278, 0.05, false, "рад/с"},
                {"shift", 0.004e-3, 0.0024e-3, false, "с"}};
    if (with_rlc) {
        r.values.push_back({"R", 0.20031, 0.0011, false, "Ом"});
        r.values.push_back({"L", 2000.4e-6, 3.1e-6, false, "Гн"});
        r.values.push_back({"C", 5000e-6, 0, true, "Ф"});
    }
    r.values.push_back({"T", 20.12e-3, 0.0033e-3, false, "с"});
    FitTraceResult t;
    t.quantity = q;
    t.amplitude = {"amplitude", amplitude, 0.0033, false, quantity_unit(q)};
    t.offset = {"offset", 0.1478, 0.0012, false, quantity_unit(q)};
    t.rms = 0.04921;
    t.points = 2000;
    r.traces.push_back(t);
    r.iterations = 3;
    return r;
}

TEST(FitSummary, RowsInTheFieldsUnits) {
    const std::vector<FitRow> rows = fit_rows(fitted(Quantity::Uc, 10, true), ',');
    const struct {
        const char* name;
        const char* value;
        const char* error;
    } want[] = {
        {"δ", "50,02\u00a01/с", "± 0,31\u00a01/с"},
        {"ω₀", "316,2\u00a0рад/с", "± 0,05\u00a0рад/с"},
        {"замыкание ключа", "0,004\u00a0мс", "± 0,0024\u00a0мс"},
        {"R", "0,2003\u00a0Ом", "± 0,0011\u00a0Ом"},
        {"L", "2000\u00a0мкГн", "± 3,1\u00a0мкГн"},
        {"C", "5000\u00a0мкФ", "задано"},
        {"T", "20,12\u00a0мс", "± 0,0033\u00a0мс"},
        {"амплитуда", "10\u00a0В", "± 0,0033\u00a0В"},
        {"смещение", "0,1478\u00a0В", "± 0,0012\u00a0В"},
    };
    ASSERT_EQ(rows.size(), std::size(want));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(want[i].name);
        EXPECT_EQ(rows[i].name, want[i].name);
        EXPECT_EQ(rows[i].value, want[i].value);
        EXPECT_EQ(rows[i].error, want[i].error);
    }
    EXPECT_EQ(fit_residual_text(fitted(Quantity::Uc, 10, true), ','),
              "Остаток (СКО): 49,21 мВ на 2000 точках; итераций: 3");
    FitResult failed;
    failed.reason = "подбор не сошёлся";
    EXPECT_TRUE(fit_rows(failed, ',').empty());
    EXPECT_EQ(fit_residual_text(failed, ','), "");
}

// Uo from the amplitude of a discharge: Uo itself for Uc and εL, Uo·ω₀·C for I, R times that for
// Ur; the fields' texts read back to the values described.
TEST(FitSummary, AcceptedValuesByWhatTheTraceRecords) {
    Parameters present{0.002, 0.005, 0.02, 15, 5, 47, 40};
    const std::array<std::string, 7> texts{" 2000", " 5000",  " 0.020", " 15.00",
                                           " 5.00", " 47.00", " 40"};
    const double w0c = 316.2278 * 0.005;
    const struct {
        Quantity q;
        double amplitude;
        const char* uo;
    } cases[] = {
        {Quantity::Uc, 10.0004, "10"},
        {Quantity::EL, 9.87654, "9.877"},
        {Quantity::I, 10 * w0c, "10"},
        {Quantity::Ur, 10 * w0c * 0.20031, "10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(quantity_key(c.q)));
        const auto a = accepted_fit(fitted(c.q, c.amplitude, true), present, texts, ',');
        ASSERT_TRUE(a);
        EXPECT_EQ(a->texts[0], "2000");
        EXPECT_EQ(a->texts[1], "5000");
        EXPECT_EQ(a->texts[2], "0.2003");
        EXPECT_EQ(a->texts[3], c.uo);
        EXPECT_EQ(a->texts[4], "0");
        EXPECT_EQ(a->texts[5], texts[5]);
        EXPECT_EQ(a->texts[6], texts[6]);
        // Each text as the field reads it is the value the description gives.
        EXPECT_DOUBLE_EQ(field_change(Field::L, a->texts[0]).stored, a->values.L);
        EXPECT_DOUBLE_EQ(field_change(Field::C, a->texts[1]).stored, a->values.C);
        EXPECT_DOUBLE_EQ(field_change(Field::R, a->texts[2]).stored, a->values.R);
        EXPECT_DOUBLE_EQ(field_change(Field::Uo, a->texts[3]).stored, a->values.Uo);
        EXPECT_EQ(field_change(Field::Em, a->texts[4]).stored, 0);
    }
    const auto a = accepted_fit(fitted(Quantity::Uc, 10, true), present, texts, ',');
    EXPECT_EQ(a->description, "L = 2000\u00a0мкГн, C = 5000\u00a0мкФ, R = 0,2003\u00a0Ом, "
                              "Uo = 10\u00a0В, ε = 0\u00a0В");
}

// With only δ and ω₀ fitted, C is kept: L = 1/(ω₀²C), R = 2δL.
TEST(FitSummary, OnlyDeltaAndOmegaKeepC) {
    const Parameters present{0.001, 0.005, 0.02, 15, 0, 47, 40};
    const std::array<std::string, 7> texts{"1000", "5000", "0.02", "15", "0", "47", "40"};
    const auto a = accepted_fit(fitted(Quantity::Uc, 10, false), present, texts, ',');
    ASSERT_TRUE(a);
    EXPECT_EQ(a->texts[1], "5000");
    EXPECT_EQ(a->texts[0], "2000"); // 1/(316.2278² · 0.005) = 2000 µH
    EXPECT_EQ(a->texts[2], "0.2");  // 2 · 50 · 0.002
    FitResult failed;
    EXPECT_FALSE(accepted_fit(failed, present, texts, ','));
}

TEST(FitSummary, FieldTextsOfFourDigits) {
    const struct {
        double typed;
        const char* text;
    } cases[] = {{2000.4, "2000"},     {1999.6, "2000"},          {0.200312, "0.2003"},
                 {12346, "1.235e+04"}, {0.00012344, "0.0001234"}, {15, "15"}};
    for (const auto& c : cases) {
        EXPECT_EQ(fitted_field_text(c.typed), c.text);
        EXPECT_NEAR(field_change(Field::R, c.text).stored, c.typed, 5e-4 * c.typed);
    }
}

} // namespace
} // namespace ovrelan

#include "model/defaults.h"
#include "model/parameter_fields.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <ostream>

#include <optional>
#include <string>
#include <utility>

namespace ovrelan {
namespace {

constexpr const char* negative_text =
    "не может быть отрицательным! Не вводите заново, а исправьте!";
constexpr const char* nmax_text = "не может быть! Не вводите заново, а исправьте!";

struct ChangeCase {
    const char* name;
    Field field;
    const char* text;
    double stored;
    bool rejected;
    int beep_ms;
    const char* message;                // nullptr: no box
    std::optional<std::string> written; // write-back into the field
};

void PrintTo(const ChangeCase& c, std::ostream* os) {
    *os << c.name;
}

class FieldChangeTable : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(FieldChangeTable, ReadsChecksAndFallsBack) {
    const ChangeCase& c = GetParam();
    const FieldChange change = field_change(c.field, c.text);
    EXPECT_DOUBLE_EQ(change.stored, c.stored);
    EXPECT_EQ(change.rejected, c.rejected);
    EXPECT_EQ(change.beep_ms, c.beep_ms);
    if (c.message == nullptr) {
        EXPECT_FALSE(change.message.has_value());
    } else {
        ASSERT_TRUE(change.message.has_value());
        EXPECT_EQ(change.message->title, "Ошибка");
        EXPECT_EQ(change.message->text, c.message);
    }
    EXPECT_EQ(change.write_back, c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldChangeTable,
    ::testing::Values(
        ChangeCase{"L_negative", Field::L, "-5", 0.005, true, 60, negative_text, {}},
        ChangeCase{"L_zero_is_a_missing_coil", Field::L, "0", 0, false, 0, nullptr, {}},
        ChangeCase{"L_micro_henry", Field::L, "2000", 0.002, false, 0, nullptr, {}},
        ChangeCase{"C_micro_farad", Field::C, "5000", 0.005, false, 0, nullptr, {}},
        ChangeCase{"C_negative", Field::C, "-1", 0.002, true, 60, negative_text, {}},
        ChangeCase{"R_decimal_comma", Field::R, "1,5", 1.5, false, 0, nullptr, {}},
        ChangeCase{"R_point", Field::R, "1.5", 1.5, false, 0, nullptr, {}},
        ChangeCase{"R_blank_inside", Field::R, " 1 5", 15, false, 0, nullptr, {}},
        ChangeCase{"R_letters", Field::R, "abc", 0, false, 0, nullptr, {}},
        ChangeCase{"R_negative", Field::R, "-0.1", 0.02, true, 60, negative_text, {}},
        ChangeCase{"Uo_negative_accepted", Field::Uo, "-15", -15, false, 0, nullptr, {}},
        ChangeCase{"Em_negative_accepted", Field::Em, "-5", -5, false, 0, nullptr, {}},
        ChangeCase{"nu_negative_accepted", Field::nu, "-47", -47, false, 0, nullptr, {}},
        ChangeCase{"Nmax_zero", Field::Nmax, "0", 1, true, 300, nmax_text, " 1"},
        ChangeCase{"Nmax_negative", Field::Nmax, "-3", 1, true, 300, nmax_text, " 1"},
        ChangeCase{"Nmax_empty", Field::Nmax, "", 1, true, 300, nmax_text, " 1"},
        ChangeCase{"Nmax_fraction", Field::Nmax, "2.5", 2.5, false, 0, nullptr, {}}),
    testing::CaseName{});

TEST(FieldTable, NamesLabelsAndTooltips) {
    const auto& t = field_table();
    EXPECT_EQ(t[0].name, "Text1");
    EXPECT_EQ(t[1].label, "С(мкФ)="); // Cyrillic С
    EXPECT_EQ(t[3].label, "Uo(B)=");  // Latin B
    EXPECT_EQ(t[6].tooltip, "Время расчёта (в собственных периодах или характерных временах)");
    EXPECT_EQ(field_by_name("Text6"), Field::nu);
    EXPECT_EQ(field_by_name("Text8"), std::nullopt);
    EXPECT_EQ(field_of(&Parameters::Em), Field::Em);
}

// What a screen reader says for each field: the caption without "=", a blank before the unit.
TEST(FieldAccessibleName, CaptionWithoutEqualsAndABlankBeforeTheUnit) {
    const std::pair<Field, std::string> table[] = {
        {Field::L, "L (мкГн)"}, {Field::C, "С (мкФ)"}, {Field::R, "R (Ом)"},  {Field::Uo, "Uo (В)"},
        {Field::Em, "ε (В)"},   {Field::nu, "ν (Гц)"}, {Field::Nmax, "Nmax"},
    };
    for (const auto& [field, name] : table) {
        EXPECT_EQ(field_accessible_name(field), name) << static_cast<int>(field);
    }
}

TEST(FieldTextGeneral, WritesTheTypedUnit) {
    EXPECT_EQ(field_text_general(Field::L, 0.002), " 2000");
    EXPECT_EQ(field_text_general(Field::C, 0.005), " 5000");
    EXPECT_EQ(field_text_general(Field::R, 0.02), " .02");
    EXPECT_EQ(field_text_general(Field::nu, 50), " 50");
    EXPECT_EQ(field_text_general(Field::Nmax, 40), " 40");
}

TEST(SetDefaults, StartValuesAndFieldTexts) {
    for (const char separator : {'.', ','}) {
        SimulationState s;
        const DefaultTexts texts = set_defaults(s, separator);
        const std::array<std::string, 7> expected{" 2000", " 5000",  " 0.020", " 15.00",
                                                  " 5.00", " 47.00", " 40"};
        EXPECT_EQ(texts.fields, expected) << "separator " << separator;
        EXPECT_EQ(s.L, 0.002);
        EXPECT_EQ(s.C, 0.005);
        EXPECT_EQ(s.R, 0.02);
        EXPECT_EQ(s.Uo, 15);
        EXPECT_EQ(s.Em, 5);
        EXPECT_EQ(s.nu, 47);
        EXPECT_EQ(s.Nmax, 40);
        EXPECT_EQ(s.steps_per_unit, 12);
        EXPECT_EQ(s.wo, 0) << "nothing is computed by the defaults";
    }
}

TEST(SetDefaults, TypedDefaultsReadBackToTheSameParameters) {
    SimulationState s;
    const DefaultTexts texts = set_defaults(s);
    EXPECT_DOUBLE_EQ(field_change(Field::L, texts.fields[0]).stored, s.L);
    EXPECT_DOUBLE_EQ(field_change(Field::R, texts.fields[2]).stored, s.R);
    EXPECT_DOUBLE_EQ(field_change(Field::nu, texts.fields[5]).stored, s.nu);
}

} // namespace
} // namespace ovrelan

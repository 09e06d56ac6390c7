#include "model/defaults.h"
#include "model/parameter_fields.h"

#include <gtest/gtest.h>

#include <ostream>

#include <optional>
#include <string>

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
        ChangeCase{"L_negative", Field::Text1, "-5", 0.005, true, 60, negative_text, {}},
        ChangeCase{"L_zero_is_a_missing_coil", Field::Text1, "0", 0, false, 0, nullptr, {}},
        ChangeCase{"L_micro_henry", Field::Text1, "2000", 0.002, false, 0, nullptr, {}},
        ChangeCase{"C_micro_farad", Field::Text2, "5000", 0.005, false, 0, nullptr, {}},
        ChangeCase{"C_negative", Field::Text2, "-1", 0.002, true, 60, negative_text, {}},
        ChangeCase{"R_comma", Field::Text3, "1,5", 1, false, 0, nullptr, {}},
        ChangeCase{"R_point", Field::Text3, "1.5", 1.5, false, 0, nullptr, {}},
        ChangeCase{"R_blank_inside", Field::Text3, " 1 5", 15, false, 0, nullptr, {}},
        ChangeCase{"R_letters", Field::Text3, "abc", 0, false, 0, nullptr, {}},
        ChangeCase{"R_negative", Field::Text3, "-0.1", 0.02, true, 60, negative_text, {}},
        ChangeCase{"Uo_negative_accepted", Field::Text4, "-15", -15, false, 0, nullptr, {}},
        ChangeCase{"Em_negative_accepted", Field::Text5, "-5", -5, false, 0, nullptr, {}},
        ChangeCase{"nu_negative_accepted", Field::Text6, "-47", -47, false, 0, nullptr, {}},
        ChangeCase{"Nmax_zero", Field::Text7, "0", 1, true, 300, nmax_text, " 1"},
        ChangeCase{"Nmax_negative", Field::Text7, "-3", 1, true, 300, nmax_text, " 1"},
        ChangeCase{"Nmax_empty", Field::Text7, "", 1, true, 300, nmax_text, " 1"},
        ChangeCase{"Nmax_fraction", Field::Text7, "2.5", 2.5, false, 0, nullptr, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FieldTable, NamesLabelsAndTooltips) {
    const auto& t = field_table();
    EXPECT_EQ(t[0].name, "Text1");
    EXPECT_EQ(t[1].label, "С(мкФ)="); // Cyrillic С
    EXPECT_EQ(t[3].label, "Uo(B)=");  // Latin B
    EXPECT_EQ(t[6].tooltip, "Время расчёта (в собственных периодах или характерных временах)");
    EXPECT_EQ(field_by_name("Text6"), Field::Text6);
    EXPECT_EQ(field_by_name("Text8"), std::nullopt);
    EXPECT_EQ(field_of(&Parameters::Em), Field::Text5);
}

TEST(FieldTextGeneral, WritesTheTypedUnit) {
    EXPECT_EQ(field_text_general(Field::Text1, 0.002), " 2000");
    EXPECT_EQ(field_text_general(Field::Text2, 0.005), " 5000");
    EXPECT_EQ(field_text_general(Field::Text3, 0.02), " .02");
    EXPECT_EQ(field_text_general(Field::Text6, 50), " 50");
    EXPECT_EQ(field_text_general(Field::Text7, 40), " 40");
}

TEST(SetDefaults, StartValuesAndFieldTexts) {
    for (const char separator : {'.', ','}) {
        SimulationState s;
        const DefaultTexts texts = set_defaults(s, separator);
        const std::array<std::string, 7> expected{" 2000", " 5000",  " 0.020", " 15.00",
                                                  " 5.00", " 47.00", " 40"};
        EXPECT_EQ(texts.fields, expected) << "separator " << separator;
        EXPECT_EQ(texts.label31, "1");
        EXPECT_EQ(texts.label32, "1");
        EXPECT_EQ(s.L, 0.002);
        EXPECT_EQ(s.C, 0.005);
        EXPECT_EQ(s.R, 0.02);
        EXPECT_EQ(s.Uo, 15);
        EXPECT_EQ(s.Em, 5);
        EXPECT_EQ(s.nu, 47);
        EXPECT_EQ(s.Nmax, 40);
        EXPECT_EQ(s.steps_per_unit, 12);
        EXPECT_EQ(s.y_half_steps, 11);
        EXPECT_EQ(s.carrier_delay, 1);
        EXPECT_EQ(s.calc_speedup, 1);
        EXPECT_EQ(s.carrier_steps, 48);
        EXPECT_EQ(s.e_lines_max, 10);
        EXPECT_EQ(s.b_lines_max, 10);
        for (double zoom : {s.Uc_zoom, s.I_zoom, s.W_zoom, s.Ur_zoom, s.UL_zoom}) {
            EXPECT_EQ(zoom, 1);
        }
        EXPECT_EQ(s.wire_color, (Rgb{128, 128, 128}));
        EXPECT_EQ(s.wire_color_long, 0x808080);
        EXPECT_EQ(s.carrier_color, (Rgb{235, 253, 74}));
        EXPECT_FALSE(s.ready_flag);
        EXPECT_EQ(s.wo, 0) << "nothing is computed by the defaults";
    }
}

TEST(SetDefaults, TypedDefaultsReadBackToTheSameParameters) {
    SimulationState s;
    const DefaultTexts texts = set_defaults(s);
    EXPECT_DOUBLE_EQ(field_change(Field::Text1, texts.fields[0]).stored, s.L);
    EXPECT_DOUBLE_EQ(field_change(Field::Text3, texts.fields[2]).stored, s.R);
    EXPECT_DOUBLE_EQ(field_change(Field::Text6, texts.fields[5]).stored, s.nu);
}

} // namespace
} // namespace ovrelan

#include "geometry/graph_axes.h"

#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ovrelan {
namespace {

using testing::circuit;
using testing::started_state;

TEST(GraphAxes, VerticalGridAndTimeLabels) {
    SimulationState s = started_state();
    s.grid_step = 3.1415926535;
    const std::pair<double, std::pair<std::size_t, std::size_t>> cases[] = {
        {1, {0, 0}}, {2, {1, 0}}, {5, {4, 2}}, {80, {79, 39}}, {5.1, {5, 2}}};
    for (const auto& [count, expected] : cases) {
        s.grid_count = count;
        const GraphAxes a = graph_axes(s, graph_variant(GraphId::Uc), 1, '.');
        EXPECT_EQ(a.vertical_lines, static_cast<int>(expected.first)) << count;
        EXPECT_EQ(a.time_labels, static_cast<int>(expected.second)) << count;
    }
    s.grid_count = 5;
    const GraphAxes a = graph_axes(s, graph_variant(GraphId::Uc), 1, '.');
    EXPECT_DOUBLE_EQ(a.vertical_line_x(4), 4 * s.grid_step);
    EXPECT_EQ(a.time_label(1).text, " 6.28");
    EXPECT_DOUBLE_EQ(a.time_label(1).x, 1.7 * s.grid_step);
    EXPECT_EQ(a.time_label(2).text, " 12.57");
    EXPECT_EQ(a.time_label(2).y, 0);
}

TEST(GraphAxes, ValueLabelsFollowZoomAndMaximum) {
    SimulationState s = started_state();
    s.Uc_max = 1;
    GraphAxes a = graph_axes(s, graph_variant(GraphId::Uc), 1, '.');
    EXPECT_DOUBLE_EQ(a.y_top, 1.1);
    EXPECT_DOUBLE_EQ(a.y_bottom, -1.1);
    ASSERT_EQ(a.value_labels.size(), 21U);
    std::vector<std::string> labels;
    for (const auto& label : a.value_labels) {
        labels.push_back(label.text);
    }
    EXPECT_EQ(labels.front(), "-1.00");
    EXPECT_EQ(labels[1], "-0.90");
    EXPECT_EQ(labels[10], "0.00");
    EXPECT_EQ(labels.back(), "1.00");
    EXPECT_DOUBLE_EQ(a.value_labels[0].y, -1.1 + 1.2 * 0.1);

    a = graph_axes(s, graph_variant(GraphId::Uc), zoom_of_scroll(-9), ',');
    EXPECT_NEAR(a.y_top, 0.11, 1e-15);
    EXPECT_EQ(a.value_labels.back().text, "0,10");
    EXPECT_DOUBLE_EQ(graph_axes(s, graph_variant(GraphId::Uc), zoom_of_scroll(9), '.').y_top,
                     1.9 * 1.1);

    s.W_max = 1;
    EXPECT_EQ(graph_axes(s, graph_variant(GraphId::W), 1, '.').value_labels.back().text, "1.000");
}

TEST(GraphAxes, ZoomFromTheScrollBar) {
    EXPECT_DOUBLE_EQ(zoom_of_scroll(-9), 0.1);
    EXPECT_DOUBLE_EQ(zoom_of_scroll(0), 1);
    EXPECT_DOUBLE_EQ(zoom_of_scroll(2), 1.2);
    EXPECT_DOUBLE_EQ(zoom_of_scroll(9), 1.9);
}

struct HeaderCase {
    const char* name;
    Parameters p;
    GraphId id;
    const char* starts;
    const char* unit;
};

void PrintTo(const HeaderCase& c, std::ostream* os) {
    *os << c.name;
}

class Headers : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(Headers, FollowTheCircuit) {
    const HeaderCase& c = GetParam();
    const SimulationState s = circuit(c.p);
    const std::string header = graph_header(s, graph_variant(c.id), '.');
    EXPECT_EQ(header.rfind(c.starts, 0), 0U) << header;
    EXPECT_NE(header.find(c.unit), std::string::npos) << header;
    EXPECT_EQ(header.substr(header.size() - 2), " c");
}

INSTANTIATE_TEST_SUITE_P(Circuits, Headers,
                         ::testing::Values(HeaderCase{"resistor_dc_energy",
                                                      {0, 0, 2, 15, 5, 0, 4},
                                                      GraphId::W,
                                                      "W/P_norm   P_norm=",
                                                      " Дж/c  "},
                                           HeaderCase{"coil_dc_energy",
                                                      {0.002, 0, 0, 15, 5, 0, 4},
                                                      GraphId::W,
                                                      "W/W_norm   W_norm=",
                                                      " Дж/c^2  "},
                                           HeaderCase{"coil_dc_current",
                                                      {0.002, 0, 0, 15, 5, 0, 4},
                                                      GraphId::Ik,
                                                      "I/Inorm,     Inorm=",
                                                      " A/c,  "},
                                           HeaderCase{"default_energy",
                                                      {0.002, 0.005, 0.02, 15, 5, 47, 4},
                                                      GraphId::W,
                                                      "W/W_norm   W_norm=",
                                                      " Дж  "},
                                           HeaderCase{"default_current",
                                                      {0.002, 0.005, 0.02, 15, 5, 47, 4},
                                                      GraphId::Ik,
                                                      "I/Inorm,     Inorm=",
                                                      " A,  "},
                                           HeaderCase{"capacitor",
                                                      {0.002, 0.005, 0.02, 15, 5, 47, 4},
                                                      GraphId::Uc,
                                                      "Uс/Uc_norm,   Uc_norm=1.50E+01 B",
                                                      " B  "},
                                           HeaderCase{"coil",
                                                      {0.002, 0.005, 0.02, 15, 5, 47, 4},
                                                      GraphId::UL,
                                                      "EL/UL_norm,   UL_norm=",
                                                      " B  "},
                                           HeaderCase{"resistor",
                                                      {0.002, 0.005, 0.02, 15, 5, 47, 4},
                                                      GraphId::Ur,
                                                      "Ur/Ur_norm,   Ur_norm=",
                                                      " B  "}),
                         testing::CaseName{});

TEST(Headers, TheCurrentExampleInFull) {
    SimulationState s = circuit({0.002, 0, 0, 15, 5, 0, 4});
    s.I_scale = 2500;
    s.t_scale = 1;
    EXPECT_EQ(graph_header(s, graph_variant(GraphId::Ik), '.'),
              "I/Inorm,     Inorm=2.50E+03 A/c,  Tnorm=1.00E+00 c");
    EXPECT_EQ(graph_header(s, graph_variant(GraphId::Ik), ','),
              "I/Inorm,     Inorm=2,50E+03 A/c,  Tnorm=1,00E+00 c");
}

TEST(GraphVariants, TheTable) {
    const auto& v = graph_variants();
    const char* names[] = {"Form_UL", "Form_Uc", "Form_Ur", "form_Ik", "form_W"};
    const char* checks[] = {"Check_L", "Check_C", "Check_R", "Check_I", "Check_W"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_STREQ(v[i].form_name, names[i]);
        EXPECT_STREQ(v[i].check_box, checks[i]);
        EXPECT_EQ(v[i].top_offset, static_cast<int>(i));
    }
    SimulationState s = started_state();
    s.Ur_t[3] = 0.25F;
    EXPECT_EQ(graph_variant(GraphId::Ur).sample(s, 3), 0.25);
    EXPECT_EQ(graph_variant(GraphId::W).sample(s, 7), s.W_t[7]);
    EXPECT_EQ(graph_variant(GraphId::Uc).caption(s),
              "Зависимость напряжения на конденсаторе от времени");
}

} // namespace
} // namespace ovrelan

#include "geometry/graph_frame.h"

#include "support/approximate_text.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ovrelan {
namespace {

using testing::circuit;

using testing::approximately;

void expect_legible(const GraphFrame& f, const std::string& what) {
    for (std::size_t i = 0; i < f.labels.size(); ++i) {
        const FrameLabel& a = f.labels[i];
        EXPECT_FALSE(a.box.intersects(f.plot)) << what << ": «" << a.text << "» on the plot";
        EXPECT_GE(a.box.left, 0) << what << ": " << a.text;
        EXPECT_LE(a.box.left + a.box.width, f.view.width + 1e-9) << what << ": " << a.text;
        for (std::size_t j = i + 1; j < f.labels.size(); ++j) {
            EXPECT_FALSE(a.box.intersects(f.labels[j].box))
                << what << ": «" << a.text << "» and «" << f.labels[j].text << "»";
        }
    }
    EXPECT_GT(f.plot.width, 0) << what;
    EXPECT_GT(f.plot.height, 0) << what;
}

// The legend of a graph with several curves stands in the strip above the plot, clear of every
// label and of its other entries; a graph wide enough shows every entry.
void expect_legend_clear(const GraphFrame& f, const GraphContent& c, const MeasureText& measure,
                         double scale, bool wide, const std::string& what) {
    std::vector<std::string> names;
    for (const Series& series : c.series) {
        names.push_back(series.name);
    }
    const std::vector<LegendItem> items = legend_layout(f, names, measure, scale);
    if (names.size() < 2) {
        EXPECT_TRUE(items.empty()) << what;
        return;
    }
    if (wide) {
        EXPECT_EQ(items.size(), names.size()) << what;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        const PixelBox& b = items[i].box;
        EXPECT_EQ(items[i].name, names[i]) << what;
        EXPECT_GE(b.top, f.title.top) << what;
        EXPECT_LE(b.top + b.height, f.title.top + f.title.height + 1e-9) << what;
        EXPECT_LE(b.left + b.width, f.view.width + 1e-9) << what << ": " << items[i].name;
        for (const FrameLabel& l : f.labels) {
            EXPECT_FALSE(b.intersects(l.box))
                << what << ": " << items[i].name << " on «" << l.text << "»";
        }
        for (std::size_t j = i + 1; j < items.size(); ++j) {
            EXPECT_FALSE(b.intersects(items[j].box)) << what << ": " << items[i].name;
        }
    }
}

// Over many sizes, zooms in time and value, both kinds of axes and both font sizes: no label
// inside the plot area, no two labels overlapping, none off the view.
TEST(GraphFrame, NoLabelOnThePlotAndNoTwoOverlapAtAnySizeAndZoom) {
    const SimulationState s = circuit({0.002, 0.005, 0.02, 15, 5, 47, 40});
    const SimulationState long_run = circuit({0.002, 0.005, 0.02, 15, 5, 47, 5000});
    for (const SimulationState* state : {&s, &long_run}) {
        for (const GraphKind kind : {GraphKind::Uc, GraphKind::W, GraphKind::UI}) {
            for (const Axes axes : {Axes::normalised, Axes::physical}) {
                const GraphContent c =
                    graph_content(*state, kind, axes, /*energies_apart=*/kind == GraphKind::W);
                const GraphVariant& v =
                    graph_variant(kind == GraphKind::UI ? GraphId::Uc : static_cast<GraphId>(kind));
                for (const double zoom : {0.1, 1.0, 1.9}) {
                    const GraphAxes a = graph_axes(*state, v, zoom, ',');
                    for (const double part : {1.0, 0.3, 0.01, 0.0005}) {
                        for (const auto& [w, h] :
                             {std::pair{200.0, 90.0}, std::pair{360.0, 171.0},
                              std::pair{640.0, 300.0}, std::pair{1600.0, 900.0}}) {
                            for (const double font : {1.0, 2.0}) {
                                FrameRequest r;
                                r.width = w;
                                r.height = h;
                                r.axes = c.axes;
                                r.normalised = &a;
                                r.header = graph_header(*state, v, ',');
                                r.two_axes = !c.right_name.empty();
                                r.left = series_extent(*state, c.series.front());
                                r.right = series_extent(*state, c.series.back());
                                r.left_name = c.left_name;
                                r.left_unit = c.left_unit;
                                r.right_name = c.right_name;
                                r.right_unit = c.right_unit;
                                r.from_zero = c.from_zero;
                                r.value_zoom = zoom;
                                const double span = state->t_span;
                                r.window = {span * (1 - part) / 2, span * (1 + part) / 2};
                                r.time_scale = c.time_scale;
                                r.grid_step = state->grid_step;
                                r.decimal_separator = ',';
                                const GraphFrame f = graph_frame(r, approximately(font));
                                const std::string what =
                                    std::string(graph_kind_name(kind)) + " " + std::to_string(w) +
                                    "x" + std::to_string(h) + " part " + std::to_string(part);
                                expect_legible(f, what);
                                expect_legend_clear(f, c, approximately(font), font, w >= 640,
                                                    what);
                            }
                        }
                    }
                }
            }
        }
    }
}

// At a size a class reads, the physical axes say what they show: the unit with its prefix,
// round time ticks, and a window's every tick inside it.
TEST(GraphFrame, PhysicalAxesNameTheirUnits) {
    const SimulationState s = circuit({0.002, 0.005, 0.02, 15, 5, 47, 40});
    const GraphContent c = graph_content(s, GraphKind::Uc, Axes::physical);
    FrameRequest r;
    r.width = 800;
    r.height = 400;
    r.axes = Axes::physical;
    r.left = series_extent(s, c.series.front());
    r.left_name = c.left_name;
    r.left_unit = c.left_unit;
    r.window = whole(s.t_span);
    r.time_scale = c.time_scale;
    const GraphFrame f = graph_frame(r, approximately(1));
    std::vector<std::string> texts;
    for (const FrameLabel& l : f.labels) {
        texts.push_back(l.text);
    }
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Uc, В"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "t, мс"), texts.end()) << "0.79 s: in ms";
    EXPECT_NE(std::find(texts.begin(), texts.end(), "200"), texts.end()) << "round ticks";
    for (const double x : f.x_grid) {
        EXPECT_GE(x, f.x.low);
        EXPECT_LE(x, f.x.high);
    }
    // The energy in physical units starts at zero.
    const GraphContent w = graph_content(s, GraphKind::W, Axes::physical);
    EXPECT_TRUE(w.from_zero);
    EXPECT_EQ(value_range(series_extent(s, w.series.front()), true, 1).low, 0);
}

// The value range around the values: 5 % of their span added on each side (10 % of the value
// for a flat series), an end at 0 for never-negative quantities, and the zoom bar's factor
// widening it about 0 where 0 is shown or inside, else about its middle; numbers worked by hand.
TEST(GraphFrame, ValueRangeWithItsRoomAndZoom) {
    const struct {
        const char* name;
        Extent e;
        bool from_zero;
        double zoom;
        double low, high;
    } cases[] = {
        {"signed", {-2, 8}, false, 1, -2.5, 8.5},
        {"signed, zoomed out", {-2, 8}, false, 2, -5, 17},
        {"signed, zoomed in", {-2, 8}, false, 0.5, -1.25, 4.25},
        {"positive", {10, 20}, false, 1, 9.5, 20.5},
        {"positive, zoomed out", {10, 20}, false, 3, -1.5, 31.5},
        {"energy", {0, 10}, true, 1, 0, 10.5},
        {"energy, zoomed out", {0, 10}, true, 1.9, 0, 19.95},
        {"energy, zoomed in", {0, 10}, true, 0.1, 0, 1.05},
        {"energy above zero", {4, 10}, true, 2, 0, 21},
        {"flat", {5, 5}, false, 1, 4.5, 5.5},
        {"energy of one value, zoomed out", {5, 5}, true, 2, 0, 10.5},
    };
    for (const auto& c : cases) {
        const Range r = value_range(c.e, c.from_zero, c.zoom);
        EXPECT_NEAR(r.low, c.low, 1e-12) << c.name;
        EXPECT_NEAR(r.high, c.high, 1e-12) << c.name;
    }
}

} // namespace
} // namespace ovrelan

namespace ovrelan {
namespace {

// A family's legend: a column inside the plot at its top right, every entry clear of the border
// and of the others; as many as the plot's height holds, none where the plot is narrower than
// the longest name.
TEST(GraphFrame, FamilyLegendStandsInsideThePlot) {
    const std::vector<std::string> names{"R = 0,05 Ом",       "R = 0,08453 Ом", "R = 0,1429 Ом",
                                         "R = 0,2415 Ом",     "R = 0,4083 Ом",  "R = 0,6901 Ом",
                                         "R = 1,167 Ом (Rк)", "R = 2 Ом"};
    const struct {
        const char* what;
        PixelBox plot;
        double scale;
        std::size_t shown;
    } cases[] = {
        {"roomy", {60, 40, 1400, 700}, 1, 8},
        {"large look", {60, 40, 1400, 700}, 2, 8},
        {"three rows", {60, 40, 600, 3 * 17 + 8}, 1, 3},
        {"no row", {60, 40, 600, 17}, 1, 0},
        {"too narrow", {60, 40, 100, 700}, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GraphFrame f;
        f.plot = c.plot;
        const std::vector<LegendItem> items =
            family_legend_layout(f, names, approximately(c.scale), c.scale);
        ASSERT_EQ(items.size(), c.shown);
        for (std::size_t i = 0; i < items.size(); ++i) {
            const PixelBox& b = items[i].box;
            EXPECT_EQ(items[i].name, names[i]);
            EXPECT_GE(b.left, c.plot.left + 4 * c.scale);
            EXPECT_GE(b.top, c.plot.top + 4 * c.scale);
            EXPECT_NEAR(b.left + b.width, c.plot.left + c.plot.width - 4 * c.scale, 1e-9);
            EXPECT_LE(b.top + b.height, c.plot.top + c.plot.height - 4 * c.scale + 1e-9);
            EXPECT_GE(b.width, approximately(c.scale)(names[i]).width + 22 * c.scale);
            for (std::size_t j = i + 1; j < items.size(); ++j) {
                EXPECT_FALSE(b.intersects(items[j].box)) << names[i] << " and " << names[j];
            }
        }
    }
}

} // namespace
} // namespace ovrelan

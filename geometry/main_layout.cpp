#include "geometry/main_layout.h"

#include "geometry/scene_geometry.h"

#include <cmath>
#include <stdexcept>

namespace ovrelan {

namespace {

constexpr double gap_x = 10;
constexpr double gap_y = 10;
constexpr double field_width = 60;
constexpr double row_height = 24;

constexpr double frame1_width = 66;
constexpr double frame1_height = 106;
constexpr double frame2_width = 50;
constexpr double frame2_height = 65;

constexpr double grid_column_width = 120;
constexpr double panel_width = 2 * field_width + gap_x; // from the window's right edge

// The right edge of the characteristics grid: five columns from the left edge.
constexpr double grid_right = gap_x + 2 * (field_width + 10) + 4 * (grid_column_width + gap_x);
// The bottom of the frames under the seventh parameter row.
constexpr double frames_bottom = gap_y + 8 * (row_height + gap_y) + frame1_height;
// The speed labels stand between their scroll bars and the start button, which they must not
// cover.
constexpr double speed_label_height = row_height - 2;

} // namespace

const Rect& MainLayout::at(const std::string& name) const {
    for (const Placement& p : controls) {
        if (p.name == name) {
            return p.rect;
        }
    }
    throw std::out_of_range("no control named " + name);
}

MainLayout arrange_main_window(int scale_width, int scale_height) {
    const double W = scale_width;
    const double H = scale_height;
    MainLayout layout;
    auto place = [&](std::string name, double left, double top, double width, double height) {
        layout.controls.push_back({std::move(name), Rect{left, top, width, height}});
    };

    // Parameter panel, right-aligned at the top; P is its left edge.
    const double P = W - panel_width;
    const double panel_top = gap_y;
    place("Label0", P, panel_top, 2 * field_width, row_height);
    for (int k = 1; k <= 7; ++k) {
        const double top = panel_top + k * (row_height + gap_y);
        place("Label" + std::to_string(k), P, top, field_width, row_height);
        place("Text" + std::to_string(k), P + field_width, top, field_width, row_height);
    }

    // Characteristics grid, rows counted from the bottom.
    auto row_top = [&](int r) { return H - r * row_height - r * gap_y; };
    const double wide = 2 * (field_width + 10);
    const char* column1[] = {"Label14", "Label13", "Label12", "Label11"};
    for (int r = 1; r <= 4; ++r) {
        place(column1[r - 1], gap_x, row_top(r), wide, row_height);
    }
    const double col2 = wide + 2 * gap_x;
    const double col3 = wide + grid_column_width + 3 * gap_x;
    const double col4 = col3 + grid_column_width + gap_x;
    const double col5 = col4 + grid_column_width + gap_x;
    // Beside the header: what the circuit is and its regime, across the four columns.
    place("Label27", col2, row_top(4), col5 + grid_column_width - col2, row_height);
    const double columns[] = {col2, col3, col4, col5};
    const int first_label[] = {15, 18, 21, 24};
    for (int c = 0; c < 4; ++c) {
        for (int i = 0; i < 3; ++i) {
            // Rows 3, 2, 1 from the top down.
            place("Label" + std::to_string(first_label[c] + i), columns[c], row_top(3 - i),
                  grid_column_width, row_height);
        }
    }

    // Frames one row below the seventh parameter row.
    const double frames_top = panel_top + 8 * (row_height + gap_y);
    place("Frame1", P, frames_top, frame1_width, frame1_height);
    place("Frame2", W - frame2_width - gap_x, frames_top, frame2_width, frame2_height);

    // Run controls under the parameter panel.
    place("CmdOK", P + 2 * field_width / 4, H - row_height - gap_y, field_width, row_height);
    const double scroll_top = H - 2 * row_height - 2 * gap_y;
    const double label_top = H - 1.5 * row_height - 2 * gap_y;
    const double scroll2_left = P + field_width + gap_x / 2;
    place("HScroll1", P, scroll_top, field_width, row_height / 2);
    place("Label31", P + field_width / 4, label_top, field_width / 2, speed_label_height);
    place("HScroll2", scroll2_left, scroll_top, field_width, row_height / 2);
    place("Label32", scroll2_left + field_width / 4, label_top, field_width / 2,
          speed_label_height);

    // The scene picture fills the space left of the panel and above the grid.
    const double picture_width = P - 2 * gap_x;
    const double picture_height = row_top(4) - 2 * gap_y;
    place("Picture1", gap_x, gap_y, picture_width, picture_height);

    layout.scene_width = std::floor(picture_width);
    layout.scene_height = std::floor(picture_height);
    layout.wire_width = wire_width_for(picture_width);
    layout.carrier_radius = carrier_radius_for(layout.wire_width);
    return layout;
}

} // namespace ovrelan

namespace ovrelan {

ClientSize minimum_client_size() {
    return {static_cast<int>(grid_right + panel_width),
            static_cast<int>(frames_bottom + 2 * row_height + 2 * gap_y)};
}

std::vector<std::pair<std::string, std::string>> overlapping_controls(const MainLayout& layout) {
    std::vector<std::pair<std::string, std::string>> pairs;
    const auto overlap = [](const Rect& a, const Rect& b) {
        return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
               b.top < a.top + a.height;
    };
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        for (std::size_t j = i + 1; j < layout.controls.size(); ++j) {
            const Placement& a = layout.controls[i];
            const Placement& b = layout.controls[j];
            if (overlap(a.rect, b.rect)) {
                pairs.emplace_back(a.name, b.name);
            }
        }
    }
    return pairs;
}

} // namespace ovrelan

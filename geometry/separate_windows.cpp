#include "geometry/separate_windows.h"

#include "geometry/classroom_layout.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace ovrelan {

namespace {

// The main window's client area at the normal size: 800 × 480.
constexpr int base_width = 800;
constexpr int base_height = 480;

int scaled(double v, double s) {
    return static_cast<int>(std::lround(v * s));
}

// The frame a client area of this size gets.
ScreenSize main_frame(double s, const SeparateRequest& r) {
    return {scaled(base_width, s) + r.decoration.width,
            scaled(base_height, s) + r.menu_bar + scaled(r.status_bar, s) + r.decoration.height};
}

// Label11 … Label27: the characteristics panel, which shows and takes nothing.
bool is_panel_label(const std::string& name) {
    if (name.rfind("Label", 0) != 0 || name.size() != 7) {
        return false;
    }
    const int number = std::stoi(name.substr(5));
    return number >= 11 && number <= 27;
}

} // namespace

GraphNeeds graph_needs_at(double scale, ScreenSize decoration) {
    const ClassroomMetrics m;
    const int around_w = scaled(m.plot_around_width, scale);
    const int around_h = scaled(m.plot_around_height, scale);
    const ScreenSize cell{static_cast<int>(least_plot_width) + around_w,
                          static_cast<int>(least_plot_height) + around_h};
    return {{cell.width + decoration.width, cell.height + decoration.height},
            cell,
            {decoration.width, decoration.height}};
}

SeparateLayout arrange_separate_windows(const SeparateRequest& r) {
    SeparateLayout out;
    // The largest size that keeps the main window on the screen, never below the normal one.
    out.scale = std::max(1.0, r.scale);
    while (out.scale > 1.0) {
        const ScreenSize f = main_frame(out.scale, r);
        if (f.width <= r.available.width && f.height <= r.available.height) {
            break;
        }
        out.scale = std::max(1.0, out.scale - 0.05);
    }
    const double s = out.scale;
    const ScreenSize frame = main_frame(s, r);
    // Where it stands, or where it first opens: a twentieth of the screen in from its
    // top-left corner; kept on the screen either way.
    const ScreenRect wanted =
        r.main ? ScreenRect{r.main->left, r.main->top, frame.width, frame.height}
               : ScreenRect{r.available.left + r.available.width / 20,
                            r.available.top + r.available.height / 20, frame.width, frame.height};
    out.main = keep_on_screen(wanted, r.available);
    out.client = {scaled(base_width, s), scaled(base_height, s)};
    // What no other window may cover, on the screen where the main window stands.
    const auto clear_rects = [&](const ScreenRect& main) {
        const int client_left = main.left + r.decoration.width / 2;
        const int client_top = main.top + r.decoration.height - r.decoration.width / 2;
        std::vector<ScreenRect> rects;
        rects.push_back({client_left, client_top, out.client.width, r.menu_bar});
        const int body_top = client_top + r.menu_bar;
        const MainLayout layout = arrange_main_window(base_width, base_height);
        for (const Placement& p : layout.controls) {
            if (p.name == "Picture1" || is_panel_label(p.name)) {
                continue; // the scene and the panel's characteristics may be covered
            }
            rects.push_back({client_left + scaled(p.rect.left, s), body_top + scaled(p.rect.top, s),
                             scaled(p.rect.width, s), scaled(p.rect.height, s)});
        }
        rects.push_back(
            {client_left, body_top + out.client.height, out.client.width, scaled(r.status_bar, s)});
        return rects;
    };
    // The bars are the first and the last of them.
    std::vector<ScreenRect> controls = clear_rects(out.main);
    const std::vector<ScreenRect> bars{controls.front(), controls.back()};
    controls.erase(controls.end() - 1);
    controls.erase(controls.begin());
    out.graphs =
        place_graphs(r.available, out.main, controls, r.graphs, r.needs, r.always_stacked, bars);
    out.main = out.graphs.main;
    out.kept_clear = clear_rects(out.main);
    // The curve and the diagram: clear of the controls and, where there is room, of the graphs
    // and of each other.
    const ScreenSize preferred{scaled(560, s) + r.decoration.width,
                               scaled(420, s) + r.decoration.height};
    const ScreenSize least{scaled(360, 1) + scaled(80, s) + r.decoration.width,
                           scaled(260, 1) + scaled(80, s) + r.decoration.height};
    std::vector<ScreenRect> taken = out.graphs.graphs;
    std::vector<ScreenRect> own;
    if (r.resonance) {
        out.resonance =
            place_window(r.available, out.main, out.kept_clear, taken, own, preferred, least);
        own.push_back(*out.resonance);
    }
    if (r.vector) {
        out.vector =
            place_window(r.available, out.main, out.kept_clear, taken, own, preferred, least);
    }
    return out;
}

bool separate_windows_fit(const ScreenRect& available) {
    SeparateRequest r;
    r.available = available;
    r.graphs = 1;
    r.needs = graph_needs_at(1, r.decoration);
    return !arrange_separate_windows(r).graphs.stacked;
}

} // namespace ovrelan

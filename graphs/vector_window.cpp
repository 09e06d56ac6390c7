#include "graphs/vector_window.h"

#include "geometry/graph_series.h"
#include "geometry/vector_diagram.h"
#include "graphs/vector_picture.h"
#include "model/characteristics_panel.h"
#include "platform/locale.h"
#include "simulation/simulation.h"
#include "solution/solution_arrays.h"

#include <QCoreApplication>

#include <cmath>
#include <numbers>

namespace ovrelan {

VectorWindow::VectorWindow(Simulation& simulation, Platform& platform)
    : PictureWindow("form_Vector", QCoreApplication::translate("Graphs", "Векторная диаграмма"),
                    simulation, platform) {
    set_draw([this](QPainter& painter, QSizeF size, const GraphLook& look) {
        const SimulationState& s = simulation_.state();
        draw_vector_diagram(painter, size, look, s, vector_diagram(s, phase()),
                            decimal_separator());
    });
    set_title([this] {
        const SimulationState& s = simulation_.state();
        return QCoreApplication::translate("Graphs", "Векторная диаграмма.") +
               QString::fromStdString(" " + circuit_summary(s, document_decimal_separator()) +
                                      ". " + circuit_caption(s));
    });
    set_summary([this] {
        const SimulationState& s = simulation_.state();
        return joined_lines(vector_notes(s, vector_diagram(s, phase()), decimal_separator()));
    });
    set_least_body([this](double width, const GraphLook& look) {
        const SimulationState& s = simulation_.state();
        return vector_least_body(width, look, s, vector_diagram(s, phase()), decimal_separator());
    });
    connect(&simulation, &Simulation::recomputed, this, [this] { update(); });
    connect(&simulation, &Simulation::position_jumped, this, [this] { update(); });
    connect(&simulation, &Simulation::point_played, this, [this](int) {
        if (isVisible()) {
            update();
        }
    });
}

double VectorWindow::phase() const {
    const SimulationState& s = simulation_.state();
    if (s.t_grid.empty()) {
        return 0;
    }
    const double t = s.t_grid[run_index(s)] * s.t_scale; // seconds
    return std::fmod(2 * std::numbers::pi * s.nu * t, 2 * std::numbers::pi);
}

} // namespace ovrelan

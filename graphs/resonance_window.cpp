#include "graphs/resonance_window.h"

#include "geometry/graph_series.h"
#include "graphs/resonance_picture.h"
#include "model/characteristics_panel.h"
#include "platform/locale.h"
#include "simulation/simulation.h"

#include <QCoreApplication>
#include <QMenu>

namespace ovrelan {

ResonanceWindow::ResonanceWindow(Simulation& simulation, Platform& platform)
    : PictureWindow("form_Resonance", QCoreApplication::translate("Graphs", "Резонансная кривая"),
                    simulation, platform) {
    set_draw([this](QPainter& painter, QSizeF size, const GraphLook& look) {
        draw_resonance(painter, size, look, simulation_.state(), curve_, logarithmic_,
                       decimal_separator(), family_);
    });
    set_title([this] {
        const SimulationState& s = simulation_.state();
        return QCoreApplication::translate("Graphs", "Резонансная кривая.") +
               QString::fromStdString(" " + circuit_summary(s, document_decimal_separator()) +
                                      ". " + circuit_caption(s));
    });
    set_summary([this] {
        return joined_lines(resonance_notes(simulation_.state(), curve_, decimal_separator()));
    });
    set_least_body([this](double width, const GraphLook& look) {
        return resonance_least_body(width, look, simulation_.state(), curve_, decimal_separator());
    });
    own_menu = [this](QMenu& menu) {
        QAction* log =
            menu.addAction(QCoreApplication::translate("Graphs", "&Логарифмическая шкала частот"),
                           [this](bool on) { set_logarithmic(on); });
        log->setCheckable(true);
        log->setChecked(logarithmic_);
    };
    save_data = [this] {
        save_table(this, platform_, QCoreApplication::translate("Graphs", "резонанс.csv"),
                   [this](CsvDialect dialect, const FilePut& put) {
                       return write_resonance_csv(curve_, dialect, put);
                   });
    };
    connect(&simulation, &Simulation::recomputed, this, [this] { recompute(); });
    connect(&simulation, &Simulation::family_changed, this, [this] { recompute(); });
    recompute();
}

void ResonanceWindow::set_logarithmic(bool on) {
    logarithmic_ = on;
    update();
}

void ResonanceWindow::recompute() {
    curve_ = resonance_curve(simulation_.state());
    if (simulation_.family_generation() == family_generation_) {
        update();
        return;
    }
    family_generation_ = simulation_.family_generation();
    family_.clear();
    if (const Family* family = simulation_.family()) {
        for (const FamilyMember& member : family->members) {
            family_.push_back({resonance_curve(member.state), member.label});
        }
    }
    update();
}

} // namespace ovrelan

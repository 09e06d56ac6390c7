#include "graphs/resonance_window.h"

#include "geometry/graph_series.h"
#include "graphs/resonance_picture.h"
#include "io/file_writer.h"
#include "io/results_csv.h"
#include "model/characteristics_panel.h"
#include "platform/locale.h"
#include "simulation/simulation.h"

#include <QFile>
#include <QMenu>

namespace ovrelan {

ResonanceWindow::ResonanceWindow(Simulation& simulation, Platform& platform)
    : PictureWindow("form_Resonance", "Резонансная кривая", simulation, platform) {
    set_draw([this](QPainter& painter, QSizeF size, const GraphLook& look) {
        draw_resonance(painter, size, look, simulation_.state(), curve_, logarithmic_,
                       decimal_separator());
    });
    set_title([this] {
        const SimulationState& s = simulation_.state();
        return QString::fromStdString("Резонансная кривая. " +
                                      circuit_summary(s, decimal_separator()) + ". " +
                                      circuit_caption(s));
    });
    own_menu = [this](QMenu& menu) {
        QAction* log = menu.addAction("&Логарифмическая шкала частот",
                                      [this](bool on) { set_logarithmic(on); });
        log->setCheckable(true);
        log->setChecked(logarithmic_);
    };
    save_data = [this] {
        const int preselected = decimal_separator() == ',' ? 1 : 0;
        int chosen = 0;
        const QString path = platform_.dialogs.save_file(
            this, "Сохранить данные", "резонанс.csv",
            {"CSV: запятая, десятичная точка (*.csv)",
             "CSV для русской таблицы: точка с запятой, десятичная запятая (*.csv)"},
            &chosen, preselected);
        if (path.isEmpty()) {
            return;
        }
        const CsvDialect dialect =
            chosen == 1 ? CsvDialect::semicolon_comma : CsvDialect::comma_point;
        std::string reason;
        if (!write_file_whole(
                QFile::encodeName(path).toStdString(),
                [&](const FilePut& put) { return write_resonance_csv(curve_, dialect, put); },
                &reason)) {
            platform_.boxes.show_ok(this, "Ошибка",
                                    "Не удалось сохранить файл «" + path +
                                        "»: " + QString::fromStdString(reason));
        }
    };
    connect(&simulation, &Simulation::recomputed, this, [this] { recompute(); });
    recompute();
}

void ResonanceWindow::set_logarithmic(bool on) {
    logarithmic_ = on;
    update();
}

void ResonanceWindow::recompute() {
    curve_ = resonance_curve(simulation_.state());
    update();
}

} // namespace ovrelan

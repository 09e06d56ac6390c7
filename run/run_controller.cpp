#include "run/run_controller.h"

#include "graphs/graph_window.h"
#include "platform/drawing_surface.h"
#include "scene/circuit_scene.h"
#include "solution/solution_arrays.h"
#include "ui/texts.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>

#include <cmath>

namespace ovrelan {

namespace {

// Work done in one go before the window system gets a turn, when no pause comes first.
constexpr qint64 slice_ms = 8;

const QColor window_background(224, 224, 224);

QColor to_qcolor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QColor from_long(std::int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

} // namespace

RunController::RunController(SimulationState& state, RunTargets targets)
    : state_(state), targets_(std::move(targets)), loop_timer_(new QTimer(this)) {
    loop_timer_->setSingleShot(true);
    loop_timer_->setInterval(0);
    connect(loop_timer_, &QTimer::timeout, this, [this] { run_loop(); });
    pause_ = [this](int ms, std::function<void()> then) {
        QTimer::singleShot(ms, Qt::PreciseTimer, this, std::move(then));
    };
}

RunController::~RunController() {
    abort();
}

bool RunController::running() const {
    return targets_.CmdOK->text() == caption_stop;
}

bool RunController::busy() const {
    return in_frame_ || loop_timer_->isActive();
}

void RunController::start_stop() {
    if (targets_.CmdOK->text() == caption_start) {
        start_branch();
    } else {
        stop_branch();
    }
}

void RunController::start_branch() {
    ++generation_; // a frame left over from a stopped run is dropped
    in_frame_ = false;
    anim_count_ = 0;
    targets_.CmdOK->setText(caption_stop);
    targets_.Picture_K->hide();
    for (QWidget* input : targets_.inputs) {
        input->setEnabled(false);
    }
    targets_.main_form_resize();
    for (GraphWindow* graph : targets_.graphs) {
        graph->Form_Resize();
    }
    targets_.window->setFixedSize(targets_.window->size());
    targets_.window->setWindowTitle(caption_running_window);
    schedule_loop();
}

void RunController::stop_branch() {
    targets_.CmdOK->setText(caption_start);
    targets_.Picture_K->show();
    for (QWidget* input : targets_.inputs) {
        input->setEnabled(true);
    }
    targets_.window->setMinimumSize(0, 0);
    targets_.window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    targets_.window->setWindowTitle(main_caption);
}

void RunController::abort() {
    ++generation_;
    loop_timer_->stop();
    in_frame_ = false;
}

void RunController::schedule_loop() {
    loop_timer_->start();
}

// Plays points until a frame needs a pause, a slice of time is used up, or the run ends.
void RunController::run_loop() {
    QElapsedTimer slice;
    slice.start();
    while (running() && state_.k_now < state_.Nt) {
        const int k = state_.k_now;
        for (GraphWindow* graph : targets_.graphs) {
            graph->extend(k);
        }
        state_.k_now = k + 1;
        if (anim_count_ == state_.calc_speedup) {
            anim_count_ = 0;
            ++frames_;
            if (move_carriers()) {
                return; // the frame goes on after its pauses
            }
            end_of_frame();
        }
        ++anim_count_;
        if (slice.elapsed() >= slice_ms) {
            schedule_loop();
            return;
        }
    }
    finish_loop();
}

void RunController::finish_loop() {
    anim_count_ = 0;
    if (state_.k_now >= state_.Nt && running()) {
        targets_.CmdOK->setText(caption_finished);
        start_stop();
        targets_.beep2(10);
    }
}

bool RunController::move_carriers() {
    const double I = state_.I_t[run_index(state_)];
    if (!carriers_move(I, state_.I_max)) {
        restore_picture();
        return false;
    }
    targets_.Picture1->set_fill(FillStyle::solid, to_qcolor(state_.carrier_color));
    in_frame_ = true;
    frame_current_ = I;
    carrier_phase_ = 0;
    carrier_phase();
    return true;
}

// Draws the carriers of the current phase, pauses, erases them and goes on.
void RunController::carrier_phase() {
    const CircuitScene& scene = *targets_.scene;
    const SceneLayout& s = scene.layout();
    carriers_ = carrier_positions({s.wire_left, s.wire_right, s.wire_bottom, s.wire_top},
                                  state_.carrier_steps, frame_current_, carrier_phase_);
    targets_.Picture1->set_fill(FillStyle::solid, to_qcolor(state_.carrier_color));
    draw_carriers(to_qcolor(state_.carrier_color));
    const unsigned generation = generation_;
    Wait(state_.carrier_delay * 0.01, [this, generation] {
        if (generation != generation_) {
            return;
        }
        const QColor wire = from_long(state_.wire_color_long);
        targets_.Picture1->set_fill(FillStyle::solid, wire);
        draw_carriers(wire);
        if (++carrier_phase_ < 3) {
            carrier_phase();
            return;
        }
        in_frame_ = false;
        restore_picture();
        end_of_frame();
        ++anim_count_;
        schedule_loop();
    });
}

void RunController::draw_carriers(const QColor& colour) {
    for (const CarrierPoint& p : carriers_) {
        targets_.Picture1->circle(p.x, p.y, state_.carrier_radius, colour);
    }
}

void RunController::restore_picture() {
    DrawingSurface& p = *targets_.Picture1;
    p.set_fill(FillStyle::transparent, window_background);
    p.set_pen_width(1);
}

// After a frame the capacitor and the coil show the new run position.
void RunController::end_of_frame() {
    if (state_.C != 0) {
        targets_.scene->draw_capacitor_state();
    }
    if (state_.L != 0) {
        targets_.scene->draw_coil();
    }
}

// The pause of a phase: carrier_delay hundredths of a second, read when the pause begins.
void RunController::Wait(double seconds, std::function<void()> then) {
    const int ms = static_cast<int>(std::nearbyint(seconds * 1000));
    pause_(ms, std::move(then));
}

} // namespace ovrelan

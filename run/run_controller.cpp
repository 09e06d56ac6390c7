#include "run/run_controller.h"

#include "geometry/colours.h"
#include "geometry/scene_geometry.h"
#include "platform/drawing_surface.h"
#include "platform/tone.h"
#include "simulation/simulation.h"
#include "solution/solution_arrays.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cmath>

namespace ovrelan {

namespace {

// Work done in one go before the window system gets a turn, when no pause comes first.
constexpr qint64 slice_ms = 8;

// Carrier positions along one wire; every third is occupied.
constexpr int carrier_steps = 48;

// The tone at the end of a complete run: beep2(10).
constexpr int end_tone_ms = 120;

} // namespace

const char* start_button_caption(RunState state) {
    switch (state) {
    case RunState::idle:
        return QT_TRANSLATE_NOOP("RunController", "ПУСК");
    case RunState::running:
        return QT_TRANSLATE_NOOP("RunController", "СТОП");
    case RunState::finishing:
        return "STOP";
    }
    return "";
}

RunController::RunController(Simulation& simulation, DrawingSurface& scene_picture, Tone& tone)
    : simulation_(simulation), picture_(scene_picture), tone_(tone), loop_timer_(new QTimer(this)) {
    loop_timer_->setSingleShot(true);
    loop_timer_->setInterval(0);
    connect(loop_timer_, &QTimer::timeout, this, [this] { run_loop(); });
    clock_.start();
    pause_ = [this](int ms, std::function<void()> then) {
        const std::int64_t wait = pause_clock_.wait(clock_.nsecsElapsed(), ms * 1'000'000LL);
        // Whole milliseconds, rounded up: a pause never ends before its time, and the next one
        // still counts from that time, not from when the timer fired.
        const auto wait_ms = static_cast<int>((wait + 999'999) / 1'000'000);
        QTimer::singleShot(wait_ms, Qt::PreciseTimer, this, std::move(then));
    };
}

RunController::~RunController() {
    abort();
}

bool RunController::busy() const {
    return in_frame_ || loop_timer_->isActive();
}

void RunController::set_state(RunState state) {
    state_ = state;
    emit state_changed(state);
}

void RunController::start_or_stop() {
    if (state_ == RunState::idle) {
        start_branch();
    } else {
        stop_branch();
    }
}

void RunController::start_branch() {
    ++generation_; // a frame left over from a stopped run is dropped
    in_frame_ = false;
    pause_clock_.restart();
    anim_count_ = 0;
    simulation_.rewind(); // the graphs and the scene start again from k = 0
    run_started_ = seconds();
    pace_from_ = {run_started_, 0};
    progress_at_ = run_started_;
    set_state(RunState::running); // the window locks its inputs
    schedule_loop();
}

void RunController::stop_branch() {
    show_progress({});
    set_state(RunState::idle);
}

void RunController::set_carrier_delay(int value) {
    if (value != carrier_delay_ && running()) {
        pace_from_ = {seconds(), simulation_.state().k_now}; // the old pace says nothing now
    }
    carrier_delay_ = value;
}

void RunController::set_calc_speedup(int value) {
    if (value != calc_speedup_ && running()) {
        pace_from_ = {seconds(), simulation_.state().k_now};
    }
    calc_speedup_ = value;
}

double RunController::seconds() const {
    return progress_clock_ ? progress_clock_() : static_cast<double>(clock_.nsecsElapsed()) * 1e-9;
}

// Worked out a few times a second at most: the status bar need not follow every point.
void RunController::report_progress() {
    const double now = seconds();
    if (now - progress_at_ < 0.25) {
        return;
    }
    progress_at_ = now;
    const SimulationState& s = simulation_.state();
    show_progress(run_progress_text(run_started_, pace_from_, {now, s.k_now}, run_end(s)));
}

void RunController::show_progress(const std::string& text) {
    if (text != progress_) {
        progress_ = text;
        emit progress_changed(QString::fromStdString(text));
    }
}

void RunController::abort() {
    ++generation_;
    loop_timer_->stop();
    in_frame_ = false;
}

void RunController::finish_now() {
    if (state_ == RunState::idle) {
        start_branch();
    }
    if (state_ != RunState::running) {
        return;
    }
    ++generation_; // the pause in progress, if any, is dropped
    loop_timer_->stop();
    if (in_frame_) {
        draw_carriers(to<QColor>(palette_->wire)); // the frame in progress is erased
        in_frame_ = false;
    }
    restore_picture();
    anim_count_ = 0;
    simulation_.play_to_end();
    set_state(RunState::finishing);
    stop_branch();
    tone_.play(end_tone_ms);
}

void RunController::schedule_loop() {
    loop_timer_->start();
}

// Plays points until a frame needs a pause, a slice of time is used up, or the run ends.
void RunController::run_loop() {
    QElapsedTimer slice;
    slice.start();
    const SimulationState& s = simulation_.state();
    while (running() && s.k_now < run_end(s)) {
        simulation_.play_point();
        report_progress();
        if (anim_count_ == calc_speedup_) {
            anim_count_ = 0;
            ++frames_;
            if (move_carriers()) {
                return; // the frame goes on after its pauses
            }
            simulation_.show_frame();
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
    const SimulationState& s = simulation_.state();
    if (s.k_now >= run_end(s) && running()) {
        set_state(RunState::finishing);
        stop_branch();
        tone_.play(end_tone_ms);
    }
}

bool RunController::move_carriers() {
    const SimulationState& s = simulation_.state();
    const double I = s.I_t[run_index(s)];
    if (!carriers_move(I, s.I_max)) {
        restore_picture();
        return false;
    }
    ++paused_frames_;
    in_frame_ = true;
    frame_current_ = I;
    carrier_phase_ = 0;
    carrier_phase();
    return true;
}

// Draws the carriers of the current phase, pauses, erases them and goes on.
void RunController::carrier_phase() {
    const double W = picture_.width();
    const SceneLayout s = scene_layout(W, picture_.height(), wire_width_for(W));
    carriers_ = carrier_positions({s.wire_left, s.wire_right, s.wire_bottom, s.wire_top},
                                  carrier_steps, frame_current_, carrier_phase_);
    draw_carriers(to<QColor>(palette_->carrier));
    const unsigned generation = generation_;
    pause(carrier_delay_ * 0.01, [this, generation] {
        if (generation != generation_) {
            return;
        }
        draw_carriers(to<QColor>(palette_->wire));
        if (++carrier_phase_ < 3) {
            carrier_phase();
            return;
        }
        in_frame_ = false;
        restore_picture();
        simulation_.show_frame();
        ++anim_count_;
        schedule_loop();
    });
}

void RunController::draw_carriers(const QColor& colour) {
    const double radius = carrier_radius_for(wire_width_for(picture_.width()));
    std::vector<QPointF> centres;
    centres.reserve(carriers_.size());
    for (const CarrierPoint& p : carriers_) {
        centres.emplace_back(p.x, p.y);
    }
    picture_.discs(centres, radius, colour);
}

void RunController::restore_picture() {
    picture_.set_fill(FillStyle::transparent, to<QColor>(window_background));
    picture_.set_pen_width(1);
}

// Wait: carrier_delay hundredths of a second, read when the pause begins.
void RunController::pause(double seconds, std::function<void()> then) {
    const int ms = static_cast<int>(std::nearbyint(seconds * 1000));
    pause_(ms, std::move(then));
}

} // namespace ovrelan

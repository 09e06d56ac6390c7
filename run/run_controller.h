// A run: plays the solution back point by point (the graph windows follow the simulation's
// announcements) and animates the charge carriers on the scene picture, driven by a timer
// instead of a nested event loop. The controller owns the run state; the start button's caption
// is derived from it.
#pragma once

#include "geometry/carrier_positions.h"
#include "geometry/palette.h"
#include "run/pause_clock.h"
#include "run/run_progress.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>
#include <vector>

class QTimer;

namespace ovrelan {

class DrawingSurface;
class Simulation;
class Tone;

enum class RunState {
    idle,      // "ПУСК"
    running,   // "СТОП"
    finishing, // "STOP", for an instant at the end of the grid
};

// The caption of the start button in each state.
const char* start_button_caption(RunState state);

class RunController final : public QObject {
    Q_OBJECT

public:
    // Schedules `then` after a pause of `milliseconds`; a test can play pauses at once.
    using PauseScheduler = std::function<void(int milliseconds, std::function<void()> then)>;

    // The carriers are drawn on the scene picture; the tone marks the end of a complete run.
    RunController(Simulation& simulation, DrawingSurface& scene_picture, Tone& tone);
    ~RunController() override;

    // The carriers' colour, and the wires' they are erased with, in a look.
    void set_palette(const Palette& palette) { palette_ = &palette; }

    // CmdOK_Click: starts a run when idle, otherwise stops it.
    void start_or_stop();
    // Ends a run at once without drawing anything more (the program is closing).
    void abort();
    // Finishes the run now: every remaining point drawn, the end tone, the state a run that
    // played to the end leaves. When no run is going, one is started and finished at once.
    void finish_now();
    RunState state() const { return state_; }
    bool running() const { return state_ == RunState::running; }
    // True while the loop or a frame still has work scheduled.
    bool busy() const;

    // HScroll1: the pause of each carrier phase in hundredths of a second (1 ... 10).
    void set_carrier_delay(int value);
    int carrier_delay() const { return carrier_delay_; }
    // HScroll2: grid points per animation frame (1 ... 12).
    void set_calc_speedup(int value);
    int calc_speedup() const { return calc_speedup_; }

    void set_pause_scheduler(PauseScheduler scheduler) { pause_ = std::move(scheduler); }
    // The clock the progress is measured on, in seconds (a test's clock instead of the real one).
    void set_progress_clock(std::function<double()> clock) { progress_clock_ = std::move(clock); }
    int anim_count() const { return anim_count_; }
    int frames() const { return frames_; }
    // Frames that showed the carriers, with their three pauses each.
    int paused_frames() const { return paused_frames_; }

signals:
    // Entered a state. Idle to running (the simulation has been rewound to the first point):
    // the window locks its inputs; back to idle: it unlocks them.
    void state_changed(RunState state);
    // The progress of a long run, for the status bar; empty when there is nothing to say.
    void progress_changed(const QString& text);

private:
    const Palette* palette_ = &palette_of(PaletteKind::light);
    void start_branch();
    void stop_branch();
    void set_state(RunState state);
    void run_loop();
    // One frame of the carrier animation; false when it had nothing to show.
    bool move_carriers();
    void carrier_phase();
    void restore_picture();
    void finish_loop();
    void schedule_loop();
    void pause(double seconds, std::function<void()> then); // Wait
    void draw_carriers(const QColor& colour);
    double seconds() const;
    void report_progress();
    void show_progress(const std::string& text);

    Simulation& simulation_;
    DrawingSurface& picture_;
    Tone& tone_;
    QTimer* loop_timer_;
    PauseScheduler pause_;
    QElapsedTimer clock_; // monotonic
    PauseClock pause_clock_;
    std::function<double()> progress_clock_;
    double run_started_ = 0;  // seconds
    RunMoment pace_from_;     // the pace is measured from here: the start or a speed change
    double progress_at_ = -1; // when the progress was last worked out
    std::string progress_;    // as shown
    RunState state_ = RunState::idle;
    int carrier_delay_ = 1;
    int calc_speedup_ = 1;
    int anim_count_ = 0;
    int frames_ = 0;
    int paused_frames_ = 0;
    // The frame in progress: its phase and the carriers drawn in it.
    bool in_frame_ = false;
    int carrier_phase_ = 0;
    double frame_current_ = 0;
    std::vector<CarrierPoint> carriers_;
    unsigned generation_ = 0; // pauses scheduled by an earlier run are ignored
};

} // namespace ovrelan

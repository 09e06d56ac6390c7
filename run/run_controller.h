// A run: plays the solution back point by point into the five graphs and animates the carriers,
// driven by a timer instead of a nested event loop. The caption of the start button is the run
// state: "ПУСК" idle, "СТОП" running, "STOP" for an instant at the end of the grid.
#pragma once

#include "model/simulation_state.h"
#include "run/carrier_positions.h"

#include <QObject>

#include <array>
#include <functional>
#include <vector>

class QMainWindow;
class QPushButton;
class QTimer;

namespace ovrelan {

class CircuitScene;
class DrawingSurface;
class GraphWindow;

inline const char* const caption_start = "ПУСК";
inline const char* const caption_stop = "СТОП";
inline const char* const caption_finished = "STOP";
inline const char* const caption_running_window = "При работе размер окна изменить нельзя!";

struct RunTargets {
    QMainWindow* window;
    QPushButton* CmdOK;
    QWidget* Picture_K;
    std::vector<QWidget*> inputs; // Frame1 and its boxes, Frame2 and its boxes, Text1 ... Text7
    std::function<void()> main_form_resize;
    std::array<GraphWindow*, 5> graphs; // Form_UL, Form_Uc, Form_Ur, form_Ik, form_W
    DrawingSurface* Picture1;
    CircuitScene* scene;
    std::function<void(int)> beep2;
};

class RunController final : public QObject {
public:
    // Schedules `then` after a pause of `milliseconds`; a test can play pauses at once.
    using PauseScheduler = std::function<void(int milliseconds, std::function<void()> then)>;

    RunController(SimulationState& state, RunTargets targets);
    ~RunController() override;

    // CmdOK_Click.
    void start_stop();
    // Ends a run at once without drawing anything more (the program is closing).
    void abort();
    bool running() const;
    // True while the loop or a frame still has work scheduled.
    bool busy() const;
    void set_pause_scheduler(PauseScheduler scheduler) { pause_ = std::move(scheduler); }
    int anim_count() const { return anim_count_; }
    int frames() const { return frames_; }

private:
    void start_branch();
    void stop_branch();
    void run_loop();
    // One frame of the carrier animation; false when it had nothing to show.
    bool move_carriers();
    void carrier_phase();
    void end_of_frame();
    void restore_picture();
    void finish_loop();
    void schedule_loop();
    void Wait(double seconds, std::function<void()> then);
    void draw_carriers(const QColor& colour);

    SimulationState& state_;
    RunTargets targets_;
    QTimer* loop_timer_;
    PauseScheduler pause_;
    int anim_count_ = 0;
    int frames_ = 0;
    // The frame in progress: its phase and the carriers drawn in it.
    bool in_frame_ = false;
    int carrier_phase_ = 0;
    double frame_current_ = 0;
    std::vector<CarrierPoint> carriers_;
    unsigned generation_ = 0; // pauses scheduled by an earlier run are ignored
};

} // namespace ovrelan

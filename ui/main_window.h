// The main window (Form1): parameter fields, characteristics panel, graph and field boxes, run
// controls, the scene picture and the menus. It builds the widgets, forwards input to the
// simulation and shows the panel; the scene, the graph windows and the run controller follow
// the simulation themselves.
#pragma once

#include "chain/recompute.h"
#include "geometry/graph_variants.h"
#include "model/characteristics_panel.h"
#include "model/parameter_fields.h"
#include "platform/platform.h"
#include "run/run_controller.h"
#include "simulation/simulation.h"

#include <QMainWindow>

#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace ovrelan {

class AuthorsWindow;
class CircuitScene;
class DrawingSurface;
class GraphWindow;

class MainWindow final : public QMainWindow {
public:
    // Creates the window and runs its start-up (Form_Load); the window is not shown yet.
    explicit MainWindow(Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    Simulation& simulation() { return simulation_; }
    const SimulationState& state() const { return simulation_.state(); }

    QLineEdit* field(Field field) const { return fields_[static_cast<std::size_t>(field)]; }
    QWidget* client_area() const { return client_; }
    AuthorsWindow* authors_window() const { return authors_; }
    GraphWindow* graph(GraphId id) const { return graphs_[static_cast<std::size_t>(id)].get(); }
    QCheckBox* graph_box(GraphId id) const { return graph_boxes_[static_cast<std::size_t>(id)]; }
    CircuitScene* scene() const { return scene_.get(); }
    RunController* run() const { return run_.get(); }

    // Opens a task file (the menu, or a file given on the command line): its fields entered,
    // its comment shown. A broken file changes nothing and says why.
    bool open_task(const QString& path);

    // The settings key of the whole-curve preview, remembered from one start to the next.
    static constexpr const char* preview_setting = "graphs/preview";

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_parameter_panel();
    void build_characteristics_panel();
    void build_boxes();
    void build_run_controls();
    void build_menus();
    void start_up();                      // Form_Load
    void client_resized();                // Form_Resize
    bool arrange();                       // arrange_main_window, applied to the widgets
    void field_text_changed(Field field); // Text1_Change ... Text7_Change
    void typing(Field field);
    void finish_edit(Field field);
    void finish_pending_edits();
    void show_field_status();
    void present(const ChainResult& result);
    bool already_told(const Notice& notice) const;
    void write_back(const FieldWrite& write);
    void start_or_stop(); // CmdOK_Click
    void apply_panel(const PanelView& view);
    void show_box(QCheckBox* box, Shown shown);
    void set_preview(bool shown);
    void arrange_graphs(); // «Упорядочить графики»
    void enter_all(const std::array<std::string, 7>& texts);
    void ask_and_open_task();
    void save_task();
    void graph_box_toggled(GraphId id); // Check_L_Click ... Check_W_Click
    void run_state_changed(RunState state);
    void lock_inputs(bool locked);
    void show_authors();      // mnuHelpAvtors_Click
    void show_about();        // mnuHelpAbout_Click
    void show_registration(); // mnuHelpAbout2_Click

    Platform& platform_;
    Simulation simulation_;
    bool writing_back_ = false; // the chain has already handled the texts it writes back

    // A field whose text waits for the end of its edit, and why a field's text is not the
    // model's value (its tooltip says so).
    std::array<bool, 7> pending_{};
    std::array<std::string, 7> reasons_{};
    std::array<QString, 7> tooltips_{};

    // Message boxes waiting to be shown; one is shown at a time, and a second one for the same
    // cause is not stacked on it.
    std::deque<Notice> queue_;
    std::optional<Notice> showing_;

    QWidget* client_ = nullptr;
    QLabel* parameters_header_ = nullptr;                   // Label0
    std::array<QLabel*, 7> field_labels_{};                 // Label1 ... Label7
    std::array<QLineEdit*, 7> fields_{};                    // Text1 ... Text7
    QLabel* characteristics_header_ = nullptr;              // Label11
    QLabel* circuit_label_ = nullptr;                       // Label27
    std::array<QLabel*, panel_label_count> value_labels_{}; // Label12 ... Label26
    QGroupBox* graphs_frame_ = nullptr;                     // Frame1
    std::array<QCheckBox*, 5> graph_boxes_{}; // Check_L, Check_C, Check_R, Check_I, Check_W
    QGroupBox* fields_frame_ = nullptr;       // Frame2
    QCheckBox* electric_field_box_ = nullptr; // Check_E
    QCheckBox* magnetic_field_box_ = nullptr; // Check_B
    QPushButton* start_button_ = nullptr;     // CmdOK
    QScrollBar* carrier_delay_bar_ = nullptr; // HScroll1
    QLabel* carrier_delay_label_ = nullptr;   // Label31
    QScrollBar* speedup_bar_ = nullptr;       // HScroll2
    QLabel* speedup_label_ = nullptr;         // Label32
    DrawingSurface* scene_picture_ = nullptr; // Picture1
    AuthorsWindow* authors_ = nullptr;        // Form2
    std::unique_ptr<CircuitScene> scene_;
    std::array<std::unique_ptr<GraphWindow>, 5> graphs_;
    std::unique_ptr<RunController> run_; // destroyed first: it draws into the others

    // Boxes the program cleared because their element vanished: ticked again when it returns,
    // unless the student clicked them in between.
    std::unordered_set<QCheckBox*> cleared_by_program_;
    std::string task_comment_; // of the task opened last, offered again when saving
};

} // namespace ovrelan

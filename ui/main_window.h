// The main window (Form1): its layout, its menus and what a run changes in it. The parameter
// fields are a ParameterPanel, the chain's messages a NoticeQueue, the menus' examples and files
// TaskActions; the characteristics panel, the boxes and the run controls are built here. The
// scene, the graph windows and the run controller follow the simulation themselves.
#pragma once

#include "geometry/graph_variants.h"
#include "model/characteristics_panel.h"
#include "platform/platform.h"
#include "run/run_controller.h"
#include "simulation/simulation.h"
#include "ui/characteristics_view.h"
#include "ui/graph_windows.h"
#include "ui/notice_queue.h"
#include "ui/parameter_panel.h"
#include "ui/selection_boxes.h"
#include "ui/task_actions.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

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

    QLineEdit* field(Field field) const { return parameters_->field(field); }
    QWidget* client_area() const { return client_; }
    AuthorsWindow* authors_window() const { return authors_; }
    GraphWindow* graph(GraphId id) const { return graphs(static_cast<GraphKind>(id)); }
    GraphWindow* graphs(GraphKind kind) const { return graph_windows_->window(kind); }
    GraphWindows& graph_windows() const { return *graph_windows_; }
    QCheckBox* graph_box(GraphId id) const { return boxes_->graph_box(id); }
    CircuitScene* scene() const { return scene_.get(); }
    RunController* run() const { return run_.get(); }
    class EditHistory& history() const {
        return *history_;
    }

    // A family of curves set (or cleared) by the person: one step of the history; the family's
    // table shows it.
    void set_family(std::optional<FamilyRequest> request);
    class FamilyTable* family_table() const {
        return family_table_;
    }

    // Measured data: opened, aligned, closed, fitted (ui/measured_actions.h).
    class MeasuredActions& measured() const;

    // Opens a task file (the menu, or a file given on the command line).
    bool open_task(const QString& path) { return tasks_->open_task(path); }

    // The two layouts: the classroom one («Всё в одном окне») and separate windows.
    enum class Layout { one_window, windows };
    void set_layout(Layout layout);
    Layout layout() const { return layout_; }
    // The screen's available area (the window's screen unless a test says otherwise).
    void set_screen_area(std::optional<QRect> area);
    // The size the fonts and lines have now: the one asked for, or less where the screen
    // cannot hold it.
    double shown_scale() const { return shown_scale_; }
    class GraphArea* graph_area() const {
        return area_;
    }
    class Divider* divider() const {
        return divider_;
    }

    // The settings key of the whole-curve preview, remembered from one start to the next.
    static constexpr const char* preview_setting = "graphs/preview";
    static constexpr const char* physical_axes_setting = "graphs/physical";
    static constexpr const char* one_window_setting = "graphs/one_window";
    static constexpr const char* scale_setting = "view/scale";
    static constexpr const char* layout_setting = "view/layout";
    static constexpr const char* split_setting = "view/split";
    static constexpr const char* palette_setting = "view/palette";
    static constexpr const char* pictures_palette_setting = "view/palette_pictures";
    // The look of the windows, the graphs, the circuit and (when asked) the pictures.
    void set_palette(PaletteKind kind, bool pictures_too);
    PaletteKind palette() const { return palette_; }
    // The size of the fonts and lines for the back row: 1 is the normal one.
    double scale() const { return scale_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_run_controls();
    void build_menus();
    void start_up();       // Form_Load
    void client_resized(); // Form_Resize
    bool arrange();        // arrange_main_window, applied to the widgets
    bool arrange_classroom();
    void apply_fonts(double scale);
    QRect available() const;
    void divider_dragged(QPoint at);
    void start_or_stop(); // CmdOK_Click
    void apply_panel(const PanelView& view);
    void graph_box_toggled(GraphId id); // Check_L_Click ... Check_W_Click
    void apply_scale(double scale); // «Крупнее», «Мельче», «Обычный размер»
    void run_state_changed(RunState state);
    void lock_inputs(bool locked);
    void show_authors();                // mnuHelpAvtors_Click
    void show_about();                  // mnuHelpAbout_Click
    void show_registration();           // mnuHelpAbout2_Click
    void history_changed();             // the «Правка» items follow what can be undone
    void ask_for_family();              // «Семейство кривых…»
    void show_measured(GraphKind kind); // a trace opened: its graph shown, at its record

    Platform& platform_;
    Simulation simulation_;

    QWidget* client_ = nullptr;
    ParameterPanel* parameters_ = nullptr;                 // Label0 ... Label7, Text1 ... Text7
    std::unique_ptr<NoticeQueue> notices_;                 // the chain's message boxes
    std::unique_ptr<CharacteristicsView> characteristics_; // Label11 ... Label27
    SelectionBoxes* boxes_ = nullptr;                      // Frame1, Frame2 and their boxes
    QPushButton* start_button_ = nullptr;                  // CmdOK
    QScrollBar* carrier_delay_bar_ = nullptr;              // HScroll1, with Label31
    QScrollBar* speedup_bar_ = nullptr;                    // HScroll2, with Label32
    DrawingSurface* scene_picture_ = nullptr;              // Picture1
    AuthorsWindow* authors_ = nullptr;                     // Form2
    std::unique_ptr<CircuitScene> scene_;
    GraphWindows* graph_windows_ = nullptr;
    PaletteKind palette_ = PaletteKind::light;
    bool pictures_in_palette_ = false;
    double scale_ = 1;       // asked for
    double shown_scale_ = 1; // applied
    Layout layout_ = Layout::windows;
    class GraphArea* area_ = nullptr;
    class Divider* divider_ = nullptr;
    double split_ = 0.5;
    std::optional<QRect> screen_area_;
    QSize normal_client_{800, 480}; // the separate layout's client area at the normal size
    bool arranging_ = false;
    bool resizing_ = false;              // the program sizes the window: not the student's size
    std::unique_ptr<RunController> run_; // destroyed first: it draws into the others
    std::unique_ptr<TaskActions> tasks_;
    class EditHistory* history_ = nullptr;
    class FamilyTable* family_table_ = nullptr; // «Семейство»
    class MeasuredActions* measured_ = nullptr;
};

} // namespace ovrelan

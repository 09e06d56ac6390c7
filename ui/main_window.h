// Form1, the main window: parameter fields, characteristics panel, frames, run controls,
// the scene picture and the menus. It owns the simulation state.
#pragma once

#include "model/characteristics.h"
#include "model/characteristics_panel.h"
#include "model/parameter_fields.h"
#include "model/simulation_state.h"
#include "platform/platform.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace ovrelan {

class CircuitScene;
class DrawingSurface;
class Form2;
class GraphWindow;
class RunController;

class Form1 final : public QMainWindow {
public:
    // Creates the window and runs its start-up (Form_Load); the window is not shown yet.
    explicit Form1(Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    SimulationState& state() { return state_; }
    const SimulationState& state() const { return state_; }

    // The recompute chain: k_now to 0, calc_characteristics, then the graph windows.
    void parametr_new();
    // The short tone: 880 Hz for 12*n milliseconds, returning when it ends.
    void beep2(int n);

    QLineEdit* text_field(Field field) const;
    QWidget* client_area() const { return client_; }
    Form2* authors_window() const { return authors_; }
    // The graph windows in the order Form_UL, Form_Uc, Form_Ur, form_Ik, form_W.
    GraphWindow* graph(int index) const { return graphs_[static_cast<std::size_t>(index)].get(); }
    QCheckBox* graph_check(int index) const;
    CircuitScene* scene() const { return scene_.get(); }
    RunController* run() const { return run_.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_controls();
    void build_menus();
    void Form_Load();
    void Form_Resize();
    bool arrange_main_window();
    void field_changed(Field field); // Text1_Change ... Text7_Change
    void write_field(Field field, const std::string& text);
    void calc_characteristics_pass();
    void apply_panel(const PanelView& view);
    void show_check(QWidget* control, Shown shown);
    void characteristics_tail();
    void build_scene();
    void graph_check_click(int index); // Check_L_Click ... Check_W_Click
    void HScroll1_Change(int value);
    void HScroll2_Change(int value);
    void mnuHelpAvtors_Click();
    void mnuHelpAbout_Click();
    void mnuHelpAbout2_Click();
    char decimal_separator() const;

    Platform& platform_;
    SimulationState state_;

    QWidget* client_ = nullptr;
    std::array<QLabel*, 8> param_labels_{};  // Label0 ... Label7
    std::array<QLineEdit*, 7> fields_{};     // Text1 ... Text7
    std::array<QLabel*, 17> panel_labels_{}; // Label11 ... Label27
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QCheckBox* Check_L = nullptr;
    QCheckBox* Check_C = nullptr;
    QCheckBox* Check_R = nullptr;
    QCheckBox* Check_I = nullptr;
    QCheckBox* Check_W = nullptr;
    QCheckBox* Check_B = nullptr;
    QCheckBox* Check_E = nullptr;
    QPushButton* CmdOK = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QLabel* Label31 = nullptr;
    QLabel* Label32 = nullptr;
    DrawingSurface* Picture1 = nullptr;
    Form2* authors_ = nullptr;
    std::array<std::unique_ptr<GraphWindow>, 5> graphs_;
    std::unique_ptr<CircuitScene> scene_;
    std::unique_ptr<RunController> run_; // destroyed first: it draws into the others
};

} // namespace ovrelan

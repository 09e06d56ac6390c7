#include "ui/main_window.h"

#include "geometry/classroom_layout.h"
#include "geometry/colours.h"
#include "geometry/main_layout.h"
#include "geometry/separate_windows.h"
#include "geometry/window_tiling.h"
#include "graphs/graph_window.h"
#include "model/examples.h"
#include "platform/drawing_surface.h"
#include "platform/fonts.h"
#include "platform/language.h"
#include "platform/locale.h"
#include "platform/settings.h"
#include "scene/circuit_scene.h"
#include "ui/appearance.h"
#include "ui/authors_window.h"
#include "ui/edit_history.h"
#include "ui/family_dialog.h"
#include "ui/family_table.h"
#include "ui/form_widgets.h"
#include "ui/graph_area.h"
#include "ui/main_menus.h"
#include "ui/measured_actions.h"
#include "ui/report_actions.h"
#include "ui/selection_boxes.h"
#include "ui/texts.h"
#include "ui/window_scale.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>

#include <cmath>

namespace ovrelan {

MainWindow::MainWindow(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
    setObjectName("Form1");
    setWindowTitle(ui_text(main_caption));
    client_ = new QWidget(this);
    client_->setObjectName("client");
    client_->setAutoFillBackground(true);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, to<QColor>(window_background));
    client_->setPalette(palette);
    setCentralWidget(client_);

    parameters_ = new ParameterPanel(client_, simulation_);
    notices_ = std::make_unique<NoticeQueue>(
        this, platform_.boxes, platform_.tone,
        [this](const FieldWrite& write) { parameters_->write_back(write); });
    simulation_.set_presenter([this](const ChainResult& result) { notices_->present(result); });
    simulation_.set_edit_finisher([this] { parameters_->finish_pending_edits(); });
    // A family follows the present circuit when the wheel over a field rests: eight solutions
    // at every notch would make the present curve lag.
    simulation_.set_family_delay(std::chrono::milliseconds(150));
    // The panel is shown first, then the scene and the graph windows follow, in this order.
    connect(&simulation_, &Simulation::recomputed, this, [this] {
        apply_panel(characteristics_panel(state(), decimal_separator()));
        parameters_->show_status();
    });

    characteristics_ = std::make_unique<CharacteristicsView>(client_);
    boxes_ = new SelectionBoxes(client_);
    for (const GraphVariant& variant : graph_variants()) {
        connect(graph_box(variant.id), &QCheckBox::toggled, this,
                [this, id = variant.id] { graph_box_toggled(id); });
    }
    build_run_controls();
    tasks_ = std::make_unique<TaskActions>(this, platform_, simulation_, *parameters_, *run_);
    history_ = new EditHistory(this, *parameters_, simulation_);
    parameters_->edited = [this](std::optional<Field> stepped) { history_->note(stepped); };
    history_->changed = [this] { history_changed(); };
    family_table_ = new FamilyTable(simulation_, platform_, this);
    measured_ = new MeasuredActions(this, platform_, simulation_, *parameters_, *history_, *run_);
    measured_->show_graph = [this](GraphKind k) { show_measured(k); };
    palette_ = palette_named(QSettings().value(palette_setting).toString().toStdString());
    pictures_in_palette_ = setting_bool(pictures_palette_setting, false);
    build_menus();
    // Client area 800 x 480 at start; never so small that the panels run into each other.
    const ClientSize minimum = minimum_client_size();
    client_->setMinimumSize(minimum.width, minimum.height);
    // The status bar: the progress of a long run.
    statusBar()->setObjectName("StatusBar");
    statusBar()->setSizeGripEnabled(false);
    resize(800, 480 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    client_->resize(800, 480);
    client_->installEventFilter(this);
    // The classroom layout's graph area and its divider, shown only there.
    area_ = new GraphArea(client_);
    area_->hide();
    divider_ = new Divider(client_);
    divider_->hide();
    divider_->dragged = [this](QPoint at) { divider_dragged(at); };
    split_ = setting_in_range(split_setting, 0.0, 1.0, 0.5);
    start_up();
    // A size the settings file holds that is none of ours is not taken, nor written back.
    scale_ = setting_choice(scale_setting, presentation_sizes(), 1.0);
    // The layout remembered, or the one the screen suits: the classroom one where separate
    // windows would not fit without covering, or at a presentation size.
    const QString remembered = QSettings().value(layout_setting).toString();
    const bool one =
        remembered == "one" || (remembered != "windows" &&
                                (scale_ > 1 || !separate_windows_fit(to_screen_rect(available()))));
    set_layout(one ? Layout::one_window : Layout::windows);
    set_palette(palette_, pictures_in_palette_);
}

MainWindow::~MainWindow() {
    // The graph area gives its views back before it goes: their windows own them.
    graph_windows_->set_area(nullptr, {});
    history_->changed = nullptr; // the menus it updates go before it
    parameters_->edited = nullptr;
    delete authors_;
}

void MainWindow::set_palette(PaletteKind kind, bool pictures_too) {
    palette_ = kind;
    pictures_in_palette_ = pictures_too;
    const Palette& look = palette_of(kind);
    const Palette& pictures = pictures_too ? look : palette_of(PaletteKind::light);
    QApplication::setPalette(widget_palette(look));
    set_window_colour(client_, look);
    parameters_->set_palette(look);
    scene_->set_palette(look);
    run_->set_palette(look);
    graph_windows_->set_palette(look, pictures);
    family_table_->set_palette(look);
}

void MainWindow::build_run_controls() {
    start_button_ = new QPushButton(
        QCoreApplication::translate("RunController", start_button_caption(RunState::idle)),
        client_);
    start_button_->setObjectName("CmdOK");
    start_button_->setFont(sans_font(true));
    start_button_->setToolTip(
        QCoreApplication::translate("MainWindow", "Запуск (остановка) установки"));

    carrier_delay_bar_ =
        make_speed_control(client_, "HScroll1", "Label31", 10,
                           QCoreApplication::translate("MainWindow", "Замедление движения частиц"))
            .bar;
    speedup_bar_ =
        make_speed_control(client_, "HScroll2", "Label32", 12,
                           QCoreApplication::translate("MainWindow", "Ускорение расчёта"))
            .bar;

    // The scene picture, the element pictures above it, the graph windows and the run.
    scene_picture_ = new DrawingSurface(client_);
    scene_picture_->setObjectName("Picture1");
    scene_picture_->setFont(sans_font());
    scene_ = std::make_unique<CircuitScene>(simulation_, *scene_picture_);
    graph_windows_ = new GraphWindows(*this, simulation_, platform_);
    graph_windows_->set_preview(setting_bool(preview_setting, true));
    if (setting_bool(physical_axes_setting, false)) {
        graph_windows_->set_axes(Axes::physical);
    }
    // Closed with its title-bar button: its box is cleared, one click brings it back.
    graph_windows_->on_extra_closed([this](Extra e) {
        findChild<QAction*>(e == Extra::resonance ? resonance_item : vector_item)
            ->setChecked(false);
    });
    graph_windows_->on_unchosen([this](GraphKind kind) {
        if (kind == GraphKind::UI) {
            findChild<QAction*>(voltages_and_current_item)->setChecked(false);
        } else {
            graph_box(static_cast<GraphId>(kind))->setChecked(false);
        }
    });
    run_ = std::make_unique<RunController>(simulation_, *scene_picture_, platform_.tone);

    connect(boxes_->electric_field_box(), &QCheckBox::toggled, this,
            [this](bool on) { scene_->set_electric_field(on); }); // Check_E_Click
    connect(boxes_->magnetic_field_box(), &QCheckBox::toggled, this,
            [this](bool on) { scene_->set_magnetic_field(on); }); // Check_B_Click

    connect(carrier_delay_bar_, &QScrollBar::valueChanged, this,
            [this](int value) { run_->set_carrier_delay(value); }); // HScroll1_Change
    connect(speedup_bar_, &QScrollBar::valueChanged, this,
            [this](int value) { run_->set_calc_speedup(value); }); // HScroll2_Change
    connect(start_button_, &QPushButton::clicked, this, [this] { start_or_stop(); });
    connect(run_.get(), &RunController::state_changed, this,
            [this](RunState state) { run_state_changed(state); });
    connect(run_.get(), &RunController::progress_changed, this, [this](const QString& text) {
        if (text.isEmpty()) {
            statusBar()->clearMessage();
        } else {
            statusBar()->showMessage(text);
        }
        graph_windows_->set_progress(text); // where the status bar may be out of sight
    });
}

void MainWindow::build_menus() {
    MenuHandlers h;
    h.open_document = [this](const QStringList& f) { platform_.documents.open_document(f); };
    h.edit_instruction = [this](const QStringList& f) { platform_.documents.edit_text(f); };
    h.open_task = [this] { tasks_->ask_and_open_task(); };
    h.save_task = [this] { tasks_->save_task(); };
    h.save_results = [this] { tasks_->save_results(); };
    h.save_report = [this] { save_report(*this, platform_); };
    h.make_worksheet = [this] { save_worksheet(this, platform_); };
    h.exit = [this] { close(); };
    h.undo = [this] { history_->undo(); };
    h.redo = [this] { history_->redo(); };
    h.load_example = [this](const Example& example) { tasks_->load_example(example); };
    // The keys work in every window of the program, but not while a message waits for an answer.
    h.start_or_stop = [this] {
        if (QApplication::activeModalWidget() == nullptr) {
            start_or_stop();
        }
    };
    h.finish_run = [this] {
        if (QApplication::activeModalWidget() == nullptr) {
            simulation_.finish_pending_edits();
            run_->finish_now();
        }
    };
    h.family_curves = [this] {
        if (QApplication::activeModalWidget() == nullptr) {
            ask_for_family();
        }
    };
    h.clear_family = [this] { set_family(std::nullopt); };
    h.open_measured = [this] { measured_->ask_and_open(); };
    h.align_measured = [this] { measured_->align_with_key(); };
    h.close_measured = [this] { measured_->close_measurement(); };
    h.fit_measured = [this] { measured_->ask_for_fit(); };
    h.preview = setting_bool(preview_setting, true);
    h.set_preview = [this](bool on) {
        QSettings().setValue(preview_setting, on);
        graph_windows_->set_preview(on);
    };
    h.physical_axes = setting_bool(physical_axes_setting, false);
    h.set_physical_axes = [this](bool on) {
        QSettings().setValue(physical_axes_setting, on);
        graph_windows_->set_axes(on ? Axes::physical : Axes::normalised);
    };
    h.one_window = setting_bool(one_window_setting, false);
    h.set_one_window = [this](bool on) {
        QSettings().setValue(one_window_setting, on);
        graph_windows_->set_always_stacked(on);
    };
    h.show_voltages_and_current = [this](bool on) {
        graph_windows_->set_chosen(GraphKind::UI, on);
    };
    h.show_resonance = [this](bool on) { graph_windows_->set_extra_shown(Extra::resonance, on); };
    h.show_vector_diagram = [this](bool on) { graph_windows_->set_extra_shown(Extra::vector, on); };
    h.remember_curves = [this] {
        simulation_.finish_pending_edits();
        const auto before = simulation_.remembered();
        simulation_.remember();
        history_->note_remembered(before);
    };
    h.forget_curves = [this] {
        const auto before = simulation_.remembered();
        simulation_.forget();
        history_->note_remembered(before);
    };
    h.arrange_graphs = [this] { graph_windows_->arrange(); };
    h.one_window_layout_on = layout_ == Layout::one_window;
    h.one_window_layout = [this](bool on) {
        QSettings().setValue(layout_setting, on ? "one" : "windows");
        set_layout(on ? Layout::one_window : Layout::windows);
    };
    h.language = language_at_start();
    h.choose_language = [this](Language language) {
        QSettings().setValue(language_setting, language_code(language));
        platform_.boxes.show_ok(this, ui_text(main_caption), language_change_note(language));
    };
    h.palette = palette_;
    h.choose_palette = [this](PaletteKind kind) {
        QSettings().setValue(palette_setting, QString::fromUtf8(palette_name(kind).data()));
        set_palette(kind, pictures_in_palette_);
    };
    h.pictures_in_palette = pictures_in_palette_;
    h.set_pictures_in_palette = [this](bool on) {
        QSettings().setValue(pictures_palette_setting, on);
        set_palette(palette_, on);
    };
    h.change_size = [this](int step) {
        const double scale = next_scale(scale_, step);
        QSettings().setValue(scale_setting, scale);
        apply_scale(scale);
    };
    h.show_authors = [this] { show_authors(); };
    h.show_about = [this] { show_about(); };
    h.show_registration = [this] { show_registration(); };
    build_main_menus(menuBar(), h);
}

// Form_Load: place and lay out the window, the defaults into the fields, the first computation,
// the graph windows placed (hidden), and only then the handlers become active.
void MainWindow::start_up() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        move(g.left() + static_cast<int>(g.width() * 0.05),
             g.top() + static_cast<int>(g.height() * 0.05));
    }
    arrange();
    parameters_->write_texts(simulation_.set_defaults(decimal_separator()).fields);
    simulation_.compute_at_start_up();
    simulation_.set_ready();
    graph_windows_->start_up();
    history_->start_from_here();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        client_resized();
    }
    return QMainWindow::eventFilter(watched, event);
}

// ПУСК finishes an edit in progress first, then starts; СТОП stops.
void MainWindow::start_or_stop() {
    if (run_->state() == RunState::idle) {
        simulation_.finish_pending_edits();
    }
    run_->start_or_stop();
}

void MainWindow::apply_panel(const PanelView& view) {
    boxes_->apply(view);
    parameters_->label(Field::Uo)->setVisible(view.initial_voltage_field);
    field(Field::Uo)->setVisible(view.initial_voltage_field);
    characteristics_->show(view);
    // The frequency means nothing without a source.
    parameters_->label(Field::nu)->setVisible(view.frequency_field);
    field(Field::nu)->setVisible(view.frequency_field);
}

// A ticked box shows its graph where it covers no control; a cleared one hides it, and the
// graph goes on following the simulation.
void MainWindow::graph_box_toggled(GraphId id) {
    graph_windows_->set_chosen(static_cast<GraphKind>(id), graph_box(id)->isChecked());
}

void MainWindow::lock_inputs(bool locked) {
    boxes_->set_locked(locked);
    parameters_->set_locked(locked);
}

// The start button's caption follows the run state; a run locks the inputs, closes the key and
// fixes the window's size.
void MainWindow::run_state_changed(RunState state) {
    start_button_->setText(
        QCoreApplication::translate("RunController", start_button_caption(state)));
    const bool separate = layout_ == Layout::windows;
    history_->set_running(state != RunState::idle);
    if (state == RunState::running) {
        scene_->show_key(false);
        lock_inputs(true);
        arrange();
        // The separate windows keep the main window's fixed size during a run; the classroom
        // layout fills the screen and follows a resize (a projector plugged in mid-lesson).
        if (separate) {
            setFixedSize(size());
            setWindowTitle(ui_text(running_caption));
        }
    } else if (state == RunState::idle) {
        scene_->show_key(true);
        lock_inputs(false);
        if (separate) {
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        setWindowTitle(ui_text(main_caption));
    }
}

void MainWindow::show_authors() {
    if (authors_ == nullptr) {
        authors_ = new AuthorsWindow();
    }
    authors_->show_over(*this);
}

void MainWindow::show_about() {
    platform_.boxes.show_ok(this, ui_text(about_title), about_text());
}

void MainWindow::show_registration() {
    platform_.boxes.show_ok(this, ui_text(registration_title), registration_text());
}

// Form_Unload: asks, and on Yes ends a run, closes every window and quits.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!platform_.boxes.ask_yes_no(this, ui_text(exit_title), ui_text(exit_question))) {
        event->ignore();
        return;
    }
    run_->abort();
    if (authors_ != nullptr) {
        authors_->close();
    }
    graph_windows_->close_all();
    event->accept();
    QCoreApplication::quit();
}

} // namespace ovrelan

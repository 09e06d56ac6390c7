#include "ui/main_window.h"

#include "geometry/colours.h"
#include "geometry/main_layout.h"
#include "geometry/window_tiling.h"
#include "graphs/graph_export.h"
#include "graphs/graph_window.h"
#include "io/task_file.h"
#include "model/examples.h"
#include "platform/drawing_surface.h"
#include "platform/fonts.h"
#include "platform/locale.h"
#include "scene/circuit_scene.h"
#include "ui/authors_window.h"
#include "ui/menu_icons.h"
#include "ui/texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTimer>

#include <algorithm>

#include <cmath>

namespace ovrelan {

namespace {

// Design-time tooltips of the value labels, in the order of PanelLabel.
const char* const value_label_tooltips[] = {
    "Циклическая частота источника ЭДС",
    "Собственная циклическая частота контура",
    "Циклическая частота колебаний в контуре ( i -мнимая)",
    "Период колебаний тока источника ЭДС",
    "Период собственных колебаний в контуре",
    "Период колебаний в контуре ( i -мнимый)",
    "Декремент затухания",
    "Логарифмический декремент затухания",
    "Добротность",
    "Сопротивление для критического режима",
    "Начальный заряд на конденсаторе",
    "Резонансная частота",
    "Безразмерный декремент затухания",
    "Отношение частоты тока источника ЭДС к собственной частоте",
    "безразмерная частота колебаний в контуре",
};

const QString running_caption = QStringLiteral("При работе размер окна изменить нельзя!");
const QString task_filter = QStringLiteral("Задачи Ovrelan (*.ovrelan)");

// The graph boxes in the order of GraphId, with their captions and tooltips.
struct GraphBoxText {
    const char* caption;
    const char* tooltip;
};
const GraphBoxText graph_box_texts[] = {
    {"Ul(t)", "Зависимость напряжения на катушке от времени"},
    {"Uc(t)", "Зависимость напряжения на конденсаторе от времени"},
    {"Ur(t)", "Зависимость напряжения на резисторе от времени"},
    {"I(t)", "Зависимость силы тока в цепи от времени"},
    {"W(t)", "Зависимость энергии катушки и конденсатора от времени"},
};

QLabel* make_label(QWidget* parent, const QString& name, const QString& caption,
                   bool bold = false) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(times_font(bold));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, to<QColor>(window_background));
    label->setPalette(palette);
    return label;
}

QCheckBox* make_box(QWidget* parent, const QString& name, const QString& caption,
                    const QRect& geometry) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setFont(times_font());
    box->setGeometry(geometry);
    return box;
}

QRect to_rect(const Rect& r) {
    return QRect(static_cast<int>(std::lround(r.left)), static_cast<int>(std::lround(r.top)),
                 static_cast<int>(std::lround(r.width)), static_cast<int>(std::lround(r.height)));
}

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

MainWindow::MainWindow(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
    setObjectName("Form1");
    setWindowTitle(main_caption);
    client_ = new QWidget(this);
    client_->setObjectName("client");
    client_->setAutoFillBackground(true);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, to<QColor>(window_background));
    client_->setPalette(palette);
    setCentralWidget(client_);

    simulation_.set_presenter([this](const ChainResult& result) { present(result); });
    // The panel is shown first, then the scene and the graph windows follow, in this order.
    connect(&simulation_, &Simulation::recomputed, this, [this] {
        apply_panel(characteristics_panel(state(), decimal_separator()));
        show_field_status();
    });

    build_parameter_panel();
    build_characteristics_panel();
    build_boxes();
    build_run_controls();
    build_menus();
    // Client area 800 x 480 at start; never so small that the panels run into each other.
    const ClientSize minimum = minimum_client_size();
    client_->setMinimumSize(minimum.width, minimum.height);
    resize(800, 480 + menuBar()->sizeHint().height());
    client_->resize(800, 480);
    client_->installEventFilter(this);
    start_up();
}

MainWindow::~MainWindow() {
    delete authors_;
}

void MainWindow::build_parameter_panel() {
    parameters_header_ = make_label(client_, "Label0", "Параметры задачи", true);
    // The bold header is a few pixels wider than its two field widths: narrow it slightly so
    // that it reads whole.
    QFont header = parameters_header_->font();
    header.setStretch(92);
    parameters_header_->setFont(header);
    for (const FieldEntry& entry : field_table()) {
        const auto k = static_cast<std::size_t>(entry.field);
        QString caption = qt(std::string(entry.label));
        if (entry.field == Field::Em) {
            caption = "ε(B)="; // the EMF letter
        }
        QLabel* label = make_label(client_, QString("Label%1").arg(k + 1), caption);
        label->setToolTip(qt(std::string(entry.tooltip)));
        field_labels_[k] = label;

        auto* field = new QLineEdit(client_);
        field->setObjectName(qt(std::string(entry.name)));
        field->setFont(times_font());
        field->setToolTip(label->toolTip());
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, to<QColor>(field_yellow));
        field->setPalette(palette);
        fields_[k] = field;
        tooltips_[k] = field->toolTip();
        connect(field, &QLineEdit::textChanged, this,
                [this, f = entry.field] { field_text_changed(f); });
        // Enter or the focus leaving: the full behaviour runs once the event is over.
        connect(field, &QLineEdit::editingFinished, this, [this, f = entry.field] {
            QTimer::singleShot(0, this, [this, f] { finish_edit(f); });
        });
    }
}

void MainWindow::build_characteristics_panel() {
    characteristics_header_ = make_label(client_, "Label11", QString(), true);
    for (std::size_t i = 0; i < panel_label_count; ++i) {
        const auto label = static_cast<PanelLabel>(i);
        value_labels_[i] = make_label(client_, qt(panel_label_name(label)), QString());
        value_labels_[i]->setToolTip(value_label_tooltips[i]);
    }
    circuit_label_ = make_label(client_, "Label27", QString()); // the circuit and its regime
    circuit_label_->setToolTip("Вид цепи и режим");
    characteristics_header_->setText("Характеристики");
}

void MainWindow::build_boxes() {
    graphs_frame_ = new QGroupBox("Графики", client_);
    graphs_frame_->setObjectName("Frame1");
    graphs_frame_->setFont(times_font());
    for (const GraphVariant& variant : graph_variants()) {
        const auto i = static_cast<std::size_t>(variant.id);
        const int top = 16 + 18 * static_cast<int>(i);
        graph_boxes_[i] = make_box(graphs_frame_, variant.check_box, graph_box_texts[i].caption,
                                   QRect(4, top, 60, 18));
    }
    graphs_frame_->setToolTip("Выбор показа графика");
    for (const GraphVariant& variant : graph_variants()) {
        const auto i = static_cast<std::size_t>(variant.id);
        graph_boxes_[i]->setToolTip(graph_box_texts[i].tooltip);
        connect(graph_boxes_[i], &QCheckBox::toggled, this,
                [this, id = variant.id] { graph_box_toggled(id); });
    }
    // A box the student clicks is the student's: the program no longer ticks it back.
    for (QCheckBox* box : graph_boxes_) {
        connect(box, &QCheckBox::clicked, this, [this, box] { cleared_by_program_.erase(box); });
    }

    fields_frame_ = new QGroupBox("Поля", client_);
    fields_frame_->setObjectName("Frame2");
    fields_frame_->setFont(times_font());
    magnetic_field_box_ = make_box(fields_frame_, "Check_B", "B", QRect(6, 18, 42, 20));
    electric_field_box_ = make_box(fields_frame_, "Check_E", "E", QRect(6, 40, 42, 20));
    for (QCheckBox* box : {magnetic_field_box_, electric_field_box_}) {
        connect(box, &QCheckBox::clicked, this, [this, box] { cleared_by_program_.erase(box); });
    }
}

void MainWindow::build_run_controls() {
    start_button_ = new QPushButton(start_button_caption(RunState::idle), client_);
    start_button_->setObjectName("CmdOK");
    start_button_->setFont(sans_font(true));
    start_button_->setToolTip("Запуск (остановка) установки");

    carrier_delay_bar_ = new QScrollBar(Qt::Horizontal, client_);
    carrier_delay_bar_->setObjectName("HScroll1");
    carrier_delay_bar_->setRange(1, 10);
    carrier_delay_bar_->setValue(1);
    carrier_delay_label_ = make_label(client_, "Label31", "1");
    carrier_delay_label_->setToolTip("Замедление движения частиц");
    carrier_delay_label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    speedup_bar_ = new QScrollBar(Qt::Horizontal, client_);
    speedup_bar_->setObjectName("HScroll2");
    speedup_bar_->setRange(1, 12);
    speedup_bar_->setValue(1);
    speedup_label_ = make_label(client_, "Label32", "1");
    speedup_label_->setToolTip("Ускорение расчёта");
    speedup_label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // The scene picture, the element pictures above it, the graph windows and the run.
    scene_picture_ = new DrawingSurface(client_);
    scene_picture_->setObjectName("Picture1");
    scene_picture_->setFont(sans_font());
    scene_ = std::make_unique<CircuitScene>(simulation_, *scene_picture_);
    const bool preview = QSettings().value(preview_setting, true).toBool();
    for (const GraphVariant& variant : graph_variants()) {
        auto graph = std::make_unique<GraphWindow>(simulation_, variant, platform_);
        graph->set_preview(preview);
        // Closed with its title-bar button: its box is cleared, one click brings it back.
        graph->on_closed([this, id = variant.id] { graph_box(id)->setChecked(false); });
        graphs_[static_cast<std::size_t>(variant.id)] = std::move(graph);
    }
    run_ = std::make_unique<RunController>(simulation_, *scene_picture_, platform_.tone);

    connect(electric_field_box_, &QCheckBox::toggled, this,
            [this](bool on) { scene_->set_electric_field(on); }); // Check_E_Click
    connect(magnetic_field_box_, &QCheckBox::toggled, this,
            [this](bool on) { scene_->set_magnetic_field(on); }); // Check_B_Click
    electric_field_box_->setToolTip("Электрическое поле конденсатора");
    magnetic_field_box_->setToolTip("Магнитное поле катушки");
    fields_frame_->setToolTip("Выбор показа полей");

    connect(carrier_delay_bar_, &QScrollBar::valueChanged, this, [this](int value) {
        run_->set_carrier_delay(value); // HScroll1_Change
        carrier_delay_label_->setText(QString::number(value));
    });
    connect(speedup_bar_, &QScrollBar::valueChanged, this, [this](int value) {
        run_->set_calc_speedup(value); // HScroll2_Change
        speedup_label_->setText(QString::number(value));
    });
    connect(start_button_, &QPushButton::clicked, this, [this] { start_or_stop(); });
    connect(run_.get(), &RunController::state_changed, this,
            [this](RunState state) { run_state_changed(state); });
}

void MainWindow::build_menus() {
    struct Item {
        const char* name;
        const char* caption;
        const char* letter;
        QColor colour;
    };
    QMenu* file = menuBar()->addMenu("&Файл");
    file->setObjectName("mnuFile");
    const char* const documents[] = {"spravka.pdf", "kontur.pdf", "katushka.pdf", "kondensator.pdf",
                                     "resistor.pdf"};
    const Item file_items[] = {
        {"mnuFilespravka", "Обзор", "О", QColor(40, 110, 200)},
        {"mnuFilespravka1", "Контур", "К", QColor(40, 150, 90)},
        {"mnuFilespravka2", "Катушка", "L", QColor(170, 90, 30)},
        {"mnuFilespravka3", "Конденсатор", "C", QColor(30, 60, 190)},
        {"mnuFilespravka4", "Резистор", "R", QColor(120, 120, 120)},
    };
    for (std::size_t i = 0; i < std::size(file_items); ++i) {
        QAction* action = file->addAction(letter_icon(file_items[i].letter, file_items[i].colour),
                                          file_items[i].caption);
        action->setObjectName(file_items[i].name);
        const QString document = documents[i];
        connect(action, &QAction::triggered, this,
                [this, document] { platform_.documents.open_document(document); });
    }
    file->addSeparator();
    QAction* open_task_action = file->addAction("Открыть задачу…");
    open_task_action->setObjectName("mnuFileOpenTask");
    open_task_action->setShortcut(QKeySequence::Open);
    connect(open_task_action, &QAction::triggered, this, [this] { ask_and_open_task(); });
    QAction* save_task_action = file->addAction("Сохранить задачу…");
    save_task_action->setObjectName("mnuFileSaveTask");
    save_task_action->setShortcut(QKeySequence::Save);
    connect(save_task_action, &QAction::triggered, this, [this] { save_task(); });
    QAction* save_results_action = file->addAction("Сохранить результаты…");
    save_results_action->setObjectName("mnuFileSaveResults");
    connect(save_results_action, &QAction::triggered, this,
            [this] { save_results(this, platform_, state()); });
    file->addSeparator()->setObjectName("mnuHelpSep1");
    QAction* exit = file->addAction(letter_icon("×", QColor(190, 40, 40)), "Выход");
    exit->setObjectName("mnuFileExit");
    connect(exit, &QAction::triggered, this, [this] { close(); });

    QMenu* examples_menu = menuBar()->addMenu("Пр&имеры");
    examples_menu->setObjectName("mnuExamples");
    for (const Example& example : examples()) {
        QAction* item = examples_menu->addAction(qt(std::string(example.name)));
        connect(item, &QAction::triggered, this, [this, &example] {
            std::array<std::string, 7> texts;
            for (std::size_t k = 0; k < texts.size(); ++k) {
                texts[k] = std::string(example.texts[k]);
            }
            task_comment_.clear();
            enter_all(texts);
        });
    }

    QMenu* run = menuBar()->addMenu("&Расчёт");
    run->setObjectName("mnuRun");
    QAction* finish = run->addAction(letter_icon("»", QColor(200, 60, 40)), "Досчитать до конца");
    finish->setObjectName("mnuRunFinish");
    finish->setShortcut(Qt::Key_End);
    connect(finish, &QAction::triggered, this, [this] {
        finish_pending_edits();
        run_->finish_now();
    });

    QMenu* graphs = menuBar()->addMenu("&Графики");
    graphs->setObjectName("mnuGraphs");
    QAction* preview = graphs->addAction("Вся кривая сразу (бледная)");
    preview->setObjectName("mnuGraphsPreview");
    preview->setCheckable(true);
    preview->setChecked(QSettings().value(preview_setting, true).toBool());
    connect(preview, &QAction::toggled, this, [this](bool on) { set_preview(on); });
    QAction* tile = graphs->addAction(letter_icon("▦", QColor(60, 120, 60)), "Упорядочить графики");
    tile->setObjectName("mnuGraphsArrange");
    connect(tile, &QAction::triggered, this, [this] { arrange_graphs(); });

    QMenu* help = menuBar()->addMenu("&Помощь");
    help->setObjectName("mnuHelp");
    QAction* instruction = help->addAction(letter_icon("И", QColor(90, 90, 160)), "Инструкция");
    instruction->setObjectName("mnuHelpInstruction");
    connect(instruction, &QAction::triggered, this,
            [this] { platform_.documents.edit_text("instruction.txt"); });
    QAction* uprav = help->addAction(letter_icon("У", QColor(40, 130, 140)), "Управление");
    uprav->setObjectName("mnuHelpUprav");
    connect(uprav, &QAction::triggered, this,
            [this] { platform_.documents.open_document("uprav.pdf"); });
    help->addSeparator()->setObjectName("mnuHelpSep2");
    QAction* authors = help->addAction(letter_icon("А", QColor(150, 70, 150)), "Авторы");
    authors->setObjectName("mnuHelpAvtors");
    connect(authors, &QAction::triggered, this, [this] { show_authors(); });
    QAction* about = help->addAction(letter_icon("i", QColor(30, 120, 200)), "О программе");
    about->setObjectName("mnuHelpAbout");
    connect(about, &QAction::triggered, this, [this] { show_about(); });
    QAction* registration = help->addAction(letter_icon("Р", QColor(200, 150, 20)), "Регистрация");
    registration->setObjectName("mnuHelpAbout2");
    connect(registration, &QAction::triggered, this, [this] { show_registration(); });
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
    const DefaultTexts texts = simulation_.set_defaults(decimal_separator());
    for (std::size_t k = 0; k < fields_.size(); ++k) {
        fields_[k]->setText(qt(texts.fields[k]));
    }
    simulation_.compute_at_start_up();
    for (const auto& graph : graphs_) {
        graph->place_beside(*this);
    }
    simulation_.set_ready();
    for (const auto& graph : graphs_) {
        graph->redraw(); // laid out and drawn before the student first shows them
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        client_resized();
    }
    return QMainWindow::eventFilter(watched, event);
}

// Form_Resize: a new layout and the circuit drawn at the new size. Nothing physical changes:
// the run position and the graphs stay, and nothing here can bring a message box.
void MainWindow::client_resized() {
    if (!simulation_.ready()) {
        return;
    }
    if (arrange()) {
        scene_->build_scene();
    }
}

bool MainWindow::arrange() {
    const MainLayout layout = arrange_main_window(client_->width(), client_->height());
    if (!layout.fits()) {
        return false;
    }
    for (const Placement& p : layout.controls) {
        if (auto* control = client_->findChild<QWidget*>(qt(p.name), Qt::FindDirectChildrenOnly)) {
            control->setGeometry(to_rect(p.rect));
        }
    }
    return true;
}

// Typing is live, corrections are not: a keystroke (the field is modified by the student) is
// taken at once when it can be; a text written by the program is a finished edit.
void MainWindow::field_text_changed(Field field) {
    if (writing_back_) {
        return;
    }
    if (this->field(field)->isModified()) {
        typing(field);
    } else {
        pending_[static_cast<std::size_t>(field)] = true;
        finish_edit(field);
    }
}

void MainWindow::typing(Field field) {
    const auto k = static_cast<std::size_t>(field);
    const Typing typed = simulation_.type_text(field, this->field(field)->text().toStdString());
    pending_[k] = !typed.taken;
    reasons_[k] = typed.reason;
    show_field_status();
}

// The end of an edit (Enter, the focus leaving, ПУСК, a text written by the program): what the
// text brings — tone, message, fallback or correction, write-back — happens now.
void MainWindow::finish_edit(Field field) {
    const auto k = static_cast<std::size_t>(field);
    if (!pending_[k]) {
        return;
    }
    pending_[k] = false;
    reasons_[k].clear();
    const ChainResult result =
        simulation_.enter_text(field, this->field(field)->text().toStdString());
    for (const Notice& notice : result.notices) {
        if (notice.cause == NoticeCause::field_check) {
            reasons_[k] = notice.text; // the field keeps a text the model does not hold
        }
    }
    show_field_status();
}

void MainWindow::finish_pending_edits() {
    for (const FieldEntry& entry : field_table()) {
        finish_edit(entry.field);
    }
}

// A field whose text is not the model's value (waiting for the end of its edit, or kept after a
// message) is tinted, and its tooltip says why.
void MainWindow::show_field_status() {
    for (const FieldEntry& entry : field_table()) {
        const auto k = static_cast<std::size_t>(entry.field);
        QLineEdit* f = fields_[k];
        const FieldChange reading = field_change(entry.field, f->text().toStdString());
        const bool shown = !reading.rejected && reading.stored == state().*entry.param;
        const bool tinted = pending_[k] || !shown;
        QPalette palette = f->palette();
        palette.setColor(QPalette::Base, to<QColor>(tinted ? pending_pink : field_yellow));
        f->setPalette(palette);
        QString tooltip = tooltips_[k];
        if (tinted && !reasons_[k].empty()) {
            tooltip += "\nЗначение не принято: " + qt(reasons_[k]);
        }
        f->setToolTip(tooltip);
    }
}

// What a chain has to tell: the tone, the box, then the texts written back into fields (their
// text selected, so the next keystroke replaces it). One box at a time: a chain that runs while
// a box is open waits for it, and a box for the same cause as one open or waiting is not shown
// again.
void MainWindow::present(const ChainResult& result) {
    for (const Notice& notice : result.notices) {
        if (already_told(notice)) {
            for (const FieldWrite& write : notice.writes) {
                write_back(write);
            }
            continue;
        }
        queue_.push_back(notice);
    }
    if (showing_) {
        return; // the box open now shows the queue when it is closed
    }
    while (!queue_.empty()) {
        showing_ = queue_.front();
        queue_.pop_front();
        if (showing_->beep_ms > 0) {
            platform_.tone.play(showing_->beep_ms);
        }
        platform_.boxes.show_ok(this, qt(showing_->title), qt(showing_->text));
        for (const FieldWrite& write : showing_->writes) {
            write_back(write);
        }
    }
    showing_.reset();
}

bool MainWindow::already_told(const Notice& notice) const {
    const auto same = [&](const Notice& other) {
        return other.title == notice.title && other.text == notice.text;
    };
    return (showing_ && same(*showing_)) || std::any_of(queue_.begin(), queue_.end(), same);
}

void MainWindow::write_back(const FieldWrite& write) {
    writing_back_ = true;
    QLineEdit* f = field(write.field);
    f->setText(qt(write.text));
    f->selectAll();
    pending_[static_cast<std::size_t>(write.field)] = false;
    writing_back_ = false;
}

// ПУСК finishes an edit in progress first, then starts; СТОП stops.
void MainWindow::start_or_stop() {
    if (run_->state() == RunState::idle) {
        finish_pending_edits();
    }
    run_->start_or_stop();
}

// Shows or hides a box of the panel. A box hidden and cleared also takes its window or field
// picture away, through its own handler; ticked again when its element returns.
void MainWindow::show_box(QCheckBox* box, Shown shown) {
    box->setVisible(shown == Shown::show);
    if (shown == Shown::hide_clear && box->isChecked()) {
        cleared_by_program_.insert(box);
        box->setChecked(false);
    } else if (shown == Shown::show && cleared_by_program_.erase(box) > 0) {
        box->setChecked(true);
    }
}

void MainWindow::apply_panel(const PanelView& view) {
    show_box(graph_box(GraphId::UL), view.coil_emf_box);
    show_box(graph_box(GraphId::Uc), view.capacitor_voltage_box);
    fields_frame_->setVisible(view.field_frame == Shown::show);
    show_box(electric_field_box_, view.electric_field_box);
    show_box(magnetic_field_box_, view.magnetic_field_box);
    field_labels_[static_cast<std::size_t>(Field::Uo)]->setVisible(view.initial_voltage_field);
    field(Field::Uo)->setVisible(view.initial_voltage_field);
    for (std::size_t i = 0; i < panel_label_count; ++i) {
        const ValueLabel& v = view.labels[i];
        value_labels_[i]->setVisible(v.visible);
        if (v.caption) {
            value_labels_[i]->setText(qt(*v.caption));
        }
        if (v.tooltip) {
            value_labels_[i]->setToolTip(qt(*v.tooltip));
        }
    }
    show_box(graph_box(GraphId::Ur), view.resistor_voltage_box);
    circuit_label_->setText(qt(view.circuit_caption));
    // The frequency means nothing without a source.
    field_labels_[static_cast<std::size_t>(Field::nu)]->setVisible(view.frequency_field);
    field(Field::nu)->setVisible(view.frequency_field);
}

// A ticked box shows its window, modeless and without owner; a cleared one hides it, and the
// window goes on being drawn into.
void MainWindow::graph_box_toggled(GraphId id) {
    GraphWindow* window = graph(id);
    if (graph_box(id)->isChecked()) {
        window->show();
        window->raise();
    } else {
        window->hide();
    }
}

void MainWindow::lock_inputs(bool locked) {
    graphs_frame_->setEnabled(!locked);
    for (QCheckBox* box : graph_boxes_) {
        box->setEnabled(!locked);
    }
    fields_frame_->setEnabled(!locked);
    electric_field_box_->setEnabled(!locked);
    magnetic_field_box_->setEnabled(!locked);
    for (QLineEdit* f : fields_) {
        f->setEnabled(!locked);
    }
}

// The start button's caption follows the run state; a run locks the inputs, closes the key and
// fixes the window's size.
void MainWindow::run_state_changed(RunState state) {
    start_button_->setText(start_button_caption(state));
    if (state == RunState::running) {
        scene_->show_key(false);
        lock_inputs(true);
        arrange();
        setFixedSize(size());
        setWindowTitle(running_caption);
    } else if (state == RunState::idle) {
        scene_->show_key(true);
        lock_inputs(false);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowTitle(main_caption);
    }
}

// All seven fields at once (an example, a task): their texts written, one chain over them.
void MainWindow::enter_all(const std::array<std::string, 7>& texts) {
    if (run_->state() != RunState::idle) {
        run_->start_or_stop(); // a running run ends first
    }
    std::vector<FieldText> typed;
    writing_back_ = true;
    for (const FieldEntry& entry : field_table()) {
        const auto k = static_cast<std::size_t>(entry.field);
        fields_[k]->setText(qt(texts[k]));
        pending_[k] = false;
        reasons_[k].clear();
        typed.push_back({entry.field, texts[k]});
    }
    writing_back_ = false;
    const ChainResult result = simulation_.enter_texts(typed);
    for (const Notice& notice : result.notices) {
        for (const FieldEntry& entry : field_table()) {
            if (notice.cause == NoticeCause::field_check && notice.writes.empty() &&
                field_change(entry.field, texts[static_cast<std::size_t>(entry.field)]).rejected) {
                reasons_[static_cast<std::size_t>(entry.field)] = notice.text;
            }
        }
    }
    show_field_status();
}

bool MainWindow::open_task(const QString& path) {
    const auto read = read_task_file(path.toStdString());
    if (const auto* error = std::get_if<TaskError>(&read)) {
        platform_.boxes.show_ok(this, "Ошибка",
                                "Задача из файла «" + path + "» не открыта: " + qt(error->text) +
                                    ". Ничего не изменилось.");
        return false;
    }
    const Task& task = std::get<Task>(read);
    task_comment_ = task.comment;
    enter_all(task.texts);
    if (!task.comment.empty()) {
        platform_.boxes.show_ok(this, "Задача", qt(task.comment));
    }
    return true;
}

void MainWindow::ask_and_open_task() {
    const QString path =
        platform_.dialogs.open_file(this, "Открыть задачу", {task_filter, "Все файлы (*)"});
    if (!path.isEmpty()) {
        open_task(path);
    }
}

void MainWindow::save_task() {
    const std::optional<QString> comment = platform_.dialogs.ask_text(
        this, "Сохранить задачу",
        "Комментарий для учащегося (можно оставить пустым):", qt(task_comment_));
    if (!comment) {
        return;
    }
    int chosen = 0;
    const QString path = platform_.dialogs.save_file(this, "Сохранить задачу", "задача.ovrelan",
                                                     {task_filter}, &chosen);
    if (path.isEmpty()) {
        return;
    }
    Task task;
    for (std::size_t k = 0; k < fields_.size(); ++k) {
        task.texts[k] = fields_[k]->text().toStdString();
    }
    task.comment = comment->toStdString();
    QString error;
    if (!write_file(path, QByteArray::fromStdString(write_task(task)), &error)) {
        platform_.boxes.show_ok(this, "Ошибка",
                                "Не удалось сохранить файл «" + path + "»: " + error);
        return;
    }
    task_comment_ = task.comment;
}

void MainWindow::set_preview(bool shown) {
    QSettings().setValue(preview_setting, shown);
    for (const auto& graph : graphs_) {
        graph->set_preview(shown);
    }
}

// The open graph windows beside or below the main window, none over another, all on the screen.
void MainWindow::arrange_graphs() {
    std::vector<GraphWindow*> open;
    for (const auto& graph : graphs_) {
        if (graph->isVisible()) {
            open.push_back(graph.get());
        }
    }
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const Tiling t = tile_graph_windows(to_screen_rect(frameGeometry()),
                                        to_screen_rect(screen->availableGeometry()),
                                        static_cast<int>(open.size()));
    move(t.main.left, t.main.top);
    for (std::size_t i = 0; i < open.size(); ++i) {
        open[i]->place(t.graphs[i]);
        open[i]->raise();
    }
}

void MainWindow::show_authors() {
    if (authors_ == nullptr) {
        authors_ = new AuthorsWindow();
    }
    authors_->show_over(*this);
}

void MainWindow::show_about() {
    platform_.boxes.show_ok(this, "О ПРОГРАММЕ", about_text());
}

void MainWindow::show_registration() {
    platform_.boxes.show_ok(this, "РЕГИСТРАЦИЯ", registration_text());
}

// Form_Unload: asks, and on Yes ends a run, closes every window and quits.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!platform_.boxes.ask_yes_no(this, exit_title, exit_question)) {
        event->ignore();
        return;
    }
    run_->abort();
    if (authors_ != nullptr) {
        authors_->close();
    }
    for (const auto& graph : graphs_) {
        graph->close();
    }
    event->accept();
    QCoreApplication::quit();
}

} // namespace ovrelan

#include "ui/main_window.h"

#include "graphs/graph_window.h"
#include "model/defaults.h"
#include "platform/drawing_surface.h"
#include "run/run_controller.h"
#include "scene/circuit_scene.h"
#include "ui/authors_window.h"
#include "ui/main_layout.h"
#include "ui/menu_icons.h"
#include "ui/texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <cmath>

namespace ovrelan {

namespace {

const QColor window_colour(224, 224, 224);
const QColor field_colour(255, 255, 192);

// Design-time tooltips of the value labels Label12 ... Label26.
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

QLabel* make_label(QWidget* parent, const QString& name, const QString& caption,
                   bool bold = false) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(times_font(bold));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, window_colour);
    label->setPalette(palette);
    return label;
}

QCheckBox* make_check(QWidget* parent, const QString& name, const QString& caption,
                      const QRect& geometry) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    check->setFont(times_font());
    check->setGeometry(geometry);
    return check;
}

QRect to_rect(const Rect& r) {
    return QRect(static_cast<int>(std::lround(r.left)), static_cast<int>(std::lround(r.top)),
                 static_cast<int>(std::lround(r.width)), static_cast<int>(std::lround(r.height)));
}

} // namespace

Form1::Form1(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform) {
    setObjectName("Form1");
    setWindowTitle(main_caption);
    client_ = new QWidget(this);
    client_->setObjectName("client");
    client_->setAutoFillBackground(true);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, window_colour);
    client_->setPalette(palette);
    setCentralWidget(client_);
    build_controls();
    build_menus();
    // Client area 800 x 480 at start.
    resize(800, 480 + menuBar()->sizeHint().height());
    client_->resize(800, 480);
    client_->installEventFilter(this);
    Form_Load();
}

Form1::~Form1() {
    delete authors_;
}

QCheckBox* Form1::graph_check(int index) const {
    QCheckBox* const checks[] = {Check_L, Check_C, Check_R, Check_I, Check_W};
    return checks[index];
}

void Form1::build_controls() {
    param_labels_[0] = make_label(client_, "Label0", "Параметры задачи", true);
    // The bold header is a few pixels wider than its two field widths: narrow it slightly so
    // that it reads whole.
    QFont header = param_labels_[0]->font();
    header.setStretch(92);
    param_labels_[0]->setFont(header);
    for (const FieldEntry& entry : field_table()) {
        const int k = static_cast<int>(entry.field) + 1;
        QString caption = QString::fromStdString(std::string(entry.label));
        if (entry.field == Field::Text5) {
            caption = "ε(B)="; // the EMF letter
        }
        QLabel* label = make_label(client_, QString("Label%1").arg(k), caption);
        label->setToolTip(QString::fromStdString(std::string(entry.tooltip)));
        param_labels_[static_cast<std::size_t>(k)] = label;

        auto* field = new QLineEdit(client_);
        field->setObjectName(QString::fromStdString(std::string(entry.name)));
        field->setFont(times_font());
        field->setToolTip(label->toolTip());
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, field_colour);
        field->setPalette(palette);
        fields_[static_cast<std::size_t>(k - 1)] = field;
        connect(field, &QLineEdit::textChanged, this,
                [this, f = entry.field] { field_changed(f); });
    }

    for (int n = 11; n <= 27; ++n) {
        QLabel* label = make_label(client_, QString("Label%1").arg(n), QString(), n == 11);
        panel_labels_[static_cast<std::size_t>(n - 11)] = label;
        if (n >= 12 && n <= 26) {
            label->setToolTip(value_label_tooltips[n - 12]);
        }
    }
    panel_labels_[0]->setText("Характеристики");
    panel_labels_[16]->hide(); // Label27: hidden by every layout, never shown again

    Frame1 = new QGroupBox("Графики", client_);
    Frame1->setObjectName("Frame1");
    Frame1->setFont(times_font());
    Check_L = make_check(Frame1, "Check_L", "Ul(t)", QRect(4, 16, 60, 18));
    Check_C = make_check(Frame1, "Check_C", "Uc(t)", QRect(4, 34, 60, 18));
    Check_R = make_check(Frame1, "Check_R", "Ur(t)", QRect(4, 52, 60, 18));
    Check_I = make_check(Frame1, "Check_I", "I(t)", QRect(4, 70, 60, 18));
    Check_W = make_check(Frame1, "Check_W", "W(t)", QRect(4, 88, 60, 18));
    Frame1->setToolTip("Выбор показа графика");
    Check_L->setToolTip("Зависимость напряжения на катушке от времени");
    Check_C->setToolTip("Зависимость напряжения на конденсаторе от времени");
    Check_R->setToolTip("Зависимость напряжения на резисторе от времени");
    Check_I->setToolTip("Зависимость силы тока в цепи от времени");
    Check_W->setToolTip("Зависимость энергии катушки и конденсатора от времени");
    for (int i = 0; i < 5; ++i) {
        connect(graph_check(i), &QCheckBox::toggled, this, [this, i] { graph_check_click(i); });
    }

    Frame2 = new QGroupBox("Поля", client_);
    Frame2->setObjectName("Frame2");
    Frame2->setFont(times_font());
    Check_B = make_check(Frame2, "Check_B", "B", QRect(6, 18, 42, 20));
    Check_E = make_check(Frame2, "Check_E", "E", QRect(6, 40, 42, 20));

    CmdOK = new QPushButton("ПУСК", client_);
    CmdOK->setObjectName("CmdOK");
    CmdOK->setFont(sans_font(true));
    CmdOK->setToolTip("Запуск (остановка) установки");

    HScroll1 = new QScrollBar(Qt::Horizontal, client_);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setRange(1, 10);
    HScroll1->setValue(1);
    Label31 = make_label(client_, "Label31", "1");
    Label31->setToolTip("Замедление движения частиц");
    Label31->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    HScroll2 = new QScrollBar(Qt::Horizontal, client_);
    HScroll2->setObjectName("HScroll2");
    HScroll2->setRange(1, 12);
    HScroll2->setValue(1);
    Label32 = make_label(client_, "Label32", "1");
    Label32->setToolTip("Ускорение расчёта");
    Label32->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int v) { HScroll1_Change(v); });
    connect(HScroll2, &QScrollBar::valueChanged, this, [this](int v) { HScroll2_Change(v); });

    // The scene picture and the element pictures above it.
    Picture1 = new DrawingSurface(client_);
    Picture1->setObjectName("Picture1");
    Picture1->setFont(sans_font());
    scene_ = std::make_unique<CircuitScene>(
        state_, SceneControls{Picture1, Check_E, Check_B, fields_[5], param_labels_[6]});
    connect(Check_E, &QCheckBox::toggled, this, [this] {
        if (state_.C != 0) {
            scene_->draw_capacitor_state(); // Check_E_Click
        }
    });
    connect(Check_B, &QCheckBox::toggled, this, [this] {
        if (state_.L != 0) {
            scene_->draw_coil(); // Check_B_Click
        }
    });
    Check_E->setToolTip("Электрическое поле конденсатора");
    Check_B->setToolTip("Магнитное поле катушки");
    Frame2->setToolTip("Выбор показа полей");
}

void Form1::build_menus() {
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
    file->addSeparator()->setObjectName("mnuHelpSep1");
    QAction* exit = file->addAction(letter_icon("×", QColor(190, 40, 40)), "Выход");
    exit->setObjectName("mnuFileExit");
    connect(exit, &QAction::triggered, this, [this] { close(); });

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
    connect(authors, &QAction::triggered, this, [this] { mnuHelpAvtors_Click(); });
    QAction* about = help->addAction(letter_icon("i", QColor(30, 120, 200)), "О программе");
    about->setObjectName("mnuHelpAbout");
    connect(about, &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });
    QAction* registration = help->addAction(letter_icon("Р", QColor(200, 150, 20)), "Регистрация");
    registration->setObjectName("mnuHelpAbout2");
    connect(registration, &QAction::triggered, this, [this] { mnuHelpAbout2_Click(); });
}

void Form1::Form_Load() {
    state_.ready_flag = false;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        move(g.left() + static_cast<int>(g.width() * 0.05),
             g.top() + static_cast<int>(g.height() * 0.05));
    }
    arrange_main_window();
    const DefaultTexts texts = set_defaults(state_, decimal_separator());
    for (std::size_t k = 0; k < fields_.size(); ++k) {
        fields_[k]->setText(QString::fromStdString(texts.fields[k]));
    }
    Label31->setText(QString::fromStdString(texts.label31));
    Label32->setText(QString::fromStdString(texts.label32));
    calc_characteristics_pass();
    // zapusk_UL, zapusk_Uc, zapusk_Ur, zapusk_Ik, zapusk_W: created and placed, hidden.
    for (std::size_t i = 0; i < graphs_.size(); ++i) {
        graphs_[i] = std::make_unique<GraphWindow>(state_, graph_variants()[i]);
        graphs_[i]->zapusk(*this);
    }
    state_.ready_flag = true;

    RunTargets targets{
        this,     CmdOK,        scene_->Picture_K(),        {}, [this] { Form_Resize(); }, {},
        Picture1, scene_.get(), [this](int n) { beep2(n); }};
    targets.inputs = {Frame1,  Check_L, Check_C, Check_R, Check_I,
                      Check_W, Frame2,  Check_E, Check_B};
    for (QLineEdit* field : fields_) {
        targets.inputs.push_back(field);
    }
    for (std::size_t i = 0; i < graphs_.size(); ++i) {
        targets.graphs[i] = graphs_[i].get();
    }
    run_ = std::make_unique<RunController>(state_, std::move(targets));
    connect(CmdOK, &QPushButton::clicked, this, [this] { run_->start_stop(); }); // CmdOK_Click
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        Form_Resize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::Form_Resize() {
    if (!state_.ready_flag) {
        return;
    }
    if (arrange_main_window()) {
        parametr_new();
    }
}

bool Form1::arrange_main_window() {
    const MainLayout layout = ovrelan::arrange_main_window(client_->width(), client_->height());
    if (!layout.fits()) {
        return false;
    }
    for (const Placement& p : layout.controls) {
        if (auto* control = client_->findChild<QWidget*>(QString::fromStdString(p.name),
                                                         Qt::FindDirectChildrenOnly)) {
            control->setGeometry(to_rect(p.rect));
        }
    }
    state_.scene_width = layout.scene_width;
    state_.scene_height = layout.scene_height;
    state_.wire_width = layout.wire_width;
    state_.carrier_radius = layout.carrier_radius;
    return true;
}

QLineEdit* Form1::text_field(Field field) const {
    return fields_[static_cast<std::size_t>(field)];
}

char Form1::decimal_separator() const {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode())
                                                         : '.';
}

void Form1::beep2(int n) {
    platform_.tone.play(12 * n);
}

// Text1_Change ... Text7_Change: read, convert, check, fall back, recompute.
void Form1::field_changed(Field field) {
    if (!state_.ready_flag) {
        return;
    }
    const FieldChange change = field_change(field, text_field(field)->text().toStdString());
    store_field_value(state_, field, change.value);
    if (change.rejected) {
        beep2(change.beep_ms / 12);
        platform_.boxes.show_ok(this, QString::fromStdString(change.message->title),
                                QString::fromStdString(change.message->text));
        store_field_value(state_, field, change.stored);
        if (change.write_back) {
            write_field(field, *change.write_back); // runs this handler again
        }
    }
    parametr_new();
}

void Form1::write_field(Field field, const std::string& text) {
    text_field(field)->setText(QString::fromStdString(text));
}

void Form1::parametr_new() {
    state_.k_now = 0;
    calc_characteristics_pass();
    for (const auto& graph : graphs_) { // Form_UL, Form_Uc, Form_Ur, form_Ik, form_W
        if (graph) {
            graph->Form_Resize();
        }
    }
}

// One pass of calc_characteristics with what the window does about its result.
void Form1::calc_characteristics_pass() {
    const PassResult result = calc_characteristics(state_);
    switch (result.kind) {
    case PassKind::computed:
        apply_panel(characteristics_panel(state_, decimal_separator()));
        build_scene();
        break;
    case PassKind::guarded: {
        const GuardWarning& guard = *result.guard;
        platform_.boxes.show_ok(this, QString::fromStdString(guard.title),
                                QString::fromStdString(guard.text));
        // The corrected value goes into the field, whose handler runs the whole chain again;
        // that inner pass rebuilds the solution from the same parameters.
        write_field(guard.field, guard.field_text);
        characteristics_tail();
        break;
    }
    case PassKind::refused: {
        const Refusal& refusal = *result.refusal;
        platform_.boxes.show_ok(this, QString::fromStdString(refusal.title),
                                QString::fromStdString(refusal.text));
        for (const RestoredParameter& restored : refusal.restored) {
            write_field(restored.field, restored.field_text);
        }
        break;
    }
    }
}

void Form1::show_check(QWidget* control, Shown shown) {
    control->setVisible(shown == Shown::show);
    if (shown == Shown::hide_clear) {
        if (auto* check = qobject_cast<QCheckBox*>(control)) {
            check->setChecked(false);
        }
    }
}

void Form1::apply_panel(const PanelView& view) {
    show_check(Check_L, view.Check_L);
    show_check(Check_C, view.Check_C);
    show_check(Frame2, view.Frame2);
    show_check(Check_E, view.Check_E);
    show_check(Check_B, view.Check_B);
    param_labels_[4]->setVisible(view.Label4_Text4);
    fields_[3]->setVisible(view.Label4_Text4);
    for (int n = first_value_label; n <= last_value_label; ++n) {
        const ValueLabel& v = view.label(n);
        QLabel* label = panel_labels_[static_cast<std::size_t>(n - 11)];
        label->setVisible(v.visible);
        if (v.caption) {
            label->setText(QString::fromStdString(*v.caption));
        }
        if (v.tooltip) {
            label->setToolTip(QString::fromStdString(*v.tooltip));
        }
    }
    if (graphs_[4]) {
        graphs_[4]->setWindowTitle(QString::fromStdString(view.form_W_caption));
    }
    show_check(Check_R, view.Check_R);
}

// After every pass: the resistor graph exists only with a resistor.
void Form1::characteristics_tail() {
    show_check(Check_R, state_.R == 0 ? Shown::hide_clear : Shown::show);
}

// The end of every rebuild of the solution: the whole circuit picture.
void Form1::build_scene() {
    scene_->build_scene();
}

// A ticked box shows its window, modeless and without owner; a cleared one hides it, and the
// window goes on being drawn into.
void Form1::graph_check_click(int index) {
    GraphWindow* window = graphs_[static_cast<std::size_t>(index)].get();
    if (window == nullptr) {
        return;
    }
    if (graph_check(index)->isChecked()) {
        window->show();
        window->raise();
    } else {
        window->hide();
    }
}

void Form1::HScroll1_Change(int value) {
    state_.carrier_delay = value;
    Label31->setText(QString::number(value));
}

void Form1::HScroll2_Change(int value) {
    state_.calc_speedup = value;
    Label32->setText(QString::number(value));
}

void Form1::mnuHelpAvtors_Click() {
    if (authors_ == nullptr) {
        authors_ = new Form2();
    }
    authors_->show_over(*this);
}

void Form1::mnuHelpAbout_Click() {
    platform_.boxes.show_ok(this, "О ПРОГРАММЕ", about_text());
}

void Form1::mnuHelpAbout2_Click() {
    platform_.boxes.show_ok(this, "РЕГИСТРАЦИЯ", registration_text());
}

void Form1::closeEvent(QCloseEvent* event) {
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

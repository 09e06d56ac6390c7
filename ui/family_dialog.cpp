#include "ui/family_dialog.h"

#include "model/sweep_values.h"
#include "ui/appearance.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ovrelan {

namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr Field swept[] = {Field::L, Field::C, Field::R, Field::Uo, Field::Em, Field::nu};

} // namespace

std::string range_text(const std::string& from, const std::string& to, int count,
                       bool logarithmic) {
    return from + ".." + to + ":" + std::to_string(count) + (logarithmic ? ":log" : "");
}

FamilyDialog::FamilyDialog(const SimulationState& present, const std::optional<FamilyRequest>& now,
                           char decimal_separator, QWidget* parent)
    : QDialog(parent), present_(present), separator_(decimal_separator),
      parameter_(new QComboBox(this)),
      list_mode_(
          new QRadioButton(QCoreApplication::translate("FamilyDialog", "&Список значений:"), this)),
      range_mode_(
          new QRadioButton(QCoreApplication::translate("FamilyDialog", "&Диапазон от"), this)),
      list_(new QLineEdit(this)), from_(new QLineEdit(this)), to_(new QLineEdit(this)),
      count_(new QSpinBox(this)),
      logarithmic_(new QCheckBox(
          QCoreApplication::translate("FamilyDialog", "&равные отношения (логарифмическая шкала)"),
          this)),
      ready_(new QPushButton(this)), unit_(new QLabel(this)), refusals_(new QLabel(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName("FamilyDialog");
    setWindowTitle(QCoreApplication::translate("FamilyDialog", "Семейство кривых"));
    for (const Field field : swept) {
        parameter_->addItem(qt(sweep_symbol(field)) + " (" + qt(sweep_unit(field)) + ")",
                            static_cast<int>(field));
    }
    parameter_->setObjectName("FamilyParameter");
    list_->setObjectName("FamilyList");
    list_->setPlaceholderText(
        QCoreApplication::translate("FamilyDialog", "например: 0,5; 1,265; 3"));
    from_->setObjectName("FamilyFrom");
    to_->setObjectName("FamilyTo");
    count_->setObjectName("FamilyCount");
    count_->setRange(2, static_cast<int>(max_sweep_values));
    count_->setValue(3);
    ready_->setObjectName("FamilyReady");
    refusals_->setObjectName("FamilyRefusals");
    refusals_->setWordWrap(true);
    refusals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    refusals_->setStyleSheet(refusal_style());

    auto* modes = new QButtonGroup(this);
    modes->addButton(list_mode_);
    modes->addButton(range_mode_);
    list_mode_->setChecked(true);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto* parameter_label =
        new QLabel(QCoreApplication::translate("FamilyDialog", "&Параметр:"), this);
    parameter_label->setBuddy(parameter_);
    form->addRow(parameter_label, parameter_);
    layout->addLayout(form);
    auto* list_row = new QHBoxLayout;
    list_row->addWidget(list_mode_);
    list_row->addWidget(list_, 1);
    layout->addLayout(list_row);
    auto* range_row = new QHBoxLayout;
    range_row->addWidget(range_mode_);
    range_row->addWidget(from_, 1);
    range_row->addWidget(new QLabel(QCoreApplication::translate("FamilyDialog", "до"), this));
    range_row->addWidget(to_, 1);
    range_row->addWidget(unit_);
    auto* count_label = new QLabel(QCoreApplication::translate("FamilyDialog", "&значений:"), this);
    count_label->setBuddy(count_);
    range_row->addWidget(count_label);
    range_row->addWidget(count_);
    layout->addLayout(range_row);
    layout->addWidget(logarithmic_);
    layout->addWidget(ready_);
    layout->addWidget(new QLabel(
        QCoreApplication::translate("FamilyDialog",
                                    "Не больше %1 кривых. Значения проверяются так же, как "
                                    "при вводе в поле; R можно задать в долях Rк (2·Rк), "
                                    "ν — в долях ν₀ (1,1·ν₀).")
            .arg(max_sweep_values),
        this));
    layout->addWidget(refusals_);
    layout->addWidget(buttons_);
    buttons_->button(QDialogButtonBox::Ok)
        ->setText(QCoreApplication::translate("FamilyDialog", "Построить"));

    connect(parameter_, &QComboBox::currentIndexChanged, this, [this] { parameter_changed(); });
    connect(buttons_, &QDialogButtonBox::accepted, this, &FamilyDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &FamilyDialog::reject);
    connect(ready_, &QPushButton::clicked, this, [this] {
        if (const auto choices = ready_choices(parameter(), present_)) {
            list_->setText(qt(*choices));
            list_mode_->setChecked(true);
        }
    });
    connect(list_, &QLineEdit::textEdited, this, [this] {
        list_mode_->setChecked(true);
        inputs_changed();
    });
    for (QLineEdit* end : {from_, to_}) {
        connect(end, &QLineEdit::textEdited, this, [this] {
            range_mode_->setChecked(true);
            inputs_changed();
        });
    }
    connect(count_, &QSpinBox::valueChanged, this, [this] { inputs_changed(); });
    connect(logarithmic_, &QCheckBox::toggled, this, [this] { inputs_changed(); });
    connect(modes, &QButtonGroup::buttonToggled, this, [this] { inputs_changed(); });

    const Field start = now ? now->parameter : Field::R;
    parameter_->setCurrentIndex(parameter_->findData(static_cast<int>(start)));
    parameter_changed();
    if (now) {
        list_->setText(qt(now->values));
    } else if (const auto choices = ready_choices(start, present_)) {
        list_->setText(qt(*choices));
    }
}

QPushButton* FamilyDialog::ok_button() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

Field FamilyDialog::parameter() const {
    return static_cast<Field>(parameter_->currentData().toInt());
}

void FamilyDialog::parameter_changed() {
    const auto choices = ready_choices(parameter(), present_);
    ready_->setVisible(choices.has_value());
    if (choices) {
        ready_->setText(QCoreApplication::translate("FamilyDialog", "&Готовый выбор: ") +
                        qt(*choices));
    }
    unit_->setText(qt(sweep_unit(parameter())));
    inputs_changed();
}

void FamilyDialog::inputs_changed() {
    // What was refused belonged to the values as they were.
    refused_shown_.reset();
    refusals_->clear();
    ok_button()->setText(QCoreApplication::translate("FamilyDialog", "Построить"));
}

FamilyRequest FamilyDialog::request() const {
    FamilyRequest r;
    r.parameter = parameter();
    r.decimal_separator = separator_;
    if (range_mode_->isChecked()) {
        r.values =
            range_text(from_->text().trimmed().toStdString(), to_->text().trimmed().toStdString(),
                       count_->value(), logarithmic_->isChecked());
    } else {
        r.values = list_->text().toStdString();
    }
    return r;
}

Family FamilyDialog::family() const {
    const FamilyRequest r = request();
    return build_family(present_, r.parameter, r.values, r.decimal_separator);
}

void FamilyDialog::accept() {
    const FamilyRequest r = request();
    if (refused_shown_ && *refused_shown_ == r) {
        QDialog::accept(); // asked again: without the values named
        return;
    }
    const Family made = family();
    if (!made.error.empty()) {
        refusals_->setText(qt(made.error));
        return;
    }
    QString text;
    for (const RefusedMember& refused : made.refused) {
        text += (text.isEmpty() ? "" : "\n") + qt(refused.shown());
    }
    if (made.members.empty()) {
        refusals_->setText(
            QCoreApplication::translate("FamilyDialog", "Ни одно значение не подходит:\n") + text);
        return;
    }
    if (made.refused.empty()) {
        QDialog::accept();
        return;
    }
    refusals_->setText(QCoreApplication::translate("FamilyDialog", "Не войдут в семейство:\n") +
                       text);
    refused_shown_ = r;
    ok_button()->setText(QCoreApplication::translate("FamilyDialog", "Построить без них"));
}

} // namespace ovrelan

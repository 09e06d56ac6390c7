#include "ui/parameter_panel.h"

#include "geometry/colours.h"
#include "platform/fonts.h"
#include "simulation/simulation.h"
#include "ui/form_widgets.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace ovrelan {

namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void tint(QLineEdit* field, Rgb colour, Rgb text) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, to<QColor>(colour));
    palette.setColor(QPalette::Text, to<QColor>(text));
    field->setPalette(palette);
}

} // namespace

ParameterPanel::ParameterPanel(QWidget* client, Simulation& simulation)
    : QObject(client), simulation_(simulation) {
    header_ = make_label(client, "Label0",
                         QCoreApplication::translate("ParameterPanel", "Параметры задачи"), true);
    // The bold header is a few pixels wider than its two field widths: narrow it slightly so
    // that it reads whole.
    QFont header = header_->font();
    header.setStretch(92);
    header_->setFont(header);
    for (const FieldEntry& entry : field_table()) {
        const auto k = static_cast<std::size_t>(entry.field);
        // The EMF's letter is ε on screen.
        const QString caption = entry.field == Field::Em
                                    ? QCoreApplication::translate("Fields", "ε(B)=")
                                    : QCoreApplication::translate("Fields", entry.label.data());
        labels_[k] = make_label(client, QString("Label%1").arg(k + 1), caption);
        labels_[k]->setToolTip(QCoreApplication::translate("Fields", entry.tooltip.data()));

        auto* field = new QLineEdit(client);
        field->setObjectName(qt(entry.name));
        field->setFont(times_font());
        field->setToolTip(labels_[k]->toolTip());
        tint(field, palette_->field, palette_->window_text);
        fields_[k] = field;
        // A screen reader names the field by its caption; its tooltip is the description.
        labels_[k]->setBuddy(field);
        field->setAccessibleName(qt(field_accessible_name(entry.field)));
        tooltips_[k] = field->toolTip();
        connect(field, &QLineEdit::textChanged, this, [this, f = entry.field] { text_changed(f); });
        field->installEventFilter(this); // the wheel and the arrow keys step the value
        // Enter or the focus leaving: the full behaviour runs once the event is over.
        connect(field, &QLineEdit::editingFinished, this, [this, f = entry.field] {
            QTimer::singleShot(0, this, [this, f] { finish_edit(f); });
        });
    }
}

void ParameterPanel::write_texts(const std::array<std::string, 7>& texts) {
    for (std::size_t k = 0; k < fields_.size(); ++k) {
        fields_[k]->setText(qt(texts[k]));
    }
}

// A keystroke (the field is modified by the student) is taken at once when it can be; a text
// written by the program is a finished edit.
void ParameterPanel::text_changed(Field f) {
    if (writing_) {
        return;
    }
    step_units_[static_cast<std::size_t>(f)].reset(); // typed: the next step starts afresh
    if (field(f)->isModified()) {
        typing(f);
    } else {
        pending_[static_cast<std::size_t>(f)] = true;
        finish_edit(f);
    }
}

void ParameterPanel::typing(Field f) {
    const auto k = static_cast<std::size_t>(f);
    // Typing here means the edits of the other fields are over, whether or not the focus
    // leaving them was noticed: their values taken as typed are theirs now.
    for (const FieldEntry& entry : field_table()) {
        if (entry.field != f && !pending_[static_cast<std::size_t>(entry.field)]) {
            simulation_.commit_edit(entry.field);
        }
    }
    const Typing typed = simulation_.type_text(f, field(f)->text().toStdString());
    pending_[k] = !typed.taken;
    reasons_[k] = typed.reason;
    show_status();
}

// The end of an edit: what the text brings (tone, message, fallback or correction, write-back)
// happens now.
void ParameterPanel::finish_edit(Field f) {
    const auto k = static_cast<std::size_t>(f);
    if (!pending_[k]) {
        simulation_.commit_edit(f); // its last keystroke was taken: that is the value now
        if (edited) {
            edited(std::nullopt);
        }
        return;
    }
    pending_[k] = false;
    reasons_[k].clear();
    const ChainResult result = simulation_.enter_text(f, field(f)->text().toStdString());
    for (const Notice& notice : result.notices) {
        if (notice.cause == NoticeCause::field_check) {
            reasons_[k] = notice.text; // the field keeps a text the model does not hold
        }
    }
    show_status();
    if (edited) {
        edited(std::nullopt);
    }
}

void ParameterPanel::finish_pending_edits() {
    for (const FieldEntry& entry : field_table()) {
        finish_edit(entry.field);
    }
}

void ParameterPanel::write_back(const FieldWrite& write) {
    writing_ = true;
    QLineEdit* f = field(write.field);
    f->setText(qt(write.text));
    f->selectAll(); // the next keystroke replaces it
    pending_[static_cast<std::size_t>(write.field)] = false;
    step_units_[static_cast<std::size_t>(write.field)].reset();
    writing_ = false;
}

void ParameterPanel::enter_all(const std::array<std::string, 7>& texts) {
    std::vector<FieldText> typed;
    writing_ = true;
    for (const FieldEntry& entry : field_table()) {
        const auto k = static_cast<std::size_t>(entry.field);
        fields_[k]->setText(qt(texts[k]));
        pending_[k] = false;
        reasons_[k].clear();
        step_units_[k].reset();
        typed.push_back({entry.field, texts[k]});
    }
    writing_ = false;
    const ChainResult result = simulation_.enter_texts(typed);
    for (const Notice& notice : result.notices) {
        for (const FieldEntry& entry : field_table()) {
            const auto k = static_cast<std::size_t>(entry.field);
            if (notice.cause == NoticeCause::field_check && notice.writes.empty() &&
                field_change(entry.field, texts[k]).rejected) {
                reasons_[k] = notice.text;
            }
        }
    }
    show_status();
    if (edited) {
        edited(std::nullopt);
    }
}

bool ParameterPanel::eventFilter(QObject* watched, QEvent* event) {
    const auto at = std::find(fields_.begin(), fields_.end(), watched);
    if (at == fields_.end() || !(*at)->isEnabled()) {
        return QObject::eventFilter(watched, event);
    }
    const auto k = static_cast<std::size_t>(at - fields_.begin());
    const auto f = static_cast<Field>(k);
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool history = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
        // The field's own undo while its text is being typed; the program's once it is taken.
        if (history && !(*at)->isUndoAvailable() && !(*at)->isRedoAvailable()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        // A notch is 120 eighths of a degree; a touchpad's smaller turns add up to one.
        wheel_[k] += wheel->angleDelta().y();
        const int notches = wheel_[k] / 120;
        wheel_[k] %= 120;
        if (notches != 0) {
            step(f, notches,
                 wheel->modifiers() & Qt::ControlModifier ? StepKind::decade : StepKind::digit);
        }
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int steps = key->key() == Qt::Key_Up         ? 1
                          : key->key() == Qt::Key_Down     ? -1
                          : key->key() == Qt::Key_PageUp   ? 10
                          : key->key() == Qt::Key_PageDown ? -10
                                                           : 0;
        if (steps != 0) {
            step(f, steps,
                 key->modifiers() & Qt::ControlModifier ? StepKind::decade : StepKind::digit);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// A step writes no more digits than the field shows, and never below a millionth of its unit.
StepLimits ParameterPanel::step_limits(const QLineEdit* edit) {
    const QRect inside = edit->contentsRect().marginsRemoved(edit->textMargins());
    const int digit = std::max(1, edit->fontMetrics().horizontalAdvance(QLatin1Char('0')));
    // The line edit keeps a few pixels of its own either side of the text.
    const int shown = std::max(1, (inside.width() - 6) / digit);
    return {static_cast<std::size_t>(shown), 1e-6};
}

bool ParameterPanel::step(Field f, int steps, StepKind kind) {
    const auto k = static_cast<std::size_t>(f);
    QLineEdit* edit = field(f);
    const auto next =
        stepped_text(edit->text().toStdString(), steps, kind, step_units_[k], step_limits(edit));
    // The other fields' edits are over, as when typing here.
    for (const FieldEntry& entry : field_table()) {
        if (entry.field != f && !pending_[static_cast<std::size_t>(entry.field)]) {
            simulation_.commit_edit(entry.field);
        }
    }
    if (!next || !simulation_.type_text(f, next->text).taken) {
        // Not a step the model takes as it stands: a short flash, and the value stays.
        tint(edit, palette_->pending, palette_->window_text);
        QTimer::singleShot(350, this, [this] { show_status(); });
        return false;
    }
    writing_ = true;
    edit->setText(qt(next->text));
    writing_ = false;
    step_units_[k] = next->unit;
    pending_[k] = false;
    reasons_[k].clear();
    simulation_.commit_edit(f); // a step is a finished edit
    show_status();
    if (edited) {
        edited(f);
    }
    return true;
}

bool ParameterPanel::any_pending() const {
    return std::any_of(pending_.begin(), pending_.end(), [](bool p) { return p; });
}

std::string ParameterPanel::held_text(Field f) const {
    const SimulationState& s = simulation_.state();
    const FieldEntry& entry = field_entry(f);
    const std::string text = field(f)->text().toStdString();
    const FieldChange reading = field_change(f, text);
    if (!reading.rejected && reading.stored == s.*entry.param) {
        return text;
    }
    const std::string general = field_text_general(f, s.*entry.param);
    const auto first = general.find_first_not_of(' ');
    return first == std::string::npos ? general : general.substr(first);
}

void ParameterPanel::set_locked(bool locked) {
    for (QLineEdit* f : fields_) {
        f->setEnabled(!locked);
    }
}

void ParameterPanel::set_palette(const Palette& palette) {
    palette_ = &palette;
    show_status();
}

void ParameterPanel::show_status() {
    const SimulationState& s = simulation_.state();
    for (const FieldEntry& entry : field_table()) {
        const auto k = static_cast<std::size_t>(entry.field);
        QLineEdit* f = fields_[k];
        const FieldChange reading = field_change(entry.field, f->text().toStdString());
        const bool shown = !reading.rejected && reading.stored == s.*entry.param;
        const bool tinted = pending_[k] || !shown;
        tint(f, tinted ? palette_->pending : palette_->field, palette_->window_text);
        QString tooltip = tooltips_[k];
        if (tinted && !reasons_[k].empty()) {
            tooltip += QCoreApplication::translate("ParameterPanel", "\nЗначение не принято: ") +
                       qt(reasons_[k]);
        }
        f->setToolTip(tooltip);
    }
}

} // namespace ovrelan

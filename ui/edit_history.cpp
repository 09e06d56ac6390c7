#include "ui/edit_history.h"

#include "simulation/simulation.h"
#include "ui/parameter_panel.h"

#include <QCoreApplication>
#include <QUndoCommand>
#include <QUndoStack>

namespace ovrelan {

namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What changed, for the menu: «R(Ом) = 0.05», or how many fields.
QString described(const FieldTexts7& before, const FieldTexts7& after) {
    std::vector<std::size_t> changed;
    for (std::size_t k = 0; k < before.size(); ++k) {
        if (before[k] != after[k]) {
            changed.push_back(k);
        }
    }
    if (changed.size() == 1) {
        const auto field = static_cast<Field>(changed.front());
        return qt(field_caption(field)) + " = " + qt(after[changed.front()]).trimmed();
    }
    return QString(QCoreApplication::translate("EditHistory", "значения %1 полей"))
        .arg(changed.size());
}

} // namespace

// The seven texts before and after an edit.
class TextsCommand final : public QUndoCommand {
public:
    TextsCommand(EditHistory& history, FieldTexts7 before, FieldTexts7 after,
                 std::optional<Field> stepped)
        : QUndoCommand(described(before, after)), history_(history), before_(std::move(before)),
          after_(std::move(after)), stepped_(stepped) {}

    void undo() override { history_.apply_texts(before_); }
    void redo() override {
        if (first_) {
            first_ = false; // pushed after the edit was made: nothing to do yet
            return;
        }
        history_.apply_texts(after_);
    }
    // Steps on one field, one after another, are one step of the history.
    int id() const override { return stepped_ ? 100 + static_cast<int>(*stepped_) : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* o = dynamic_cast<const TextsCommand*>(other);
        if (o == nullptr || !stepped_ || o->stepped_ != stepped_) {
            return false;
        }
        after_ = o->after_;
        setText(described(before_, after_));
        return true;
    }

private:
    EditHistory& history_;
    FieldTexts7 before_;
    FieldTexts7 after_;
    std::optional<Field> stepped_;
    bool first_ = true;
};

// The remembered curves before and after «Запомнить кривые» or «Забыть кривые».
class RememberedCommand final : public QUndoCommand {
public:
    RememberedCommand(Simulation& simulation, Remembered before, Remembered after)
        : QUndoCommand(after.size() > before.size()
                           ? QCoreApplication::translate("EditHistory", "запомнить кривые")
                           : QCoreApplication::translate("EditHistory", "забыть кривые")),
          simulation_(simulation), before_(std::move(before)), after_(std::move(after)) {}
    void undo() override { simulation_.set_remembered(before_); }
    void redo() override {
        if (first_) {
            first_ = false;
            return;
        }
        simulation_.set_remembered(after_);
    }

private:
    Simulation& simulation_;
    Remembered before_;
    Remembered after_;
    bool first_ = true;
};

// The family of curves asked for before and after «Семейство кривых…» or «Убрать семейство».
class FamilyCommand final : public QUndoCommand {
public:
    FamilyCommand(Simulation& simulation, std::optional<FamilyRequest> before,
                  std::optional<FamilyRequest> after)
        : QUndoCommand(after ? QCoreApplication::translate("EditHistory", "семейство кривых")
                             : QCoreApplication::translate("EditHistory", "убрать семейство")),
          simulation_(simulation), before_(std::move(before)), after_(std::move(after)) {}
    void undo() override { simulation_.set_family(before_); }
    void redo() override {
        if (first_) {
            first_ = false;
            return;
        }
        simulation_.set_family(after_);
    }

private:
    Simulation& simulation_;
    std::optional<FamilyRequest> before_;
    std::optional<FamilyRequest> after_;
    bool first_ = true;
};

// The measured trace before and after it was opened, closed or moved in time.
class MeasurementCommand final : public QUndoCommand {
public:
    MeasurementCommand(Simulation& simulation, std::optional<Measurement> before,
                       std::optional<Measurement> after)
        : QUndoCommand(!after ? QCoreApplication::translate("EditHistory", "закрыть измерения")
                       : before && before->trace == after->trace
                           ? QCoreApplication::translate("EditHistory", "сдвиг измерений")
                           : QCoreApplication::translate("EditHistory", "открыть измерения")),
          simulation_(simulation), before_(std::move(before)), after_(std::move(after)) {}
    void undo() override { simulation_.set_measurement(before_); }
    void redo() override {
        if (first_) {
            first_ = false;
            return;
        }
        simulation_.set_measurement(after_);
    }

private:
    Simulation& simulation_;
    std::optional<Measurement> before_;
    std::optional<Measurement> after_;
    bool first_ = true;
};

EditHistory::EditHistory(QObject* parent, ParameterPanel& panel, Simulation& simulation)
    : QObject(parent), panel_(panel), simulation_(simulation),
      stack_(std::make_unique<QUndoStack>()) {
    connect(stack_.get(), &QUndoStack::indexChanged, this, [this] {
        if (changed) {
            changed();
        }
    });
}

EditHistory::~EditHistory() {
    stack_->disconnect(this);
}

FieldTexts7 EditHistory::shown_texts() const {
    FieldTexts7 texts;
    for (const FieldEntry& entry : field_table()) {
        texts[static_cast<std::size_t>(entry.field)] = panel_.held_text(entry.field);
    }
    return texts;
}

void EditHistory::start_from_here() {
    last_ = shown_texts();
    stack_->clear();
}

void EditHistory::note(std::optional<Field> stepped) {
    if (applying_) {
        return;
    }
    // The values the model holds, once every edit has ended: a text that waits, or that was
    // refused, is not a step of its own.
    if (panel_.any_pending()) {
        return;
    }
    FieldTexts7 now = shown_texts();
    // A text written otherwise for the same value is no change: the step keeps the text it had.
    for (const FieldEntry& entry : field_table()) {
        const auto k = static_cast<std::size_t>(entry.field);
        if (now[k] != last_[k] && field_change(entry.field, now[k]).stored ==
                                      field_change(entry.field, last_[k]).stored) {
            now[k] = last_[k];
        }
    }
    if (now == last_) {
        return;
    }
    stack_->push(new TextsCommand(*this, last_, now, stepped));
    last_ = now;
}

void EditHistory::note_remembered(const Remembered& before) {
    if (applying_ || before == simulation_.remembered()) {
        return;
    }
    stack_->push(new RememberedCommand(simulation_, before, simulation_.remembered()));
}

void EditHistory::note_family(const std::optional<FamilyRequest>& before) {
    if (applying_ || before == simulation_.family_request()) {
        return;
    }
    stack_->push(new FamilyCommand(simulation_, before, simulation_.family_request()));
}

void EditHistory::note_measurement(const std::optional<Measurement>& before) {
    if (applying_ || before == simulation_.measurement()) {
        return;
    }
    stack_->push(new MeasurementCommand(simulation_, before, simulation_.measurement()));
}

void EditHistory::begin_step(const QString& text) {
    stack_->beginMacro(text);
}

void EditHistory::end_step() {
    stack_->endMacro();
}

void EditHistory::apply_texts(const FieldTexts7& texts) {
    applying_ = true;
    panel_.enter_all(texts);
    applying_ = false;
    last_ = texts;
}

void EditHistory::set_running(bool running) {
    running_ = running;
    if (changed) {
        changed();
    }
}

void EditHistory::undo() {
    if (can_undo()) {
        simulation_.finish_pending_edits();
        stack_->undo();
    }
}

void EditHistory::redo() {
    if (can_redo()) {
        simulation_.finish_pending_edits();
        stack_->redo();
    }
}

bool EditHistory::can_undo() const {
    return !running_ && stack_->canUndo();
}

bool EditHistory::can_redo() const {
    return !running_ && stack_->canRedo();
}

QString EditHistory::undo_text() const {
    return stack_->canUndo()
               ? QCoreApplication::translate("EditHistory", "Отменить: ") + stack_->undoText()
               : QString(QCoreApplication::translate("EditHistory", "Отменить"));
}

QString EditHistory::redo_text() const {
    return stack_->canRedo()
               ? QCoreApplication::translate("EditHistory", "Повторить: ") + stack_->redoText()
               : QString(QCoreApplication::translate("EditHistory", "Повторить"));
}

} // namespace ovrelan

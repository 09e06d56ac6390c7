// Undo and redo of what a person does to the circuit: a field's edit, a run of wheel or key steps
// on one field (one step of the history however many notches), an example or a task opened, the
// remembered curves kept or forgotten, a family of curves set or cleared, a measured trace opened,
// closed or moved, a fit accepted. Each step holds the
// seven field texts (or the remembered solutions, or the family asked for) before and after;
// undoing enters the texts before through the same chain as typing them, so nothing writes the
// state around the simulation. A refused value changes nothing and leaves no step. Nothing is
// undone during a run.
#pragma once

#include "model/parameter_fields.h"
#include "model/simulation_state.h"
#include "simulation/simulation.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QUndoStack;

namespace ovrelan {

class ParameterPanel;

using FieldTexts7 = std::array<std::string, 7>;
using Remembered = std::vector<std::shared_ptr<const SimulationState>>;

class EditHistory final : public QObject {
public:
    EditHistory(QObject* parent, ParameterPanel& panel, Simulation& simulation);
    ~EditHistory() override;

    // The texts the history starts from (after start-up).
    void start_from_here();
    // An edit has ended with the model holding what the fields show: a step of the history when
    // the texts differ from the last step's. `stepped`: the wheel or the keys stepped this field
    // (successive steps on one field make one step of the history).
    void note(std::optional<Field> stepped = std::nullopt);
    // The remembered curves were changed by the person.
    void note_remembered(const Remembered& before);
    // The family of curves was set or cleared by the person.
    void note_family(const std::optional<FamilyRequest>& before);
    // The measured trace was opened, closed or moved in time by the person.
    void note_measurement(const std::optional<Measurement>& before);
    // Everything noted between these two is one step of the history (an accepted fit: the
    // fields and the trace's time together).
    void begin_step(const QString& text);
    void end_step();
    // No undo or redo during a run.
    void set_running(bool running);

    void undo();
    void redo();
    bool can_undo() const;
    bool can_redo() const;
    // What undo and redo would do, for their menu items.
    QString undo_text() const;
    QString redo_text() const;
    QUndoStack& stack() { return *stack_; }

    // Called when what undo and redo can do changes.
    std::function<void()> changed;

private:
    friend class TextsCommand;
    friend class RememberedCommand;
    void apply_texts(const FieldTexts7& texts);
    FieldTexts7 shown_texts() const;

    ParameterPanel& panel_;
    Simulation& simulation_;
    std::unique_ptr<QUndoStack> stack_;
    FieldTexts7 last_;
    bool applying_ = false;
    bool running_ = false;
};

} // namespace ovrelan

// The seven parameter fields (Text1 ... Text7) with their captions (Label0 ... Label7). Typing is
// live, corrections are not: a keystroke whose text the chain takes as it stands is taken at
// once; a text that would bring a message waits, tinted, until its edit is finished (Enter, the
// focus leaving, or an action that reads the fields). A field whose text is not the model's
// value is tinted, and its tooltip says why.
//
// The mouse wheel over a field, or Up and Down in it, steps its value by its last significant
// digit (Ctrl: along 1, 2, 5 × 10ⁿ; PageUp and PageDown: ten steps), and each step is taken at
// once as a finished edit. A step the checks would refuse or correct does not happen: the field
// flashes and keeps its value, and no message comes.
#pragma once

#include "chain/recompute.h"
#include "geometry/palette.h"
#include "model/parameter_fields.h"
#include "model/value_steps.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QWidget;

namespace ovrelan {

class Simulation;

class ParameterPanel final : public QObject {
public:
    // The fields and their labels are made on `client`; the panel follows the simulation.
    ParameterPanel(QWidget* client, Simulation& simulation);

    QLineEdit* field(Field f) const { return fields_[static_cast<std::size_t>(f)]; }
    QLabel* label(Field f) const { return labels_[static_cast<std::size_t>(f)]; }

    // Start-up: the default texts, written before the handlers act.
    void write_texts(const std::array<std::string, 7>& texts);
    // Finishes the edit of every field whose text waits: its messages come now.
    void finish_pending_edits();
    // A text written back after a message: already handled by the chain that wrote it.
    void write_back(const FieldWrite& write);
    // All seven fields at once (an example, a task): written, then one chain over them.
    void enter_all(const std::array<std::string, 7>& texts);
    // The fields can be edited or not (a run locks them).
    void set_locked(bool locked);
    // What a step may write into this field: as many digits as it shows.
    static StepLimits step_limits(const QLineEdit* edit);
    // Steps a field's value (what the wheel and the arrow keys do); false when the step did not
    // happen.
    bool step(Field f, int steps, StepKind kind);
    // Tint and tooltips after the model changed.
    void show_status();
    // The fields' colours in a look.
    void set_palette(const Palette& palette);
    // A field's text waits for its edit to end.
    bool any_pending() const;
    // What the model holds for a field, as text: the field's text when it shows that value,
    // otherwise the value written as the program writes it.
    std::string held_text(Field f) const;
    // An edit has ended (a field's, a step's, all seven at once): for the history of edits.
    // `stepped` names the field a step went to.
    std::function<void(std::optional<Field> stepped)> edited;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Palette* palette_ = &palette_of(PaletteKind::light);
    void text_changed(Field f); // Text1_Change ... Text7_Change
    void typing(Field f);
    void finish_edit(Field f);

    Simulation& simulation_;
    QLabel* header_; // Label0
    std::array<QLabel*, 7> labels_{};
    std::array<QLineEdit*, 7> fields_{};
    // A field whose text waits for the end of its edit, and why a field's text is not the
    // model's value.
    std::array<bool, 7> pending_{};
    std::array<std::string, 7> reasons_{};
    std::array<QString, 7> tooltips_{};
    bool writing_ = false; // texts written by the program: the chain has handled them
    // The digit the steps of a field go by, kept from one step to the next until it is typed in.
    std::array<std::optional<int>, 7> step_units_{};
    std::array<int, 7> wheel_{}; // eighths of a degree turned and not yet stepped
};

} // namespace ovrelan

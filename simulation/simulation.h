// The simulation at the centre of the program: it owns the one SimulationState, runs the
// recompute chain on it and announces what changed. The panel, the scene, the graph windows and
// the run controller subscribe; nobody calls them one by one.
#pragma once

#include "chain/family.h"
#include "chain/recompute.h"
#include "model/defaults.h"
#include "model/simulation_state.h"
#include "simulation/measurement.h"
#include "solution/solution_summary.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace ovrelan {

// What a family of curves is asked to be: the parameter swept and its values as the family
// dialog or the command line wrote them (a list or a range, model/sweep_values.h), with the
// decimal separator of its legend.
struct FamilyRequest {
    Field parameter = Field::R;
    std::string values;
    char decimal_separator = ',';
    bool operator==(const FamilyRequest&) const = default;
};

class Simulation final : public QObject {
    Q_OBJECT

public:
    // Shows what a chain has to tell the student (tones, boxes, texts written back into
    // fields); called before the change is announced.
    using Presenter = std::function<void(const ChainResult&)>;

    Simulation();

    // The simulation is the only writer of the state: everything else reads it and asks for a
    // change by one of the commands below.
    const SimulationState& state() const { return state_; }

    void set_presenter(Presenter presenter) { presenter_ = std::move(presenter); }
    // Whoever holds edits not yet finished (the parameter fields) finishes them when asked.
    void set_edit_finisher(std::function<void()> finish) { finish_edits_ = std::move(finish); }
    // Every action that reads the model (saving, printing, exporting, a run) asks first: the
    // messages of a text still waiting come before any dialog, and the model then holds what the
    // fields show, its family included.
    void finish_pending_edits() {
        if (finish_edits_) {
            finish_edits_();
        }
        settle_family();
    }

    // Start-up: the default values into the state; the texts for the seven fields.
    DefaultTexts set_defaults(char decimal_separator);
    // The first computation of start-up, before the field handlers are active.
    void compute_at_start_up();
    // From now on the field handlers act.
    void set_ready() { ready_ = true; }
    bool ready() const { return ready_; }

    // A field's edit is finished (TextN_Change): the whole chain, its notices presented, and
    // the change announced. Nothing happens before start-up has ended.
    ChainResult enter_text(Field field, std::string_view text);
    // Several fields at once (an example, a task): their checks, then one chain.
    ChainResult enter_texts(std::span<const FieldText> texts);
    // A keystroke: a text the chain takes as it stands is taken and announced at once; anything
    // else leaves the state as it was (see type_text in chain/recompute).
    Typing type_text(Field field, std::string_view text);
    // An edit ended with its typed value taken: a later refusal goes back to that value.
    void commit_edit(Field field) { ovrelan::commit_edit(state_, field); }
    // A new run starts from the first point: the arrays stay, the graphs and the scene start
    // again from k = 0.
    void rewind();

    // The run plays grid point k_now: the graphs draw up to it, then the position advances.
    void play_point();
    // The run jumps to where playing every point would end: the graphs draw the whole curve.
    void play_to_end();
    // The run position moves to k (0 ... the run's end): the graphs and the scene show it.
    void show_position(int k);
    // An animation frame has ended: the circuit shows the run position.
    void show_frame();

    // Solutions kept to compare the present one with, oldest first: at most three, the oldest
    // going when a fourth comes. The same parameters are kept once.
    static constexpr std::size_t most_remembered = 3;
    void remember();
    void forget();
    // The remembered solutions as they were (undoing «Запомнить» or «Забыть»).
    void set_remembered(std::vector<std::shared_ptr<const SimulationState>> kept);
    const std::vector<std::shared_ptr<const SimulationState>>& remembered() const {
        return remembered_;
    }

    // A family of curves beside the present circuit. Each member is the present circuit with the
    // swept parameter at one value: the other parameters follow the present circuit, so the
    // family is built again whenever the present circuit is computed anew (and so are the
    // values written against it: «0,5·Rк» follows the present Rк). Values the model refuses
    // are kept in the family's list of refusals with their reasons.
    void set_family(std::optional<FamilyRequest> request);
    const std::optional<FamilyRequest>& family_request() const { return family_request_; }
    // The family as last built; null when none is asked for.
    const Family* family() const { return family_ ? &*family_ : nullptr; }
    // How long after the present circuit is computed anew its family follows. Zero (as made):
    // at once, in the same step. The window sets a short pause, so that rolling the wheel over a
    // field recomputes the present circuit alone at every notch and the family once, when the
    // wheel rests; until then the family drawn is the one last built.
    void set_family_delay(std::chrono::milliseconds delay);
    // The family waits for its pause to end.
    bool family_pending() const { return family_timer_.isActive(); }
    // The family made for the present circuit now, if it waits (saving and exporting ask first).
    void settle_family();
    // Counts the families built: a view that shows the family keeps what it made from it while
    // this stays the same (a wheel rolling over a field recomputes the present circuit only).
    std::uint64_t family_generation() const { return family_generation_; }

    // A measured trace drawn beside the computed curves on the graph of its quantity; nothing when
    // none is open. Setting the same one again announces nothing.
    void set_measurement(std::optional<Measurement> measurement);
    const std::optional<Measurement>& measurement() const { return measurement_; }
    // A trace dragged along the time axis was let go: one edit from `before` to the present one.
    void finish_measurement_drag(const std::optional<Measurement>& before) {
        if (before != measurement_) {
            emit measurement_dragged(before);
        }
    }

    // The min/max summary of a solution's arrays: the present one's, a remembered one's or a
    // family member's, made once when first asked for after the arrays changed (null for
    // another state).
    const SolutionSummary* summary_of(const SimulationState& s) const;

signals:
    // A chain has computed new characteristics and arrays (k_now = 0), or a run starts again.
    void recomputed();
    // The run has played grid point k; k_now is k + 1 afterwards.
    void point_played(int k);
    // An animation frame has ended at the run position k_now.
    void frame_shown();
    // The run position jumped: the graphs and the scene show it.
    void position_jumped();
    // A solution was remembered, or the remembered ones forgotten.
    void remembered_changed();
    // A family was set or cleared (its rebuilding after a recomputation is announced by
    // recomputed(), which follows it).
    void family_changed();
    // A measured trace was opened, closed or moved in time.
    void measurement_changed();
    // A drag of the trace ended (its steps announced by measurement_changed() as it went).
    void measurement_dragged(const std::optional<Measurement>& before);

private:
    void announce(const ChainResult& result);

    SimulationState state_;
    // False while start-up runs (ready_flag): edits and resizes do nothing until it is set.
    bool ready_ = false;
    Presenter presenter_;
    std::function<void()> finish_edits_;
    std::vector<std::shared_ptr<const SimulationState>> remembered_;
    void arrays_changed();
    void rebuild_family();
    std::optional<FamilyRequest> family_request_;
    QTimer family_timer_;
    std::optional<Family> family_;
    std::uint64_t family_generation_ = 0;
    std::optional<Measurement> measurement_;
    // One summary per member, made when first asked for, dropped with the member.
    mutable std::vector<std::unique_ptr<SolutionSummary>> family_summaries_;
    mutable std::unique_ptr<SolutionSummary> summary_;
    mutable std::vector<std::pair<const SimulationState*, std::shared_ptr<SolutionSummary>>>
        kept_summaries_;
};

} // namespace ovrelan

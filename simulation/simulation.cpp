#include "simulation/simulation.h"

#include "solution/solution_arrays.h"

#include <algorithm>
#include <cmath>

namespace ovrelan {

Simulation::Simulation() {
    family_timer_.setSingleShot(true);
    connect(&family_timer_, &QTimer::timeout, this, [this] {
        rebuild_family();
        emit family_changed();
    });
}

void Simulation::set_family_delay(std::chrono::milliseconds delay) {
    family_timer_.setInterval(delay);
}

void Simulation::settle_family() {
    if (family_timer_.isActive()) {
        family_timer_.stop();
        rebuild_family();
        emit family_changed();
    }
}

DefaultTexts Simulation::set_defaults(char decimal_separator) {
    ready_ = false;
    return ovrelan::set_defaults(state_, decimal_separator);
}

void Simulation::compute_at_start_up() {
    recompute(state_);
    arrays_changed();
    emit recomputed();
}

ChainResult Simulation::enter_text(Field field, std::string_view text) {
    ChainResult result = ovrelan::enter_text(state_, field, text);
    if (ready()) {
        announce(result);
    }
    return result;
}

ChainResult Simulation::enter_texts(std::span<const FieldText> texts) {
    ChainResult result = ovrelan::enter_texts(state_, texts);
    if (ready()) {
        announce(result);
    }
    return result;
}

Typing Simulation::type_text(Field field, std::string_view text) {
    Typing typing = ovrelan::type_text(state_, field, text);
    if (typing.recomputed) {
        arrays_changed();
        emit recomputed();
    }
    return typing;
}

void Simulation::remember() {
    if (!ready_ || state_.t_grid.empty()) {
        return;
    }
    for (const auto& kept : remembered_) {
        if (static_cast<const Parameters&>(*kept) == static_cast<const Parameters&>(state_)) {
            return;
        }
    }
    if (remembered_.size() == most_remembered) {
        remembered_.erase(remembered_.begin());
    }
    remembered_.push_back(std::make_shared<const SimulationState>(state_));
    emit remembered_changed();
}

void Simulation::set_remembered(std::vector<std::shared_ptr<const SimulationState>> kept) {
    remembered_ = std::move(kept);
    emit remembered_changed();
}

void Simulation::forget() {
    if (!remembered_.empty()) {
        remembered_.clear();
        emit remembered_changed();
    }
}

void Simulation::rewind() {
    state_.k_now = 0;
    emit recomputed();
}

// The notices first (the boxes show over the last picture), then the new state, when the chain
// computed one: a chain that leaves the parameters as they were keeps the run position and the
// curves drawn.
void Simulation::announce(const ChainResult& result) {
    if (presenter_) {
        presenter_(result);
    }
    if (result.computed) {
        arrays_changed();
        emit recomputed();
    }
}

void Simulation::arrays_changed() {
    summary_.reset();
    if (family_request_ && family_timer_.interval() > 0) {
        family_timer_.start(); // the family drawn meanwhile is the last one built
        return;
    }
    rebuild_family();
}

void Simulation::rebuild_family() {
    ++family_generation_;
    family_summaries_.clear();
    if (!family_request_) {
        family_.reset();
        return;
    }
    family_ = build_family(state_, family_request_->parameter, family_request_->values,
                           family_request_->decimal_separator);
    family_summaries_.resize(family_->members.size());
}

void Simulation::set_family(std::optional<FamilyRequest> request) {
    if (request == family_request_) {
        return;
    }
    family_request_ = std::move(request);
    family_timer_.stop();
    rebuild_family();
    emit family_changed();
}

void Simulation::set_measurement(std::optional<Measurement> measurement) {
    if (measurement == measurement_) {
        return;
    }
    measurement_ = std::move(measurement);
    emit measurement_changed();
}

const SolutionSummary* Simulation::summary_of(const SimulationState& s) const {
    if (&s == &state_) {
        if (!summary_) {
            summary_ = std::make_unique<SolutionSummary>(state_);
        }
        return summary_.get();
    }
    if (family_) {
        for (std::size_t i = 0; i < family_->members.size(); ++i) {
            if (&family_->members[i].state == &s) {
                if (!family_summaries_[i]) {
                    family_summaries_[i] = std::make_unique<SolutionSummary>(s);
                }
                return family_summaries_[i].get();
            }
        }
    }
    std::erase_if(kept_summaries_, [this](const auto& entry) {
        return std::none_of(remembered_.begin(), remembered_.end(),
                            [&](const auto& kept) { return kept.get() == entry.first; });
    });
    for (const auto& [state, summary] : kept_summaries_) {
        if (state == &s) {
            return summary.get();
        }
    }
    for (const auto& kept : remembered_) {
        if (kept.get() == &s) {
            kept_summaries_.emplace_back(&s, std::make_shared<SolutionSummary>(s));
            return kept_summaries_.back().second.get();
        }
    }
    return nullptr;
}

void Simulation::play_point() {
    const int k = state_.k_now;
    Q_ASSERT(k < run_end(state_));
    emit point_played(k);
    state_.k_now = k + 1;
}

void Simulation::play_to_end() {
    show_position(std::max(state_.k_now, run_end(state_)));
}

void Simulation::show_position(int k) {
    state_.k_now = std::clamp(k, 0, run_end(state_));
    emit position_jumped();
}

void Simulation::show_frame() {
    emit frame_shown();
}

} // namespace ovrelan

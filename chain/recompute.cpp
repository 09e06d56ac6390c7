#include "chain/recompute.h"

#include "solution/solution_arrays.h"

namespace ovrelan {

namespace {

// The chain settles within a few passes: each guard fixes one parameter, and a refusal goes back
// to values that completed before. The bound only protects against a fault.
constexpr int max_passes = 32;

// Writing a text into a field by program runs its change handling: the field's reading of the
// text is stored.
void store_written(SimulationState& s, const FieldWrite& write) {
    store_field_value(s, write.field, field_change(write.field, write.text).stored);
}

Notice guard_notice(const GuardWarning& g) {
    return Notice{NoticeCause::guard, g.title, g.text, 0, {{g.field, g.field_text}}, g.number};
}

Notice refusal_notice(const Refusal& r) {
    Notice notice{NoticeCause::refusal, r.title, r.text, 0, {}, 0};
    for (const RestoredParameter& p : r.restored) {
        notice.writes.push_back({p.field, p.field_text});
    }
    return notice;
}

} // namespace

PassResult compute_pass(SimulationState& s) {
    const SimulationScalars before = s;
    PassResult r = calc_characteristics(s);
    if (r.kind != PassKind::computed) {
        return r;
    }
    const bool had_solution = !s.t_grid.empty();
    if (!build_solution(s)) {
        r = PassResult{PassKind::refused, std::nullopt, refuse_pass(s, before, refused_text)};
        // The arrays were rebuilt in place to keep memory at one set: the state is back to the
        // last completed pass, which rebuilds exactly the arrays it had.
        if (had_solution) {
            build_solution(s);
            s.k_now = before.k_now; // and the run position stays where it was
        } else {
            release_solution(s);
        }
        return r;
    }
    s.accepted = static_cast<const Parameters&>(s);
    return r;
}

ChainResult recompute(SimulationState& s) {
    ChainResult out;
    if (!s.t_grid.empty() && static_cast<const Parameters&>(s) == s.accepted) {
        return out; // nothing changed: the arrays, the run position and the curves stay
    }
    const int position = s.k_now;
    s.k_now = 0;
    for (int pass = 0; pass < max_passes; ++pass) {
        const PassResult r = compute_pass(s);
        if (r.kind == PassKind::computed) {
            out.computed = true;
            return out;
        }
        Notice notice =
            r.kind == PassKind::guarded ? guard_notice(*r.guard) : refusal_notice(*r.refusal);
        for (const FieldWrite& write : notice.writes) {
            store_written(s, write);
        }
        const bool refused = r.kind == PassKind::refused;
        out.notices.push_back(std::move(notice));
        if (refused && (s.t_grid.empty() || static_cast<const Parameters&>(s) == s.accepted)) {
            // Back to the last completed pass, whose arrays are still there (or were never
            // made): nothing to compute again, and the run position stays.
            s.k_now = position;
            return out;
        }
    }
    return out;
}

ChainResult enter_texts(SimulationState& s, std::span<const FieldText> texts) {
    ChainResult out;
    for (const FieldText& typed : texts) {
        const FieldChange change = field_change(typed.field, typed.text);
        if (!change.keeps_previous) {
            store_field_value(s, typed.field, change.stored);
        }
        if (!change.rejected) {
            continue;
        }
        Notice notice{NoticeCause::field_check,
                      change.message->title,
                      change.message->text,
                      change.beep_ms,
                      {},
                      0};
        if (change.write_back) {
            notice.writes.push_back({typed.field, *change.write_back});
            store_written(s, notice.writes.back());
        }
        out.notices.push_back(std::move(notice));
    }
    ChainResult chain = recompute(s);
    for (Notice& notice : chain.notices) {
        out.notices.push_back(std::move(notice));
    }
    out.computed = chain.computed;
    return out;
}

Typing type_text(SimulationState& s, Field field, std::string_view text) {
    const FieldChange change = field_change(field, text);
    if (change.rejected) {
        return {false, change.message->text};
    }
    double& param = s.*(field_entry(field).param);
    if (param == change.stored) {
        return {true, {}}; // the same value: nothing to recompute, the run position stays
    }
    const double previous = param;
    param = change.stored;
    if (const auto guard = find_guard(s)) {
        param = previous;
        return {false, guard->text};
    }
    const PassResult r = compute_pass(s);
    if (r.kind == PassKind::refused) {
        return {false, r.refusal->text}; // the pass put the state back as it was
    }
    return {true, {}, true};
}

ChainResult enter_text(SimulationState& s, Field field, std::string_view text) {
    const FieldText typed{field, text};
    return enter_texts(s, std::span<const FieldText>(&typed, 1));
}

} // namespace ovrelan

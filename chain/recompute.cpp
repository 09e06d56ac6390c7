#include "chain/recompute.h"

#include "model/translation.h"
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

// «Поле L(мкГн): оставлено 2000»; a second field on the same line starts with «поле».
std::string detail_line(Field field, const std::string& what, double value_held,
                        bool first = true) {
    return (first ? translated("Messages", "Поле ") : translated("Messages", "поле ")) +
           field_caption(field) + ": " + what + " " + field_value_text(field, value_held);
}

Notice guard_notice(const GuardWarning& g) {
    return Notice{NoticeCause::guard,
                  g.title,
                  g.text,
                  0,
                  {{g.field, g.field_text}},
                  g.number,
                  g.field,
                  detail_line(g.field, translated("Messages", "исправлено на"), g.corrected)};
}

Notice refusal_notice(const Refusal& r, const std::vector<RestoredParameter>& restored) {
    Notice notice{NoticeCause::refusal, r.title, r.text, 0, {}, 0, std::nullopt, {}};
    for (const RestoredParameter& p : restored) {
        notice.writes.push_back({p.field, p.field_text});
        notice.field = notice.field.value_or(p.field);
        notice.detail += (notice.detail.empty() ? "" : "; ") +
                         detail_line(p.field, translated("Messages", "оставлено"), p.value,
                                     notice.detail.empty());
    }
    return notice;
}

bool same_parameters(const SimulationState& s, const Parameters& p) {
    return static_cast<const Parameters&>(s) == p;
}

} // namespace

PassResult compute_pass(SimulationState& s, Field advice) {
    const SimulationScalars before = s;
    PassResult r = calc_characteristics(s, advice);
    if (r.kind != PassKind::computed) {
        return r;
    }
    const bool had_solution = !s.t_grid.empty();
    if (!build_solution(s)) {
        // The arrays were rebuilt in place to keep memory at one set: the last completed pass,
        // with its own parameters, rebuilds exactly the arrays it had. The refused values stay in
        // the parameters for the caller.
        const Parameters refused = s;
        static_cast<SimulationScalars&>(s) = before;
        static_cast<Parameters&>(s) = s.accepted;
        if (had_solution) {
            build_solution(s);
        } else {
            release_solution(s);
        }
        static_cast<Parameters&>(s) = refused;
        s.k_now = before.k_now; // and the run position stays where it was
        return PassResult{PassKind::refused, std::nullopt,
                          Refusal{translated("Messages", warning_title.data()),
                                  translated("Messages", refused_text.data()),
                                  {}}};
    }
    s.accepted = static_cast<const Parameters&>(s);
    return r;
}

ChainResult recompute(SimulationState& s, Field advice) {
    ChainResult out;
    if (!s.t_grid.empty() && same_parameters(s, s.accepted)) {
        return out; // nothing changed: the arrays, the run position and the curves stay
    }
    const int position = s.k_now;
    s.k_now = 0;
    for (int pass = 0; pass < max_passes; ++pass) {
        const PassResult r = compute_pass(s, advice);
        if (r.kind == PassKind::computed) {
            out.computed = true;
            return out;
        }
        if (r.kind == PassKind::guarded) {
            Notice notice = guard_notice(*r.guard);
            for (const FieldWrite& write : notice.writes) {
                store_written(s, write);
            }
            out.notices.push_back(std::move(notice));
            continue;
        }
        // Refused: every parameter this edit changed goes back to its value from before it.
        const std::vector<RestoredParameter> restored = restore_parameters(s, s.committed);
        out.notices.push_back(refusal_notice(*r.refusal, restored));
        if (s.t_grid.empty() || restored.empty() || same_parameters(s, s.accepted)) {
            // Back to the last completed pass, whose arrays are still there (or were never
            // made): nothing to compute again, and the run position stays.
            s.k_now = position;
            return out;
        }
    }
    return out;
}

void commit_edit(SimulationState& s, Field field) {
    const auto param = field_entry(field).param;
    s.committed.*param = s.*param;
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
                      0,
                      typed.field,
                      {}};
        const auto param = field_entry(typed.field).param;
        if (change.keeps_previous) {
            // A value that reads as zero: the field and the model go back to the value from
            // before the edit.
            const double previous = s.committed.*param;
            notice.writes.push_back({typed.field, field_text_general(typed.field, previous)});
            notice.detail = detail_line(typed.field, translated("Messages", "оставлено"), previous);
        } else {
            if (change.write_back) {
                notice.writes.push_back({typed.field, *change.write_back});
            }
            notice.detail =
                detail_line(typed.field, translated("Messages", "в расчёте"), change.stored);
        }
        for (const FieldWrite& write : notice.writes) {
            store_written(s, write);
        }
        out.notices.push_back(std::move(notice));
    }
    const Field advice = texts.size() == 1 ? texts.front().field : Field::Nmax;
    ChainResult chain = recompute(s, advice);
    for (Notice& notice : chain.notices) {
        out.notices.push_back(std::move(notice));
    }
    out.computed = chain.computed;
    // The edit is finished: what the fields typed and written hold now is what the next edit
    // starts from.
    for (const FieldText& typed : texts) {
        commit_edit(s, typed.field);
    }
    for (const Notice& notice : out.notices) {
        for (const FieldWrite& write : notice.writes) {
            commit_edit(s, write.field);
        }
    }
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
    const PassResult r = compute_pass(s, field);
    if (r.kind == PassKind::refused) {
        param = previous; // the pass put every other value back as it was
        return {false, r.refusal->text};
    }
    return {true, {}, true};
}

ChainResult enter_text(SimulationState& s, Field field, std::string_view text) {
    const FieldText typed{field, text};
    return enter_texts(s, std::span<const FieldText>(&typed, 1));
}

} // namespace ovrelan

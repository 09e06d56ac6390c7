#include "chain/family.h"

#include "model/characteristics.h"
#include "model/sentences.h"

#include "model/translation.h"

#include <algorithm>

namespace ovrelan {

namespace {

// What the program said about a value, its messages one after another.
std::string reason_of(const ChainResult& chain) {
    std::string reason;
    for (const Notice& notice : chain.notices) {
        reason = reason.empty() ? notice.text : join_sentences(reason, notice.text);
    }
    return reason.empty() ? std::string(refused_text) : reason;
}

} // namespace

MemberSolve solve_member(const SimulationState& present, Field field, std::string_view text) {
    MemberSolve out;
    static_cast<SimulationScalars&>(out.state) = present;
    // The edit starts from the present values: a refusal puts them back.
    out.state.committed = static_cast<const Parameters&>(present);
    out.chain = enter_text(out.state, field, text);
    return out;
}

Family build_family(const SimulationState& present, Field parameter, const SweepValues& values,
                    char decimal_separator) {
    Family family;
    family.parameter = parameter;
    if (!values.error.empty()) {
        family.error = values.error;
        return family;
    }
    for (const SweepItemError& item : values.refused) {
        family.refused.push_back({"«" + item.given + "»", item.reason});
    }
    const auto param = field_entry(parameter).param;
    for (const SweepValue& value : values.values) {
        const std::string named =
            sweep_label(parameter, value.typed, SweepMark::none, 4, decimal_separator);
        const double held = field_change(parameter, value.text).value;
        const bool repeated =
            std::any_of(family.members.begin(), family.members.end(),
                        [&](const FamilyMember& m) { return m.state.*param == held; });
        if (repeated) {
            family.refused.push_back(
                {named, translated("Family", "это значение в семействе уже есть")});
            continue;
        }
        MemberSolve solve = solve_member(present, parameter, value.text);
        if (!solve.chain.notices.empty() || !solve.chain.computed) {
            family.refused.push_back({named, reason_of(solve.chain)});
            continue;
        }
        FamilyMember member;
        member.value = value;
        member.mark = sweep_mark(parameter, solve.state.*param, present);
        member.state = std::move(solve.state);
        family.members.push_back(std::move(member));
    }
    std::vector<double> typed;
    for (const FamilyMember& m : family.members) {
        typed.push_back(m.value.typed);
    }
    const int digits = label_digits(typed);
    for (FamilyMember& m : family.members) {
        m.label = sweep_label(parameter, m.value.typed, m.mark, digits, decimal_separator);
        m.key = sweep_key(parameter, m.value.typed, digits, '.');
    }
    return family;
}

Family build_family(const SimulationState& present, Field parameter, std::string_view text,
                    char decimal_separator) {
    return build_family(present, parameter, read_sweep_values(parameter, text, present),
                        decimal_separator);
}

} // namespace ovrelan

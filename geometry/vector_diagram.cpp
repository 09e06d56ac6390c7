#include "geometry/vector_diagram.h"

#include "model/steady_state.h"
#include "model/translation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ovrelan {

VectorDiagram vector_diagram(const Parameters& p, double source_phase) {
    VectorDiagram d;
    // A negative frequency drives what its magnitude does: the steady state is that of |ν|.
    const auto steady = steady_state(p);
    if (!steady) {
        d.reason = translated(
            "Pictures", "Источник постоянный (ν = 0): установившегося синусоидального режима нет");
        return d;
    }
    if (steady->unbounded) {
        d.reason = translated("Pictures", "R = 0 на резонансной частоте: ток не ограничен");
        return d;
    }
    if (p.Em == 0) {
        d.reason = translated("Pictures", "Нет источника (ε = 0): вынужденных колебаний нет");
        return d;
    }
    d.phi = steady->phi;
    // The EMF at the source's phase, the current behind it by φ.
    const double emf_angle = source_phase + (p.Em < 0 ? std::numbers::pi : 0);
    const double current = emf_angle - d.phi;
    const double quarter = std::numbers::pi / 2;
    const auto add = [&](const char* name, double x0, double y0, double amplitude, double angle) {
        const Phasor v{
            name,     x0, y0, x0 + amplitude * std::cos(angle), y0 + amplitude * std::sin(angle),
            amplitude};
        d.phasors.push_back(v);
        return v;
    };
    const Phasor r = add("Ur", 0, 0, p.R > 0 ? steady->U_Rm : 0, current);
    if (!(p.R > 0)) {
        d.phasors.pop_back();
    }
    if (p.L > 0) {
        add("UL", r.x1, r.y1, steady->U_Lm, current + quarter);
    }
    if (p.C > 0) {
        add("Uc", r.x1, r.y1, steady->U_Cm, current - quarter);
    }
    if (p.L > 0 && p.C > 0) {
        const double X = steady->U_Lm - steady->U_Cm;
        add("UL+Uc", r.x1, r.y1, std::fabs(X), current + (X >= 0 ? quarter : -quarter));
    }
    const double emf = std::fabs(p.Em);
    d.phasors.push_back({"ε", 0, 0, emf * std::cos(emf_angle), emf * std::sin(emf_angle), emf});
    // The current's direction, drawn as long as the EMF's phasor: its length is not a voltage.
    d.phasors.push_back({"I", 0, 0, emf * std::cos(current), emf * std::sin(current), steady->I_m});
    for (const Phasor& v : d.phasors) {
        d.reach = std::max({d.reach, std::hypot(v.x0, v.y0), std::hypot(v.x1, v.y1)});
    }
    return d;
}

} // namespace ovrelan

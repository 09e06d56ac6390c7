// «Резонансная кривая» (form_Resonance): the circuit's resonance curve, following every edit and
// every step of a value; a logarithmic or linear frequency axis (context menu); its table for a
// spreadsheet.
#pragma once

#include "graphs/picture_window.h"
#include "graphs/resonance_picture.h"
#include "model/steady_state.h"

#include <cstdint>
#include <vector>

namespace ovrelan {

class ResonanceWindow final : public PictureWindow {
public:
    ResonanceWindow(Simulation& simulation, Platform& platform);

    const ResonanceCurve& curve() const { return curve_; }
    // The resonance curves of the simulation's family of curves, in its order.
    const std::vector<FamilyResonance>& family() const { return family_; }
    bool logarithmic() const { return logarithmic_; }
    void set_logarithmic(bool on);
    // The curve worked out again for the model's present values; the family's curves only when
    // the family was built anew.
    void recompute();

private:
    ResonanceCurve curve_;
    std::vector<FamilyResonance> family_;
    std::uint64_t family_generation_ = UINT64_MAX;
    bool logarithmic_ = true;
};

} // namespace ovrelan

// «Резонансная кривая» (form_Resonance): the circuit's resonance curve, following every edit and
// every step of a value; a logarithmic or linear frequency axis (context menu); its table for a
// spreadsheet.
#pragma once

#include "graphs/picture_window.h"
#include "model/steady_state.h"

namespace ovrelan {

class ResonanceWindow final : public PictureWindow {
public:
    ResonanceWindow(Simulation& simulation, Platform& platform);

    const ResonanceCurve& curve() const { return curve_; }
    bool logarithmic() const { return logarithmic_; }
    void set_logarithmic(bool on);
    // The curve worked out again for the model's present values.
    void recompute();

private:
    ResonanceCurve curve_;
    bool logarithmic_ = true;
};

} // namespace ovrelan

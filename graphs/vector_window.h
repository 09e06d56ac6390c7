// «Векторная диаграмма» (form_Vector): the phasors of the steady state, turning with the source
// during a run.
#pragma once

#include "graphs/picture_window.h"

namespace ovrelan {

class VectorWindow final : public PictureWindow {
public:
    VectorWindow(Simulation& simulation, Platform& platform);
    // The source's phase the diagram stands at: ω·t of the run position.
    double phase() const;
};

} // namespace ovrelan

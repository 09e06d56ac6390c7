// The characteristics panel's labels: the header (Label11), the value labels (Label12 ...
// Label26) and the circuit and its regime beside the header (Label27). It shows a PanelView.
#pragma once

#include "model/characteristics_panel.h"

#include <array>

class QLabel;
class QWidget;

namespace ovrelan {

class CharacteristicsView {
public:
    explicit CharacteristicsView(QWidget* client);
    // Visibility, captions and tooltips of the value labels, and the circuit's caption.
    void show(const PanelView& view);
    QLabel* value_label(PanelLabel l) const { return values_[static_cast<std::size_t>(l)]; }
    QLabel* circuit_label() const { return circuit_; }

private:
    QLabel* header_;                                  // Label11
    std::array<QLabel*, panel_label_count> values_{}; // Label12 ... Label26
    QLabel* circuit_;                                 // Label27
};

} // namespace ovrelan

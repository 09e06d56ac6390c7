// The frames «Графики» (Frame1, the boxes Check_L ... Check_W that show the graph windows) and
// «Поля» (Frame2, Check_E and Check_B that show the fields). A box the circuit cannot have is
// hidden and cleared as the characteristics panel says; one the program cleared is ticked again
// when its element returns, unless the student clicked it in between.
#pragma once

#include "geometry/graph_variants.h"
#include "model/characteristics_panel.h"

#include <QObject>

#include <array>
#include <unordered_set>

class QCheckBox;
class QGroupBox;
class QWidget;

namespace ovrelan {

class SelectionBoxes final : public QObject {
public:
    explicit SelectionBoxes(QWidget* client);

    QCheckBox* graph_box(GraphId id) const { return graph_boxes_[static_cast<std::size_t>(id)]; }
    QCheckBox* electric_field_box() const { return electric_field_box_; }
    QCheckBox* magnetic_field_box() const { return magnetic_field_box_; }
    QGroupBox* graphs_frame() const { return graphs_frame_; }
    QGroupBox* fields_frame() const { return fields_frame_; }

    // Shown, hidden, cleared as the panel of a computed pass says (the resistor's box last).
    void apply(const PanelView& view);
    // A run locks the boxes.
    void set_locked(bool locked);

private:
    void show_box(QCheckBox* box, Shown shown);

    QGroupBox* graphs_frame_;                 // Frame1
    std::array<QCheckBox*, 5> graph_boxes_{}; // Check_L, Check_C, Check_R, Check_I, Check_W
    QGroupBox* fields_frame_;                 // Frame2
    QCheckBox* electric_field_box_;           // Check_E
    QCheckBox* magnetic_field_box_;           // Check_B
    std::unordered_set<QCheckBox*> cleared_by_program_;
};

} // namespace ovrelan

#include "ui/selection_boxes.h"

#include "platform/fonts.h"
#include "ui/form_widgets.h"
#include "ui/texts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>

namespace ovrelan {

namespace {

QGroupBox* make_frame(QWidget* client, const char* name, const QString& caption) {
    auto* frame = new QGroupBox(caption, client);
    frame->setObjectName(name);
    frame->setFont(times_font());
    return frame;
}

} // namespace

SelectionBoxes::SelectionBoxes(QWidget* client)
    : QObject(client),
      graphs_frame_(
          make_frame(client, "Frame1", QCoreApplication::translate("SelectionBoxes", "Графики"))),
      fields_frame_(
          make_frame(client, "Frame2", QCoreApplication::translate("SelectionBoxes", "Поля"))) {
    for (const GraphVariant& variant : graph_variants()) {
        const int top = 16 + 18 * static_cast<int>(variant.id);
        QCheckBox* box = make_box(graphs_frame_, variant.check_box,
                                  graph_box_text(variant.id).caption, QRect(4, top, 60, 18));
        box->setToolTip(ui_text(graph_box_text(variant.id).tooltip));
        graph_boxes_[static_cast<std::size_t>(variant.id)] = box;
    }
    graphs_frame_->setToolTip(
        QCoreApplication::translate("SelectionBoxes", "Выбор показа графика"));
    magnetic_field_box_ = make_box(fields_frame_, "Check_B", "B", QRect(6, 18, 42, 20));
    electric_field_box_ = make_box(fields_frame_, "Check_E", "E", QRect(6, 40, 42, 20));
    electric_field_box_->setToolTip(
        QCoreApplication::translate("SelectionBoxes", "Электрическое поле конденсатора"));
    magnetic_field_box_->setToolTip(
        QCoreApplication::translate("SelectionBoxes", "Магнитное поле катушки"));
    fields_frame_->setToolTip(QCoreApplication::translate("SelectionBoxes", "Выбор показа полей"));
    // A letter says little to a screen reader: these two are named by what they show.
    electric_field_box_->setAccessibleName(electric_field_box_->toolTip());
    magnetic_field_box_->setAccessibleName(magnetic_field_box_->toolTip());
    // A box the student clicks is the student's: the program no longer ticks it back.
    std::vector<QCheckBox*> all(graph_boxes_.begin(), graph_boxes_.end());
    all.insert(all.end(), {magnetic_field_box_, electric_field_box_});
    for (QCheckBox* box : all) {
        connect(box, &QCheckBox::clicked, this, [this, box] { cleared_by_program_.erase(box); });
    }
}

// A box hidden and cleared also takes its window or field picture away, through its own
// handler.
void SelectionBoxes::show_box(QCheckBox* box, Shown shown) {
    box->setVisible(shown == Shown::show);
    if (shown == Shown::hide_clear && box->isChecked()) {
        cleared_by_program_.insert(box);
        box->setChecked(false);
    } else if (shown == Shown::show && cleared_by_program_.erase(box) > 0) {
        box->setChecked(true);
    }
}

void SelectionBoxes::apply(const PanelView& view) {
    show_box(graph_box(GraphId::UL), view.coil_emf_box);
    show_box(graph_box(GraphId::Uc), view.capacitor_voltage_box);
    fields_frame_->setVisible(view.field_frame == Shown::show);
    show_box(electric_field_box_, view.electric_field_box);
    show_box(magnetic_field_box_, view.magnetic_field_box);
    show_box(graph_box(GraphId::Ur), view.resistor_voltage_box);
}

void SelectionBoxes::set_locked(bool locked) {
    graphs_frame_->setEnabled(!locked);
    for (QCheckBox* box : graph_boxes_) {
        box->setEnabled(!locked);
    }
    fields_frame_->setEnabled(!locked);
    electric_field_box_->setEnabled(!locked);
    magnetic_field_box_->setEnabled(!locked);
}

} // namespace ovrelan

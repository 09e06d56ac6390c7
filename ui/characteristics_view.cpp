#include "ui/characteristics_view.h"

#include "ui/form_widgets.h"
#include "ui/texts.h"

#include <QCoreApplication>
#include <QLabel>

namespace ovrelan {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

CharacteristicsView::CharacteristicsView(QWidget* client) {
    header_ =
        make_label(client, "Label11",
                   QCoreApplication::translate("CharacteristicsView", "Характеристики"), true);
    for (std::size_t i = 0; i < panel_label_count; ++i) {
        const auto label = static_cast<PanelLabel>(i);
        values_[i] = make_label(client, qt(panel_label_name(label)), QString());
        values_[i]->setToolTip(value_label_tooltip(label));
    }
    circuit_ = make_label(client, "Label27", QString());
    circuit_->setToolTip(QCoreApplication::translate("CharacteristicsView", "Вид цепи и режим"));
    circuit_->setAccessibleName(circuit_->toolTip());
}

void CharacteristicsView::show(const PanelView& view) {
    for (std::size_t i = 0; i < panel_label_count; ++i) {
        const ValueLabel& v = view.labels[i];
        values_[i]->setVisible(v.visible);
        if (v.caption) {
            values_[i]->setText(qt(*v.caption));
        }
        if (v.tooltip) {
            values_[i]->setToolTip(qt(*v.tooltip));
        }
        // Named by its symbol and meaning; the value is its text.
        values_[i]->setAccessibleName(
            value_label_accessible_name(values_[i]->text(), values_[i]->toolTip()));
    }
    circuit_->setText(qt(view.circuit_caption));
}

} // namespace ovrelan

// Fixed texts of the main window and its menus.
#pragma once

#include "geometry/graph_variants.h"
#include "model/characteristics_panel.h"

#include <QString>

namespace ovrelan {

QString authors_credits();
QString about_text();
QString registration_text();

inline const QString exit_title = QStringLiteral("На Выход");
inline const QString exit_question = QStringLiteral("Вы абсолютно уверены?");
inline const QString main_caption = QStringLiteral("Ovrelan");
inline const QString running_caption = QStringLiteral("При работе размер окна изменить нельзя!");

// The design-time tooltip of a value label of the characteristics panel.
QString value_label_tooltip(PanelLabel label);

// The caption and the tooltip of a graph's check box.
struct GraphBoxText {
    const char* caption;
    const char* tooltip;
};
const GraphBoxText& graph_box_text(GraphId id);

} // namespace ovrelan

// Fixed texts of the main window and its menus.
#pragma once

#include "geometry/graph_variants.h"
#include "model/characteristics_panel.h"

#include <QCoreApplication>
#include <QString>

namespace ovrelan {

QString authors_credits();
QString about_text();
QString registration_text();

// The fixed texts below, given in Russian, in the language of the windows.
inline QString ui_text(const char* source) {
    return QCoreApplication::translate("Texts", source);
}

inline constexpr const char* exit_title = QT_TRANSLATE_NOOP("Texts", "На Выход");
inline constexpr const char* exit_question = QT_TRANSLATE_NOOP("Texts", "Вы абсолютно уверены?");
inline constexpr const char* main_caption = "Ovrelan";
inline constexpr const char* running_caption =
    QT_TRANSLATE_NOOP("Texts", "При работе размер окна изменить нельзя!");
inline constexpr const char* about_title = QT_TRANSLATE_NOOP("Texts", "О ПРОГРАММЕ");
inline constexpr const char* registration_title = QT_TRANSLATE_NOOP("Texts", "РЕГИСТРАЦИЯ");

// The design-time tooltip of a value label of the characteristics panel.
QString value_label_tooltip(PanelLabel label);
// What a screen reader calls a value label of the panel: its symbol (the caption before "=")
// and its meaning, «ω: Циклическая частота источника ЭДС»; the meaning alone where the caption
// has no "=" («Пост. ток Tv->oo»).
QString value_label_accessible_name(const QString& caption, const QString& meaning);

// The caption and the tooltip (translated in context "Texts") of a graph's check box.
struct GraphBoxText {
    const char* caption;
    const char* tooltip;
};
const GraphBoxText& graph_box_text(GraphId id);

} // namespace ovrelan

// Fixed texts of the main window and its menus.
#pragma once

#include <QString>

namespace ovrelan {

QString authors_credits();
QString about_text();
QString registration_text();

inline const QString exit_title = QStringLiteral("На Выход");
inline const QString exit_question = QStringLiteral("Вы абсолютно уверены?");
inline const QString main_caption = QStringLiteral("Ovrelan");

} // namespace ovrelan

// Fixed texts and fonts of the main window and its menus.
#pragma once

#include <QFont>
#include <QString>

namespace ovrelan {

QFont times_font(bool bold = false); // Times New Roman 11.25 pt
QFont sans_font(bool bold = false);  // MS Sans Serif 8.25 pt

QString authors_credits();
QString about_text();
QString registration_text();

inline const QString exit_title = QStringLiteral("На Выход");
inline const QString exit_question = QStringLiteral("Вы абсолютно уверены?");
inline const QString main_caption = QStringLiteral("Ovrelan");

} // namespace ovrelan

// The language of the windows: Russian, the language the texts are written in, or English.
#pragma once

#include <QString>
#include <QStringList>

namespace ovrelan {

enum class Language { russian, english };

// Where the choice made in «Вид → Язык» is kept: "ru" or "en".
inline constexpr const char* language_setting = "view/language";

// The code the settings keep for a language.
QString language_code(Language language);

// The language of the windows: the saved choice when it is one («ru», «en»); with nothing saved
// (or anything else), English when the system's first UI language is English, Russian otherwise
// (a «C» locale included).
Language language_in_use(const QString& saved, const QStringList& system_ui_languages);

// The same for the settings file and the system's locale as they are now.
Language language_at_start();

// What is said when another language is chosen: in that language.
QString language_change_note(Language chosen);

} // namespace ovrelan

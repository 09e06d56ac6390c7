#include "platform/language.h"

#include <QLocale>
#include <QSettings>

namespace ovrelan {

QString language_code(Language language) {
    return language == Language::english ? QStringLiteral("en") : QStringLiteral("ru");
}

Language language_in_use(const QString& saved, const QStringList& system_ui_languages) {
    const QString choice = saved.trimmed().toLower();
    if (choice == "en") {
        return Language::english;
    }
    if (choice == "ru") {
        return Language::russian;
    }
    if (system_ui_languages.isEmpty()) {
        return Language::russian;
    }
    // "en", "en-US", "en_GB.UTF-8", but not "eo" or "enm".
    const QString first = system_ui_languages.first().trimmed().toLower();
    const bool english = first == "en" || first.startsWith("en-") || first.startsWith("en_") ||
                         first.startsWith("en.");
    return english ? Language::english : Language::russian;
}

Language language_at_start() {
    const QVariant saved = QSettings().value(language_setting);
    return language_in_use(saved.typeId() == QMetaType::QString ? saved.toString() : QString(),
                           QLocale::system().uiLanguages());
}

QString language_change_note(Language chosen) {
    return chosen == Language::english
               ? QStringLiteral("The language will change the next time the program starts.")
               : QStringLiteral("Язык сменится при следующем запуске программы.");
}

} // namespace ovrelan

// The translations the windows use: Qt's own Russian ones (standard buttons «Да», «Нет», the
// fields' context menus) or the program's English ones.
#pragma once

#include "platform/language.h"

class QCoreApplication;
class QObject;
class QTranslator;

namespace ovrelan {

// Loads Qt's Russian translations from the installed Qt translations folder into the
// application. False when they are not installed (the texts then stay English).
bool install_russian_qt_translations(QCoreApplication& app);

// The program's English translation, embedded in it; null when it cannot be loaded. The caller
// installs it (QCoreApplication::installTranslator) and owns it.
QTranslator* english_translator(QObject* parent);

// The translations of the language at start: the program's English, or Qt's Russian; and the
// numbers of that language (platform/locale.h).
void install_translations(QCoreApplication& app, Language language);

} // namespace ovrelan

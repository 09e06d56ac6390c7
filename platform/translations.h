// Qt's own Russian translations: standard buttons («Да», «Нет»), the fields' context menus.
#pragma once

class QCoreApplication;

namespace ovrelan {

// Loads Qt's Russian translations from the installed Qt translations folder into the
// application. False when they are not installed (the texts then stay English).
bool install_russian_qt_translations(QCoreApplication& app);

} // namespace ovrelan

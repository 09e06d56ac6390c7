// Ovrelan: the main window with the platform's message boxes, tone and document viewer.
#include "platform/platform.h"
#include "platform/translations.h"
#include "ui/main_window.h"
#include "ui/menu_icons.h"

#include <QApplication>
#include <QLoggingCategory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Ovrelan");
    QApplication::setApplicationName("Ovrelan");   // QSettings: ~/.config/Ovrelan/Ovrelan.conf
    ovrelan::install_russian_qt_translations(app); // «Да», «Нет», the fields' context menus
    QApplication::setWindowIcon(ovrelan::letter_icon("LC", QColor(40, 110, 200)));
    // A machine without sound still plays nothing, silently.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));

    ovrelan::QtMessageBoxes boxes;
    ovrelan::QtTone tone;
    ovrelan::QtDocuments documents;
    ovrelan::QtDialogs dialogs;
    ovrelan::Platform platform{boxes, tone, documents, dialogs};

    ovrelan::MainWindow main_window(platform);
    main_window.show();
    // A task given on the command line: ovrelan задача.ovrelan
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        main_window.open_task(arguments.at(1));
    }
    return QApplication::exec();
}

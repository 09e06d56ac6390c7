#include "ui/application.h"

#include "io/system_errors.h"
#include "model/translation.h"
#include "platform/platform.h"
#include "platform/translations.h"
#include "ui/command_line.h"
#include "ui/export_command.h"
#include "ui/main_window.h"
#include "ui/measured_actions.h"
#include "ui/menu_icons.h"
#include "ui/report_command.h"

#include <QApplication>
#include <QEvent>
#include <QLoggingCategory>
#include <QTimer>

#include <cerrno>
#include <cstdio>

namespace ovrelan {

namespace {

// Writes the whole text and flushes it; false with errno set when any of it is lost.
bool written_whole(std::FILE* out, const QByteArray& text) {
    errno = 0;
    const bool written = std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()),
                                     out) == static_cast<std::size_t>(text.size());
    return std::fflush(out) == 0 && written && std::ferror(out) == 0;
}

// Quits once the watched window has painted.
class QuitAfterPaint final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            // exit(), not quit(): quit() would first ask the main window to close, and it asks.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }
};

// The application as the program sets it up, whatever it shows: the windows in the language
// chosen in «Вид → Язык» or the system's; files and pictures made from the command line in
// Russian.
void set_up(QApplication& app, bool windows) {
    QApplication::setApplicationVersion(OVRELAN_VERSION);
    QApplication::setOrganizationName("Ovrelan");
    QApplication::setApplicationName("Ovrelan"); // QSettings: ~/.config/Ovrelan/Ovrelan.conf
    install_translations(app, windows ? language_at_start() : Language::russian);
    translate_core_texts();
}

// --export-graph, --report and --worksheet: drawn offscreen (no display needed) unless a
// platform is asked for.
int export_without_window(int argc, char** argv, const CommandLine& line) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The terminal shows what the program says, in Russian: Qt's own notes about the desktop it
    // finds (no runtime folder, no fonts configured) are for developers, not for the teacher.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        }
    });
    QApplication app(argc, argv);
    set_up(app, false);
    QtMessageBoxes boxes;
    QtTone tone;
    QtDocuments documents;
    QtDialogs dialogs;
    Platform platform{boxes, tone, documents, dialogs};
    const ExportOutcome outcome =
        line.action == CommandLine::Action::report      ? report_command(line, platform)
        : line.action == CommandLine::Action::worksheet ? worksheet_command(line, platform)
                                                        : export_graph(line, platform);
    std::fputs(outcome.message.toLocal8Bit().constData(), stderr);
    return outcome.exit_status;
}

} // namespace

void translate_core_texts() {
    install_text_translator([](const char* context, const char* source) {
        return QCoreApplication::translate(context, source).toStdString();
    });
}

int run_program(int argc, char** argv, StartOptions options) {
    // The command line first: --help and --version need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const CommandLine line = parse_command_line(arguments);
    if (line.action == CommandLine::Action::export_graph ||
        line.action == CommandLine::Action::report ||
        line.action == CommandLine::Action::worksheet) {
        return export_without_window(argc, argv, line);
    }
    if (line.action != CommandLine::Action::run) {
        std::FILE* out = line.action == CommandLine::Action::error ? stderr : stdout;
        if (!written_whole(out, line.output.toLocal8Bit())) {
            // Help or version nobody got is not a success.
            const QByteArray why =
                QString::fromStdString(system_reason(errno != 0 ? errno : EIO)).toLocal8Bit();
            std::fprintf(stderr, "ovrelan: не удалось вывести текст: %s\n", why.constData());
            return line.exit_status != 0 ? line.exit_status : 1;
        }
        return line.exit_status;
    }

    QApplication app(argc, argv);
    set_up(app, true);
    QApplication::setWindowIcon(app_icon());
    QApplication::setDesktopFileName("org.ovrelan.Ovrelan");
    // A machine without sound still plays nothing, silently.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));

    QtMessageBoxes boxes;
    QtTone tone;
    QtDocuments documents;
    QtDialogs dialogs;
    Platform platform{boxes, tone, documents, dialogs};

    MainWindow main_window(platform);
    if (line.layout != CommandLine::Layout::remembered) {
        main_window.set_layout(line.layout == CommandLine::Layout::one_window
                                   ? MainWindow::Layout::one_window
                                   : MainWindow::Layout::windows);
    }
    QuitAfterPaint quit;
    if (options.quit_after_first_paint) {
        main_window.client_area()->installEventFilter(&quit);
    }
    main_window.show();
    // A task given on the command line (ovrelan задача.ovrelan), or measured data (ovrelan
    // осциллограмма.csv): its preview opens over the window.
    if (!line.task.isEmpty() && !options.quit_after_first_paint) {
        if (is_measured_file(line.task)) {
            main_window.measured().open(line.task);
        } else {
            main_window.open_task(line.task);
        }
    }
    const int status = QApplication::exec();
    if (options.quit_after_first_paint) {
        main_window.hide();
        return 0; // no exit question: nobody is there to answer it
    }
    return status;
}

} // namespace ovrelan

#include "ui/command_line.h"

#include <QCommandLineParser>

namespace ovrelan {

namespace {

const QString usage = QStringLiteral("Использование: ovrelan [--help] [--version] [ЗАДАЧА]");
const QString description =
    QStringLiteral("Ovrelan — учебный тренажёр по переходным процессам в последовательном контуре\n"
                   "из катушки, конденсатора, резистора, ключа и источника ЭДС.");

struct OptionText {
    QStringList names;
    const char* shown;
    const char* text;
};

const OptionText option_texts[] = {
    {{"h", "help"}, "-h, --help", "показать эту справку и выйти"},
    {{"v", "version"}, "-v, --version", "показать версию программы и выйти"},
};

QString help_text() {
    QString text = usage + "\n\n" + description + "\n\n";
    for (const OptionText& o : option_texts) {
        text += QString("  %1  %2\n").arg(QString(o.shown).leftJustified(14), o.text);
    }
    return text + QString("  %1  %2\n")
                      .arg(QString("ЗАДАЧА").leftJustified(14),
                           "файл задачи (.ovrelan), который открыть при запуске");
}

} // namespace

CommandLine parse_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help(option_texts[0].names, option_texts[0].text);
    const QCommandLineOption version(option_texts[1].names, option_texts[1].text);
    parser.addOption(help);
    parser.addOption(version);
    CommandLine line;
    const auto error = [&](const QString& what) {
        line.action = CommandLine::Action::error;
        line.output = "ovrelan: " + what + "\n" + usage + "\n";
        line.exit_status = 2;
        return line;
    };
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return error(unknown.isEmpty() ? parser.errorText()
                                       : "неизвестный параметр «" + unknown.first() + "»");
    }
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::help;
        line.output = help_text();
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::version;
        line.output = QString("Ovrelan %1\n").arg(OVRELAN_VERSION);
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return error("лишний файл «" + files.at(1) + "»: программа открывает одну задачу");
    }
    line.task = files.value(0);
    return line;
}

} // namespace ovrelan

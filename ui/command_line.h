// The program's command line, as a desktop program has it: --help, --version and one optional
// task file to open. Anything else is an error with a usage line (exit status 2).
#pragma once

#include <QString>
#include <QStringList>

namespace ovrelan {

struct CommandLine {
    enum class Action { run, help, version, error };
    Action action = Action::run;
    QString task;   // the task file to open, if any
    QString output; // what --help, --version or an error prints
    int exit_status = 0;
};

// The arguments as main() has them, the program's name first.
CommandLine parse_command_line(const QStringList& arguments);

} // namespace ovrelan

// ovrelan --export-graph: one graph of a task, or of the start-up circuit, drawn to a file with
// no window shown, for a teacher who makes worksheets for thirty tasks with a script.
#pragma once

#include "platform/platform.h"
#include "ui/command_line.h"

#include <QLocale>
#include <QString>

namespace ovrelan {

struct ExportOutcome {
    int exit_status = 0; // 0 drawn; 1 the file cannot be written; 2 the task cannot be read,
                         // or the size is too small for the picture's title and plot;
                         // 3 the task holds values the model would refuse or correct, or a
                         // value of --sweep was refused (the picture is drawn without its
                         // curve, and the message names it with the reason)
    QString message;     // for the terminal, when something went wrong
};

// A refusal of a command run without a window: its exit status and its one line of message.
inline ExportOutcome command_failure(int status, const QString& what) {
    return {status, "ovrelan: " + what + "\n"};
}

// Pictures, reports and worksheets made by a command are Russian text: their numbers have
// decimal commas whatever locale the command runs under (a script's is often C). The locale is
// put back afterwards.
class RussianNumbers {
public:
    RussianNumbers() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    ~RussianNumbers() { QLocale::setDefault(before_); }
    RussianNumbers(const RussianNumbers&) = delete;
    RussianNumbers& operator=(const RussianNumbers&) = delete;

private:
    QLocale before_;
};

ExportOutcome export_graph(const CommandLine& line, Platform& platform);

} // namespace ovrelan

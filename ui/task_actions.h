// What the menus do with whole sets of values: a ready-made example, a task file opened or saved,
// the results saved as a table. A running run ends first; the fields' pending edits are finished
// before anything reads them.
#pragma once

#include "io/task_sheet.h"
#include "model/examples.h"
#include "platform/platform.h"

#include <QString>

#include <string>

class QWidget;

namespace ovrelan {

class ParameterPanel;
class RunController;
class Simulation;

class TaskActions {
public:
    TaskActions(QWidget* parent, Platform& platform, Simulation& simulation, ParameterPanel& panel,
                RunController& run);

    void load_example(const Example& example);
    // Opens a task file (the menu, or a file given on the command line): its fields entered,
    // its comment shown. A broken file changes nothing and says why.
    bool open_task(const QString& path);
    void ask_and_open_task();
    void save_task();
    void save_results();

private:
    void enter_all(const std::array<std::string, 7>& texts);
    // «Задача из файла «…» не открыта: reason. Ничего не изменилось.», a period after the reason
    // only when it does not end in its own mark.
    void cannot(const QString& what, const QString& path, const std::string& reason);

    QWidget* parent_;
    Platform& platform_;
    Simulation& simulation_;
    ParameterPanel& panel_;
    RunController& run_;
    std::string task_comment_; // of the task opened last, offered again when saving
    TaskSheet task_sheet_;     // of the task opened last, saved with it again
};

} // namespace ovrelan

#include "ui/command_line.h"

#include <gtest/gtest.h>

namespace ovrelan {
namespace {

// The command line of a desktop program: help and version, one task, and a usage line with exit
// status 2 for anything else.
TEST(CommandLine, HelpVersionOneTaskOrAUsageError) {
    using enum CommandLine::Action;
    const struct {
        QStringList arguments;
        CommandLine::Action action;
        const char* task;
        int exit_status;
        const char* says; // a piece of what is printed
    } cases[] = {
        {{"ovrelan"}, run, "", 0, ""},
        {{"ovrelan", "урок.ovrelan"}, run, "урок.ovrelan", 0, ""},
        {{"ovrelan", "--help"}, help, "", 0, "Использование: ovrelan"},
        {{"ovrelan", "-h"}, help, "", 0, "--version"},
        {{"ovrelan", "--version"}, version, "", 0, "Ovrelan "},
        {{"ovrelan", "--bogus"}, error, "", 2, "неизвестный параметр «bogus»"},
        {{"ovrelan", "a.ovrelan", "b.ovrelan"}, error, "", 2, "лишний файл «b.ovrelan»"},
    };
    for (const auto& c : cases) {
        const CommandLine line = parse_command_line(c.arguments);
        const std::string args = c.arguments.join(' ').toStdString();
        EXPECT_EQ(line.action, c.action) << args;
        EXPECT_EQ(line.task, c.task) << args;
        EXPECT_EQ(line.exit_status, c.exit_status) << args;
        EXPECT_TRUE(line.output.contains(c.says)) << args << ": " << line.output.toStdString();
        if (c.action == error) {
            EXPECT_TRUE(line.output.contains("Использование:")) << "a usage line";
        }
    }
}

} // namespace
} // namespace ovrelan

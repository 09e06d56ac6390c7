#include "ui/command_line.h"

#include <QRegularExpression>

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
        {{"ovrelan", "--export-graph", "Uc", "a.pdf"}, export_graph, "", 0, ""},
        {{"ovrelan", "--export-graph", "ui", "a.svg", "t.ovrelan"},
         export_graph,
         "t.ovrelan",
         0,
         ""},
        {{"ovrelan", "--export-graph", "Uq", "a.png"}, error, "", 2, "нет графика «Uq»"},
        {{"ovrelan", "--export-graph", "Uc"}, error, "", 2, "не указан файл"},
        {{"ovrelan", "--export-graph", "Uc", "a", "b", "c"}, error, "", 2, "лишний файл «c»"},
        {{"ovrelan", "--size", "800x600"}, error, "", 2, "только вместе с --export-graph"},
        {{"ovrelan", "--export-graph", "W", "a.png", "--size", "0x900"}, error, "", 2, "«0x900»"},
        {{"ovrelan", "--export-graph", "W", "a.png", "--size", "7681x900"}, error, "", 2, "7680"},
        {{"ovrelan", "--export-graph", "W", "a.png", "--size", "7680x4321"},
         error,
         "",
         2,
         "7680x4320"},
        {{"ovrelan", "--export-graph", "W", "a.png", "--size", "16000x16000"},
         error,
         "",
         2,
         "не больше 7680"},
        {{"ovrelan", "--export-graph", "W", "a.png", "--size", "99999999999x1"},
         error,
         "",
         2,
         "не подходит"},
        {{"ovrelan", "--export-graph", "W", "a.bmp"}, error, "", 2, "расширение «.bmp»"},
        {{"ovrelan", "--export-graph", "W", "a"}, error, "", 2, "у имени «a» нет расширения"},
        {{"ovrelan", "--export-graph", "W", "a.png", "--size"}, error, "", 2, "«--size»"},
        {{"ovrelan", "--export-graph"}, error, "", 2, "«--export-graph»"},
        {{"ovrelan", "--version=2"}, error, "", 2, "«--version»"},
        {{"ovrelan", "-xq"}, error, "", 2, "неизвестный параметр «x»"},
        {{"ovrelan", "--export-graph", "W", "a.png", "--axes", "log"}, error, "", 2, "«log»"},
        {{"ovrelan", "--report", "otchet.pdf"}, report, "", 0, ""},
        {{"ovrelan", "--report", "papka", "t.ovrelan"}, report, "t.ovrelan", 0, ""},
        {{"ovrelan", "--report", "a.pdf", "t", "u"}, error, "", 2, "лишний файл «u»"},
        {{"ovrelan", "--report", "a.pdf", "--size", "800x600"}, error, "", 2, "--size"},
        {{"ovrelan", "--report", "a.pdf", "--export-graph", "Uc", "b.pdf"},
         error,
         "",
         2,
         "не задаются вместе"},
        {{"ovrelan", "--worksheet", "w.pdf", "--answers", "a.pdf", "t.ovrelan"},
         worksheet,
         "t.ovrelan",
         0,
         ""},
        {{"ovrelan", "--worksheet", "w.pdf"}, error, "", 2, "не указан файл задачи"},
        {{"ovrelan", "--worksheet", "w.png", "t"}, error, "", 2, "только в PDF"},
        {{"ovrelan", "--worksheet", "w.pdf", "--answers", "a.svg", "t"}, error, "", 2, "«a.svg»"},
        {{"ovrelan", "--answers", "a.pdf", "t"}, error, "", 2, "только вместе с --worksheet"},
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
            // Said in Russian: the reason's line has Cyrillic letters (Qt's own reasons are in
            // English unless its translation is loaded).
            static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
            EXPECT_TRUE(line.output.section('\n', 0, 0).contains(cyrillic)) << args;
        }
    }
    // What an export takes: the graph, the file, the size and the axes.
    const struct {
        QStringList arguments;
        GraphKind graph;
        QSize size;
        Axes axes;
    } exports[] = {
        {{"ovrelan", "--export-graph", "Ul", "a.png"},
         GraphKind::UL,
         {1600, 900},
         Axes::normalised},
        {{"ovrelan", "--export-graph", "EL", "a.png"},
         GraphKind::UL,
         {1600, 900},
         Axes::normalised},
        {{"ovrelan", "--export-graph", "I", "a.png", "--size", "800×450", "--axes", "si"},
         GraphKind::Ik,
         {800, 450},
         Axes::physical},
        {{"ovrelan", "--axes", "NORM", "--export-graph", "w", "a.png", "--size", "16X7680"},
         GraphKind::W,
         {16, 7680},
         Axes::normalised},
        {{"ovrelan", "--export-graph", "w", "a.png", "--size", "4320x7680"},
         GraphKind::W,
         {4320, 7680},
         Axes::normalised},
    };
    for (const auto& e : exports) {
        const CommandLine line = parse_command_line(e.arguments);
        const std::string args = e.arguments.join(' ').toStdString();
        ASSERT_EQ(line.action, CommandLine::Action::export_graph) << line.output.toStdString();
        EXPECT_EQ(line.graph, e.graph) << args;
        EXPECT_EQ(line.picture, "a.png") << args;
        EXPECT_EQ(line.size, e.size) << args;
        EXPECT_EQ(line.axes, e.axes) << args;
    }
}

} // namespace
} // namespace ovrelan

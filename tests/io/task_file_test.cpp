#include "io/task_file.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <ostream>
#include <string>
#include <variant>

namespace ovrelan {
namespace {

const char* const good = "# Ovrelan: задача\n"
                         "L = 2000\nC = 5000\nR = 0,020\nUo = 15\nEm = -5e0\nnu = 47\n"
                         "Nmax = 40\ncomment = Найдите период.\ncomment = Сравните с T.\n";

TEST(TaskFile, ReadsAndWritesTheSameTask) {
    const auto read = parse_task(good);
    ASSERT_TRUE(std::holds_alternative<Task>(read)) << std::get<TaskError>(read).text;
    const Task& task = std::get<Task>(read);
    EXPECT_EQ(task.texts[2], "0,020");
    EXPECT_EQ(task.texts[4], "-5e0");
    EXPECT_EQ(task.comment, "Найдите период.\nСравните с T.");
    EXPECT_EQ(std::get<Task>(parse_task(write_task(task))), task);
    Task no_comment = task;
    no_comment.comment.clear();
    EXPECT_EQ(std::get<Task>(parse_task(write_task(no_comment))), no_comment);
}

// A file written on Windows: every line ends in CR LF; nothing of the CR stays in a value or a
// comment.
TEST(TaskFile, CarriageReturnsAreNotPartOfTheTask) {
    std::string crlf;
    for (const char c : std::string(good)) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const auto read = parse_task(crlf);
    ASSERT_TRUE(std::holds_alternative<Task>(read)) << std::get<TaskError>(read).text;
    EXPECT_EQ(std::get<Task>(read), std::get<Task>(parse_task(good)));
}

struct BrokenCase {
    const char* name;
    std::string content;
    const char* says; // the start of the message
};

void PrintTo(const BrokenCase& c, std::ostream* os) {
    *os << c.name;
}

class BrokenTask : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenTask, IsRefusedWithAClearReason) {
    const auto read = parse_task(GetParam().content);
    ASSERT_TRUE(std::holds_alternative<TaskError>(read));
    const std::string& text = std::get<TaskError>(read).text;
    EXPECT_EQ(text.rfind(GetParam().says, 0), 0U) << text;
}

std::string replaced(std::string s, const std::string& from, const std::string& to) {
    return s.replace(s.find(from), from.size(), to);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, BrokenTask,
    ::testing::Values(
        BrokenCase{"missing_field", replaced(good, "Nmax = 40\n", ""), "не заданы поля: Nmax"},
        BrokenCase{"unknown_name", replaced(good, "nu = 47", "freq = 47"),
                   "строка 7: неизвестное имя «freq»"},
        BrokenCase{"unreadable_number", replaced(good, "R = 0,020", "R = 0,02 Ом"),
                   "строка 4: «0,02 Ом» — не число"},
        BrokenCase{"empty_value", replaced(good, "R = 0,020", "R ="), "строка 4: «» — не число"},
        BrokenCase{"twice", replaced(good, "nu = 47", "L = 1"), "строка 7: «L» задано дважды"},
        BrokenCase{"no_equals", replaced(good, "nu = 47", "nu 47"), "строка 7: нет знака «=»"},
        BrokenCase{"binary", std::string("L = 2000\n\x00\x01\x02", 12), "это не текстовый файл"},
        BrokenCase{"bad_utf8", std::string("L = 2000\n\xff\xfe\n"), "это не текстовый файл"},
        BrokenCase{"empty", "", "файл пуст"}, BrokenCase{"blank", " \n\n\t\n", "файл пуст"},
        BrokenCase{"huge", std::string(good) + std::string(70000, '#'), "файл слишком велик"},
        BrokenCase{"foreign_text", "Это просто письмо.\nДо свидания.", "строка 1: нет знака"}),
    testing::CaseName{});

TEST(TaskFile, FilesOnDisk) {
    const std::string path = ::testing::TempDir() + "task_file_test.ovrelan";
    Task task = std::get<Task>(parse_task(good));
    std::string error;
    ASSERT_TRUE(write_task_file(path, task, &error)) << error;
    EXPECT_EQ(std::get<Task>(read_task_file(path)), task);
    std::remove(path.c_str());
    const auto missing = read_task_file(path);
    ASSERT_TRUE(std::holds_alternative<TaskError>(missing));
    EXPECT_EQ(std::get<TaskError>(missing).text.rfind("не удалось прочитать", 0), 0U);
    EXPECT_FALSE(write_task_file("/nonexistent-dir/x.ovrelan", task, &error));
    EXPECT_FALSE(error.empty());
}

} // namespace
} // namespace ovrelan

#include "io/task_file.h"

#include "io/text_encoding.h"
#include "support/model_fixtures.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>
#include <string>
#include <sys/stat.h>
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
        BrokenCase{"neither_utf8_nor_1251", std::string("L = 2000\n\x98\xff\n"),
                   "это не текстовый файл: его нельзя прочитать ни как UTF-8, ни как Windows-1251"},
        BrokenCase{"broken_in_1251", std::string("L = 2000\n\xff\xfe\n"),
                   "строка 2: нет знака «=» (файл прочитан в кодировке Windows-1251)"},
        BrokenCase{"empty", "", "файл пуст"}, BrokenCase{"blank", " \n\n\t\n", "файл пуст"},
        BrokenCase{"huge", std::string(good) + std::string(70000, '#'),
                   "файл слишком велик для задачи: задача занимает не больше 64 КиБ"},
        BrokenCase{"huge_and_blank", std::string(70000, ' '), "файл слишком велик"},
        BrokenCase{"foreign_text", "Это просто письмо.\nДо свидания.", "строка 1: нет знака"}),
    testing::CaseName{});

// Files as teachers' editors save them: a byte-order mark and CR LF from Windows, a remark first
// or not, the Windows-1251 encoding; all read as the same task.
TEST(TaskFile, WhateverTheEditorSavedItIn) {
    const Task expected = std::get<Task>(parse_task(good));
    const std::string crlf = [] {
        std::string out;
        for (const char c : std::string(good)) {
            out += c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        return out;
    }();
    const std::string bom = "\xEF\xBB\xBF";
    const std::string no_remark = std::string(good).substr(std::string(good).find('\n') + 1);
    const std::string cp1251 = *convert_text(good, "UTF-8", "CP1251");
    for (const auto& [name, content] :
         {std::pair{"bom_crlf", bom + crlf}, std::pair{"bom_without_remark", bom + no_remark},
          std::pair{"windows_1251", cp1251},
          std::pair{"windows_1251_crlf", *convert_text(crlf, "UTF-8", "CP1251")}}) {
        const auto read = parse_task(content);
        ASSERT_TRUE(std::holds_alternative<Task>(read))
            << name << ": " << std::get<TaskError>(read).text;
        EXPECT_EQ(std::get<Task>(read), expected) << name;
    }
}

// UTF-8 as the standard has it: what is not well formed is not UTF-8 (and is then tried as
// Windows-1251).
TEST(TextEncoding, OnlyWellFormedUtf8) {
    const struct {
        const char* bytes;
        bool utf8;
    } cases[] = {
        {"задача", true},
        {"\xE2\x82\xAC", true},
        {"\xF0\x9F\x98\x80", true},
        {"\xC0\xAF", false},
        {"\xE0\x80\x80", false},
        {"\xED\xA0\x80", false},
        {"\xF4\x90\x80\x80", false},
        {"\xF8\x88\x80\x80\x80", false},
        {"\xD0", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(is_utf8(c.bytes), c.utf8) << c.bytes;
        if (!c.utf8) {
            const auto decoded = decode_text_file(c.bytes);
            EXPECT_TRUE(!decoded || decoded->encoding == Encoding::windows_1251);
        }
    }
}

// A value the model would refuse or correct keeps the whole task closed: the line and the field
// are named.
TEST(TaskFile, ValuesTheModelWouldNotTakeAreNamed) {
    const SimulationState start = testing::started_state();
    EXPECT_FALSE(check_task_values(start, std::get<Task>(parse_task(good))));
    const struct {
        std::string content;
        const char* says;
    } cases[] = {
        {replaced(good, "C = 5000", "C = -5"),
         "строка 3: поле С(мкФ): не может быть отрицательным! Не вводите заново, а исправьте!"},
        {replaced(good, "Nmax = 40", "Nmax = 100000"),
         "строка 8: поле Nmax: Слишком много точек расчёта"},
        {replaced(good, "Nmax = 40", "Nmax = 1e999"),
         "строка 8: поле Nmax: Расчёт с такими значениями невозможен!"},
        {replaced(good, "L = 2000", "L = 1e999"),
         "строка 2: поле L(мкГн): Расчёт с такими значениями невозможен!"},
        {replaced(replaced(good, "Uo = 15", "Uo = 0"), "Em = -5e0", "Em = 0"),
         "строка 6: поле ε(B): А откуда ток возьмется?!"},
    };
    for (const auto& c : cases) {
        const auto error = check_task_values(start, std::get<Task>(parse_task(c.content)));
        ASSERT_TRUE(error.has_value()) << c.says;
        EXPECT_EQ(error->text.rfind(c.says, 0), 0U) << error->text;
    }
}

// What is saved for any texts typed and any comment opens again to the same values, without a
// message: empty fields, units typed after the number, letters, control characters.
TEST(TaskFile, ASavedTaskAlwaysOpensAgain) {
    std::mt19937 random(2024);
    const std::vector<std::string> pieces = {"",      " ",     "0",   "5",      "-",
                                             "1,5",   "2.5e3", "abc", "5 мкГн", "1e-320",
                                             "1e308", "0.020", "47",  ".",      "e"};
    const std::string controls = std::string("\f\x1b\r\t\n\x01", 6) + std::string(1, '\0');
    for (int trial = 0; trial < 300; ++trial) {
        std::array<std::string, 7> typed;
        std::vector<FieldText> texts;
        for (std::size_t k = 0; k < 7; ++k) {
            typed[k] = pieces[random() % pieces.size()] + pieces[random() % pieces.size()];
            texts.push_back({static_cast<Field>(k), typed[k]});
        }
        std::string comment = "Задача";
        for (int i = 0; i < 4; ++i) {
            comment += controls[random() % controls.size()] + std::string("и ");
        }
        SimulationState s = testing::started_state();
        enter_texts(s, texts);
        const Task saved = task_to_save(typed, s, comment);
        const auto read = parse_task(write_task(saved));
        ASSERT_TRUE(std::holds_alternative<Task>(read)) << std::get<TaskError>(read).text;
        const Task& task = std::get<Task>(read);
        EXPECT_EQ(task.comment.find_first_of(std::string("\f\x1b\r\x01\0", 5)), std::string::npos);
        EXPECT_FALSE(check_task_values(testing::started_state(), task)) << write_task(saved);
        SimulationState opened = testing::started_state();
        std::vector<FieldText> reopened;
        for (std::size_t k = 0; k < 7; ++k) {
            reopened.push_back({static_cast<Field>(k), task.texts[k]});
        }
        EXPECT_TRUE(enter_texts(opened, reopened).notices.empty());
        EXPECT_EQ(static_cast<const Parameters&>(opened), static_cast<const Parameters&>(s))
            << write_task(saved);
    }
}

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
    EXPECT_EQ(error, "нет такого файла или папки");
}

// What is not a regular file is refused at once, without reading it; every reason is the real
// one.
TEST(TaskFile, OnlyRegularFilesAreRead) {
    const std::string dir = ::testing::TempDir() + "ovrelan_task_files";
    std::filesystem::create_directories(dir);
    const std::string fifo = dir + "/pipe.ovrelan";
    std::remove(fifo.c_str());
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string big = dir + "/big.ovrelan";
    std::ofstream(big) << std::string(10 * 1024 * 1024, ' ');
    const struct {
        std::string path;
        const char* says;
    } cases[] = {
        {fifo, "это не обычный файл, а устройство, канал или сокет"},
        {"/dev/zero", "это не обычный файл, а устройство, канал или сокет"},
        {dir, "это папка, а не файл"},
        {big, "файл слишком велик для задачи: задача занимает не больше 64 КиБ"},
        {dir + "/missing.ovrelan", "не удалось прочитать файл: нет такого файла или папки"},
    };
    for (const auto& c : cases) {
        const auto read = read_task_file(c.path);
        ASSERT_TRUE(std::holds_alternative<TaskError>(read)) << c.path;
        EXPECT_EQ(std::get<TaskError>(read).text, c.says) << c.path;
    }
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace ovrelan

#include "io/task_file.h"

#include "io/text_encoding.h"
#include "model/number_reading.h"
#include "model/sentences.h"
#include "support/model_fixtures.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <variant>
#include <vector>

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

// ---------------------------------------------------------------------------------------------
// Helpers made here, not taken from the reader: line ends, UTF-16 by hand.

std::string with_crlf(std::string_view text) {
    std::string out;
    for (const char c : text) {
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return out;
}

// UTF-8 as UTF-16 in the byte order asked for, a byte-order mark first when asked.
std::string utf16(std::string_view utf8, bool little_endian, bool mark = true) {
    std::string out;
    const auto unit = [&](unsigned u) {
        const char high = static_cast<char>(u >> 8);
        const char low = static_cast<char>(u & 0xFF);
        out += little_endian ? std::string{low, high} : std::string{high, low};
    };
    if (mark) {
        unit(0xFEFF);
    }
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i++]);
        const int more = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        unsigned cp = lead & (more == 0 ? 0x7Fu : more == 1 ? 0x1Fu : more == 2 ? 0x0Fu : 0x07u);
        for (int k = 0; k < more; ++k) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i++]) & 0x3Fu);
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            unit(0xD800 + (cp >> 10));
            unit(0xDC00 + (cp & 0x3FF));
        } else {
            unit(cp);
        }
    }
    return out;
}

// The file's text without its comment, and what each comment line adds to it: "comment = ",
// the line, a line break.
std::size_t expected_file_size(const Task& task) {
    Task bare = task;
    bare.comment.clear();
    std::size_t size = write_task(bare).size();
    if (!task.comment.empty()) {
        const auto lines =
            static_cast<std::size_t>(std::count(task.comment.begin(), task.comment.end(), '\n')) +
            1;
        size += task.comment.size() - (lines - 1) + lines * (std::string("comment = \n").size());
    }
    return size;
}

TEST(TaskFile, HelpersMadeHere) {
    EXPECT_EQ(utf16("Aщ\U0001F600", true), std::string("\xFF\xFE"
                                                       "A\0"
                                                       "\x49\x04"
                                                       "\x3D\xD8\x00\xDE",
                                                       10));
    EXPECT_EQ(utf16("Aщ", false, false), std::string("\0A\x04\x49", 4));
    Task task = std::get<Task>(parse_task(good));
    task.comment = "ab\n\nщ ";
    EXPECT_EQ(expected_file_size(task), write_task(task).size());
}

// Notepad's «Юникод» (UTF-16 LE) and «Юникод big endian» (UTF-16 BE), always with a byte-order
// mark: read as the same task. Without a mark UTF-16 is not guessed.
TEST(TaskFile, Utf16WithAByteOrderMark) {
    const Task expected = std::get<Task>(parse_task(good));
    Task wide = expected;
    wide.comment = "  Ёмкость — в мкФ; смайлик \U0001F600 за пределами BMP.\t \n\nКонец ";
    const std::string wide_file = write_task(wide);
    const struct {
        const char* name;
        std::string bytes;
        std::optional<Task> opens; // or, when nothing, the start of the message
        const char* says;
    } cases[] = {
        {"notepad_unicode", utf16(with_crlf(good), true), expected, ""},
        {"notepad_unicode_big_endian", utf16(with_crlf(good), false), expected, ""},
        {"le_lf", utf16(good, true), expected, ""},
        {"be_lf", utf16(good, false), expected, ""},
        {"le_beyond_bmp", utf16(wide_file, true), wide, ""},
        {"be_beyond_bmp_crlf", utf16(with_crlf(wide_file), false), wide, ""},
        {"le_odd_byte", utf16(good, true) + std::string("\x41"), std::nullopt,
         "это не текстовый файл: он начинается меткой порядка байтов UTF-16, но дальше не текст в "
         "UTF-16"},
        {"le_lone_surrogate", utf16(good, true) + std::string("\x00\xD8\x41\x00", 4), std::nullopt,
         "это не текстовый файл: он начинается меткой порядка байтов UTF-16"},
        {"be_lone_low_surrogate", utf16("# x\n", false) + std::string("\xDC\x00", 2), std::nullopt,
         "это не текстовый файл: он начинается меткой порядка байтов UTF-16"},
        {"le_mark_only", std::string("\xFF\xFE"), std::nullopt, "файл пуст"},
        {"be_blank", utf16(" \r\n\t\n", false), std::nullopt, "файл пуст"},
        {"le_broken_value", utf16(replaced(good, "R = 0,020", "R = 0,02 Ом"), true), std::nullopt,
         "строка 4: «0,02 Ом» — не число"},
        {"le_nul", utf16(std::string("L = 1\n\0", 7), true), std::nullopt, "это не текстовый файл"},
        {"le_without_mark", utf16(good, true, false), std::nullopt, "это не текстовый файл"},
        {"be_without_mark", utf16(good, false, false), std::nullopt, "это не текстовый файл"},
    };
    for (const auto& c : cases) {
        const auto read = parse_task(c.bytes);
        if (c.opens) {
            ASSERT_TRUE(std::holds_alternative<Task>(read))
                << c.name << ": " << std::get<TaskError>(read).text;
            EXPECT_EQ(std::get<Task>(read), *c.opens) << c.name;
            EXPECT_EQ(std::get<Task>(read).comment, c.opens->comment) << c.name;
        } else {
            ASSERT_TRUE(std::holds_alternative<TaskError>(read)) << c.name;
            const std::string& text = std::get<TaskError>(read).text;
            EXPECT_EQ(text.rfind(c.says, 0), 0U) << c.name << ": " << text;
            EXPECT_EQ(text.find("Windows-1251"), std::string::npos) << c.name << ": " << text;
        }
    }
    // The encodings the decoder names.
    EXPECT_EQ(decode_text_file(utf16(good, true))->encoding, Encoding::utf16le);
    EXPECT_EQ(decode_text_file(utf16(good, false))->encoding, Encoding::utf16be);
}

// Each comment line is kept as it is: blanks at either end, tabs, empty lines, signs the file
// uses itself. The file holds "comment = " and the line.
TEST(TaskFile, CommentLinesAreKeptExactly) {
    const char* const comments[] = {
        "  отступ и пробелы в конце   ",
        "\tтабуляция\t",
        "\n",
        "\n\n",
        " ",
        "первая\n\n  третья \n",
        "comment = вложенное\n# не замечание\n= знак",
        "L = 1",
        "последняя строка пустая\n",
        "\t \t",
    };
    Task task = std::get<Task>(parse_task(good));
    for (const char* comment : comments) {
        task.comment = comment;
        const std::string file = write_task(task);
        std::string lines;
        for (std::string_view rest = comment;;) {
            const auto end = rest.find('\n');
            lines += "comment = " + std::string(rest.substr(0, end)) + "\n";
            if (end == std::string_view::npos) {
                break;
            }
            rest.remove_prefix(end + 1);
        }
        EXPECT_EQ(file.substr(file.size() - lines.size()), lines) << comment;
        for (const std::string& bytes : {file, with_crlf(file), utf16(with_crlf(file), true)}) {
            const auto read = parse_task(bytes);
            ASSERT_TRUE(std::holds_alternative<Task>(read)) << std::get<TaskError>(read).text;
            EXPECT_EQ(std::get<Task>(read).comment, comment);
        }
    }
}

// Files written before comment lines were kept exactly, by the program ("comment = text", the
// text without blanks at its ends) or by hand, open with the comment they opened with then. The
// only difference: blanks a hand-written line has beyond the one after "=", or at its end, are
// now part of the comment (marked `before`: what was read then).
TEST(TaskFile, OlderFilesKeepTheirComments) {
    const struct {
        const char* name;
        const char* lines;
        const char* comment;
        const char* before = nullptr; // when it differs
    } cases[] = {
        {"as_saved", "comment = Найдите период.\ncomment = Сравните с T.\n",
         "Найдите период.\nСравните с T."},
        {"as_saved_crlf", "comment = Найдите период.\r\ncomment = Сравните с T.\r\n",
         "Найдите период.\nСравните с T."},
        {"empty_line_saved", "comment = a\ncomment = \ncomment = b\n", "a\n\nb"},
        {"empty_line_saved_crlf", "comment = a\r\ncomment = \r\ncomment = b\r\n", "a\n\nb"},
        {"no_blank_after_equals", "comment=текст\n", "текст"},
        {"no_blank_and_nothing", "comment =\n", ""},
        {"tab_after_equals", "comment =\tтекст\n", "текст"},
        {"indented_name", "   comment = текст\n", "текст"},
        {"blanks_around_name", "comment\t=  текст\n", " текст", "текст"},
        {"blank_line_between", "comment = a\n\n   \ncomment = b\n", "a\nb"},
        {"remark_between", "comment = a\n# замечание\ncomment = b\n", "a\nb"},
        {"equals_in_text", "comment = a = b\n", "a = b"},
        {"two_blanks", "comment =  два пробела\n", " два пробела", "два пробела"},
        {"blanks_at_the_end", "comment = текст   \n", "текст   ", "текст"},
        {"blanks_at_the_end_crlf", "comment = текст \r\n", "текст ", "текст"},
        {"last_line_without_break", "comment = конец", "конец"},
    };
    const std::string fields = "L = 2000\nC = 5000\nR = 0,020\nUo = 15\nEm = -5e0\nnu = 47\n"
                               "Nmax = 40\n";
    for (const auto& c : cases) {
        for (const std::string& bytes : {fields + c.lines, std::string(c.lines) + "\n" + fields,
                                         *convert_text(fields + c.lines, "UTF-8", "CP1251")}) {
            const auto read = parse_task(bytes);
            ASSERT_TRUE(std::holds_alternative<Task>(read))
                << c.name << ": " << std::get<TaskError>(read).text;
            EXPECT_EQ(std::get<Task>(read).comment, c.comment) << c.name;
        }
        if (c.before != nullptr) {
            EXPECT_NE(std::string(c.before), c.comment) << c.name;
        }
    }
}

// What «Сохранить задачу» is refused, and why: nothing is written then, a file already there
// stays as it was.
TEST(TaskFile, ATaskThatWouldNotOpenAgainIsNotSaved) {
    const Task task = std::get<Task>(parse_task(good));
    const auto with = [&](std::size_t k, std::string text) {
        Task t = task;
        t.texts[k] = std::move(text);
        return t;
    };
    const auto commented = [&](std::string comment) {
        Task t = task;
        t.comment = std::move(comment);
        return t;
    };
    // A comment like the one that was once saved and then refused as too large: 3 000 lines of
    // 12 characters, about 39 000 bytes, which each "comment = " makes a file of over 69 000.
    std::string lines;
    for (int i = 0; i < 3000; ++i) {
        lines += (i == 0 ? "" : "\n") + std::string("period T=25c");
    }
    ASSERT_EQ(lines.size(), 3000U * 13U - 1U);
    const struct {
        const char* name;
        Task task;
        std::string says;
    } cases[] = {
        {"letters", with(0, "abc"), "поле L(мкГн): «abc» — не число"},
        {"empty_field", with(2, " "), "поле R(Ом): «» — не число"},
        {"unit_typed", with(1, "5 мкФ"), "поле С(мкФ): «5 мкФ» — не число"},
        {"line_break_in_a_field", with(6, "5\nL = 3"), "поле Nmax: «5\nL = 3» — не число"},
        {"carriage_return", commented("строка\r\nещё"),
         "в комментарии есть управляющие символы: в задаче сохраняются только текст, табуляции и "
         "переводы строк"},
        {"nul", commented(std::string("a\0b", 3)),
         "в комментарии есть управляющие символы: в задаче сохраняются только текст, табуляции и "
         "переводы строк"},
        {"not_utf8", commented("\xCF\xF0\xE8\xE2\xE5\xF2"),
         "комментарий — не текст в кодировке UTF-8"},
        {"the_reported_comment", commented(lines),
         "с этим комментарием файл задачи занял бы 68 КиБ, а задача занимает не больше 64 КиБ; "
         "сократите комментарий"},
        {"one_byte_too_many",
         commented(std::string(task_file_limit - expected_file_size(commented("")) -
                                   std::string("comment = \n").size() + 1,
                               'x')),
         "с этим комментарием файл задачи занял бы 65 КиБ, а задача занимает не больше 64 КиБ; "
         "сократите комментарий"},
    };
    EXPECT_EQ(expected_file_size(commented(lines)), 156U + 3000U * (10U + 12U + 1U))
        << "92 bytes of the remark, 64 of the fields, 23 a line";
    const std::string dir = ::testing::TempDir() + "ovrelan_refused_tasks";
    std::filesystem::create_directories(dir);
    for (const auto& c : cases) {
        const auto text = task_file_text(c.task);
        ASSERT_TRUE(std::holds_alternative<TaskError>(text)) << c.name;
        EXPECT_EQ(std::get<TaskError>(text).text, c.says) << c.name;
        const std::string path = dir + "/" + c.name + ".ovrelan";
        std::ofstream(path) << "было раньше";
        std::string error;
        EXPECT_FALSE(write_task_file(path, c.task, &error)) << c.name;
        EXPECT_EQ(error, c.says) << c.name;
        std::ifstream in(path);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "было раньше") << c.name;
        EXPECT_FALSE(write_task_file(dir + "/new.ovrelan", c.task, &error));
        EXPECT_FALSE(std::filesystem::exists(dir + "/new.ovrelan")) << c.name;
    }
    // Nothing but the files put there: no temporary file is left.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}),
              static_cast<std::ptrdiff_t>(std::size(cases)));
    std::filesystem::remove_all(dir);
}

// The limit counts the task's text as the program saves it; the same text saved again by an
// editor, in another encoding or with CR LF line ends, still counts the same and opens.
TEST(TaskFile, TheLimitCountsTheTextNotTheEncoding) {
    Task task = std::get<Task>(parse_task(good));
    task.comment.clear();
    const std::size_t bare = expected_file_size(task);
    // A comment of lines of 100 letters (Cyrillic: 200 bytes), the last padded to reach `size`.
    const auto of_size = [&](std::size_t size, const std::string& letter) {
        Task t = task;
        std::size_t file = bare;
        while (file + 11 + 100 * letter.size() + 11 <= size) {
            for (int i = 0; i < 100; ++i) {
                t.comment += letter;
            }
            t.comment += '\n';
            file += 11 + 100 * letter.size();
        }
        t.comment += std::string(size - file - 11, 'x');
        EXPECT_EQ(expected_file_size(t), size);
        return t;
    };
    const Task at_limit = of_size(task_file_limit, "щ");
    const Task ascii_at_limit = of_size(task_file_limit, "w");
    const Task beyond = of_size(task_file_limit + 1, "щ");
    ASSERT_TRUE(std::holds_alternative<std::string>(task_file_text(at_limit)));
    ASSERT_TRUE(std::holds_alternative<std::string>(task_file_text(ascii_at_limit)));
    ASSERT_TRUE(std::holds_alternative<TaskError>(task_file_text(beyond)));
    const std::string saved = std::get<std::string>(task_file_text(at_limit));
    const std::string ascii = std::get<std::string>(task_file_text(ascii_at_limit));
    ASSERT_EQ(saved.size(), task_file_limit);
    const std::string over = write_task(beyond);
    const std::string bom = "\xEF\xBB\xBF";
    // Blank lines added at the end, which the task does not hold, to make a file count exactly
    // `size`: in UTF-16 a unit (two bytes) counts one, in Windows-1251 a byte.
    const auto utf16_counting = [&](const std::string& text, std::size_t size) {
        const std::size_t units = utf16(text, true, false).size() / 2;
        return utf16(text + std::string(size - units - 1, ' ') + "\n", true);
    };
    const auto windows_1251_counting = [&](const std::string& text, std::size_t size) {
        const std::string bytes = *convert_text(text, "UTF-8", "CP1251");
        return bytes + std::string(size - bytes.size() - 1, ' ') + "\n";
    };
    const struct {
        const char* name;
        std::string bytes;
        const Task* opens; // nothing: too large
    } cases[] = {
        {"utf8_at_the_limit", saved, &at_limit},
        {"utf8_mark_and_crlf", bom + with_crlf(saved), &at_limit},
        {"windows_1251_crlf", *convert_text(with_crlf(saved), "UTF-8", "CP1251"), &at_limit},
        {"utf16le_crlf", utf16(with_crlf(saved), true), &at_limit},
        {"utf16be_ascii_crlf", utf16(with_crlf(ascii), false), &ascii_at_limit},
        {"utf8_one_byte_over", over, nullptr},
        {"utf8_one_byte_over_crlf", bom + with_crlf(over), nullptr},
        {"utf16le_at_the_limit", utf16_counting(saved, task_file_limit), &at_limit},
        {"utf16le_one_over", utf16_counting(saved, task_file_limit + 1), nullptr},
        // UTF-16 counts a character per two bytes: Cyrillic counts half its UTF-8 bytes.
        {"utf16le_cyrillic_utf8_over", utf16(over, true), &beyond},
        {"utf8_blank_over", saved + " ", nullptr},
        // A file in Windows-1251 up to the limit opens as before, though its UTF-8 is larger.
        {"windows_1251_at_the_limit", windows_1251_counting(saved, task_file_limit), &at_limit},
        {"windows_1251_one_over", windows_1251_counting(saved, task_file_limit + 1), nullptr},
    };
    const std::string path = ::testing::TempDir() + "ovrelan_limit.ovrelan";
    for (const auto& c : cases) {
        std::ofstream(path, std::ios::binary) << c.bytes;
        for (const auto& read : {parse_task(c.bytes), read_task_file(path)}) {
            if (c.opens != nullptr) {
                ASSERT_TRUE(std::holds_alternative<Task>(read))
                    << c.name << ": " << std::get<TaskError>(read).text;
                EXPECT_EQ(std::get<Task>(read), *c.opens) << c.name;
            } else {
                ASSERT_TRUE(std::holds_alternative<TaskError>(read)) << c.name;
                EXPECT_EQ(std::get<TaskError>(read).text,
                          "файл слишком велик для задачи: задача занимает не больше 64 КиБ")
                    << c.name;
            }
        }
    }
    std::remove(path.c_str());
}

// ---------------------------------------------------------------------------------------------
// Random tasks as «Сохранить задачу» makes them: each saved and, when saving is accepted,
// opened again to the same task; refused only when its file would be larger than the limit,
// with the reason in Russian.

class TaskMaker {
public:
    explicit TaskMaker(unsigned seed) : random_(seed) {
        for (char32_t c = U'А'; c <= U'я'; ++c) {
            letters_.push_back(utf8(c));
        }
        for (const char* s : {"Ё", "ё", "«", "»", "—", "№"}) {
            letters_.emplace_back(s);
        }
        for (char c = 'a'; c <= 'z'; ++c) {
            letters_.emplace_back(1, c);
            letters_.emplace_back(1, static_cast<char>(c - 'a' + 'A'));
        }
        for (const char c : std::string_view("0123456789.,!?;:-()=#\"'+/*%")) {
            letters_.emplace_back(1, c);
        }
        for (int i = 0; i < 12; ++i) {
            letters_.emplace_back(" ");
        }
        letters_.emplace_back("\t");
    }

    std::size_t below(std::size_t n) { return random_() % n; }

    // A number as a student types it, or as the program writes a value it holds.
    std::string field_text(Field field) {
        if (below(2) == 0) {
            const double typed = (below(4) == 0 ? -1.0 : 1.0) *
                                 std::uniform_real_distribution<double>(1, 10)(random_) *
                                 std::pow(10.0, static_cast<double>(below(601)) - 300);
            std::string text = field_text_general(field, typed * field_entry(field).factor);
            return text.substr(text.find_first_not_of(' '));
        }
        for (;;) {
            std::string text = below(4) == 0 ? "-" : "";
            const std::size_t whole = below(7);
            for (std::size_t i = 0; i < whole; ++i) {
                text += static_cast<char>('0' + below(10));
            }
            if (below(2) == 0) {
                text += below(2) == 0 ? ',' : '.';
                for (std::size_t i = below(5); i > 0; --i) {
                    text += static_cast<char>('0' + below(10));
                }
            }
            if (below(4) == 0) {
                text += below(2) == 0 ? "e" : "E";
                text += below(3) == 0 ? "-" : "";
                text += std::to_string(below(400));
            }
            if (reads_whole(text)) {
                return text;
            }
        }
    }

    std::string line() {
        const std::size_t kind = below(20);
        if (kind < 2) {
            return "";
        }
        std::string out;
        if (kind == 2) {
            for (std::size_t i = 1 + below(5); i > 0; --i) {
                out += below(4) == 0 ? '\t' : ' ';
            }
            return out;
        }
        const auto blanks = [&] {
            std::string b;
            for (std::size_t i = 1 + below(3); i > 0; --i) {
                b += below(4) == 0 ? '\t' : ' ';
            }
            return b;
        };
        if (below(4) == 0) {
            out += blanks();
        }
        const std::size_t length = below(30) == 0 ? 200 + below(1500) : below(80);
        for (std::size_t i = 0; i < length; ++i) {
            out += letters_[below(letters_.size())];
        }
        if (below(4) == 0) {
            out += blanks();
        }
        return out;
    }

    // A comment of about `size` bytes of file, lines added while they fit, then the last padded
    // to exactly `size` when asked.
    std::string comment_for(std::size_t bare, std::size_t size, bool exactly) {
        std::string comment;
        std::size_t file = bare;
        std::size_t lines = 0;
        for (;;) {
            const std::string next = line();
            if (file + 11 + next.size() > size) {
                break;
            }
            comment += (lines++ == 0 ? "" : "\n") + next;
            file += 11 + next.size();
        }
        if (exactly) {
            if (lines == 0) {
                file += 11;
            } else {
                comment += "\n";
                file += 11;
            }
            if (file <= size) {
                comment += std::string(size - file, 'z');
            }
        }
        return comment;
    }

    Task task() {
        Task t;
        for (const FieldEntry& entry : field_table()) {
            t.texts[static_cast<std::size_t>(entry.field)] = field_text(entry.field);
        }
        const std::size_t bare = expected_file_size(t);
        const std::size_t mode = below(100);
        if (mode < 8) {
            return t; // no comment
        }
        if (mode < 92) {
            // A few lines; now and then an empty first line.
            const std::size_t lines = 1 + below(12);
            for (std::size_t n = 0; n < lines; ++n) {
                if (n > 0 || below(8) == 0) {
                    t.comment += '\n';
                }
                t.comment += line();
            }
            return t;
        }
        if (mode < 95) {
            // About the limit, on either side.
            t.comment = comment_for(bare, task_file_limit - 4000 + below(8000), false);
        } else if (mode < 98) {
            // Exactly at the limit, or a byte beyond it.
            t.comment = comment_for(bare, task_file_limit + below(2), true);
        } else {
            // Far beyond: up to half the limit more.
            t.comment = comment_for(bare, task_file_limit + below(task_file_limit / 2), false);
        }
        return t;
    }

private:
    static std::string utf8(char32_t c) {
        return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
    }

    std::mt19937 random_;
    std::vector<std::string> letters_;
};

bool has_cyrillic(std::string_view text) {
    return text.find("\xD0") != std::string_view::npos ||
           text.find("\xD1") != std::string_view::npos;
}

TEST(TaskFile, WhateverIsSavedOpensAgain) {
    TaskMaker maker(28);
    const std::string dir = ::testing::TempDir() + "ovrelan_random_tasks";
    std::filesystem::create_directories(dir);
    const std::string path = dir + "/task.ovrelan";
    std::size_t accepted = 0, refused = 0, at_limit = 0, one_over = 0, through_files = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        const Task task = maker.task();
        SCOPED_TRACE("trial " + std::to_string(trial));
        const std::size_t size = expected_file_size(task);
        const bool through_file = trial % 50 == 0;
        std::string error;
        std::variant<std::string, TaskError> saved = task_file_text(task);
        if (through_file) {
            std::ofstream(path) << "было раньше";
            const bool written = write_task_file(path, task, &error);
            ASSERT_EQ(written, std::holds_alternative<std::string>(saved)) << error;
            ++through_files;
        }
        if (size <= task_file_limit) {
            ASSERT_TRUE(std::holds_alternative<std::string>(saved))
                << std::get<TaskError>(saved).text;
            const std::string& text = std::get<std::string>(saved);
            ASSERT_EQ(text.size(), size);
            ++accepted;
            at_limit += size == task_file_limit ? 1 : 0;
            const auto read = through_file ? read_task_file(path) : parse_task(text);
            ASSERT_TRUE(std::holds_alternative<Task>(read)) << std::get<TaskError>(read).text;
            ASSERT_EQ(std::get<Task>(read).texts, task.texts);
            ASSERT_EQ(std::get<Task>(read).comment, task.comment);
            if (accepted % 25 == 0) {
                // Saved again by an editor: the same task.
                for (const std::string& again :
                     {utf16(with_crlf(text), true), utf16(text, false),
                      "\xEF\xBB\xBF" + with_crlf(text),
                      *convert_text(with_crlf(text), "UTF-8", "CP1251")}) {
                    const auto reread = parse_task(again);
                    ASSERT_TRUE(std::holds_alternative<Task>(reread))
                        << std::get<TaskError>(reread).text;
                    ASSERT_EQ(std::get<Task>(reread), task);
                }
            }
        } else {
            ASSERT_TRUE(std::holds_alternative<TaskError>(saved)) << size;
            const std::string& reason = std::get<TaskError>(saved).text;
            ASSERT_TRUE(is_utf8(reason));
            ASSERT_TRUE(has_cyrillic(reason)) << reason;
            ASSERT_EQ(reason.rfind("с этим комментарием файл задачи занял бы ", 0), 0U) << reason;
            ASSERT_NE(reason.find("; сократите комментарий"), std::string::npos) << reason;
            ++refused;
            one_over += size == task_file_limit + 1 ? 1 : 0;
            if (through_file) {
                ASSERT_EQ(error, reason);
                std::ifstream in(path);
                ASSERT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "было раньше");
            }
        }
    }
    // Both sides of the limit, and the limit itself, were met often enough to count.
    EXPECT_GT(accepted, 15000U);
    EXPECT_GT(refused, 500U);
    EXPECT_GT(at_limit, 100U);
    EXPECT_GT(one_over, 100U);
    EXPECT_EQ(through_files, 400U);
    std::cout << "accepted " << accepted << ", refused " << refused << ", at the limit " << at_limit
              << ", a byte over " << one_over << "\n";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
    std::filesystem::remove_all(dir);
}

// The messages the window and the command-line tool join after a task's reason: every reason
// ends in one mark, its own or a period.
TEST(TaskFile, ReasonsJoinedEndInOneMark) {
    const SimulationState start = testing::started_state();
    const struct {
        const char* name;
        std::string content;
        const char* not_opened; // in the window, after «Задача из файла «…» не открыта: »
        const char* tool; // ovrelan-solve, after the file's name
    } cases[] = {
        {"negative", replaced(good, "C = 5000", "C = -5"),
         "строка 3: поле С(мкФ): не может быть отрицательным! Не вводите заново, а исправьте! "
         "Ничего не изменилось.",
         "строка 3: поле С(мкФ): не может быть отрицательным! Не вводите заново, а исправьте! "
         "Задача не открыта."},
        {"refused", replaced(good, "L = 2000", "L = 1e999"),
         "строка 2: поле L(мкГн): Расчёт с такими значениями невозможен! Значение не принято. "
         "Ничего не изменилось.",
         "строка 2: поле L(мкГн): Расчёт с такими значениями невозможен! Значение не принято. "
         "Задача не открыта."},
        {"too_many_points", replaced(good, "Nmax = 40", "Nmax = 100000"),
         "строка 8: поле Nmax: Слишком много точек расчёта (4\u00A0800\u00A0001)! При этих "
         "значениях Nmax не больше 20833. Значение не принято. Ничего не изменилось.",
         "строка 8: поле Nmax: Слишком много точек расчёта (4\u00A0800\u00A0001)! При этих "
         "значениях Nmax не больше 20833. Значение не принято. Задача не открыта."},
        {"guard_without_a_mark",
         replaced(replaced(replaced(good, "L = 2000", "L = 0"), "R = 0,020", "R = 0"), "nu = 47",
                  "nu = 0"),
         "строка 7: поле v(Гц): Напряжение скачком меняется от Uo до - Em в начальный момент "
         "времени. Потом постоянно. Ток в начальный момент времени бесконечен, а потом равен 0. "
         "Ничего не изменилось.",
         "строка 7: поле v(Гц): Напряжение скачком меняется от Uo до - Em в начальный момент "
         "времени. Потом постоянно. Ток в начальный момент времени бесконечен, а потом равен 0. "
         "Задача не открыта."},
        {"no_current", replaced(replaced(good, "Uo = 15", "Uo = 0"), "Em = -5e0", "Em = 0"),
         "строка 6: поле ε(B): А откуда ток возьмется?! Ничего не изменилось.",
         "строка 6: поле ε(B): А откуда ток возьмется?! Задача не открыта."},
    };
    for (const auto& c : cases) {
        const auto error = check_task_values(start, std::get<Task>(parse_task(c.content)));
        ASSERT_TRUE(error.has_value()) << c.name;
        EXPECT_EQ(join_sentences(error->text, "Ничего не изменилось."), c.not_opened) << c.name;
        EXPECT_EQ(join_sentences(error->text, "Задача не открыта."), c.tool) << c.name;
    }
    // Reasons from reading the file.
    const struct {
        std::string content;
        const char* joined;
    } read_cases[] = {
        {replaced(good, "nu = 47", "freq = 47"),
         "строка 7: неизвестное имя «freq». Ничего не изменилось."},
        {std::string(good) + std::string(70000, '#'),
         "файл слишком велик для задачи: задача занимает не больше 64 КиБ. Ничего не изменилось."},
    };
    for (const auto& c : read_cases) {
        const auto read = parse_task(c.content);
        ASSERT_TRUE(std::holds_alternative<TaskError>(read));
        EXPECT_EQ(join_sentences(std::get<TaskError>(read).text, "Ничего не изменилось."),
                  c.joined);
    }
}
} // namespace
} // namespace ovrelan

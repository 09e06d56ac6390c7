#include "model/sentences.h"

#include "model/characteristics.h"
#include "model/parameter_fields.h"

#include "support/case_name.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace ovrelan {
namespace {

struct JoinCase {
    const char* name;
    std::string first;
    const char* second;
    std::string joined;
};

void PrintTo(const JoinCase& c, std::ostream* os) {
    *os << c.name;
}

class JoinedSentences : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinedSentences, EndInOneMarkEach) {
    EXPECT_EQ(join_sentences(GetParam().first, GetParam().second), GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, JoinedSentences,
    ::testing::Values(
        JoinCase{"exclamation_kept",
                 "поле С(мкФ): не может быть отрицательным! Не вводите заново, "
                 "а исправьте!",
                 "Ничего не изменилось.",
                 "поле С(мкФ): не может быть отрицательным! Не вводите заново, а исправьте! "
                 "Ничего не изменилось."},
        JoinCase{"period_kept",
                 "поле Nmax: Расчёт с такими значениями невозможен! Значение не "
                 "принято.",
                 "Задача не открыта.",
                 "поле Nmax: Расчёт с такими значениями невозможен! Значение не принято. Задача "
                 "не открыта."},
        JoinCase{"question_and_exclamation", "А откуда ток возьмется?!", "Ничего не изменилось.",
                 "А откуда ток возьмется?! Ничего не изменилось."},
        JoinCase{"no_mark_gets_a_period",
                 "Ток в начальный момент времени бесконечен, а потом "
                 "равен 0",
                 "Задача не открыта.",
                 "Ток в начальный момент времени бесконечен, а потом равен 0. Задача не открыта."},
        JoinCase{"closing_quote_is_no_mark", "строка 7: неизвестное имя «freq»",
                 "Ничего не изменилось.",
                 "строка 7: неизвестное имя «freq». Ничего не изменилось."},
        JoinCase{"unit_at_the_end", "задача занимает не больше 64 КиБ", "Ничего не изменилось.",
                 "задача занимает не больше 64 КиБ. Ничего не изменилось."},
        JoinCase{"ellipsis_kept", "Подождите\u2026", "Ничего не изменилось.",
                 "Подождите\u2026 Ничего не изменилось."},
        JoinCase{"blanks_at_the_end_dropped", "исправьте! \n", "Ничего не изменилось.",
                 "исправьте! Ничего не изменилось."},
        JoinCase{"nothing_first", "", "Ничего не изменилось.", "Ничего не изменилось."},
        JoinCase{"only_blanks_first", " \t", "Задача не открыта.", "Задача не открыта."}),
    testing::CaseName{});

// Every message the model brings, joined with the sentence that follows it in the window and in
// the command-line tool: the message stands whole, and no mark follows a closing mark.
TEST(JoinedSentences, NoMessageEndsInTwoMarks) {
    std::vector<std::string> messages = {std::string(underflow_message), std::string(refused_text)};
    for (const FieldEntry& entry : field_table()) {
        if (!entry.message.empty()) {
            messages.emplace_back(entry.message);
        }
    }
    // The seven guards, each brought by the values that trip it first.
    const Parameters trips[] = {
        {0, 0, 0, 15, 0, 47, 40},        {0, 0, 0.02, 15, 0, 47, 40},  {0, 0, 0, 15, 5, 47, 40},
        {0.002, 0.005, 1, 0, 0, 47, 40}, {0.002, 0, 1, 15, 0, 47, 40}, {0, 0.005, 0, 15, 5, 0, 40},
        {0, 0.005, 0, 15, 0, 47, 40},
    };
    std::vector<int> guards;
    for (const Parameters& p : trips) {
        const auto guard = find_guard(p);
        ASSERT_TRUE(guard.has_value());
        guards.push_back(guard->number);
        messages.push_back(guard->text);
    }
    EXPECT_EQ(guards, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    for (const std::string& message : messages) {
        for (const char* next : {"Ничего не изменилось.", "Задача не открыта."}) {
            const std::string joined = join_sentences(message, next);
            EXPECT_EQ(joined.rfind(message, 0), 0U) << joined;
            EXPECT_EQ(joined.substr(joined.size() - std::string(next).size()), next) << joined;
            for (const char* twice : {"!.", "..", "?.", "\u2026."}) {
                EXPECT_EQ(joined.find(twice), std::string::npos) << joined;
            }
            // Between the two sentences: one blank, after a mark of the message's own or a period.
            const std::string between =
                joined.substr(message.size(), joined.size() - message.size() - std::strlen(next));
            const bool own_mark = std::string_view(".!?").find(message.back()) != std::string::npos;
            EXPECT_EQ(between, own_mark ? " " : ". ") << joined;
        }
    }
}

} // namespace
} // namespace ovrelan

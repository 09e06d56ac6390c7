#include "model/sentences.h"

namespace ovrelan {

namespace {

constexpr std::string_view blanks = " \t\n\r";

std::string_view without_trailing_blanks(std::string_view text) {
    const auto last = text.find_last_not_of(blanks);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

} // namespace

bool ends_sentence(std::string_view text) {
    text = without_trailing_blanks(text);
    if (text.empty()) {
        return false;
    }
    constexpr std::string_view ellipsis = "\u2026";
    const char last = text.back();
    return last == '.' || last == '!' || last == '?' ||
           (text.size() >= ellipsis.size() &&
            text.substr(text.size() - ellipsis.size()) == ellipsis);
}

std::string join_sentences(std::string_view first, std::string_view second) {
    first = without_trailing_blanks(first);
    if (first.empty()) {
        return std::string(second);
    }
    return std::string(first) + (ends_sentence(first) ? " " : ". ") + std::string(second);
}

} // namespace ovrelan

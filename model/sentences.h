// Messages made of several sentences: one joined after another so that every sentence ends in
// exactly one mark, its own («исправьте! Ничего не изменилось.») or a period put where it had
// none («равен 0. Задача не открыта.»).
#pragma once

#include <string>
#include <string_view>

namespace ovrelan {

// Whether the text ends in a sentence's closing mark (. ! ? …), blanks after it aside.
bool ends_sentence(std::string_view text);

// `first`, then `second` after one space; a period between them when `first` does not end a
// sentence itself. Blanks at the end of `first` are dropped; an empty `first` gives `second`.
std::string join_sentences(std::string_view first, std::string_view second);

} // namespace ovrelan

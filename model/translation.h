// Texts of the core in the language of the windows. The core keeps its texts in Russian and asks
// for each one here where it hands it out; the window installs a translator at start, the
// command line and the core's tests install none and keep the Russian texts exactly.
//
// lupdate reads the calls: `translated` as QCoreApplication::translate, and OVRELAN_TRANSLATE_NOOP
// (a text in a table, translated where it is used) as QT_TRANSLATE_NOOP.
#pragma once

#include <string>

// Marks a text of a table for translation; the text itself, untouched.
#define OVRELAN_TRANSLATE_NOOP(context, source) source

namespace ovrelan {

// Gives the text for a source text of a context, in UTF-8; null for none.
using TextTranslator = std::string (*)(const char* context, const char* source);

// Set once at start, before any text is asked for.
void install_text_translator(TextTranslator translator);

// The source text in the language of the windows: the source itself when no translator is
// installed or it knows no translation.
std::string translated(const char* context, const char* source);

} // namespace ovrelan

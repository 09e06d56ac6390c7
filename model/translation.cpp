#include "model/translation.h"

namespace ovrelan {

namespace {

TextTranslator text_translator = nullptr;

} // namespace

void install_text_translator(TextTranslator translator) {
    text_translator = translator;
}

std::string translated(const char* context, const char* source) {
    if (text_translator == nullptr) {
        return source;
    }
    std::string text = text_translator(context, source);
    return text.empty() ? std::string(source) : text;
}

} // namespace ovrelan

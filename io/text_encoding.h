// Text from files as teachers' editors write it: UTF-8, with or without a byte-order mark, or
// Windows-1251. Conversions by iconv from the C library.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ovrelan {

// The text converted between two encodings iconv knows ("UTF-8", "CP1251", ...), or nothing when
// the input is not valid in its encoding or cannot be represented in the other.
std::optional<std::string> convert_text(std::string_view text, const char* from, const char* to);

// Well-formed UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool is_utf8(std::string_view text);

enum class Encoding { utf8, windows_1251 };

struct DecodedText {
    std::string text; // UTF-8, without a byte-order mark
    Encoding encoding = Encoding::utf8;
};

// The bytes of a file as UTF-8: as they are when they are UTF-8 (a leading byte-order mark
// dropped), otherwise read as Windows-1251 when that decodes them; nothing when neither does.
std::optional<DecodedText> decode_text_file(std::string_view bytes);

} // namespace ovrelan

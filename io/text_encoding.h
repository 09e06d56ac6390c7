// Text from files as teachers' editors write it: UTF-8, with or without a byte-order mark,
// Windows-1251, or UTF-16 with a byte-order mark (Windows Notepad's «Юникод» and «Юникод
// big endian»). Conversions by iconv from the C library.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ovrelan {

// The text converted between two encodings iconv knows ("UTF-8", "CP1251", ...), or nothing when
// the input is not valid in its encoding or cannot be represented in the other.
std::optional<std::string> convert_text(std::string_view text, const char* from, const char* to);

// Well-formed UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool is_utf8(std::string_view text);

enum class Encoding { utf8, windows_1251, utf16le, utf16be };

// The encoding a byte-order mark at the start of the bytes names, and the mark's length; nothing
// when they start without one.
struct ByteOrderMark {
    Encoding encoding;
    std::size_t size;
};
std::optional<ByteOrderMark> byte_order_mark(std::string_view bytes);

struct DecodedText {
    std::string text; // UTF-8, without a byte-order mark
    Encoding encoding = Encoding::utf8;
};

// The bytes of a file as UTF-8. A UTF-16 byte-order mark (either order) decides: the rest is
// UTF-16 in that order, or the bytes are no text. Otherwise they are as they are when they are
// UTF-8 (a leading UTF-8 byte-order mark dropped), or read as Windows-1251 when that decodes them;
// nothing when neither does. UTF-16 without a mark is not guessed.
std::optional<DecodedText> decode_text_file(std::string_view bytes);

} // namespace ovrelan

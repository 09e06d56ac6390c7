#include "io/text_encoding.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace ovrelan {

std::optional<std::string> convert_text(std::string_view text, const char* from, const char* to) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string out;
    std::string in(text);
    char* in_at = in.data();
    std::size_t in_left = in.size();
    char buffer[4096];
    bool ok = true;
    while (ok) {
        char* out_at = buffer;
        std::size_t out_left = sizeof buffer;
        // A null input pointer flushes the shift state once the input is done.
        const std::size_t r = in_left > 0 ? iconv(cd, &in_at, &in_left, &out_at, &out_left)
                                          : iconv(cd, nullptr, nullptr, &out_at, &out_left);
        out.append(buffer, static_cast<std::size_t>(out_at - buffer));
        if (r == static_cast<std::size_t>(-1)) {
            ok = errno == E2BIG; // room for more output: go on; anything else is bad input
            continue;
        }
        if (in_left == 0 && out_at == buffer) {
            break;
        }
    }
    iconv_close(cd);
    return ok ? std::optional<std::string>(std::move(out)) : std::nullopt;
}

bool is_utf8(std::string_view text) {
    // Plain ASCII is UTF-8 as it stands: a measured file of a million rows need not be converted
    // to know it.
    if (std::all_of(text.begin(), text.end(),
                    [](char c) { return (static_cast<unsigned char>(c) & 0x80) == 0; })) {
        return true;
    }
    return convert_text(text, "UTF-8", "UTF-32LE").has_value();
}

std::optional<ByteOrderMark> byte_order_mark(std::string_view bytes) {
    const struct {
        std::string_view mark;
        Encoding encoding;
    } marks[] = {{"\xEF\xBB\xBF", Encoding::utf8},
                 {"\xFF\xFE", Encoding::utf16le},
                 {"\xFE\xFF", Encoding::utf16be}};
    for (const auto& m : marks) {
        if (bytes.substr(0, m.mark.size()) == m.mark) {
            return ByteOrderMark{m.encoding, m.mark.size()};
        }
    }
    return std::nullopt;
}

std::optional<DecodedText> decode_text_file(std::string_view bytes) {
    const std::optional<ByteOrderMark> mark = byte_order_mark(bytes);
    if (mark) {
        bytes.remove_prefix(mark->size);
    }
    // Neither FF nor FE ever stands in UTF-8, and no task in Windows-1251 starts with «яю» or
    // «юя»: a UTF-16 mark is not mistaken.
    if (mark && mark->encoding != Encoding::utf8) {
        const bool le = mark->encoding == Encoding::utf16le;
        auto text = convert_text(bytes, le ? "UTF-16LE" : "UTF-16BE", "UTF-8");
        if (!text) {
            return std::nullopt;
        }
        return DecodedText{std::move(*text), mark->encoding};
    }
    if (is_utf8(bytes)) {
        return DecodedText{std::string(bytes), Encoding::utf8};
    }
    if (auto text = convert_text(bytes, "CP1251", "UTF-8")) {
        return DecodedText{std::move(*text), Encoding::windows_1251};
    }
    return std::nullopt;
}

} // namespace ovrelan

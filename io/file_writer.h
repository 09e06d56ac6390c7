// Files written whole or not at all: into a temporary file beside the file, renamed over it only
// once everything is written and closed, so a full disk or a failing device never leaves half a
// table or a half-written task behind. Reasons in Russian.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace ovrelan {

// Receives the file's text piece by piece; false when a piece could not be written.
using FilePut = std::function<bool(std::string_view piece)>;

// Writes what `fill` puts; false with the reason in *reason when the file cannot be written or
// `fill` gives up (false).
bool write_file_whole(const std::string& path, const std::function<bool(const FilePut&)>& fill,
                      std::string* reason);
bool write_file_whole(const std::string& path, std::string_view text, std::string* reason);

} // namespace ovrelan

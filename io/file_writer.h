// Files written whole or not at all, with respect for what stands at the path:
// - a regular file (or none) is replaced atomically: the text goes into a temporary file in the
//   same folder, flushed to the disk, which is then renamed over the file and the folder flushed
//   too; the file keeps its permissions and, where the system lets us, its owner;
// - a symbolic link is followed: the file it points to is replaced, the link stays;
// - a file with other hard links is written in place once the whole text stands in the
//   temporary, so every name of it sees the new text;
// - a character device (a terminal, /dev/null) is written directly, never replaced; a pipe is
//   written directly when a program reads it and refused when none does (nothing would ever
//   read it); a disk device, a socket and a folder are refused;
// - a file without write permission is refused, as editors refuse it, even for root.
// The temporary name is short (".ovrelan-PID-XXXXXX.part"), so any name the file system allows
// can be saved; a failed write removes its temporary, and temporaries that killed saves of this
// program left in the folder are removed by the next save there. Reasons in Russian.
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

// Whether two paths name the same file (the same path, or links to one file): a program that
// writes two outputs refuses to write both to one.
bool same_file(const std::string& a, const std::string& b);

} // namespace ovrelan

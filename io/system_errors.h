// The reasons the system gives for a file it cannot read or write, in Russian: one place for
// every message about files.
#pragma once

#include <string>

namespace ovrelan {

// "нет такого файла или папки" for ENOENT, and so on for the reasons a student meets (no
// rights, a read-only file system, a full disk, a folder, a quota, a name too long, a loop of
// links ...); "системная ошибка № N" for any other: never the system's English text.
std::string system_reason(int error);

} // namespace ovrelan

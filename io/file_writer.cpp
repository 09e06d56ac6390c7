#include "io/file_writer.h"

#include "io/system_errors.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace ovrelan {

namespace {

// A name beside the file that no other file has: ".name.3f9a…" in the same folder, so the rename
// stays on one file system.
std::string temporary_beside(const std::string& path) {
    const std::filesystem::path p(path);
    std::random_device random;
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%08x%08x", random(), random());
    return (p.parent_path() / ("." + p.filename().string() + suffix)).string();
}

} // namespace

bool write_file_whole(const std::string& path, const std::function<bool(const FilePut&)>& fill,
                      std::string* reason) {
    const std::string temporary = temporary_beside(path);
    errno = 0;
    std::FILE* file = std::fopen(temporary.c_str(), "wbx");
    int error = errno;
    bool ok = file != nullptr;
    if (ok) {
        ok = fill([file, &error](std::string_view piece) {
            errno = 0;
            const bool written = std::fwrite(piece.data(), 1, piece.size(), file) == piece.size();
            error = written ? error : (errno != 0 ? errno : EIO);
            return written;
        });
        if (std::fflush(file) != 0 && ok) {
            ok = false;
            error = errno != 0 ? errno : EIO;
        }
        if (std::fclose(file) != 0 && ok) {
            ok = false;
            error = errno != 0 ? errno : EIO;
        }
    }
    if (ok) {
        std::error_code ec;
        std::filesystem::rename(temporary, path, ec);
        if (ec) {
            ok = false;
            error = ec.value();
        }
    }
    if (!ok) {
        std::remove(temporary.c_str());
        if (reason != nullptr) {
            // A path that cannot be created at all is named as the file's, not the temporary's.
            *reason = system_reason(error != 0 ? error : EIO);
        }
    }
    return ok;
}

bool write_file_whole(const std::string& path, std::string_view text, std::string* reason) {
    return write_file_whole(
        path, [text](const FilePut& put) { return put(text); }, reason);
}

} // namespace ovrelan

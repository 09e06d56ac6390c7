#include "io/file_writer.h"

#include "io/system_errors.h"

#include "model/text_arguments.h"
#include "model/translation.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace ovrelan {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view temporary_prefix = ".ovrelan-";
constexpr std::string_view temporary_suffix = ".part";

// A path's last element and its folder ("." for a bare name).
std::string folder_of(const std::string& path) {
    const fs::path p(path);
    return p.has_parent_path() ? p.parent_path().string() : std::string(".");
}

// Where the writing lands: the path with every symbolic link followed, and what stands there.
struct Target {
    std::string path;
    bool exists = false;
    struct stat status {};
};

// Follows links the way open() would, but keeps the final name, so that a link to a file yet
// to be made makes that file. Nothing, with errno set, when the chain cannot be followed.
bool resolve(const std::string& path, Target& target) {
    std::string at = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0) {
            if (errno != ENOENT) {
                return false;
            }
            target.path = at;
            target.exists = false;
            return true;
        }
        if (!S_ISLNK(st.st_mode)) {
            target.path = at;
            target.exists = true;
            target.status = st;
            return true;
        }
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(at.c_str(), link.data(), link.size());
        if (n < 0) {
            return false;
        }
        link.resize(static_cast<std::size_t>(n));
        at = fs::path(link).is_absolute() ? link : (fs::path(folder_of(at)) / link).string();
    }
    errno = ELOOP;
    return false;
}

// Whether the process that made a temporary of ours is gone, from the number in its name.
bool made_by_a_finished_save(std::string_view name) {
    if (!name.starts_with(temporary_prefix) || !name.ends_with(temporary_suffix)) {
        return false;
    }
    name.remove_prefix(temporary_prefix.size());
    const auto dash = name.find('-');
    if (dash == std::string_view::npos || dash == 0) {
        return false;
    }
    long pid = 0;
    for (const char c : name.substr(0, dash)) {
        if (c < '0' || c > '9' || pid > 100000000) {
            return false;
        }
        pid = pid * 10 + (c - '0');
    }
    if (pid == static_cast<long>(::getpid())) {
        return false; // another save of this process, perhaps under way
    }
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Temporaries that saves killed half-way left in the folder.
void remove_stale_temporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (made_by_a_finished_save(entry->d_name)) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

// A new file in the folder that nothing else has: ".ovrelan-PID-XXXXXXXX.part".
int create_temporary(const std::string& folder, std::string& name) {
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", random());
        name = (fs::path(folder) / (std::string(temporary_prefix) + std::to_string(::getpid()) +
                                    "-" + suffix + std::string(temporary_suffix)))
                   .string();
        const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Writes all of a piece, through interruptions; false with errno set.
bool write_all(int fd, std::string_view piece) {
    while (!piece.empty()) {
        const ssize_t n = ::write(fd, piece.data(), piece.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        piece.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// What fill puts, into fd; the first error in *error.
bool fill_into(int fd, const std::function<bool(const FilePut&)>& fill, int* error) {
    *error = 0;
    const bool filled = fill([fd, error](std::string_view piece) {
        if (write_all(fd, piece)) {
            return true;
        }
        *error = errno != 0 ? errno : EIO;
        return false;
    });
    if (!filled && *error == 0) {
        *error = ECANCELED; // the text itself could not be made
    }
    return filled;
}

// fsync, except where a device has nothing to flush.
bool flushed(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
}

void flush_folder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A character device or a pipe with a reader: written where it stands.
bool write_directly(const Target& t, const std::function<bool(const FilePut&)>& fill, int* error) {
    const bool pipe = S_ISFIFO(t.status.st_mode);
    // A pipe nobody reads would keep the program waiting for ever: opened without waiting.
    const int fd =
        ::open(t.path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | (pipe ? O_NONBLOCK : 0));
    if (fd < 0) {
        *error = pipe && errno == ENXIO ? ENXIO : errno;
        return false;
    }
    if (pipe) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    bool ok = fill_into(fd, fill, error);
    if (ok && !flushed(fd)) {
        ok = false;
        *error = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        *error = errno;
    }
    return ok;
}

// Copies the finished temporary into a file with other hard links, in place.
bool copy_in_place(int from, const std::string& path, int* error) {
    const int to = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (to < 0) {
        *error = errno;
        return false;
    }
    bool ok = ::lseek(from, 0, SEEK_SET) == 0;
    char buffer[1 << 16];
    for (ssize_t n = 0; ok && (n = ::read(from, buffer, sizeof buffer)) != 0;) {
        if (n < 0) {
            ok = errno == EINTR;
            continue;
        }
        ok = write_all(to, std::string_view(buffer, static_cast<std::size_t>(n)));
    }
    ok = ok && flushed(to);
    if (!ok) {
        *error = errno != 0 ? errno : EIO;
    }
    if (::close(to) != 0 && ok) {
        ok = false;
        *error = errno;
    }
    return ok;
}

// A regular file, or none yet: through a temporary beside it.
bool replace_whole(const Target& t, const std::function<bool(const FilePut&)>& fill, int* error) {
    const std::string folder = folder_of(t.path);
    remove_stale_temporaries(folder);
    std::string temporary;
    const int fd = create_temporary(folder, temporary);
    if (fd < 0) {
        *error = errno;
        return false;
    }
    bool ok = fill_into(fd, fill, error);
    if (ok && t.exists) {
        // The file's permissions, and its owner where the system lets us give it.
        ::fchmod(fd, t.status.st_mode & 07777);
        if (::fchown(fd, t.status.st_uid, t.status.st_gid) != 0) {
            ::fchmod(fd, t.status.st_mode & 0777); // no set-id bits for another owner
        }
    }
    if (ok && !flushed(fd)) {
        ok = false;
        *error = errno;
    }
    const bool linked_elsewhere = t.exists && t.status.st_nlink > 1;
    if (ok && linked_elsewhere) {
        ok = copy_in_place(fd, t.path, error);
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        *error = errno;
    }
    if (ok && !linked_elsewhere && ::rename(temporary.c_str(), t.path.c_str()) != 0) {
        ok = false;
        *error = errno;
    }
    if (!ok || linked_elsewhere) {
        ::unlink(temporary.c_str());
    }
    if (ok) {
        flush_folder(folder);
    }
    return ok;
}

// Why a file that stands at the path is not written, or nothing when it may be.
std::string refusal(const Target& t) {
    const mode_t mode = t.status.st_mode;
    if (S_ISDIR(mode)) {
        return system_reason(EISDIR);
    }
    if (S_ISBLK(mode)) {
        return translated("FileWriter",
                          "это дисковое устройство: запись в него уничтожила бы данные на диске");
    }
    if (S_ISSOCK(mode)) {
        return translated("FileWriter", "это сокет, а не файл");
    }
    if (S_ISREG(mode) && ((mode & 0222) == 0 || ::access(t.path.c_str(), W_OK) != 0)) {
        return translated(
            "FileWriter",
            "файл только для чтения: снимите этот запрет или сохраните под другим именем");
    }
    return {};
}

} // namespace

bool write_file_whole(const std::string& path, const std::function<bool(const FilePut&)>& fill,
                      std::string* reason) {
    const auto fail = [reason](std::string why) {
        if (reason != nullptr) {
            *reason = std::move(why);
        }
        return false;
    };
    Target target;
    if (path.empty()) {
        return fail(system_reason(ENOENT));
    }
    if (!resolve(path, target)) {
        return fail(system_reason(errno));
    }
    if (target.exists) {
        if (std::string why = refusal(target); !why.empty()) {
            return fail(std::move(why));
        }
    }
    int error = 0;
    const bool direct =
        target.exists && (S_ISCHR(target.status.st_mode) || S_ISFIFO(target.status.st_mode));
    const bool ok =
        direct ? write_directly(target, fill, &error) : replace_whole(target, fill, &error);
    if (!ok) {
        if (direct && error == ENXIO) {
            return fail(translated("FileWriter", "это канал, из которого никто не читает"));
        }
        return fail(system_reason(error != 0 ? error : EIO));
    }
    return true;
}

bool write_file_whole(const std::string& path, std::string_view text, std::string* reason) {
    return write_file_whole(
        path, [text](const FilePut& put) { return put(text); }, reason);
}

bool same_file(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (a == b || fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec)) {
        return true;
    }
    struct stat sa {};
    struct stat sb {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

} // namespace ovrelan

#include "io/file_reader.h"

#include "io/system_errors.h"
#include "model/text_arguments.h"
#include "model/translation.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace ovrelan {

std::variant<std::string, FileReadError> read_regular_file(const std::string& path,
                                                           std::size_t limit) {
    namespace fs = std::filesystem;
    const auto unreadable = [](int error) {
        return FileReadError{
            false, with_arguments(translated("FileReader", "не удалось прочитать файл: %1"),
                                  system_reason(error))};
    };
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec) {
        return unreadable(ec.value());
    }
    if (fs::is_directory(status)) {
        return FileReadError{false, translated("FileReader", "это папка, а не файл")};
    }
    if (!fs::is_regular_file(status)) {
        return FileReadError{
            false, translated("FileReader", "это не обычный файл, а устройство, канал или сокет")};
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (!ec && size > limit) {
        return FileReadError{true, ""};
    }
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return unreadable(errno);
    }
    std::string content;
    if (!ec) {
        content.reserve(static_cast<std::size_t>(size));
    }
    // The file may grow while it is read: reading stops once it is past the limit.
    char buffer[65536];
    std::size_t n = 0;
    while (content.size() <= limit && (n = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        content.append(buffer, n);
    }
    const int error = std::ferror(file) != 0 ? (errno != 0 ? errno : EIO) : 0;
    std::fclose(file);
    if (error != 0) {
        return unreadable(error);
    }
    if (content.size() > limit) {
        return FileReadError{true, ""};
    }
    return content;
}

} // namespace ovrelan

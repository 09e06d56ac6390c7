#include "io/system_errors.h"

#include <cerrno>
#include <cstring>

namespace ovrelan {

std::string system_reason(int error) {
    switch (error) {
    case ENOENT:
        return "нет такого файла или папки";
    case EACCES:
    case EPERM:
        return "нет прав на доступ к файлу или папке";
    case EROFS:
        return "файловая система доступна только для чтения";
    case ENOSPC:
        return "на диске нет места";
    case EDQUOT:
        return "превышена квота на диске";
    case EISDIR:
        return "это папка, а не файл";
    case ENOTDIR:
        return "часть пути — не папка";
    case ENAMETOOLONG:
        return "слишком длинное имя файла";
    case EEXIST:
        return "файл уже существует";
    case EMFILE:
    case ENFILE:
        return "открыто слишком много файлов";
    case EIO:
        return "ошибка ввода-вывода";
    case EFBIG:
        return "файл слишком велик";
    case EBUSY:
    case ETXTBSY:
        return "файл занят";
    default:
        return std::strerror(error);
    }
}

} // namespace ovrelan

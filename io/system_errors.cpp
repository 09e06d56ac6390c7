#include "io/system_errors.h"

#include <cerrno>
#include <string>

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
    case ELOOP:
        return "слишком много символических ссылок подряд (ссылка на саму себя?)";
    case ENXIO:
    case ENODEV:
        return "нет такого устройства";
    case EINVAL:
        return "недопустимое имя или действие для этого файла";
    case EXDEV:
        return "файл и его папка на разных файловых системах";
    case EMLINK:
        return "у файла слишком много ссылок";
    case EAGAIN:
        return "устройство временно недоступно";
    case EINTR:
        return "запись прервана";
    case ECANCELED:
        return "запись прервана: текст файла не удалось составить";
    case ENOMEM:
        return "не хватает памяти";
    case EPIPE:
        return "читающая программа закрыла канал";
    case ESPIPE:
        return "файл не допускает перемещения по нему";
    case EOVERFLOW:
        return "файл слишком велик для этой системы";
    case ESTALE:
        return "сетевой файл больше не доступен";
    case ETIMEDOUT:
        return "истекло время ожидания устройства";
    case EOPNOTSUPP:
        return "файловая система не поддерживает это действие";
    case ENOTEMPTY:
        return "папка не пуста";
    case EBADF:
        return "файл не открыт для записи";
    default:
        // Never the system's English text: the number says enough to look it up.
        return "системная ошибка № " + std::to_string(error);
    }
}

} // namespace ovrelan

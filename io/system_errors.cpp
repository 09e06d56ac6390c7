#include "io/system_errors.h"

#include "model/text_arguments.h"
#include "model/translation.h"

#include <cerrno>
#include <string>

namespace ovrelan {

std::string system_reason(int error) {
    switch (error) {
    case ENOENT:
        return translated("SystemErrors", "нет такого файла или папки");
    case EACCES:
    case EPERM:
        return translated("SystemErrors", "нет прав на доступ к файлу или папке");
    case EROFS:
        return translated("SystemErrors", "файловая система доступна только для чтения");
    case ENOSPC:
        return translated("SystemErrors", "на диске нет места");
    case EDQUOT:
        return translated("SystemErrors", "превышена квота на диске");
    case EISDIR:
        return translated("SystemErrors", "это папка, а не файл");
    case ENOTDIR:
        return translated("SystemErrors", "часть пути — не папка");
    case ENAMETOOLONG:
        return translated("SystemErrors", "слишком длинное имя файла");
    case EEXIST:
        return translated("SystemErrors", "файл уже существует");
    case EMFILE:
    case ENFILE:
        return translated("SystemErrors", "открыто слишком много файлов");
    case EIO:
        return translated("SystemErrors", "ошибка ввода-вывода");
    case EFBIG:
        return translated("SystemErrors", "файл слишком велик");
    case EBUSY:
    case ETXTBSY:
        return translated("SystemErrors", "файл занят");
    case ELOOP:
        return translated("SystemErrors",
                          "слишком много символических ссылок подряд (ссылка на саму себя?)");
    case ENXIO:
    case ENODEV:
        return translated("SystemErrors", "нет такого устройства");
    case EINVAL:
        return translated("SystemErrors", "недопустимое имя или действие для этого файла");
    case EXDEV:
        return translated("SystemErrors", "файл и его папка на разных файловых системах");
    case EMLINK:
        return translated("SystemErrors", "у файла слишком много ссылок");
    case EAGAIN:
        return translated("SystemErrors", "устройство временно недоступно");
    case EINTR:
        return translated("SystemErrors", "запись прервана");
    case ECANCELED:
        return translated("SystemErrors", "запись прервана: текст файла не удалось составить");
    case ENOMEM:
        return translated("SystemErrors", "не хватает памяти");
    case EPIPE:
        return translated("SystemErrors", "читающая программа закрыла канал");
    case ESPIPE:
        return translated("SystemErrors", "файл не допускает перемещения по нему");
    case EOVERFLOW:
        return translated("SystemErrors", "файл слишком велик для этой системы");
    case ESTALE:
        return translated("SystemErrors", "сетевой файл больше не доступен");
    case ETIMEDOUT:
        return translated("SystemErrors", "истекло время ожидания устройства");
    case EOPNOTSUPP:
        return translated("SystemErrors", "файловая система не поддерживает это действие");
    case ENOTEMPTY:
        return translated("SystemErrors", "папка не пуста");
    case EBADF:
        return translated("SystemErrors", "файл не открыт для записи");
    default:
        // Never the system's English text: the number says enough to look it up.
        return with_arguments(translated("SystemErrors", "системная ошибка № %1"),
                              std::to_string(error));
    }
}

} // namespace ovrelan

#include "platform/locale.h"

#include <QLocale>

namespace ovrelan {

char decimal_separator() {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode())
                                                         : '.';
}

} // namespace ovrelan

#include "platform/locale.h"

#include <QLocale>

namespace ovrelan {

namespace {

Language numbers_language = Language::russian;

} // namespace

void write_numbers_of(Language language) {
    numbers_language = language;
}

char decimal_separator() {
    if (numbers_language == Language::english) {
        return '.';
    }
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode())
                                                         : '.';
}

char document_decimal_separator() {
    return numbers_language == Language::english ? '.' : ',';
}

} // namespace ovrelan

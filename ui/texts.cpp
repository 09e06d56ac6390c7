#include "ui/texts.h"

#include <QStringList>

namespace ovrelan {

QString authors_credits() {
    return QStringList{
        "Ovrelan",
        "учебный тренажёр",
        "«Переходные процессы в последовательном контуре»",
        "",
        "Разработка: команда проекта Ovrelan",
        "Программа написана на C++ с библиотекой Qt 6",
    }
        .join('\n');
}

QString about_text() {
    return QStringList{
        "Программа моделирует процессы в электрическом цепи",
        "с резистором, конденсатором, катушкой индуктивности",
        "и внешним источником постоянной или переменной ЭДС.",
        "История версий:",
        "0.1 — Ovrelan на C++ и Qt 6: точное решение, характеристики цепи, главное окно.",
    }
        .join('\n');
}

QString registration_text() {
    return QStringList{
        "Ovrelan — свободная учебная программа.",
        "Регистрация не требуется.",
        "Программа не собирает и не передаёт никаких данных.",
    }
        .join('\n');
}

} // namespace ovrelan

#include "ui/texts.h"

#include <QStringList>

namespace ovrelan {

namespace {

// In the order of PanelLabel.
const char* const value_label_tooltips[] = {
    QT_TRANSLATE_NOOP("Texts", "Циклическая частота источника ЭДС"),
    QT_TRANSLATE_NOOP("Texts", "Собственная циклическая частота контура"),
    QT_TRANSLATE_NOOP("Texts", "Циклическая частота колебаний в контуре ( i -мнимая)"),
    QT_TRANSLATE_NOOP("Texts", "Период колебаний тока источника ЭДС"),
    QT_TRANSLATE_NOOP("Texts", "Период собственных колебаний в контуре"),
    QT_TRANSLATE_NOOP("Texts", "Период колебаний в контуре ( i -мнимый)"),
    QT_TRANSLATE_NOOP("Texts", "Декремент затухания"),
    QT_TRANSLATE_NOOP("Texts", "Логарифмический декремент затухания"),
    QT_TRANSLATE_NOOP("Texts", "Добротность"),
    QT_TRANSLATE_NOOP("Texts", "Сопротивление для критического режима"),
    QT_TRANSLATE_NOOP("Texts", "Начальный заряд на конденсаторе"),
    QT_TRANSLATE_NOOP("Texts", "Резонансная частота"),
    QT_TRANSLATE_NOOP("Texts", "Безразмерный декремент затухания"),
    QT_TRANSLATE_NOOP("Texts", "Отношение частоты тока источника ЭДС к собственной частоте"),
    QT_TRANSLATE_NOOP("Texts", "безразмерная частота колебаний в контуре"),
};

// In the order of GraphId.
const GraphBoxText graph_box_texts[] = {
    {"εL(t)", QT_TRANSLATE_NOOP("Texts", "Зависимость ЭДС самоиндукции катушки от времени")},
    {"Uc(t)", QT_TRANSLATE_NOOP("Texts", "Зависимость напряжения на конденсаторе от времени")},
    {"Ur(t)", QT_TRANSLATE_NOOP("Texts", "Зависимость напряжения на резисторе от времени")},
    {"I(t)", QT_TRANSLATE_NOOP("Texts", "Зависимость силы тока в цепи от времени")},
    {"W(t)", QT_TRANSLATE_NOOP("Texts", "Зависимость энергии катушки и конденсатора от времени")},
};

} // namespace

QString value_label_tooltip(PanelLabel label) {
    return ui_text(value_label_tooltips[static_cast<std::size_t>(label)]);
}

QString value_label_accessible_name(const QString& caption, const QString& meaning) {
    const qsizetype equals = caption.indexOf(QLatin1Char('='));
    const QString symbol = equals < 0 ? QString() : caption.left(equals).trimmed();
    return symbol.isEmpty() ? meaning : symbol + QStringLiteral(": ") + meaning;
}

const GraphBoxText& graph_box_text(GraphId id) {
    return graph_box_texts[static_cast<std::size_t>(id)];
}

QString authors_credits() {
    return QStringList{
        "Ovrelan",
        ui_text(QT_TRANSLATE_NOOP("Texts", "учебный тренажёр")),
        ui_text(QT_TRANSLATE_NOOP("Texts", "«Переходные процессы в последовательном контуре»")),
        "",
        ui_text(QT_TRANSLATE_NOOP("Texts", "Разработка: команда проекта Ovrelan")),
        ui_text(QT_TRANSLATE_NOOP("Texts", "Программа написана на C++ с библиотекой Qt 6")),
    }
        .join('\n');
}

// The version comes from the build (the project's one version number); the history ends with it.
QString about_text() {
    return QStringList{
        ui_text(QT_TRANSLATE_NOOP("Texts", "Программа моделирует процессы в электрической цепи")),
        ui_text(QT_TRANSLATE_NOOP("Texts", "с резистором, конденсатором, катушкой индуктивности")),
        ui_text(QT_TRANSLATE_NOOP("Texts", "и внешним источником постоянной или переменной ЭДС.")),
        ui_text(QT_TRANSLATE_NOOP("Texts", "Версия %1")).arg(OVRELAN_VERSION),
        ui_text(QT_TRANSLATE_NOOP("Texts", "История версий:")),
        ui_text(QT_TRANSLATE_NOOP(
            "Texts",
            "0.1 — Ovrelan на C++ и Qt 6: точное решение, характеристики цепи, главное окно.")),
        ui_text(QT_TRANSLATE_NOOP(
            "Texts",
            "0.2 — графики с осями в физических единицах, масштаб и сдвиг по времени, окно")),
        ui_text(QT_TRANSLATE_NOOP(
            "Texts",
            "«Напряжения и ток», рисунки PNG, SVG и PDF для отчёта, крупный шрифт для класса;")),
        ui_text(QT_TRANSLATE_NOOP(
            "Texts", "проверка введённых значений с подсказкой, задачи в UTF-8 и Windows-1251,")),
        ui_text(QT_TRANSLATE_NOOP(
            "Texts",
            "всё с клавиатуры; документы с ответами к задачам и страницы man на русском.")),
    }
        .join('\n');
}

QString registration_text() {
    return QStringList{
        ui_text(QT_TRANSLATE_NOOP("Texts", "Ovrelan — свободная учебная программа.")),
        ui_text(QT_TRANSLATE_NOOP("Texts", "Регистрация не требуется.")),
        ui_text(QT_TRANSLATE_NOOP("Texts", "Программа не собирает и не передаёт никаких данных.")),
    }
        .join('\n');
}

} // namespace ovrelan

#include "ui/main_menus.h"

#include "ui/menu_icons.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include <functional>
#include <span>
#include <string>

namespace ovrelan {

namespace {

// Captions are given in Russian, marked for lupdate, and shown in the language of the windows.
QString menu_text(const char* caption) {
    return QCoreApplication::translate("MainMenus", caption);
}

QMenu* add_menu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(menu_text(caption));
    menu->setObjectName(name);
    return menu;
}

// A menu item with its designer name; the icon and the shortcut are set on what it returns.
QAction* add_item(QMenu* menu, const char* name, const char* caption,
                  std::function<void()> handler = {}) {
    QAction* action = menu->addAction(menu_text(caption));
    action->setObjectName(name);
    if (handler) {
        QObject::connect(action, &QAction::triggered, menu, std::move(handler));
    }
    return action;
}

// A menu's document: its item, the letter and colour of its icon, the file it opens and the
// file of its English translation.
struct DocumentItem {
    const char* name;
    const char* caption;
    const char* letter;
    QColor colour;
    const char* file;
    const char* english;
};

// The keys given, then the platform's own for the action where it is another one: one key bound
// twice to the same item would make Qt call it ambiguous and do nothing.
QList<QKeySequence> distinct_keys(QList<QKeySequence> keys, QKeySequence::StandardKey standard) {
    for (const QKeySequence& key : QKeySequence::keyBindings(standard)) {
        if (!keys.contains(key)) {
            keys.append(key);
        }
    }
    return keys;
}

// The mnemonics of the examples, in their order.
const QChar example_mnemonics[] = {u'С', u'К', u'А', u'Р', u'Б', u'З', u'У', u'Н'};

// With a Latin layout, Alt and the key of a menu's Cyrillic mnemonic open it as well.
void add_latin_keys(QMenuBar* bar) {
    for (QAction* title : bar->actions()) {
        const QString text = title->text();
        const qsizetype amp = text.indexOf('&');
        const QChar latin = amp >= 0 ? latin_key_of(text.at(amp + 1)) : QChar();
        if (latin.isNull()) {
            continue;
        }
        auto* shortcut = new QShortcut(QKeySequence(QString("Alt+") + latin), bar->window());
        QObject::connect(shortcut, &QShortcut::activated, bar,
                         [bar, title] { bar->setActiveAction(title); });
    }
}

// The caption with an ampersand before its first letter that no item of the menu has for its
// mnemonic yet.
QString with_free_mnemonic(const QString& caption, const QMenu* menu) {
    QString used;
    for (const QAction* item : menu->actions()) {
        const qsizetype amp = item->text().indexOf('&');
        if (amp >= 0 && amp + 1 < item->text().size()) {
            used += item->text().at(amp + 1).toLower();
        }
    }
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i).isLetter() && !used.contains(caption.at(i).toLower())) {
            return caption.left(i) + '&' + caption.mid(i);
        }
    }
    return caption;
}

// An item of a menu of choices: its object name, caption and the value it chooses.
template <class Value> struct Choice {
    const char* name;
    const char* caption;
    Value value;
};

// A submenu of exclusive choices, the one in force checked; choosing one calls `choose`.
template <class Value>
QMenu* add_choices(QMenu* parent, const char* name, const char* caption,
                   std::span<const Choice<Value>> choices, Value checked,
                   const std::function<void(Value)>& choose) {
    QMenu* menu = parent->addMenu(menu_text(caption));
    menu->setObjectName(name);
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const Choice<Value>& c : choices) {
        QAction* item = add_item(menu, c.name, c.caption);
        item->setCheckable(true);
        item->setChecked(c.value == checked);
        group->addAction(item);
        QObject::connect(item, &QAction::toggled, menu, [choose, value = c.value](bool on) {
            if (on && choose) {
                choose(value);
            }
        });
    }
    return menu;
}

// «Язык»: each language by its own name, the one in use checked; a choice applies at the next
// start.
void add_language_menu(QMenu* view, const MenuHandlers& h) {
    static constexpr Choice<Language> languages[] = {
        {"mnuViewLanguageRu", "&Русский", Language::russian},
        {"mnuViewLanguageEn", "&English", Language::english}};
    add_choices<Language>(view, "mnuViewLanguage", QT_TRANSLATE_NOOP("MainMenus", "&Язык"),
                          languages, h.language, h.choose_language);
}

// «Оформление»: the looks, the one in use checked, applied at once; then whether pictures for
// files, the clipboard and the printer take the screen's look (otherwise the light one).
void add_palette_menu(QMenu* view, const MenuHandlers& h) {
    static constexpr Choice<PaletteKind> looks[] = {
        {"mnuViewPaletteLight", QT_TRANSLATE_NOOP("MainMenus", "&Светлое"), PaletteKind::light},
        {"mnuViewPaletteContrast", QT_TRANSLATE_NOOP("MainMenus", "&Контрастное для проектора"),
         PaletteKind::contrast},
        {"mnuViewPaletteDark", QT_TRANSLATE_NOOP("MainMenus", "&Тёмное"), PaletteKind::dark},
    };
    QMenu* menu = add_choices<PaletteKind>(view, "mnuViewPalette",
                                           QT_TRANSLATE_NOOP("MainMenus", "О&формление"), looks,
                                           h.palette, h.choose_palette);
    menu->addSeparator();
    QAction* pictures =
        add_item(menu, "mnuViewPalettePictures",
                 QT_TRANSLATE_NOOP("MainMenus", "&Рисунки и печать в этом оформлении"));
    pictures->setCheckable(true);
    pictures->setChecked(h.pictures_in_palette);
    QObject::connect(pictures, &QAction::toggled, menu, [set = h.set_pictures_in_palette](bool on) {
        if (set) {
            set(on);
        }
    });
}

} // namespace

QString with_mnemonic(const QString& caption, QChar letter) {
    const qsizetype at = caption.indexOf(letter, 0, Qt::CaseInsensitive);
    return at < 0 ? caption : caption.left(at) + '&' + caption.mid(at);
}

QStringList document_files(const char* russian, const char* english, Language language) {
    if (language == Language::english && english != nullptr) {
        return {QStringLiteral("en/") + QString::fromUtf8(english), QString::fromUtf8(russian)};
    }
    return {QString::fromUtf8(russian)};
}

QChar latin_key_of(QChar cyrillic) {
    // The Russian and the US layouts, key by key.
    static const QString russian = QStringLiteral("ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮ");
    static const QString latin = QStringLiteral("QWERTYUIOP[]ASDFGHJKL;'ZXCVBNM,.");
    const qsizetype at = russian.indexOf(cyrillic.toUpper());
    return at < 0 ? QChar() : latin.at(at);
}

void build_main_menus(QMenuBar* bar, const MenuHandlers& h) {
    QMenu* file = add_menu(bar, "mnuFile", QT_TRANSLATE_NOOP("MainMenus", "&Файл"));
    const DocumentItem documents[] = {
        {"mnuFilespravka", QT_TRANSLATE_NOOP("MainMenus", "&Обзор"),
         QT_TRANSLATE_NOOP("MainMenus", "О"), QColor(40, 110, 200), "spravka.pdf", "overview.pdf"},
        {"mnuFilespravka1", QT_TRANSLATE_NOOP("MainMenus", "&Контур"),
         QT_TRANSLATE_NOOP("MainMenus", "К"), QColor(40, 150, 90), "kontur.pdf", "circuit.pdf"},
        {"mnuFilespravka2", QT_TRANSLATE_NOOP("MainMenus", "К&атушка"), "L", QColor(170, 90, 30),
         "katushka.pdf", "coil.pdf"},
        {"mnuFilespravka3", QT_TRANSLATE_NOOP("MainMenus", "Ко&нденсатор"), "C",
         QColor(30, 60, 190), "kondensator.pdf", "capacitor.pdf"},
        {"mnuFilespravka4", QT_TRANSLATE_NOOP("MainMenus", "&Резистор"), "R", QColor(120, 120, 120),
         "resistor.pdf", "resistor.pdf"},
    };
    for (const DocumentItem& d : documents) {
        add_item(file, d.name, d.caption,
                 [open = h.open_document, f = document_files(d.file, d.english, h.language)] {
                     open(f);
                 })
            ->setIcon(letter_icon(QCoreApplication::translate("MainMenus", d.letter), d.colour));
    }
    file->addSeparator();
    add_item(file, "mnuFileOpenTask", QT_TRANSLATE_NOOP("MainMenus", "Открыть &задачу…"),
             h.open_task)
        ->setShortcut(QKeySequence::Open);
    add_item(file, "mnuFileSaveTask", QT_TRANSLATE_NOOP("MainMenus", "&Сохранить задачу…"),
             h.save_task)
        ->setShortcut(QKeySequence::Save);
    add_item(file, "mnuFileSaveResults", QT_TRANSLATE_NOOP("MainMenus", "Сохранить р&езультаты…"),
             h.save_results);
    add_item(file, "mnuFileSaveReport", QT_TRANSLATE_NOOP("MainMenus", "Сохранить для о&тчёта…"),
             h.save_report);
    add_item(file, "mnuFileWorksheet", QT_TRANSLATE_NOOP("MainMenus", "Рабочий &лист по задаче…"),
             h.make_worksheet);
    file->addSeparator();
    add_item(file, "mnuFileOpenMeasured", QT_TRANSLATE_NOOP("MainMenus", "Открыть &измерения…"),
             h.open_measured)
        ->setIcon(letter_icon("∿", QColor(0, 128, 128)));
    add_item(file, "mnuFileAlignMeasured", QT_TRANSLATE_NOOP("MainMenus", "Совместить с клю&чом"),
             h.align_measured);
    add_item(file, "mnuFileCloseMeasured", QT_TRANSLATE_NOOP("MainMenus", "Закрыть из&мерения"),
             h.close_measured);
    file->addSeparator()->setObjectName("mnuHelpSep1");
    add_item(file, "mnuFileExit", QT_TRANSLATE_NOOP("MainMenus", "&Выход"), h.exit)
        ->setIcon(letter_icon("×", QColor(190, 40, 40)));

    QMenu* edit = add_menu(bar, "mnuEdit", QT_TRANSLATE_NOOP("MainMenus", "Прав&ка"));
    QAction* undo =
        add_item(edit, "mnuEditUndo", QT_TRANSLATE_NOOP("MainMenus", "&Отменить"), h.undo);
    undo->setShortcut(QKeySequence::Undo);
    undo->setShortcutContext(Qt::ApplicationShortcut); // from a graph's window too
    QAction* redo =
        add_item(edit, "mnuEditRedo", QT_TRANSLATE_NOOP("MainMenus", "&Повторить"), h.redo);
    redo->setShortcuts(distinct_keys(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
        QKeySequence::Redo));
    redo->setShortcutContext(Qt::ApplicationShortcut);
    undo->setEnabled(false);
    redo->setEnabled(false);

    QMenu* examples_menu = add_menu(bar, "mnuExamples", QT_TRANSLATE_NOOP("MainMenus", "Пр&имеры"));
    for (std::size_t i = 0; i < examples().size(); ++i) {
        const Example& example = examples()[i];
        const QString name =
            QCoreApplication::translate("Examples", std::string(example.name).c_str());
        QString caption =
            i < std::size(example_mnemonics) ? with_mnemonic(name, example_mnemonics[i]) : name;
        if (!caption.contains('&')) { // another language: the first letter no item has yet
            caption = with_free_mnemonic(name, examples_menu);
        }
        QAction* item = examples_menu->addAction(caption);
        QObject::connect(item, &QAction::triggered, examples_menu,
                         [load = h.load_example, &example] { load(example); });
    }

    QMenu* run = add_menu(bar, "mnuRun", QT_TRANSLATE_NOOP("MainMenus", "&Расчёт"));
    QAction* start = add_item(run, "mnuRunStart", QT_TRANSLATE_NOOP("MainMenus", "&Пуск / стоп"),
                              h.start_or_stop);
    start->setIcon(letter_icon("▶", QColor(40, 140, 60)));
    start->setShortcut(Qt::Key_F5);
    // From a graph window too: a teacher who has just clicked a graph starts the run.
    start->setShortcutContext(Qt::ApplicationShortcut);
    QAction* finish = add_item(run, "mnuRunFinish",
                               QT_TRANSLATE_NOOP("MainMenus", "&Досчитать до конца"), h.finish_run);
    finish->setIcon(letter_icon("»", QColor(200, 60, 40)));
    finish->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_End));
    finish->setShortcutContext(Qt::ApplicationShortcut);
    run->addSeparator();
    add_item(run, "mnuRunFamily", QT_TRANSLATE_NOOP("MainMenus", "&Семейство кривых…"),
             h.family_curves)
        ->setIcon(letter_icon("≋", QColor(4, 101, 167)));
    add_item(run, "mnuRunFamilyClear", QT_TRANSLATE_NOOP("MainMenus", "&Убрать семейство"),
             h.clear_family);
    run->addSeparator();
    add_item(run, "mnuRunFit", QT_TRANSLATE_NOOP("MainMenus", "Подобрать параметры к &измерениям"),
             h.fit_measured)
        ->setIcon(letter_icon("≈", QColor(0, 128, 128)));

    QMenu* graphs = add_menu(bar, "mnuGraphs", QT_TRANSLATE_NOOP("MainMenus", "&Графики"));
    const auto toggle = [graphs](const char* name, const char* caption, bool on,
                                 const std::function<void(bool)>& handler) {
        QAction* action = add_item(graphs, name, caption);
        action->setCheckable(true);
        action->setChecked(on);
        QObject::connect(action, &QAction::toggled, graphs, handler);
        return action;
    };
    toggle(voltages_and_current_item, QT_TRANSLATE_NOOP("MainMenus", "&Напряжения и ток"), false,
           h.show_voltages_and_current)
        ->setIcon(letter_icon("U", QColor(0, 114, 178)));
    toggle(resonance_item, QT_TRANSLATE_NOOP("MainMenus", "&Резонансная кривая"), false,
           h.show_resonance)
        ->setIcon(letter_icon("∩", QColor(0, 114, 178)));
    toggle(vector_item, QT_TRANSLATE_NOOP("MainMenus", "Векторная &диаграмма"), false,
           h.show_vector_diagram)
        ->setIcon(letter_icon("→", QColor(213, 94, 0)));
    graphs->addSeparator();
    add_item(graphs, "mnuGraphsRemember", QT_TRANSLATE_NOOP("MainMenus", "Запомнить &кривые"),
             h.remember_curves)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    add_item(graphs, "mnuGraphsForget", QT_TRANSLATE_NOOP("MainMenus", "&Забыть кривые"),
             h.forget_curves);
    graphs->addSeparator();
    toggle("mnuGraphsPreview", QT_TRANSLATE_NOOP("MainMenus", "&Вся кривая сразу (бледная)"),
           h.preview, h.set_preview);
    toggle("mnuGraphsPhysical", QT_TRANSLATE_NOOP("MainMenus", "&Оси в физических единицах"),
           h.physical_axes, h.set_physical_axes);
    toggle("mnuGraphsOneWindow", QT_TRANSLATE_NOOP("MainMenus", "Все &графики в одном окне"),
           h.one_window, h.set_one_window);
    add_item(graphs, "mnuGraphsArrange", QT_TRANSLATE_NOOP("MainMenus", "&Упорядочить графики"),
             h.arrange_graphs)
        ->setIcon(letter_icon("▦", QColor(60, 120, 60)));

    QMenu* view = add_menu(bar, "mnuView", QT_TRANSLATE_NOOP("MainMenus", "&Вид"));
    QAction* one_window =
        add_item(view, "mnuViewOneWindow", QT_TRANSLATE_NOOP("MainMenus", "&Всё в одном окне"));
    one_window->setCheckable(true);
    one_window->setChecked(h.one_window_layout_on);
    one_window->setToolTip(QCoreApplication::translate(
        "MainMenus", "Схема, параметры, характеристики и графики в одном окне, по размеру "
                     "экрана; иначе — графики в отдельных окнах"));
    QObject::connect(one_window, &QAction::toggled, view, h.one_window_layout);
    view->addSeparator();
    add_item(view, "mnuViewLarger", QT_TRANSLATE_NOOP("MainMenus", "&Крупнее"),
             [h] { h.change_size(1); })
        ->setShortcuts(distinct_keys(
            {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)},
            QKeySequence::ZoomIn));
    add_item(view, "mnuViewSmaller", QT_TRANSLATE_NOOP("MainMenus", "&Мельче"),
             [h] { h.change_size(-1); })
        ->setShortcuts(
            distinct_keys({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, QKeySequence::ZoomOut));
    add_item(view, "mnuViewNormal", QT_TRANSLATE_NOOP("MainMenus", "&Обычный размер"), [h] {
        h.change_size(0);
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    // From a graph's window too: the teacher enlarges what the class sees, wherever the focus is.
    for (QAction* size : view->actions()) {
        size->setShortcutContext(Qt::ApplicationShortcut);
    }
    view->addSeparator();
    add_palette_menu(view, h);
    add_language_menu(view, h);

    QMenu* help = add_menu(bar, "mnuHelp", QT_TRANSLATE_NOOP("MainMenus", "&Помощь"));
    add_item(help, "mnuHelpInstruction", QT_TRANSLATE_NOOP("MainMenus", "&Инструкция"),
             [edit = h.edit_instruction,
              f = document_files("instruction.txt", "instruction.txt", h.language)] { edit(f); })
        ->setIcon(letter_icon(QCoreApplication::translate("MainMenus", "И"), QColor(90, 90, 160)));
    add_item(help, "mnuHelpUprav", QT_TRANSLATE_NOOP("MainMenus", "&Управление"),
             [open = h.open_document, f = document_files("uprav.pdf", "controls.pdf", h.language)] {
                 open(f);
             })
        ->setIcon(letter_icon(QCoreApplication::translate("MainMenus", "У"), QColor(40, 130, 140)));
    help->addSeparator()->setObjectName("mnuHelpSep2");
    add_item(help, "mnuHelpAvtors", QT_TRANSLATE_NOOP("MainMenus", "&Авторы"), h.show_authors)
        ->setIcon(letter_icon(QCoreApplication::translate("MainMenus", "А"), QColor(150, 70, 150)));
    add_item(help, "mnuHelpAbout", QT_TRANSLATE_NOOP("MainMenus", "&О программе"), h.show_about)
        ->setIcon(letter_icon("i", QColor(30, 120, 200)));
    add_item(help, "mnuHelpAbout2", QT_TRANSLATE_NOOP("MainMenus", "&Регистрация"),
             h.show_registration)
        ->setIcon(letter_icon(QCoreApplication::translate("MainMenus", "Р"), QColor(200, 150, 20)));

    add_latin_keys(bar);
}

} // namespace ovrelan

// The main window's menu bar: the items, their designer names, captions with a mnemonic each,
// icons and shortcuts. The window gives what each item does.
#pragma once

#include "geometry/palette.h"
#include "model/examples.h"
#include "platform/language.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <functional>

class QMenuBar;

namespace ovrelan {

struct MenuHandlers {
    // A reference document or the instruction file, by its files (document_files): the first
    // that is there opens.
    std::function<void(const QStringList& file_names)> open_document;
    std::function<void(const QStringList& file_names)> edit_instruction;
    std::function<void()> open_task;
    std::function<void()> save_task;
    std::function<void()> save_results;
    std::function<void()> save_report;    // «Сохранить для отчёта…»
    std::function<void()> make_worksheet; // «Рабочий лист по задаче…»
    std::function<void()> exit;
    std::function<void()> undo;
    std::function<void()> redo;
    std::function<void(const Example&)> load_example;
    std::function<void()> start_or_stop;
    std::function<void()> finish_run;
    std::function<void()> family_curves; // the family dialog
    std::function<void()> clear_family;
    std::function<void()> open_measured;  // «Открыть измерения…»
    std::function<void()> align_measured; // «Совместить с ключом»
    std::function<void()> close_measured;
    std::function<void()> fit_measured; // «Подобрать параметры к измерениям»
    bool preview = true;                // the whole-curve preview is on
    std::function<void(bool)> set_preview;
    bool physical_axes = false; // the graphs' axes in seconds, volts, amperes, joules
    std::function<void(bool)> set_physical_axes;
    bool one_window = false; // every graph in the stacked window
    std::function<void(bool)> set_one_window;
    std::function<void(bool)> show_voltages_and_current;
    std::function<void(bool)> show_resonance;
    std::function<void(bool)> show_vector_diagram;
    std::function<void()> remember_curves;
    std::function<void()> forget_curves;
    std::function<void()> arrange_graphs;
    std::function<void(int)> change_size; // +1 larger, -1 smaller, 0 the normal size
    bool one_window_layout_on = false;    // the classroom layout
    std::function<void(bool)> one_window_layout;
    Language language = Language::russian; // the item checked in «Язык»
    std::function<void(Language)> choose_language;
    PaletteKind palette = PaletteKind::light; // the item checked in «Оформление»
    std::function<void(PaletteKind)> choose_palette;
    bool pictures_in_palette = false; // pictures for files and pages in the screen's look
    std::function<void(bool)> set_pictures_in_palette;
    std::function<void()> show_authors;
    std::function<void()> show_about;
    std::function<void()> show_registration;
};

// The documents and the instruction file open in `language` (the windows' own, as the
// checked item of «Язык» at start).
void build_main_menus(QMenuBar* bar, const MenuHandlers& handlers);

// The files a document of the menus is looked for in: in English its translation (in en/) and
// then the Russian original it was made from, in Russian the original alone; no translation
// given, the original in either language.
QStringList document_files(const char* russian, const char* english, Language language);

// The designer name of the checkable item of the voltages-and-current graph.
inline constexpr const char* voltages_and_current_item = "mnuGraphsUI";
inline constexpr const char* resonance_item = "mnuGraphsResonance";
inline constexpr const char* vector_item = "mnuGraphsVector";

// The caption with an ampersand before the first `letter` (either case): its mnemonic.
QString with_mnemonic(const QString& caption, QChar letter);

// The letter of the Latin keyboard on the key that carries this Cyrillic letter (Ф and A share a
// key): with a Latin layout, Alt and that key open the same menu. A null QChar for others.
QChar latin_key_of(QChar cyrillic);

} // namespace ovrelan

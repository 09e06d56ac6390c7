// «Семейство»: the family of curves at a glance, one row per member (its value in its colour, the
// regime, δ, Θ, Q, ν₀ and the resonance peak), the values left out with their reasons beneath,
// and «Сохранить данные…»: the members' curves in one table for a spreadsheet.
#pragma once

#include "geometry/palette.h"
#include "platform/platform.h"

#include <QWidget>

#include <cstdint>

class QLabel;
class QPushButton;
class QTableWidget;

namespace ovrelan {

class Simulation;

class FamilyTable final : public QWidget {
public:
    FamilyTable(Simulation& simulation, Platform& platform, QWidget* parent = nullptr);

    QTableWidget* table() const { return table_; }
    QLabel* refusals() const { return refusals_; }
    QPushButton* save_button() const { return save_; }
    // The rows for the family as it stands (none: the window closes); nothing to do while the
    // family is the one shown.
    void refresh();
    // The members' swatches in the colours of a look (the rows made again).
    void set_palette(const Palette& palette);
    // Its letters at a presentation size, the window and the columns grown with them.
    void set_scale(double scale);
    // The family's curves as a CSV file through the save dialog.
    void save_data();

private:
    Simulation& simulation_;
    Platform& platform_;
    QTableWidget* table_;
    QLabel* refusals_;
    QPushButton* save_;
    std::uint64_t shown_generation_ = UINT64_MAX;
    char shown_separator_ = 0;
    const Palette* palette_ = &palette_of(PaletteKind::light);
    double scale_ = 1;
};

} // namespace ovrelan

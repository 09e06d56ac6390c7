// «Открыть измерения»: the first lines of a measured file as the program reads them, and the
// choices a student confirms or changes before the trace is drawn — the time column (or none:
// a start and a step), the value column, what it records (Uc, I, Ur, εL), its unit and the time
// the key closes on the file's clock. OK reads the whole file; a line it cannot read is named
// with its column and the dialog stays open, the circuit and the trace shown untouched.
#pragma once

#include "io/measured_choices.h"
#include "io/measured_data.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <variant>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace ovrelan {

class MeasuredPreviewDialog final : public QDialog {
public:
    MeasuredPreviewDialog(MeasuredText text, MeasuredPreview preview, QWidget* parent = nullptr);

    const MeasuredChoices& choices() const { return choices_; }
    // The series read on OK.
    const std::optional<MeasuredSeries>& series() const { return series_; }
    // Called with what the file refused on OK (the dialog stays open).
    std::function<void(const MeasuredError&)> refused;

    // «Совместить с ключом»: the key's closing where the chosen values leave their first level.
    void align_with_key();
    void accept() override;

    // Its parts, for the tests.
    QTableView* table() const { return table_; }
    QComboBox* time_box() const { return time_; }
    QComboBox* value_box() const { return value_; }
    QComboBox* quantity_box() const { return quantity_; }
    QComboBox* unit_box() const { return unit_; }
    QLineEdit* offset_field() const { return offset_; }
    QPushButton* align_button() const { return align_; }
    QLabel* message() const { return message_; }

private:
    void fill_table();
    void show_choices(); // the boxes as the choices stand, without their signals
    void paint_columns();
    bool read_offset();

    MeasuredText text_;
    MeasuredPreview preview_;
    MeasuredChoices choices_;
    std::vector<TimeOption> time_options_;
    std::optional<MeasuredSeries> series_;
    QStandardItemModel* model_;
    QTableView* table_;
    QComboBox* time_;
    QComboBox* value_;
    QComboBox* quantity_;
    QComboBox* unit_;
    QLineEdit* offset_;
    QPushButton* align_;
    QLabel* message_;
};

} // namespace ovrelan

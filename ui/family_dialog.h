// «Семейство кривых»: the parameter a family sweeps (L, C, R, Uo, ε or ν) and its values, as a
// list typed as the fields take numbers, a range with a count (evenly spaced or by equal ratios),
// or the ready choices the physics gives (around Rк and ν₀). The values are tried on the present
// circuit when the person asks for the family: those the model refuses are named in the dialog
// with their reasons, and the family is made without them only when asked again.
#pragma once

#include "chain/family.h"
#include "simulation/simulation.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace ovrelan {

class FamilyDialog final : public QDialog {
public:
    // `present`: the circuit the values are tried on; `now`: the family shown, if any (the
    // dialog starts from it).
    FamilyDialog(const SimulationState& present, const std::optional<FamilyRequest>& now,
                 char decimal_separator, QWidget* parent = nullptr);

    // The family asked for, as the dialog stands.
    FamilyRequest request() const;
    // The family it makes of the present circuit.
    Family family() const;

    // Its parts, for the tests.
    QComboBox* parameter_box() const { return parameter_; }
    QRadioButton* list_mode() const { return list_mode_; }
    QRadioButton* range_mode() const { return range_mode_; }
    QLineEdit* list_edit() const { return list_; }
    QLineEdit* range_from() const { return from_; }
    QLineEdit* range_to() const { return to_; }
    QSpinBox* range_count() const { return count_; }
    QCheckBox* range_logarithmic() const { return logarithmic_; }
    QPushButton* ready_button() const { return ready_; }
    QLabel* refusals() const { return refusals_; }
    QPushButton* ok_button() const;

    // OK: the family is tried; a text that makes none, or values refused, are shown and the
    // dialog stays open (the same values asked again make the family without the refused ones).
    void accept() override;

private:
    Field parameter() const;
    void parameter_changed();
    void inputs_changed();

    const SimulationState& present_;
    char separator_;
    QComboBox* parameter_;
    QRadioButton* list_mode_;
    QRadioButton* range_mode_;
    QLineEdit* list_;
    QLineEdit* from_;
    QLineEdit* to_;
    QSpinBox* count_;
    QCheckBox* logarithmic_;
    QPushButton* ready_;
    QLabel* unit_;
    QLabel* refusals_;
    QDialogButtonBox* buttons_;
    std::optional<FamilyRequest> refused_shown_; // the request whose refusals stand in the dialog
};

// The range the dialog's parts write, as the list reader takes it: «0,5..3:5», «1..100:3:log».
std::string range_text(const std::string& from, const std::string& to, int count, bool logarithmic);

} // namespace ovrelan

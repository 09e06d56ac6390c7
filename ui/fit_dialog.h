// «Подобрать параметры к измерениям»: the circuit fitted to the measured trace (solution/fit.h)
// with a choice of what the trace determines — δ and ω₀ (with the amplitude, the offset and the
// key's closing), R and L with C as the field holds it, or R and C with L as the field holds it.
// Each value is shown with its standard error, the residual as its RMS and a small plot against
// time. «Принять» is offered only for a fit that gave values; a fit that did not converge or is
// ill-determined says why and offers nothing.
#pragma once

#include "geometry/fit_summary.h"
#include "simulation/measurement.h"
#include "solution/fit.h"

#include <QDialog>

#include <array>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace ovrelan {

enum class FitChoice { delta_omega0, r_and_l, r_and_c };

// The request for a trace (its times moved by the measurement's shift) and a choice, on the
// present circuit (its δ and ω₀ a start, its C or L the value held fixed).
FitRequest fit_request(const MeasuredSeries& series, std::span<const double> time, FitChoice choice,
                       const Parameters& present);

class FitDialog final : public QDialog {
public:
    FitDialog(const Parameters& present, const std::array<std::string, 7>& present_texts,
              const Measurement& measurement, char decimal_separator, QWidget* parent = nullptr);

    const FitResult& result() const { return result_; }
    // What «Принять» writes; nothing when the fit gave no values.
    const std::optional<AcceptedFit>& accepted() const { return accepted_; }
    void set_choice(FitChoice choice);

    // Its parts, for the tests.
    QComboBox* choice_box() const { return choice_; }
    QTableWidget* table() const { return table_; }
    QLabel* residual_label() const { return residual_; }
    QLabel* reason_label() const { return reason_; }
    QPushButton* accept_button() const { return accept_; }
    QWidget* residual_plot() const { return plot_; }

private:
    void run_fit();

    Parameters present_;
    std::array<std::string, 7> present_texts_;
    Measurement measurement_;
    std::vector<double> time_; // the trace's times on the graphs' clock
    char separator_;
    FitResult result_;
    std::optional<AcceptedFit> accepted_;
    QComboBox* choice_;
    QTableWidget* table_;
    QLabel* residual_;
    QLabel* reason_;
    QLabel* writes_;
    QWidget* plot_;
    QPushButton* accept_;
};

} // namespace ovrelan

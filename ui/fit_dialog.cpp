#include "ui/fit_dialog.h"

#include "geometry/graph_readout.h"
#include "geometry/measured_curve.h"
#include "ui/appearance.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ovrelan {

namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The residuals against time: a band of each column's extremes about the zero line, the limit
// written at the top left.
class ResidualView final : public QWidget {
public:
    ResidualView(const FitResult& result, const std::vector<double>& time, char separator,
                 QWidget* parent)
        : QWidget(parent), result_(result), time_(time), separator_(separator) {
        setObjectName("ResidualPlot");
        setMinimumSize(360, 90);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        // In the colours of the window's look: its text fields' background and text.
        const QColor ink = palette().color(QPalette::Text);
        painter.fillRect(rect(), palette().color(QPalette::Base));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        if (!result_.ok || result_.traces.empty()) {
            return;
        }
        const FitTraceResult& trace = result_.traces.front();
        const PixelBox box{4, 4, width() - 8.0, height() - 8.0};
        const ResidualPlot plot = ovrelan::residual_plot(time_, trace.residuals, box);
        painter.setPen(QPen(ink, 1));
        painter.drawLine(QPointF(box.left, plot.zero_y),
                         QPointF(box.left + box.width, plot.zero_y));
        painter.setPen(QPen(QColor(0, 128, 128), 1));
        for (const ColumnSpan& c : plot.columns) {
            painter.drawLine(QPointF(c.x + 0.5, c.top), QPointF(c.x + 0.5, c.bottom + 0.01));
        }
        painter.setPen(ink);
        const char* unit = is_current(trace.quantity) ? "А" : "В";
        painter.drawText(QPointF(box.left + 4, box.top + painter.fontMetrics().ascent()),
                         "±" + qt(si_text(plot.limit, unit, separator_)));
    }

private:
    const FitResult& result_;
    const std::vector<double>& time_;
    char separator_;
};

} // namespace

FitRequest fit_request(const MeasuredSeries& series, std::span<const double> time, FitChoice choice,
                       const Parameters& present) {
    FitRequest request;
    request.traces.push_back({series.quantity, time, series.values});
    request.circuit = present;
    if (choice == FitChoice::r_and_l && present.C > 0) {
        request.C = present.C;
    } else if (choice == FitChoice::r_and_c && present.L > 0) {
        request.L = present.L;
    }
    return request;
}

FitDialog::FitDialog(const Parameters& present, const std::array<std::string, 7>& present_texts,
                     const Measurement& measurement, char decimal_separator, QWidget* parent)
    : QDialog(parent), present_(present), present_texts_(present_texts), measurement_(measurement),
      separator_(decimal_separator), choice_(new QComboBox(this)), table_(new QTableWidget(this)),
      residual_(new QLabel(this)), reason_(new QLabel(this)), writes_(new QLabel(this)),
      plot_(nullptr), accept_(nullptr) {
    setObjectName("FitDialog");
    setWindowTitle(QCoreApplication::translate("FitDialog", "Подобрать параметры к измерениям"));
    const MeasuredSeries& series = measurement_.trace->series();
    time_.reserve(series.time.size());
    for (const double t : series.time) {
        time_.push_back(t - measurement_.shift);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QCoreApplication::translate("FitDialog", "Измерения: %1, %2, точек: %3")
                       .arg(qt(series.file_name), qt(quantity_caption(series.quantity)))
                       .arg(series.time.size()),
                   this));
    choice_->addItem(
        QCoreApplication::translate("FitDialog", "δ и ω₀ (одна кривая определяет только их)"));
    choice_->addItem(QCoreApplication::translate("FitDialog", "R и L при известной C (из поля)"));
    choice_->addItem(QCoreApplication::translate("FitDialog", "R и C при известной L (из поля)"));
    layout->addWidget(choice_);
    table_->setColumnCount(3);
    table_->setHorizontalHeaderLabels({QCoreApplication::translate("FitDialog", "Величина"),
                                       QCoreApplication::translate("FitDialog", "Значение"),
                                       QCoreApplication::translate("FitDialog", "Погрешность")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Rows as tall as their text: every value of a fit with R, L and C fits without scrolling.
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setMinimumHeight(12 * (table_->fontMetrics().height() + 6));
    layout->addWidget(table_, 1);
    layout->addWidget(residual_);
    plot_ = new ResidualView(result_, time_, separator_, this);
    layout->addWidget(plot_);
    reason_->setWordWrap(true);
    reason_->setStyleSheet(refusal_style());
    layout->addWidget(reason_);
    writes_->setWordWrap(true);
    layout->addWidget(writes_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Close, this);
    accept_ = buttons->button(QDialogButtonBox::Ok);
    accept_->setText(QCoreApplication::translate("FitDialog", "Принять"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(choice_, &QComboBox::currentIndexChanged, this, [this] { run_fit(); });
    run_fit();
    resize(520, 600);
}

void FitDialog::set_choice(FitChoice choice) {
    choice_->setCurrentIndex(static_cast<int>(choice));
}

void FitDialog::run_fit() {
    const auto choice = static_cast<FitChoice>(std::max(0, choice_->currentIndex()));
    const MeasuredSeries& series = measurement_.trace->series();
    result_ = fit_measured(fit_request(series, time_, choice, present_));
    accepted_ = accepted_fit(result_, present_, present_texts_, separator_);
    const std::vector<FitRow> rows = fit_rows(result_, separator_);
    table_->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto row = static_cast<int>(r);
        table_->setItem(row, 0, new QTableWidgetItem(qt(rows[r].name)));
        table_->setItem(row, 1, new QTableWidgetItem(qt(rows[r].value)));
        table_->setItem(row, 2, new QTableWidgetItem(qt(rows[r].error)));
    }
    residual_->setText(qt(fit_residual_text(result_, separator_)));
    if (!result_.ok) {
        reason_->setText(QCoreApplication::translate("FitDialog", "Подбор не удался: ") +
                         qt(result_.reason));
    } else if (!accepted_) {
        reason_->setText(QCoreApplication::translate(
            "FitDialog", "Подобранные значения нельзя записать в поля."));
    } else {
        reason_->clear();
    }
    writes_->setText(accepted_
                         ? QCoreApplication::translate("FitDialog", "«Принять» запишет в поля: ") +
                               qt(accepted_->description) + "."
                         : QString());
    accept_->setEnabled(accepted_.has_value());
    plot_->update();
}

} // namespace ovrelan

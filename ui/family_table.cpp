#include "ui/family_table.h"

#include "geometry/family_palette.h"
#include "graphs/graph_export.h"
#include "io/family_csv.h"
#include "model/circuit_summary.h"
#include "model/sweep_values.h"
#include "platform/locale.h"
#include "simulation/simulation.h"
#include "ui/window_scale.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ovrelan {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// A swatch of the member's colour and dashes, as its curves are drawn.
QIcon swatch(std::size_t member, const Palette& palette) {
    QPixmap pixmap(24, 12);
    pixmap.fill(to<QColor>(palette.plot));
    QPainter painter(&pixmap);
    painter.fillRect(QRect(0, 3, 24, 6), to<QColor>(family_colour(palette, member)));
    return QIcon(pixmap);
}

} // namespace

FamilyTable::FamilyTable(Simulation& simulation, Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Tool), simulation_(simulation), platform_(platform),
      table_(new QTableWidget(this)), refusals_(new QLabel(this)),
      save_(
          new QPushButton(QCoreApplication::translate("FamilyTable", "&Сохранить данные…"), this)) {
    setObjectName("form_Family");
    setWindowTitle(QCoreApplication::translate("FamilyTable", "Семейство"));
    table_->setObjectName("FamilyTable");
    refusals_->setObjectName("FamilyRefusals");
    refusals_->setWordWrap(true);
    save_->setObjectName("FamilySave");
    table_->setColumnCount(7);
    table_->setHorizontalHeaderLabels(
        {QCoreApplication::translate("FamilyTable", "Значение"),
         QCoreApplication::translate("FamilyTable", "Режим"), "δ", "Θ", "Q", "ν₀",
         QCoreApplication::translate("FamilyTable", "Пик резонанса")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(refusals_);
    layout->addWidget(save_, 0, Qt::AlignRight);
    connect(save_, &QPushButton::clicked, this, [this] { save_data(); });
    connect(&simulation, &Simulation::family_changed, this, [this] { refresh(); });
    connect(&simulation, &Simulation::recomputed, this, [this] { refresh(); });
    resize(720, 260);
    refresh();
}

void FamilyTable::set_scale(double scale) {
    if (scale == scale_) {
        return; // the student's own size of the window stays
    }
    scale_ = scale;
    scale_font(this, scale);
    resize(static_cast<int>(720 * scale), static_cast<int>(260 * scale));
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
}

void FamilyTable::set_palette(const Palette& palette) {
    if (palette_ != &palette) {
        palette_ = &palette;
        shown_generation_ = UINT64_MAX;
        refresh();
    }
}

void FamilyTable::refresh() {
    const char separator = decimal_separator();
    if (simulation_.family_generation() == shown_generation_ && separator == shown_separator_) {
        return;
    }
    shown_generation_ = simulation_.family_generation();
    shown_separator_ = separator;
    const Family* family = simulation_.family();
    if (family == nullptr) {
        table_->setRowCount(0);
        refusals_->clear();
        hide();
        return;
    }
    // Sized to the contents once, after the rows are in: sized after every cell, eight rows
    // took longer than solving the circuit.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->setRowCount(static_cast<int>(family->members.size()));
    for (std::size_t i = 0; i < family->members.size(); ++i) {
        const FamilyMember& m = family->members[i];
        const SummaryCells cells = summary_cells(circuit_summary(m.state), separator);
        const QString texts[] = {qt(m.label), qt(cells.regime), qt(cells.delta), qt(cells.theta),
                                 qt(cells.Q), qt(cells.nu0),    qt(cells.peak)};
        for (int column = 0; column < 7; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            if (column == 0) {
                item->setIcon(swatch(i, *palette_));
            }
            table_->setItem(static_cast<int>(i), column, item);
        }
    }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QString refused;
    if (!family->error.empty()) {
        refused = qt(family->error);
    }
    for (const RefusedMember& r : family->refused) {
        refused += (refused.isEmpty()
                        ? QCoreApplication::translate("FamilyTable", "Не вошли в семейство:\n")
                        : "\n") +
                   qt(r.shown());
    }
    refusals_->setText(refused);
    refusals_->setVisible(!refused.isEmpty());
    save_->setEnabled(!family->members.empty());
}

void FamilyTable::save_data() {
    simulation_.finish_pending_edits();
    const Family* family = simulation_.family();
    if (family == nullptr || family->members.empty()) {
        return;
    }
    save_table(this, platform_, QCoreApplication::translate("FamilyTable", "семейство.csv"),
               [family](CsvDialect dialect, const FilePut& put) {
                   return write_family_csv(*family, dialect, put);
               });
}

} // namespace ovrelan

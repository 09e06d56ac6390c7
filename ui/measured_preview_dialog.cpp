#include "ui/measured_preview_dialog.h"

#include "io/delimited_text.h"
#include "model/number_reading.h"
#include "platform/locale.h"
#include "solution/fit_start.h"
#include "ui/appearance.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace ovrelan {

namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const char* encoding_caption(Encoding e) {
    switch (e) {
    case Encoding::windows_1251:
        return "Windows-1251";
    case Encoding::utf16le:
    case Encoding::utf16be:
        return "UTF-16";
    case Encoding::utf8:
        break;
    }
    return "UTF-8";
}

// The offset in milliseconds as the field shows it: up to six significant digits.
QString offset_text(double seconds) {
    return QString::number(seconds * 1e3, 'g', 6).replace('.', decimal_separator());
}

const QColor time_tint(220, 235, 250);
const QColor value_tint(210, 240, 235);

} // namespace

MeasuredPreviewDialog::MeasuredPreviewDialog(MeasuredText text, MeasuredPreview preview,
                                             QWidget* parent)
    : QDialog(parent), text_(std::move(text)), preview_(std::move(preview)),
      choices_(preview_.guess), time_options_(time_options(preview_)),
      model_(new QStandardItemModel(this)), table_(new QTableView(this)),
      time_(new QComboBox(this)), value_(new QComboBox(this)), quantity_(new QComboBox(this)),
      unit_(new QComboBox(this)), offset_(new QLineEdit(this)),
      align_(new QPushButton(QCoreApplication::translate("MeasuredPreview", "Совместить с ключом"),
                             this)),
      message_(new QLabel(this)) {
    setObjectName("MeasuredPreview");
    setWindowTitle(QCoreApplication::translate("MeasuredPreview", "Открыть измерения — ") +
                   qt(text_.file_name));
    auto* layout = new QVBoxLayout(this);
    auto* about = new QLabel(this);
    QString said =
        QString(
            QCoreApplication::translate("MeasuredPreview", "Кодировка %1; %2; строк данных: %3."))
            .arg(encoding_caption(preview_.encoding), qt(dialect_caption(preview_.dialect)))
            .arg(preview_.data_rows);
    for (const std::string& note : preview_.notes) {
        said += "\n" + qt(note).left(1).toUpper() + qt(note).mid(1) + ".";
    }
    about->setText(said);
    about->setWordWrap(true);
    layout->addWidget(about);

    table_->setModel(model_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setMinimumHeight(200);
    layout->addWidget(table_, 1);
    fill_table();

    auto* form = new QFormLayout();
    for (const TimeOption& o : time_options_) {
        time_->addItem(qt(o.caption));
    }
    for (const Quantity q : all_quantities) {
        quantity_->addItem(qt(quantity_caption(q)));
    }
    form->addRow(QCoreApplication::translate("MeasuredPreview", "Время:"), time_);
    form->addRow(QCoreApplication::translate("MeasuredPreview", "Значения:"), value_);
    form->addRow(QCoreApplication::translate("MeasuredPreview", "Что измерено:"), quantity_);
    form->addRow(QCoreApplication::translate("MeasuredPreview", "Единица значений:"), unit_);
    auto* offset_row = new QHBoxLayout();
    offset_row->addWidget(offset_);
    offset_row->addWidget(align_);
    offset_->setToolTip(QCoreApplication::translate(
        "MeasuredPreview",
        "Момент замыкания ключа по часам файла (точка запуска): он станет t = 0"));
    align_->setToolTip(QCoreApplication::translate(
        "MeasuredPreview",
        "Ключ замыкается там, где значения впервые уходят от начального уровня"));
    form->addRow(QCoreApplication::translate("MeasuredPreview", "Замыкание ключа, мс:"),
                 offset_row);
    layout->addLayout(form);
    message_->setWordWrap(true);
    message_->setStyleSheet(refusal_style());
    layout->addWidget(message_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(QCoreApplication::translate("MeasuredPreview", "Открыть"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &MeasuredPreviewDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(time_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0 && static_cast<std::size_t>(i) < time_options_.size()) {
            choices_ = with_time(preview_, choices_, time_options_[static_cast<std::size_t>(i)]);
            show_choices();
        }
    });
    connect(value_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) {
            choices_ = with_value(preview_, choices_, value_->itemData(i).toULongLong());
            show_choices();
        }
    });
    connect(quantity_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) {
            choices_ = with_quantity(choices_, all_quantities[static_cast<std::size_t>(i)]);
            show_choices();
        }
    });
    connect(unit_, &QComboBox::currentIndexChanged, this, [this](int i) {
        const auto units = value_units(choices_.quantity);
        if (i >= 0 && static_cast<std::size_t>(i) < units.size()) {
            choices_.value_scale = units[static_cast<std::size_t>(i)].scale;
        }
    });
    connect(align_, &QPushButton::clicked, this, [this] { align_with_key(); });
    show_choices();
    offset_->setText(offset_text(choices_.time_origin));
    resize(720, 560);
}

void MeasuredPreviewDialog::fill_table() {
    std::size_t columns = 0;
    for (const PreviewLine& line : preview_.lines) {
        columns = std::max(columns, line.cells.size());
    }
    model_->setColumnCount(static_cast<int>(columns));
    model_->setRowCount(static_cast<int>(preview_.lines.size()));
    for (std::size_t c = 0; c < columns; ++c) {
        model_->setHeaderData(static_cast<int>(c), Qt::Horizontal, QString::number(c + 1));
    }
    for (std::size_t r = 0; r < preview_.lines.size(); ++r) {
        const PreviewLine& line = preview_.lines[r];
        model_->setHeaderData(static_cast<int>(r), Qt::Vertical, QString::number(line.number));
        for (std::size_t c = 0; c < line.cells.size(); ++c) {
            auto* item = new QStandardItem(qt(line.cells[c]));
            if (!line.data) {
                item->setForeground(QColor(110, 110, 110)); // a header line
                QFont italic = item->font();
                italic.setItalic(true);
                item->setFont(italic);
            }
            model_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void MeasuredPreviewDialog::paint_columns() {
    const bool time_cell = choices_.time_source != TimeSource::start_increment;
    for (int r = 0; r < model_->rowCount(); ++r) {
        for (int c = 0; c < model_->columnCount(); ++c) {
            if (QStandardItem* item = model_->item(r, c)) {
                const auto cell = static_cast<std::size_t>(c);
                item->setBackground(time_cell && cell == choices_.time_column ? time_tint
                                    : cell == choices_.value_column           ? value_tint
                                                                              : QBrush());
            }
        }
    }
}

void MeasuredPreviewDialog::show_choices() {
    const QSignalBlocker a(time_);
    const QSignalBlocker b(value_);
    const QSignalBlocker c(quantity_);
    const QSignalBlocker d(unit_);
    for (std::size_t i = 0; i < time_options_.size(); ++i) {
        const TimeOption& o = time_options_[i];
        if (o.source == choices_.time_source &&
            (o.source == TimeSource::start_increment || o.cell == choices_.time_column)) {
            time_->setCurrentIndex(static_cast<int>(i));
        }
    }
    value_->clear();
    for (const MeasuredColumn* column : value_options(preview_, choices_)) {
        value_->addItem(qt(column_caption(*column)), QVariant::fromValue(column->cell));
        if (column->cell == choices_.value_column) {
            value_->setCurrentIndex(value_->count() - 1);
        }
    }
    const auto q = std::find(all_quantities.begin(), all_quantities.end(), choices_.quantity);
    quantity_->setCurrentIndex(static_cast<int>(q - all_quantities.begin()));
    unit_->clear();
    const auto units = value_units(choices_.quantity);
    for (const Unit& u : units) {
        unit_->addItem(QCoreApplication::translate("Units", std::string(u.symbol).c_str()));
        if (std::fabs(u.scale - choices_.value_scale) <= 1e-9 * u.scale) {
            unit_->setCurrentIndex(unit_->count() - 1);
        }
    }
    paint_columns();
}

bool MeasuredPreviewDialog::read_offset() {
    const std::string typed = offset_->text().trimmed().toStdString();
    if (typed.empty()) {
        choices_.time_origin = 0;
        return true;
    }
    if (!reads_whole(typed) || !std::isfinite(read_number(typed))) {
        message_->setText(QCoreApplication::translate(
            "MeasuredPreview", "Момент замыкания ключа — одно число в миллисекундах, например 0 "
                               "или -2,5."));
        return false;
    }
    choices_.time_origin = read_number(typed) * 1e-3;
    return true;
}

void MeasuredPreviewDialog::align_with_key() {
    MeasuredChoices from_file = choices_;
    from_file.time_origin = 0;
    const auto read = read_measured(text_, from_file);
    if (const auto* e = std::get_if<MeasuredError>(&read)) {
        message_->setText(qt(e->text));
        return;
    }
    const MeasuredSeries& s = std::get<MeasuredSeries>(read);
    if (const auto at = leaves_start(s.time, s.values)) {
        choices_.time_origin = *at;
        offset_->setText(offset_text(*at));
        message_->clear();
    } else {
        message_->setText(QCoreApplication::translate(
            "MeasuredPreview", "Значения не уходят от начального уровня: момент замыкания ключа "
                               "не найден."));
    }
}

void MeasuredPreviewDialog::accept() {
    if (!read_offset()) {
        return;
    }
    auto read = read_measured(text_, choices_);
    if (const auto* e = std::get_if<MeasuredError>(&read)) {
        message_->setText(qt(e->text));
        if (refused) {
            refused(*e);
        }
        return;
    }
    series_ = std::move(std::get<MeasuredSeries>(read));
    message_->clear();
    QDialog::accept();
}

} // namespace ovrelan

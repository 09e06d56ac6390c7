#include "platform/paged_document.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ovrelan {

namespace {

// The document's default font as its text is drawn, a little smaller: in points where the layout
// has a device of its own, otherwise in the pixels of the 96-dpi screen Qt lays such a document
// out for.
QFont footer_font(QFont font, bool has_device) {
    if (font.pointSizeF() > 0) {
        if (has_device) {
            font.setPointSizeF(font.pointSizeF() * 0.9);
        } else {
            font.setPixelSize(static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0 * 0.9)));
        }
    }
    return font;
}

} // namespace

double page_number_band(const QFont& font, const QPaintDevice* device) {
    const QFont footer = footer_font(font, device != nullptr);
    const QFontMetricsF metrics =
        device != nullptr ? QFontMetricsF(footer, device) : QFontMetricsF(footer);
    return 2 * metrics.height();
}

bool print_with_page_numbers(QTextDocument& document, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // Laid out afresh as a whole: Qt 6.4's layout, changed piece by piece after it was made (a
    // figure's size set, contents put in), may lose the text after a figure it moved to the next
    // page. Setting the page's size again lays out everything.
    const QSizeF page = document.pageSize();
    document.setPageSize(page);
    const double scale = device.width() / page.width();
    const double height = device.height() / scale; // the page and the number's band beneath it
    const int count = document.pageCount();
    painter.scale(scale, scale);
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            device.newPage();
        }
        painter.save();
        painter.translate(0, -i * page.height());
        const QRectF view(0, i * page.height(), page.width(), page.height());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(footer_font(document.defaultFont(),
                                    document.documentLayout()->paintDevice() != nullptr));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(0, page.height(), page.width(), height - page.height()),
            Qt::AlignHCenter | Qt::AlignBottom,
            QCoreApplication::translate("PagedDocument", "%1 из %2").arg(i + 1).arg(count));
    }
    return painter.end();
}

int page_of_position(const QTextDocument& document, int position) {
    const QTextBlock block = document.findBlock(position);
    document.documentLayout()->blockBoundingRect(block); // laid out up to here
    const QTextLayout* layout = block.layout();
    double y = document.documentLayout()->blockBoundingRect(block).top();
    if (layout != nullptr && layout->lineCount() > 0) {
        y += layout->lineForTextPosition(position - block.position()).y();
    }
    const double height = document.pageSize().height();
    return static_cast<int>(std::floor((y + 0.5) / height)) + 1;
}

void insert_contents(QTextDocument& document, int level, int least_pages) {
    if (document.pageCount() < least_pages) {
        return;
    }
    std::vector<QTextCursor> headings; // cursors follow their headings as text goes in
    QStringList titles;
    for (QTextBlock block = document.begin().next(); block.isValid(); block = block.next()) {
        const int heading = block.blockFormat().headingLevel();
        if (heading > 1 && heading <= level) {
            headings.emplace_back(block);
            titles << block.text();
        }
    }
    if (headings.empty()) {
        return;
    }
    QTextCursor cursor(document.begin());
    cursor.movePosition(QTextCursor::EndOfBlock);
    QTextBlockFormat title_format;
    title_format.setTopMargin(12);
    title_format.setBottomMargin(6);
    QTextCharFormat title_chars;
    title_chars.setFontWeight(QFont::Bold);
    title_chars.setFontPointSize(document.defaultFont().pointSizeF() * 1.2);
    cursor.insertBlock(title_format, title_chars);
    cursor.insertText(QCoreApplication::translate("PagedDocument", "Содержание"));
    QTextTableFormat table_format;
    table_format.setBorder(0);
    table_format.setCellPadding(1);
    table_format.setCellSpacing(0);
    table_format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    table_format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 90),
                                            QTextLength(QTextLength::PercentageLength, 10)});
    table_format.setBottomMargin(12);
    QTextCharFormat plain;
    plain.setFontPointSize(document.defaultFont().pointSizeF());
    QTextTable* table = cursor.insertTable(static_cast<int>(headings.size()), 2, table_format);
    for (int row = 0; row < table->rows(); ++row) {
        QTextCursor text = table->cellAt(row, 0).firstCursorPosition();
        text.insertText(titles[row], plain);
        QTextCursor number = table->cellAt(row, 1).firstCursorPosition();
        QTextBlockFormat right;
        right.setAlignment(Qt::AlignRight);
        number.setBlockFormat(right);
        number.insertText("0", plain);
    }
    // The numbers are short: writing them moves no heading, but look again to be sure. Each look
    // lays the document out afresh (see print_with_page_numbers).
    for (int pass = 0; pass < 3; ++pass) {
        document.setPageSize(document.pageSize());
        document.pageCount(); // the whole laid out, as for printing, before any page is read
        bool changed = false;
        for (int row = 0; row < table->rows(); ++row) {
            const QString page = QString::number(page_of_position(
                document, headings[static_cast<std::size_t>(row)].block().position()));
            QTextCursor number = table->cellAt(row, 1).firstCursorPosition();
            number.setPosition(table->cellAt(row, 1).lastCursorPosition().position(),
                               QTextCursor::KeepAnchor);
            if (number.selectedText() != page) {
                number.insertText(page, plain);
                changed = true;
            }
        }
        if (!changed) {
            break;
        }
    }
}

} // namespace ovrelan

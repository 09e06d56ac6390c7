#include "ui/pdf_document.h"

#include "platform/paged_document.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

#include <vector>

namespace ovrelan {

namespace {

constexpr int picture_object = QTextFormat::UserObject + 1;
constexpr int picture_index = QTextFormat::UserProperty + 1;
constexpr int picture_size = QTextFormat::UserProperty + 2;
// Pictures on paper at the look the single-picture PDF has.
constexpr double paper_look = 1.1;

// Draws the pictures where the text holds their marks.
class PictureObjects final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    std::vector<Picture> pictures;

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override {
        return format.property(picture_size).toSizeF();
    }
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                    const QTextFormat& format) override {
        const auto k = static_cast<std::size_t>(format.intProperty(picture_index));
        if (k < pictures.size()) {
            painter->save();
            painter->fillRect(rect, Qt::white);
            pictures[k].draw(*painter, rect, paper_look);
            painter->restore();
        }
    }
};

} // namespace

struct PdfDocument::Parts {
    QByteArray bytes;
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer;
    PictureObjects pictures; // outlives the document that draws with it
    QTextDocument document;
};

PdfDocument::PdfDocument(const QString& title) : parts_(std::make_unique<Parts>()) {
    parts_->buffer.setBuffer(&parts_->bytes);
    parts_->buffer.open(QIODevice::WriteOnly);
    parts_->writer = std::make_unique<QPdfWriter>(&parts_->buffer);
    QPdfWriter& writer = *parts_->writer;
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(18, 15, 15, 12), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(title);
    writer.setCreator("Ovrelan");
    QTextDocument& document = parts_->document;
    document.documentLayout()->setPaintDevice(&writer);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(11);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    document.documentLayout()->registerHandler(picture_object, &parts_->pictures);
    const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
    document.setPageSize(QSizeF(page.width(), page.height() - page_number_band(font, &writer)));
}

PdfDocument::~PdfDocument() = default;

QTextDocument& PdfDocument::document() {
    return parts_->document;
}

double PdfDocument::width() const {
    return parts_->document.pageSize().width();
}

void PdfDocument::insert_picture(QTextCursor& cursor, const Picture& picture, double aspect) {
    QTextBlockFormat block;
    block.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
    block.setTopMargin(8);
    block.setBottomMargin(8);
    cursor.insertBlock(block);
    QTextCharFormat mark;
    mark.setObjectType(picture_object);
    mark.setProperty(picture_index, static_cast<int>(parts_->pictures.pictures.size()));
    const double w = width() * 0.99;
    mark.setProperty(picture_size, QSizeF(w, w * aspect));
    parts_->pictures.pictures.push_back(picture);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), mark);
}

bool PdfDocument::write(const QString& path, QString* error) {
    if (!print_with_page_numbers(parts_->document, *parts_->writer)) {
        if (error != nullptr) {
            *error = QCoreApplication::translate("PdfDocument", "не удалось нарисовать страницы");
        }
        return false;
    }
    parts_->writer.reset(); // the PDF's end written into the buffer
    parts_->buffer.close();
    return write_file(path, parts_->bytes, error);
}

} // namespace ovrelan

#include "pdf_document.moc"

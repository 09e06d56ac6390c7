// An A4 PDF made of text and pictures: a QTextDocument laid out for the PDF writer, each picture
// drawn by its own code straight onto the page's painter where the text holds its mark (vectors,
// never an image), and the page's number, «N из M», at the foot of every page.
#pragma once

#include "graphs/graph_export.h"

#include <QString>

#include <memory>

class QTextCursor;
class QTextDocument;

namespace ovrelan {

class PdfDocument {
public:
    explicit PdfDocument(const QString& title);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    QTextDocument& document();
    // The text's width, in the document's units (the PDF's pixels).
    double width() const;
    // A picture in a paragraph of its own at the cursor: the text's width wide and `aspect` of
    // it high; a page never splits it.
    void insert_picture(QTextCursor& cursor, const Picture& picture, double aspect = 0.5);
    // The pages as a PDF file, written whole or not at all; false with the reason.
    bool write(const QString& path, QString* error);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace ovrelan

// A text document printed on the pages of a PDF (or any paged device) with the page number at the
// foot of every page, and a table of contents whose entries carry the pages their headings stand
// on. Qt's own QTextDocument::print numbers the pages only of a document it paginates itself, and
// QPdfWriter has no outline (bookmarks): a contents page with page numbers stands in for them.
#pragma once

#include <QString>

class QFont;
class QPagedPaintDevice;
class QPaintDevice;
class QTextDocument;

namespace ovrelan {

// The height of the band at each page's foot that holds its number, in the document's units, for
// a document of that default font laid out for `device` (none: for the 96-dpi screen, as Qt lays
// out a document without one): what to take off the page's height before laying it out. It does
// not touch the document, whose layout must not be made before its pages are sized (Qt 6.4 then
// loses the text after a figure moved to the next page).
double page_number_band(const QFont& font, const QPaintDevice* device);

// The document, laid out on pages of its pageSize() (set by the caller, the number's band taken
// off), printed on `device` scaled to its width; «N из M» centred at the foot of each page. False
// when the device cannot be painted on.
bool print_with_page_numbers(QTextDocument& document, QPagedPaintDevice& device);

// The page (from 1) a position of the laid-out document stands on.
int page_of_position(const QTextDocument& document, int position);

// A table of contents after the document's first block (its title): «Содержание», then each
// heading of `level` or higher with its page, the pages found after the contents are in place.
// Nothing when the document has fewer than `least_pages` pages.
void insert_contents(QTextDocument& document, int level, int least_pages);

} // namespace ovrelan

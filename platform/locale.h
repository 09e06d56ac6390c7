// The decimal separator the windows and the documents write, the one place they take it from: a
// point in English; in Russian the locale's in the windows and a comma in the documents.
#pragma once

#include "platform/language.h"

namespace ovrelan {

// The language whose numbers are written: set with the translations at start (Russian until
// then).
void write_numbers_of(Language language);

// The windows' separator (panel, read-outs, captions, the table a spreadsheet is offered first):
// a point in English; in Russian the default locale's when it is one ASCII character ('.' or
// ','), otherwise a point.
char decimal_separator();

// The separator of what is written as text in the language (reports, worksheets, pictures'
// titles, the report's results table): a comma in Russian, a point in English.
char document_decimal_separator();

} // namespace ovrelan

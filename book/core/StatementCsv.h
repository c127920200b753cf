// A statement as CSV text (UTF-8): the header line, one record per line, then the four
// closing rows as "期初欠款,X" … "期末欠款,X" with two decimals. The notebook command
// prints it as it is; the program writes it to a file behind a byte-order mark, so a
// spreadsheet reads its Chinese as UTF-8.
#pragma once

#include <string>

#include "book/core/NoteBook.h"

namespace book {

std::string StatementCsv(const Statement& statement);

// The mark a file of StatementCsv begins with.
inline constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";

}  // namespace book

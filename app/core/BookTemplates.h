// The window templates of the note book: the number format window, the history of
// recorded notes and the customer statement. Their ids are in ProgramTemplates.h.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/core/WindowTemplate.h"

namespace app {

rt::WindowTemplate NumberFormatWindow();
rt::WindowTemplate HistoryWindow();
rt::WindowTemplate PaymentWindow();  // the payments received (PaymentTemplate.cpp)
rt::WindowTemplate StatementWindow();
rt::WindowTemplate ReceivablesWindow();  // 欠款汇总 (ReceivablesTemplate.cpp)
rt::WindowTemplate BookPlaceWindow();    // 账本位置 (BookPlaceTemplate.cpp)

// The grid unit block of a printed sheet: `headRows` fixed rows (titles and column
// names, repeated on every page), nothing edited, the page number below.
std::vector<uint8_t> PrintedSheetGridBlock(int headRows, int columns);

// The grid unit block of a read-only list of records with one header row.
std::vector<uint8_t> RecordListGridBlock(int columns, int colWidth);

}  // namespace app

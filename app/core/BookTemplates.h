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

// The grid unit block of a read-only list of records with one header row.
std::vector<uint8_t> RecordListGridBlock(int columns, int colWidth);

}  // namespace app

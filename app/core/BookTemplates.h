// The window templates of the note book: the number format window, the history of
// recorded notes and the customer statement. Their ids are in ProgramTemplates.h.
#pragma once

#include "runtime/core/WindowTemplate.h"

namespace app {

rt::WindowTemplate NumberFormatWindow();
rt::WindowTemplate HistoryWindow();
rt::WindowTemplate PaymentWindow();  // the payments received (PaymentTemplate.cpp)
rt::WindowTemplate StatementWindow();

}  // namespace app

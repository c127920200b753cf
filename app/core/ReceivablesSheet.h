// The receivables summary laid out as the rows of the 欠款汇总 window's grid: the day and
// the column names (the head rows, repeated on every printed page), one row per
// customer, then the total. Platform-free: the handlers only copy it into the grid.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "book/core/ReceivablesCsv.h"

namespace app {

constexpr int kReceivablesColumns = book::kReceivablesColumns;
constexpr int kReceivablesHeadRows = 2;

struct ReceivablesSheet {
  std::vector<std::array<std::string, kReceivablesColumns>> rows;  // GBK; row 0 merged across
};

ReceivablesSheet BuildReceivablesSheet(const book::Receivables& receivables);

}  // namespace app

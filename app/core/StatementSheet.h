// A customer's statement laid out as the rows of the 客户对账单 window's grid: two title
// rows and the column names (the head rows, repeated on every printed page), one row per
// item row or payment, then the closing rows, printed once, at the end. Platform-free:
// the handlers only copy it into the grid.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "book/core/NoteBook.h"

namespace app {

constexpr int kStatementColumns = 8;  // 日期 单号 规格 数量 单位 单价 金额 备注
constexpr int kStatementHeadRows = 3;
constexpr int kStatementAmountColumn = 6;

// The column names, the last head row.
extern const char* const kStatementColumnNames[kStatementColumns];

struct StatementSheet {
  struct Merge {  // cells of one row, firstCol..lastCol, shown as one
    int row, firstCol, lastCol;
  };
  std::vector<std::array<std::string, kStatementColumns>> rows;  // GBK
  std::vector<Merge> merges;
};

// `capital` is the closing balance in capital numerals (NumberToCapital's text).
StatementSheet BuildStatementSheet(const book::Statement& statement, const std::string& capital);

}  // namespace app

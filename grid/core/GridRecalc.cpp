// The text setter and what hangs on it: number formatting of number and currency
// columns, row formulas and column sums.
#include <algorithm>

#include "grid/core/GridModel.h"
#include "grid/core/NumberText.h"

namespace grid {

bool GridModel::SetCellText(int row, int col, std::string_view text, bool recalc) {
  bool outermost = recalcDepth_ == 0;
  if (outermost) {
    recalcBudget_ = kRecalcBudget;
    recalcRan_ = false;
  }
  bool stored = StoreText(row, col, text, recalc);
  if (outermost && recalcRan_) RepaintAll();
  return stored;
}

std::string GridModel::FormatForColumn(int row, int col, std::string_view text) const {
  // An empty text stays empty: clearing a number cell clears it.
  if (text.empty() || row < headRows_ || !IsNumberColumn(col)) return std::string(text);
  int places = DecimalPlaces(col);
  if (places < 0 || places > 9) return std::string(text);
  double value = LeadingNumber(text);
  if (value == 0 && !settings_.showZeroInNumCell) return std::string();
  return FormatFixed(value, places);
}

bool GridModel::StoreText(int row, int col, std::string_view text, bool recalc) {
  CGridCell* cell = Cell(row, col);
  if (!cell) return false;
  cell->SetText(FormatForColumn(row, col, text));
  if (recalc) RecalcAfterChange(row, col);
  RepaintCell(row, col);
  return true;
}

std::string GridModel::FormatResult(int col, double value) const {
  int places = DecimalPlaces(col);
  return FormatFixed(value, places >= 0 && places <= 9 ? places : 2);
}

void GridModel::RecalcAfterChange(int row, int col) {
  if (recalcDepth_ >= kMaxRecalcDepth || recalcBudget_ <= 0) return;
  ++recalcDepth_;
  if (IsBodyCell(row, col)) RecalcFormulas(row, col);
  RecalcSums(row, col, -1);
  --recalcDepth_;
}

// Every formula taking `col` as an operand, in table order, until one whose result
// column is not a number column. The result goes through the text setter with
// recalculation, which also brings the formulas on the result column and the sums of
// the result column up to date.
void GridModel::RecalcFormulas(int row, int col) {
  for (size_t i = 0; i < formulas_.size(); ++i) {
    RowFormula f = formulas_[i];
    if (f.firstCol != col && f.secondCol != col) continue;
    if (!IsNumberColumn(f.resultCol)) break;
    recalcBudget_ -= kFormulaCost;
    if (recalcBudget_ < 0) return;
    recalcRan_ = true;
    std::string a = CellText(row, f.firstCol);
    std::string b = CellText(row, f.secondCol);
    if (a.empty() && b.empty()) {
      StoreText(row, f.resultCol, std::string_view(), true);
      continue;
    }
    double x = LeadingNumber(a), y = LeadingNumber(b), value;
    switch (f.operation) {
      case op::kAdd: value = x + y; break;
      case op::kSubtract: value = x - y; break;
      case op::kMultiply: value = x * y; break;
      case op::kDivide: value = y == 0 ? 0 : x / y; break;
      default: continue;  // an operation this grid does not know leaves the result alone
    }
    StoreText(row, f.resultCol, FormatResult(f.resultCol, value), true);
  }
}

// The sums of `col` whose range holds `row`, except `exceptSum`. Each result is
// stored, then the other sums of the column that hold the result row and the formulas
// of the result row follow.
void GridModel::RecalcSums(int row, int col, int exceptSum) {
  if (col < headCols_ || !IsNumberColumn(col)) return;
  for (size_t i = 0; i < sums_.size(); ++i) {
    ColumnSum s = sums_[i];
    if (int(i) == exceptSum || s.column != col || row < s.firstRow || row > s.lastRow) continue;
    int first = std::max(s.firstRow, 0), last = std::min(s.lastRow, RowCount() - 1);
    recalcBudget_ -= kFormulaCost + std::max(0, last - first + 1);
    if (recalcBudget_ < 0) return;
    recalcRan_ = true;
    double total = 0;
    for (int r = first; r <= last; ++r) total += LeadingNumber(cells_[Index(r, col)].TextView());
    if (!StoreText(s.resultRow, col, FormatResult(col, total), false)) continue;
    if (recalcDepth_ >= kMaxRecalcDepth) continue;
    ++recalcDepth_;
    RecalcSums(s.resultRow, col, int(i));
    if (IsBodyCell(s.resultRow, col)) RecalcFormulas(s.resultRow, col);
    --recalcDepth_;
  }
}

}  // namespace grid

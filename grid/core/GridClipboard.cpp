#include "grid/core/GridClipboard.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "grid/core/GridModel.h"

namespace grid {

namespace {

struct Rect {
  int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;  // inclusive
  bool Empty() const { return bottom < top || right < left; }
};

Rect SelectionBounds(const GridModel& grid) {
  Rect r;
  if (!grid.SelectionBounds(&r.top, &r.left, &r.bottom, &r.right) &&
      grid.IsCell(grid.FocusRow(), grid.FocusCol())) {
    r.top = r.bottom = grid.FocusRow();
    r.left = r.right = grid.FocusCol();
  }
  return r;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

bool IsItemSeparator(char c) { return c == '\t' || c == ',' || c == '\n'; }

// Stores the items of one line into `row`, item m in columns[m].
void PasteLine(GridModel& grid, int row, std::string_view line, const std::vector<int>& columns) {
  size_t m = 0;
  size_t i = 0;
  while (i < line.size() && m < columns.size()) {
    while (i < line.size() && IsItemSeparator(line[i])) ++i;
    if (i == line.size()) break;
    size_t end = i;
    while (end < line.size() && !IsItemSeparator(line[end])) ++end;
    int col = columns[m++];
    if (!grid.IsKindColumn(col, kind::kPicture)) {
      grid.SetCellText(row, col, Trim(line.substr(i, end - i)), true);
      grid.SelectCell(row, col, false);
    }
    i = end;
  }
}

}  // namespace

std::string BuildClipboardText(const GridModel& grid) {
  std::string out;
  Rect r = SelectionBounds(grid);
  if (r.Empty()) return out;
  bool everyCell = !grid.CanSelection();
  bool firstRow = true;
  for (int row = r.top; row <= r.bottom; ++row) {
    if (grid.RowHeight(row) <= 0) continue;
    if (!firstRow) out += '\n';
    firstRow = false;
    bool firstCol = true;
    for (int col = r.left; col <= r.right; ++col) {
      if (grid.ColWidth(col) <= 0) continue;
      if (!firstCol) out += '\t';
      firstCol = false;
      if (everyCell || grid.IsSelected(row, col)) {
        const std::string& text = grid.CellText(row, col);
        if (text.empty())
          out += ' ';
        else
          out += text;
      }
    }
  }
  return out;
}

bool CutSelection(GridModel& grid, std::string* text) {
  if (!grid.Settings().isEdit) return false;
  *text = BuildClipboardText(grid);
  Rect r;
  if (grid.SelectionBounds(&r.top, &r.left, &r.bottom, &r.right))
    for (int row = r.top; row <= r.bottom; ++row)
      for (int col = r.left; col <= r.right; ++col)
        if (grid.IsSelected(row, col)) grid.SetCellText(row, col, "", true);
  grid.RepaintAll();
  return true;
}

bool PasteText(GridModel& grid, std::string_view text) {
  int focusRow = grid.FocusRow(), focusCol = grid.FocusCol();
  const CGridCell* focus = grid.Cell(focusRow, focusCol);
  if (!focus || !grid.Settings().isEdit || (focus->GetState() & state::kReadOnly)) return false;

  std::vector<int> columns;  // the columns item 0, 1, ... go to
  for (int c = focusCol; c < grid.ColCount(); ++c)
    if (grid.ColWidth(c) > 0) columns.push_back(c);

  int row = focusRow;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    bool last = end == std::string_view::npos;
    if (last) end = text.size();
    std::string_view line = text.substr(start, end - start);
    // Text ending in a line feed ends its last line there: no empty line follows (and
    // an empty text has no line at all).
    if (last && line.empty()) break;
    while (row < grid.RowCount() && grid.RowHeight(row) <= 0) ++row;
    if (row >= grid.RowCount()) break;
    PasteLine(grid, row, line.empty() ? std::string_view(" ") : line, columns);
    ++row;
    if (last) break;
    start = end + 1;
  }
  grid.RepaintAll();
  return true;
}

}  // namespace grid

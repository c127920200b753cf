#include "grid/win/ClipboardText.h"

#include <cctype>

namespace grid::win::clip {

std::string BuildClipboardText(const GridModel& m) {
  int r1, c1, r2, c2;
  std::string out;
  if (!m.SelectionBounds(&r1, &c1, &r2, &c2)) return out;
  std::vector<int> cols;
  for (int c = c1; c <= c2; ++c)
    if (m.ColWidth(c) > 0) cols.push_back(c);
  bool firstRow = true;
  for (int r = r1; r <= r2; ++r) {
    if (m.RowHeight(r) == 0) continue;
    if (!firstRow) out += '\n';
    firstRow = false;
    for (size_t i = 0; i < cols.size(); ++i) {
      if (!m.CanSelection() || m.IsSelected(r, cols[i])) {
        const std::string& t = m.CellText(r, cols[i]);
        out += t.empty() ? std::string(" ") : t;
      }
      if (i + 1 < cols.size()) out += '\t';
    }
  }
  return out;
}

bool PasteText(GridModel& m, std::string_view text) {
  int row = m.FocusRow(), col0 = m.FocusCol();
  if (!m.IsCell(row, col0)) return false;
  size_t pos = 0;
  for (;;) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    if (line.empty()) line = " ";
    while (row < m.RowCount() && m.RowHeight(row) == 0) ++row;
    if (row >= m.RowCount()) break;
    int col = col0;
    size_t i = 0;
    while (i < line.size()) {
      size_t j = line.find_first_of("\t,", i);
      if (j == std::string_view::npos) j = line.size();
      std::string_view item = line.substr(i, j - i);
      i = j + 1;
      if (item.empty()) continue;  // two separators in a row
      while (!item.empty() && isspace(static_cast<unsigned char>(item.front()))) item.remove_prefix(1);
      while (!item.empty() && isspace(static_cast<unsigned char>(item.back()))) item.remove_suffix(1);
      while (col < m.ColCount() && m.ColWidth(col) == 0) ++col;
      if (col >= m.ColCount()) break;
      if (!m.IsKindColumn(col, kind::kPicture)) m.SetCellText(row, col, item, true);
      m.SelectCell(row, col, false);
      ++col;
    }
    ++row;
    if (end >= text.size()) break;
    pos = end + 1;
  }
  return true;
}

}  // namespace grid::win::clip

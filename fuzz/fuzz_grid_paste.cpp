// Any bytes pasted into a grid: no crash, hang or write outside the grid; the grid
// keeps its shape; what is stored holds no separator; and a copy afterwards has one
// line per shown row.
// The first bytes pick the grid's shape, hidden rows and columns, the focus cell and a
// picture column, so that the paths through the splitter are all reached.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "grid/core/GridClipboard.h"
#include "grid/core/GridModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 6) return 0;
  const int rows = 1 + data[0] % 24, cols = 1 + data[1] % 24;
  grid::GridModel grid;
  grid.SetRowCount(rows);
  grid.SetColCount(cols);
  grid.SetHeadRowCount(data[2] % 3);
  for (int r = 0; r < rows; ++r)
    if ((data[3] >> (r % 8)) & 1) grid.SetRowHeight(r, 0, true);
  for (int c = 0; c < cols; ++c)
    if ((data[4] >> (c % 8)) & 1) grid.SetColWidth(c, 0, true);
  grid.SetColumnKind(data[5] % cols, 1 + (data[5] >> 5) % 7);
  grid.SetFocusCell(data[2] % rows, data[3] % cols);

  std::string_view text(reinterpret_cast<const char*>(data + 6), size - 6);
  grid::PasteText(grid, text);
  if (grid.RowCount() != rows || grid.ColCount() != cols) abort();
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c)
      if (grid.CellText(r, c).find_first_of("\t,\n") != std::string::npos) abort();

  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) grid.SelectCell(r, c, true);
  std::string copied = grid::BuildClipboardText(grid);
  // One line per shown row: stored texts hold no line feed of their own.
  int shownRows = 0;
  for (int r = 0; r < rows; ++r) shownRows += grid.RowHeight(r) > 0;
  size_t feeds = 0;
  for (char ch : copied) feeds += ch == '\n';
  if (shownRows > 0 && feeds != size_t(shownRows - 1)) abort();
  return 0;
}

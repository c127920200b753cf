// Copy and paste through the platform clipboard on a grid unit: the exact bytes of a
// copied block, and pasted text spread over the shown rows and columns.
#include <cstring>

#include "tests/gridwin/GridUnitTestSupport.h"

namespace gridunit_test {
namespace {

std::vector<uint8_t> ClipboardBytes(HWND owner) {
  std::vector<uint8_t> bytes;
  if (!OpenClipboard(owner)) return bytes;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    const uint8_t* p = static_cast<const uint8_t*>(GlobalLock(data));
    size_t size = GlobalSize(data);
    size_t n = p ? strnlen(reinterpret_cast<const char*>(p), size) : 0;
    if (p) bytes.assign(p, p + std::min(size, n + 1));  // the terminator included
    GlobalUnlock(data);
  }
  CloseClipboard();
  return bytes;
}

void PutOnClipboard(HWND owner, const std::string& text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
}

std::string Row(grid::GridModel& m, int r) {
  std::string s;
  for (int c = 0; c < m.ColCount(); ++c) s += (c ? "|" : "") + m.CellText(r, c);
  return s;
}

class GridUnitClipboard : public ::testing::Test {
 protected:
  GridUnitClipboard() {
    grid::GridModel& m = g.Model();
    for (int r = 0; r < m.RowCount(); ++r)
      for (int c = 0; c < m.ColCount(); ++c) m.SetCellText(r, c, std::to_string(r) + std::to_string(c));
  }
  GridProgram g;
};

TEST_F(GridUnitClipboard, CopyOfATwoByThreeBlockGivesTheExactBytes) {
  grid::GridModel& m = g.Model();
  g.Set(grid::prop::kCanSelection, 1);
  m.SetCellText(2, 2, "");
  m.SetCellText(1, 3, "数量");
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 3; ++c) m.SelectCell(r, c, true);
  m.SetFocusCell(1, 1);
  SendMessageW(g.Hwnd(), WM_COPY, 0, 0);
  const std::string expected = "11\t12\t数量\n21\t \t23";
  std::vector<uint8_t> want(expected.begin(), expected.end());
  want.push_back(0);
  EXPECT_EQ(ClipboardBytes(g.Hwnd()), want);
}

TEST_F(GridUnitClipboard, PasteSkipsHiddenRowsAndColumns) {
  grid::GridModel& m = g.Model();
  m.SetRowHeight(2, 0, true);
  m.SetColWidth(2, 0, true);
  m.SetFocusCell(1, 1);
  PutOnClipboard(g.Hwnd(), "a\tb,c\r\nd,e\n");  // the last line feed opens no line
  SendMessageW(g.Hwnd(), WM_PASTE, 0, 0);
  EXPECT_EQ(Row(m, 1), "10|a|12|b|c");
  EXPECT_EQ(Row(m, 2), "20|21|22|23|24");
  EXPECT_EQ(Row(m, 3), "30|d|32|e|34");
  EXPECT_EQ(Row(m, 4), "40|41|42|43|44");

  // Not while the grid may not be edited.
  g.Set(grid::prop::kIsEdit, 0);
  PutOnClipboard(g.Hwnd(), "x");
  SendMessageW(g.Hwnd(), WM_PASTE, 0, 0);
  EXPECT_EQ(m.CellText(1, 1), "a");
}

}  // namespace
}  // namespace gridunit_test

// Copy, cut and paste text of the grid.
#include "grid/core/GridClipboard.h"

#include <gtest/gtest.h>

#include "grid/core/GridModel.h"

namespace grid {
namespace {

class ClipboardTest : public ::testing::Test {
 protected:
  ClipboardTest() {
    grid_.SetRowCount(6);
    grid_.SetColCount(5);
    grid_.SetHeadRowCount(1);
    grid_.SetHeadColCount(1);
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 5; ++c) grid_.SetCellText(r, c, std::to_string(r) + std::to_string(c));
  }
  void Select(int r1, int c1, int r2, int c2) {
    for (int r = r1; r <= r2; ++r)
      for (int c = c1; c <= c2; ++c) grid_.SelectCell(r, c, true);
  }
  std::string Row(int r) {
    std::string s;
    for (int c = 0; c < grid_.ColCount(); ++c) s += (c ? "|" : "") + grid_.CellText(r, c);
    return s;
  }
  GridModel grid_;
};

TEST_F(ClipboardTest, CopyOfATwoByThreeSelection) {
  grid_.SetCellText(2, 3, "");
  Select(1, 1, 2, 3);
  EXPECT_EQ(BuildClipboardText(grid_), "11\t12\t13\n21\t22\t ");
}

TEST_F(ClipboardTest, CopySkipsHiddenRowsAndColumnsAndUnselectedCells) {
  grid_.SetCanSelection(1);
  Select(1, 1, 3, 3);
  grid_.SelectCell(3, 1, false);  // the bounding rectangle stays
  grid_.SetRowHeight(2, 0, true);
  grid_.SetColWidth(2, 0, true);
  EXPECT_EQ(BuildClipboardText(grid_), "11\t13\n\t33");
  grid_.SetCanSelection(0);  // every cell of the rectangle when blocks cannot be selected
  grid_.ClearSelection();
  grid_.SelectCell(1, 1, true);
  grid_.SelectCell(3, 3, true);
  grid_.SelectCell(3, 1, false);
  EXPECT_EQ(BuildClipboardText(grid_), "11\t13\n31\t33");
  grid_.ClearSelection();
  EXPECT_EQ(BuildClipboardText(grid_), "");  // no selection and no focus
  grid_.SetFocusCell(4, 4);
  EXPECT_EQ(BuildClipboardText(grid_), "44");
}

TEST_F(ClipboardTest, CutEmptiesTheSelectedCellsOnlyWhileEditable) {
  Select(1, 1, 1, 2);
  std::string text;
  grid_.Settings().isEdit = 0;
  EXPECT_FALSE(CutSelection(grid_, &text));
  EXPECT_EQ(grid_.CellText(1, 1), "11");
  grid_.Settings().isEdit = 1;
  ASSERT_TRUE(CutSelection(grid_, &text));
  EXPECT_EQ(text, "11\t12");
  EXPECT_EQ(Row(1), "10|||13|14");
}

TEST_F(ClipboardTest, PasteSkipsHiddenRowsAndColumns) {
  grid_.SetRowHeight(2, 0, true);
  grid_.SetColWidth(2, 0, true);
  grid_.SetFocusCell(1, 1);
  grid_.SelectCell(3, 3, true);
  ASSERT_TRUE(PasteText(grid_, "a\t b ,c\r\nd,,e\tf\tg\tlost\n"));
  EXPECT_EQ(Row(1), "10|a|12|b|c");
  EXPECT_EQ(Row(2), "20|21|22|23|24");
  EXPECT_EQ(Row(3), "30|d|32|e|f");     // g and lost lie beyond the last column
  EXPECT_EQ(Row(4), "40|41|42|43|44");  // the final line feed opens no line
  EXPECT_FALSE(grid_.IsSelected(3, 3));
}

TEST_F(ClipboardTest, PasteEmptyLinesLinesBeyondTheGridAndRefusals) {
  grid_.SetFocusCell(4, 2);
  ASSERT_TRUE(PasteText(grid_, "x\n\ny\nz"));
  EXPECT_EQ(Row(4), "40|41|x|43|44");
  EXPECT_EQ(Row(5), "50|51||53|54");  // an empty line is one space, trimmed away
  EXPECT_TRUE(PasteText(grid_, ""));
  EXPECT_EQ(Row(4), "40|41|x|43|44");

  grid_.SetColumnKind(3, 6);  // picture column: its items are passed over
  grid_.SetCellText(1, 3, "13");
  grid_.SetFocusCell(1, 2);
  ASSERT_TRUE(PasteText(grid_, "p,q,r"));
  EXPECT_EQ(Row(1), "10|11|p|13|r");

  grid_.SetCellState(1, 1, grid_.Cell(1, 1)->GetState() | state::kReadOnly);
  grid_.SetFocusCell(1, 1);
  EXPECT_FALSE(PasteText(grid_, "no"));
  grid_.SetFocusCell(2, 1);
  grid_.Settings().isEdit = 0;
  EXPECT_FALSE(PasteText(grid_, "no"));
  grid_.Settings().isEdit = 1;
  grid_.ClearFocus();
  EXPECT_FALSE(PasteText(grid_, "no"));
  EXPECT_EQ(Row(2), "20|21|22||24");  // (the picture column holds no texts)
}

TEST_F(ClipboardTest, PasteOfHugeOrOddTextStaysInsideTheGrid) {
  grid_.SetFocusCell(1, 1);
  std::string tabs(1 << 20, '\t');
  ASSERT_TRUE(PasteText(grid_, tabs));
  EXPECT_EQ(Row(1), "10|11|12|13|14");
  std::string longLine;
  for (int i = 0; i < 100000; ++i) longLine += "v,";
  std::string lines;
  for (int i = 0; i < 100000; ++i) lines += "\xB0\n\xFF\x81";  // bytes that are not whole GBK
  ASSERT_TRUE(PasteText(grid_, longLine + "\n" + lines));
  EXPECT_EQ(Row(1), "10|v|v|v|v");
  EXPECT_EQ(Row(2), "20|\xB0|22|23|24");
  EXPECT_EQ(Row(5), "50|\xFF\x81\xB0|52|53|54");
}

}  // namespace
}  // namespace grid

// How the grid keeps its cells: texts inline or in one block, the rarely set cell
// settings in side tables keyed by (row, column), and the selection as rectangles.
// These hold only while the keys follow the cells through count changes.
#include <gtest/gtest.h>

#include <string>

#include "GridTestSupport.h"
#include "grid/core/CellText.h"
#include "grid/core/GridFile.h"

namespace grid {
namespace {

TEST(CellTextTest, ShortAndLongTextsAndTextsMadeFromThemselves) {
  CellText t;
  EXPECT_TRUE(t.Empty());
  std::string inlineMost(23, 'a'), longer(24, 'b');
  t.Assign(inlineMost);
  EXPECT_EQ(t.View(), inlineMost);
  t.Assign(longer);
  EXPECT_EQ(t.View(), longer);
  t.Assign(t.View().substr(2));  // from its own heap block
  EXPECT_EQ(t.View(), longer.substr(2));
  t.Assign(t.View().substr(1));  // from its own inline bytes
  EXPECT_EQ(t.View(), longer.substr(3));
  CellText moved(std::move(t));
  EXPECT_EQ(moved.View(), longer.substr(3));
  EXPECT_TRUE(t.Empty());
}

class CellStoreTest : public ::testing::Test {
 protected:
  CellStoreTest() : pictures_(&service_) {
    grid_.SetRowCount(6);
    grid_.SetColCount(4);
  }
  Bitmap Picture(uint8_t b) { return service_.FromBytes(&b, 1); }

  MemoryPictureService service_;
  ScopedPictureService pictures_;
  GridModel grid_;
};

TEST_F(CellStoreTest, SettingsStayWithTheirCellWhenColumnsAndRowsComeAndGo) {
  grid_.SetCellText(1, 1, "a text long enough to need its own block");
  grid_.SetCellBkColor(1, 1, 0x112233);
  grid_.SetCellFormat(2, 3, 0x825);
  grid_.SetCellMargin(5, 0, 20);
  grid_.SetCellState(4, 1, state::kReadOnly);
  grid_.SetCellBitmap(5, 2, Picture(7));
  grid_.MergeCells(3, 0, 3, 1);
  ASSERT_TRUE(grid_.SetColCount(7));  // every row moves in the cell array
  EXPECT_EQ(grid_.CellText(1, 1), "a text long enough to need its own block");
  EXPECT_EQ(grid_.Cell(1, 1)->GetBkColor(), 0x112233u);
  EXPECT_EQ(grid_.Cell(2, 3)->GetFormat(), 0x825u);
  EXPECT_EQ(grid_.Cell(3, 1)->GetState(), state::kCovered);
  EXPECT_EQ(grid_.Cell(3, 0)->GetMergeMaster(), 1);
  EXPECT_EQ(grid_.Cell(4, 1)->GetState(), state::kReadOnly);
  EXPECT_EQ(grid_.Cell(2, 4)->GetFormat(), kDefaultCellFormat);  // a new column's cell

  // Cut off and grown back, the cells beyond come back at their defaults and their
  // pictures are gone.
  ASSERT_TRUE(grid_.SetColCount(3));
  ASSERT_TRUE(grid_.SetRowCount(5));
  EXPECT_EQ(service_.LiveCount(), 0u);
  ASSERT_TRUE(grid_.SetColCount(4));
  ASSERT_TRUE(grid_.SetRowCount(6));
  EXPECT_EQ(grid_.Cell(2, 3)->GetFormat(), kDefaultCellFormat);
  EXPECT_EQ(grid_.Cell(5, 0)->GetMargin(), kDefaultCellMargin);
  EXPECT_EQ(grid_.Cell(5, 2)->GetBitmap(), 0u);
  EXPECT_EQ(grid_.Cell(1, 1)->GetBkColor(), 0x112233u);
}

TEST_F(CellStoreTest, CellsMadeBeforeTheGridFontChangesKeepTheOldOne) {
  LogFont before = grid_.GridFont(), after = before;
  after.height = -30;
  grid_.SetGridFont(after);
  grid_.SetRowCount(7);
  EXPECT_EQ(*grid_.Cell(0, 0)->GetFont(), before);
  EXPECT_EQ(*grid_.Cell(6, 0)->GetFont(), after);
  grid_.Cell(0, 0)->Reset();
  EXPECT_EQ(*grid_.Cell(0, 0)->GetFont(), after);
}

TEST_F(CellStoreTest, ASavedGridSavesAgainToTheSameBytes) {
  grid_.SetHeadRowCount(1);
  grid_.SetCellText(0, 0, "head");
  grid_.SetCellText(2, 1, std::string(300, 'x'));
  grid_.SetCellCheck(3, 2, 1);
  grid_.SetCellBitmap(4, 3, Picture(9));
  grid_.SetCellTextColor(1, 2, 0x0000FF);
  grid_.SetCellDiagonal(2, 2, diagonal::kBoth);
  grid_.SetCellSpareFlag(5, 3, 1);
  grid_.SetCellState(5, 1, 0x80);
  LogFont big = grid_.GridFont();
  big.height = -24;
  grid_.SetCellFont(1, 3, big);
  grid_.MergeCells(4, 0, 5, 0);
  std::vector<uint8_t> first = SaveGridToBuffer(grid_);
  GridModel loaded;
  ASSERT_TRUE(LoadGridFromBuffer(loaded, first.data(), first.size()));
  EXPECT_EQ(SaveGridToBuffer(loaded), first);
}

class SelectionTest : public CellStoreTest {};

TEST_F(SelectionTest, ABlockCountsItsCellsAndSplitsAroundACellTakenOut) {
  grid_.SetHeadRowCount(1);
  ASSERT_TRUE(grid_.SelectBlock(1, 0, 5, 3));  // select-all of the body
  EXPECT_EQ(grid_.SelectionCount(), 20u);
  EXPECT_TRUE(grid_.Cell(3, 2)->GetState() & state::kSelected);
  grid_.SelectCell(3, 2, false);  // ctrl-click on a selected cell
  EXPECT_EQ(grid_.SelectionCount(), 19u);
  EXPECT_FALSE(grid_.IsSelected(3, 2));
  EXPECT_TRUE(grid_.IsSelected(3, 1) && grid_.IsSelected(2, 2) && grid_.IsSelected(4, 2) &&
              grid_.IsSelected(3, 3));
  // A state write that keeps the bit keeps the cell selected; the bit is not stored.
  grid_.SetCellState(2, 2, grid_.Cell(2, 2)->GetState() | state::kReadOnly);
  EXPECT_TRUE(grid_.IsSelected(2, 2));
  grid_.SelectBlock(2, 1, 3, 2);  // overlapping: counted once
  EXPECT_EQ(grid_.SelectionCount(), 20u);
  int r1, c1, r2, c2;
  ASSERT_TRUE(grid_.SelectionBounds(&r1, &c1, &r2, &c2));
  EXPECT_EQ(std::vector<int>({r1, c1, r2, c2}), std::vector<int>({1, 0, 5, 3}));
  grid_.ClearSelection();
  EXPECT_EQ(grid_.SelectionCount(), 0u);
  EXPECT_EQ(grid_.Cell(2, 2)->GetState(), state::kReadOnly);
  EXPECT_FALSE(grid_.SelectBlock(6, 0, 9, 3));  // wholly outside
}

TEST_F(SelectionTest, CellsTakenOutRowByRowLeaveFewBlocks) {
  // Pasting over a selection deselects what it fills, cell by cell.
  ASSERT_TRUE(grid_.SetRowCount(1000));
  grid_.SelectBlock(0, 0, 999, 3);
  for (int r = 10; r < 900; ++r)
    for (int c = 1; c <= 2; ++c) grid_.SelectCell(r, c, false);
  EXPECT_EQ(grid_.SelectionCount(), size_t(4000 - 890 * 2));
  EXPECT_LE(grid_.Selection().Blocks().size(), 4u);
  EXPECT_FALSE(grid_.IsSelected(500, 2));
  EXPECT_TRUE(grid_.IsSelected(500, 3) && grid_.IsSelected(500, 0) && grid_.IsSelected(900, 1));
}

TEST_F(SelectionTest, ShrinkingCutsBlocksAndAMillionRowsAreOneBlock) {
  grid_.SelectBlock(0, 0, 5, 3);
  grid_.SelectCell(5, 3, true);  // already inside: no second count
  ASSERT_TRUE(grid_.SetRowCount(4));
  ASSERT_TRUE(grid_.SetColCount(2));
  EXPECT_EQ(grid_.SelectionCount(), 8u);
  ASSERT_TRUE(grid_.SetRowCount(6));
  EXPECT_FALSE(grid_.IsSelected(5, 1));

  ASSERT_TRUE(grid_.SetRowCount(kMaxRows));
  grid_.SelectBlock(0, 0, kMaxRows - 1, 1);
  EXPECT_EQ(grid_.SelectionCount(), size_t(2) * kMaxRows);
  EXPECT_EQ(grid_.Selection().Blocks().size(), 1u);
}

}  // namespace
}  // namespace grid

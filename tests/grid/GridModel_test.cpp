// Counts, sizes, selection, merged blocks and cell ownership of the grid model.
#include "grid/core/GridModel.h"

#include <gtest/gtest.h>

#include "GridTestSupport.h"

namespace grid {
namespace {

using test::RepaintCounter;

class GridModelTest : public ::testing::Test {
 protected:
  GridModelTest() : pictures_(&service_) {}
  void Make(int rows, int cols, int headRows = 0, int headCols = 0) {
    ASSERT_TRUE(grid_.SetRowCount(rows));
    ASSERT_TRUE(grid_.SetColCount(cols));
    grid_.SetHeadRowCount(headRows);
    grid_.SetHeadColCount(headCols);
  }
  Bitmap Picture(uint8_t b) { return service_.FromBytes(&b, 1); }

  MemoryPictureService service_;
  ScopedPictureService pictures_;
  GridModel grid_;
};

TEST_F(GridModelTest, NewCellsTakeTheDefaultsAndNewRowsAndColumnsTheDefaultSizes) {
  LogFont font = DefaultGridFont();
  font.height = -20;
  grid_.SetGridFont(font);
  grid_.SetDefaultRowHeight(24);
  grid_.SetDefaultColWidth(60);
  Make(3, 2);
  const CGridCell* cell = grid_.Cell(2, 1);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->GetState(), 0u);
  EXPECT_EQ(cell->GetFormat(), 0x824u);
  EXPECT_EQ(cell->GetImage(), -1);
  EXPECT_EQ(cell->GetMargin(), 9);
  EXPECT_EQ(cell->GetBkColor(), kNoColor);
  EXPECT_EQ(cell->GetTextColor(), kNoColor);
  EXPECT_EQ(*cell->GetFont(), font);
  EXPECT_EQ(cell->GetGrid(), &grid_);
  EXPECT_EQ(grid_.RowHeight(2), 24);
  EXPECT_EQ(grid_.ColWidth(1), 60);
  EXPECT_EQ(grid_.RowHeight(3), -1);
  EXPECT_EQ(grid_.ColWidth(-1), -1);
  EXPECT_EQ(grid_.Cell(3, 0), nullptr);
  EXPECT_EQ(grid_.Cell(0, 2), nullptr);
}

TEST_F(GridModelTest, SizesWithoutOverrideKeepTheLineWidthMinimum) {
  Make(2, 2);
  grid_.Settings().lineWidth = 1;
  EXPECT_TRUE(grid_.SetRowHeight(0, 3));
  EXPECT_EQ(grid_.RowHeight(0), 7);
  EXPECT_TRUE(grid_.SetRowHeight(1, 3, true));
  EXPECT_EQ(grid_.RowHeight(1), 3);
  EXPECT_TRUE(grid_.SetColWidth(0, 0, true));
  EXPECT_EQ(grid_.ColWidth(0), 0);
  EXPECT_FALSE(grid_.SetColWidth(1, -1, true));
  EXPECT_FALSE(grid_.SetColWidth(1, kMaxSize + 1, true));
  EXPECT_FALSE(grid_.SetRowHeight(2, 30));
  EXPECT_EQ(grid_.ColWidth(1), 30);
}

TEST_F(GridModelTest, CountsBeyondTheLimitsAreRefusedWithoutChange) {
  Make(4, 3);
  EXPECT_FALSE(grid_.SetRowCount(-1));
  EXPECT_FALSE(grid_.SetColCount(-5));
  EXPECT_FALSE(grid_.SetRowCount(int(kMaxCells / 3) + 1));
  EXPECT_FALSE(grid_.SetColCount(kMaxCols + 1));
  EXPECT_EQ(grid_.RowCount(), 4);
  EXPECT_EQ(grid_.ColCount(), 3);
  EXPECT_FALSE(grid_.SetHeadRowCount(-1));
  EXPECT_TRUE(grid_.SetHeadRowCount(9));
  EXPECT_EQ(grid_.HeadRowCount(), 4);
}

TEST_F(GridModelTest, ShrinkingRowsLowersHeadersClearsFocusAndSelectionBeyond) {
  Make(6, 3, 5, 0);
  grid_.SetFocusCell(4, 1);
  grid_.SelectCell(4, 2, true);
  grid_.SelectCell(1, 1, true);
  ASSERT_EQ(grid_.SelectionCount(), 2u);
  ASSERT_TRUE(grid_.SetRowCount(3));
  EXPECT_EQ(grid_.HeadRowCount(), 3);
  EXPECT_EQ(grid_.FocusRow(), -1);
  EXPECT_EQ(grid_.SelectionCount(), 1u);
  EXPECT_TRUE(grid_.IsSelected(1, 1));
  // Growing again gives fresh cells, not the old ones.
  ASSERT_TRUE(grid_.SetRowCount(6));
  EXPECT_EQ(grid_.Cell(4, 2)->GetState(), 0u);
}

TEST_F(GridModelTest, ShrinkingCutsMergedBlocksBackOrRemovesThem) {
  Make(10, 6);
  grid_.MergeCells(2, 0, 6, 1);  // cut through the middle
  grid_.MergeCells(4, 2, 5, 3);  // cut to a single row: stays a block
  grid_.MergeCells(4, 4, 5, 4);  // cut to a single cell: removed
  grid_.MergeCells(7, 0, 8, 5);  // begins beyond: removed
  ASSERT_EQ(grid_.MergedBlocks().size(), 4u);
  ASSERT_TRUE(grid_.SetRowCount(5));
  ASSERT_EQ(grid_.MergedBlocks().size(), 2u);
  EXPECT_EQ(grid_.MergedBlocks()[0], (MergedBlock{2, 0, 2, 0, 4, 1}));
  EXPECT_EQ(grid_.MergedBlocks()[1], (MergedBlock{4, 2, 4, 2, 4, 3}));
  EXPECT_EQ(grid_.Cell(4, 4)->GetMergeMaster(), 0);
  EXPECT_EQ(grid_.FindMergedBlock(4, 4), -1);

  ASSERT_TRUE(grid_.SetColCount(3));
  ASSERT_EQ(grid_.MergedBlocks().size(), 1u);
  EXPECT_EQ(grid_.MergedBlocks()[0].lastCol, 1);
  EXPECT_EQ(grid_.Cell(4, 2)->GetMergeMaster(), 0);
}

TEST_F(GridModelTest, MergeMarksTheBlockAndRefusesBadOrOverlappingRectangles) {
  Make(6, 5, 1, 1);
  LogFont big = DefaultGridFont();
  big.height = -30;
  grid_.SetCellFont(2, 2, big);
  grid_.SetCellText(0, 2, "head");
  grid_.SetCellText(2, 3, "body");

  grid_.MergeCells(2, 2, 2, 2);  // a single cell
  grid_.MergeCells(0, 1, 1, 2);  // straddles the header rows
  grid_.MergeCells(1, 0, 2, 1);  // straddles the header columns
  grid_.MergeCells(2, 2, 6, 3);  // beyond the last row
  grid_.MergeCells(3, 3, 2, 4);  // upside down
  EXPECT_TRUE(grid_.MergedBlocks().empty());

  grid_.MergeCells(0, 2, 0, 4);
  grid_.MergeCells(2, 2, 3, 3);
  ASSERT_EQ(grid_.MergedBlocks().size(), 2u);
  EXPECT_EQ(grid_.Cell(0, 3)->GetText(), "");  // header cells lose their text
  EXPECT_EQ(grid_.Cell(2, 3)->GetText(), "body");
  EXPECT_EQ(grid_.Cell(2, 2)->GetMergeMaster(), 1);
  EXPECT_EQ(grid_.Cell(2, 2)->GetState() & state::kCovered, 0u);
  for (auto [r, c] : {std::pair{2, 3}, {3, 2}, {3, 3}}) {
    EXPECT_EQ(grid_.Cell(r, c)->GetState() & state::kCovered, state::kCovered);
    EXPECT_EQ(*grid_.Cell(r, c)->GetFont(), big);
    EXPECT_EQ(grid_.FindMergedBlock(r, c), 1);
  }

  // Overlaps: a corner inside, crossing, and lying inside an existing block.
  grid_.SetFocusCell(4, 4);
  grid_.SelectCell(5, 4, true);
  grid_.MergeCells(3, 3, 4, 4);
  EXPECT_EQ(grid_.FocusRow(), -1);
  EXPECT_EQ(grid_.SelectionCount(), 0u);
  grid_.MergeCells(1, 3, 4, 3);
  grid_.MergeCells(3, 2, 3, 3);
  EXPECT_EQ(grid_.MergedBlocks().size(), 2u);
  EXPECT_EQ(grid_.Cell(4, 4)->GetState(), 0u);
}

TEST_F(GridModelTest, StateBitsFollowSelectionAndFocus) {
  Make(3, 3);
  EXPECT_TRUE(grid_.SetCellState(1, 1, state::kSelected | 0x80));
  EXPECT_TRUE(grid_.IsSelected(1, 1));
  EXPECT_TRUE(grid_.SelectCell(2, 0, true));
  EXPECT_EQ(grid_.SelectionCount(), 2u);
  grid_.SetCellState(1, 1, 0x80);
  EXPECT_FALSE(grid_.IsSelected(1, 1));
  grid_.ClearSelection();
  EXPECT_EQ(grid_.Cell(2, 0)->GetState(), 0u);
  EXPECT_EQ(grid_.Cell(1, 1)->GetState(), 0x80u);  // other bits are kept
  EXPECT_FALSE(grid_.SetCellState(3, 0, state::kSelected));
  EXPECT_EQ(grid_.SelectionCount(), 0u);

  grid_.SetFocusCell(1, 2);
  EXPECT_EQ(grid_.Cell(1, 2)->GetState(), state::kFocus);
  grid_.SetFocusCell(2, 0);
  EXPECT_EQ(grid_.Cell(1, 2)->GetState(), 0u);
  grid_.SetFocusCell(5, 5);  // a bad cell clears the focus
  EXPECT_EQ(grid_.FocusRow(), -1);
  EXPECT_EQ(grid_.Cell(2, 0)->GetState(), 0u);
}

TEST_F(GridModelTest, SelectRowForcesCanSelection) {
  Make(3, 3);
  grid_.SetCanSelection(0);
  EXPECT_EQ(grid_.CanSelection(), 0);
  grid_.SelectCell(1, 1, true);
  grid_.SetSelectRow(1);
  EXPECT_EQ(grid_.CanSelection(), 1);
  EXPECT_EQ(grid_.SelectionCount(), 0u);
  grid_.SetCanSelection(0);
  EXPECT_EQ(grid_.CanSelection(), 1);
  grid_.SetSelectRow(0);
  grid_.SetCanSelection(0);
  EXPECT_EQ(grid_.CanSelection(), 0);
}

TEST_F(GridModelTest, AlternateColoursPaintBodyRowsOrColumns) {
  Make(5, 4, 1, 1);
  grid_.ApplyAlternateColours(0x111111, 0x222222, true);
  EXPECT_EQ(grid_.Cell(0, 2)->GetBkColor(), kNoColor);
  EXPECT_EQ(grid_.Cell(2, 0)->GetBkColor(), kNoColor);
  EXPECT_EQ(grid_.Cell(1, 1)->GetBkColor(), 0x111111u);
  EXPECT_EQ(grid_.Cell(2, 3)->GetBkColor(), 0x222222u);
  grid_.ApplyAlternateColours(0x333333, 0x444444, false);
  EXPECT_EQ(grid_.Cell(1, 1)->GetBkColor(), 0x333333u);
  EXPECT_EQ(grid_.Cell(1, 2)->GetBkColor(), 0x444444u);
  EXPECT_EQ(grid_.Alternate().byRows, 0);
  EXPECT_EQ(grid_.Alternate().applied, 1);
}

TEST_F(GridModelTest, BitmapsAreOwnedByTheirCells) {
  Make(3, 3);
  Bitmap a = Picture(1), b = Picture(2);
  EXPECT_TRUE(grid_.SetCellBitmap(1, 1, a));
  EXPECT_TRUE(grid_.SetCellBitmap(1, 1, a));  // the same one again is kept
  EXPECT_EQ(service_.LiveCount(), 2u);
  EXPECT_TRUE(grid_.SetCellBitmap(1, 1, b));  // replacing destroys the old one
  EXPECT_EQ(service_.LiveCount(), 1u);
  EXPECT_FALSE(grid_.SetCellBitmap(7, 7, Picture(3)));  // refused, yet released
  EXPECT_EQ(service_.LiveCount(), 1u);
  grid_.SetCellBitmap(2, 2, Picture(4));
  grid_.SetColCount(2);
  EXPECT_EQ(service_.LiveCount(), 1u);
  grid_.SetRowCount(1);
  EXPECT_EQ(service_.LiveCount(), 0u);
  EXPECT_EQ(service_.DestroyedUnknown(), 0u);

  Make(2, 2);
  grid_.SetCellBitmap(0, 0, Picture(5));
  grid_.Cell(1, 1)->CopyFrom(*grid_.Cell(0, 0));  // the copy owns a copy
  EXPECT_EQ(service_.LiveCount(), 2u);
  EXPECT_NE(grid_.Cell(1, 1)->GetBitmap(), grid_.Cell(0, 0)->GetBitmap());
  grid_.ResetContent();
  EXPECT_EQ(service_.LiveCount(), 0u);
  EXPECT_EQ(service_.DestroyedUnknown(), 0u);
}

TEST_F(GridModelTest, ClearAllEmptiesCountsButKeepsKindsResetContentDropsTablesToo) {
  Make(4, 4, 1, 1);
  grid_.SetColumnKind(2, 2);
  grid_.MergeCells(1, 1, 2, 2);
  grid_.AddRowFormula({1, 2, op::kAdd, 3});
  grid_.AddColumnSum({3, 1, 2, 3});
  grid_.SetFocusCell(3, 3);
  grid_.SelectCell(2, 3, true);
  grid_.ClearAll();
  EXPECT_EQ(grid_.RowCount(), 0);
  EXPECT_EQ(grid_.ColCount(), 0);
  EXPECT_EQ(grid_.HeadRowCount(), 0);
  EXPECT_EQ(grid_.HeadColCount(), 0);
  EXPECT_EQ(grid_.FocusRow(), -1);
  EXPECT_EQ(grid_.SelectionCount(), 0u);
  EXPECT_TRUE(grid_.MergedBlocks().empty());
  EXPECT_EQ(grid_.ColumnKinds().size(), 1u);
  EXPECT_EQ(grid_.RowFormulas().size(), 1u);
  grid_.ResetContent();
  EXPECT_TRUE(grid_.ColumnKinds().empty());
  EXPECT_TRUE(grid_.RowFormulas().empty());
  EXPECT_TRUE(grid_.ColumnSums().empty());
}

TEST_F(GridModelTest, SettersRefuseCellsOutsideTheGridAndReportRepaints) {
  RepaintCounter counter;
  grid_.SetRepaint(&counter);
  Make(2, 2);
  EXPECT_GT(counter.layouts, 0);
  int before = counter.cells;
  EXPECT_TRUE(grid_.SetCellTextColor(1, 1, 0x123456));
  EXPECT_EQ(counter.cells, before + 1);
  EXPECT_FALSE(grid_.SetCellText(2, 0, "x"));
  EXPECT_FALSE(grid_.SetCellFormat(0, -1, 1));
  EXPECT_FALSE(grid_.SetCellMargin(-1, 0, 1));
  EXPECT_FALSE(grid_.SetCellCheck(0, 2, 1));
  EXPECT_EQ(grid_.CellText(5, 5), "");
  EXPECT_EQ(counter.cells, before + 1);
  grid_.SetRepaint(nullptr);
}

}  // namespace
}  // namespace grid

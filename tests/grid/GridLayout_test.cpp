// Screen geometry: positions with header rows fixed and the body scrolled, hit-testing
// with resize zones, fill rectangles, grid lines cut by merged blocks, scroll limits.
#include "grid/core/GridLayout.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.SetDefaultRowHeight(20);
    model.SetDefaultColWidth(50);
    model.SetRowCount(10);
    model.SetColCount(6);
    model.SetHeadRowCount(1);
    model.SetHeadColCount(1);
    layout.SetClientSize(200, 100);  // header row + 4 body rows; header col + 3 body cols
    layout.Refresh();
    layout.Scroll() = {1, 1};
  }
  GridModel model;
  GridLayout layout{model};
};

TEST_F(LayoutTest, RectanglesFollowTheScrollOnlyInTheBody) {
  EXPECT_EQ(layout.CellRect(0, 0), (Rect{0, 0, 50, 20}));
  EXPECT_EQ(layout.CellRect(2, 2), (Rect{100, 40, 150, 60}));
  layout.Scroll() = {3, 2};
  EXPECT_EQ(layout.CellRect(0, 2), (Rect{50, 0, 100, 20}));  // header row moves across only
  EXPECT_EQ(layout.CellRect(3, 0), (Rect{0, 20, 50, 40}));   // header column moves down only
  EXPECT_EQ(layout.CellRect(3, 2), (Rect{50, 20, 100, 40}));
  EXPECT_EQ(layout.LastVisibleRow(), 6);
  EXPECT_EQ(layout.RowsPerPage(), 4);
}

TEST_F(LayoutTest, MergedMasterDrawsOverTheWholeBlock) {
  model.MergeCells(2, 2, 3, 4);
  EXPECT_EQ(layout.DrawRect(2, 2), (Rect{100, 40, 250, 80}));
}

TEST_F(LayoutTest, HitTestMapsCoveredCellsAndFindsBordersWithinThreePixels) {
  model.MergeCells(2, 2, 3, 3);
  HitResult h = layout.HitTest(160, 70);  // (3, 3), covered
  EXPECT_EQ(h.cell, (CellPos{2, 2}));
  EXPECT_EQ(h.rawCell, (CellPos{3, 3}));
  EXPECT_EQ(layout.HitTest(97, 30).colBorder, 1);   // 3 px left of column 1's right edge
  EXPECT_EQ(layout.HitTest(96, 30).colBorder, -1);  // 4 px: no
  h = layout.HitTest(102, 30);                      // just right of it: the previous column
  EXPECT_EQ(h.colBorder, 1);
  EXPECT_TRUE(h.borderAtLeadingEdge);
  model.SetColWidth(1, 0, true);
  layout.MarkStale();
  layout.Refresh();
  // A hidden column is passed over: the leading edge of column 2 belongs to column 0.
  EXPECT_EQ(layout.HitTest(51, 30).colBorder, 0);
  EXPECT_EQ(layout.HitTest(30, 38).rowBorder, 1);
  EXPECT_FALSE(layout.HitTest(-1, 5).cell.Valid());
}

TEST_F(LayoutTest, ScrollLimitsAndScrollingIntoView) {
  EXPECT_EQ(layout.MaxTopRow(), 6);  // rows 6..9 fill the 80 pixels below the header
  EXPECT_EQ(layout.MaxLeftCol(), 3);
  layout.Scroll() = {50, -4};
  layout.ClampScroll();
  EXPECT_EQ(layout.Scroll().topRow, 6);
  EXPECT_EQ(layout.Scroll().leftCol, 1);
  layout.Scroll() = {1, 1};
  ScrollState s = layout.ScrollToShow(7, 5);
  EXPECT_EQ(s.topRow, 4);  // row 7 becomes the last whole row
  EXPECT_EQ(s.leftCol, 3);
  EXPECT_EQ(layout.ScrollToShow(0, 0).topRow, 1);  // header cells need no scrolling
}

TEST_F(LayoutTest, MillionRowsFindRowsByPosition) {
  model.SetColCount(4);
  ASSERT_TRUE(model.SetRowCount(1000000));
  layout.Refresh();
  layout.Scroll().topRow = 2000000;
  layout.ClampScroll();
  EXPECT_EQ(layout.Scroll().topRow, 999996);
  EXPECT_EQ(layout.HitTest(60, 25).cell.row, 999996);
  EXPECT_EQ(layout.LastVisibleRow(), 999999);
}

TEST(FillRectTest, ByLineWidth) {
  Rect cell{10, 20, 60, 40};
  EXPECT_EQ(CellFillRect(cell, 0), (Rect{9, 20, 59, 40}));
  EXPECT_EQ(CellFillRect(cell, 1), (Rect{9, 20, 59, 40}));
  EXPECT_EQ(CellFillRect(cell, 2), (Rect{10, 20, 59, 39}));
  EXPECT_EQ(CellFillRect(cell, 4), (Rect{12, 22, 58, 38}));
}

TEST_F(LayoutTest, BodyLinesAreCutInsideMergedBlocksAndClosedWhenOneWay) {
  model.MergeCells(2, 2, 3, 3);  // x 100..200, y 40..80
  std::vector<LineSegment> lines = layout.BodyLines();
  // The vertical line between columns 2 and 3 (x 149) stops above the block and
  // resumes at its bottom line.
  std::vector<LineSegment> at149;
  for (const LineSegment& l : lines)
    if (l.vertical && l.pos == 149) at149.push_back(l);
  ASSERT_EQ(at149.size(), 2u);
  EXPECT_EQ(at149[0].from, 20);
  EXPECT_EQ(at149[0].to, 40);
  EXPECT_EQ(at149[1].from, 79);
  // The horizontal line between rows 2 and 3 (y 59) is cut across the block.
  int pieces = 0;
  for (const LineSegment& l : lines)
    if (!l.vertical && l.pos == 59) ++pieces;
  EXPECT_EQ(pieces, 2);

  model.Settings().lineType = 2;  // vertical only: a closing line along the bottom
  lines = layout.BodyLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_FALSE(lines.back().vertical);
  EXPECT_EQ(lines.back().pos, 99);
  model.Settings().lineType = 0;
  EXPECT_TRUE(layout.BodyLines().empty());
}

}  // namespace
}  // namespace grid

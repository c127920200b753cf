// Page geometry, page breaks, bands and grid lines of a printed grid, on a surface
// where one device pixel is a tenth of a millimetre.
#include "grid/core/GridPageLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "grid/core/GridModel.h"

namespace grid {
namespace {

// 1000 x 1000 device pixels, 1 pixel = 0.1 mm; the default layout (header 60, footer
// 60, left/right 40, top/bottom 20, gap 20).
PageSurface Surface(float screenScale = 1.0f) {
  PageSurface s;
  s.deviceWidth = s.deviceHeight = 1000;
  s.printableWidthTenths = 1000;
  s.screenScale = screenScale;
  return s;
}

// A grid of equal rows and columns; with SizeToWidth the 920-unit table plus the raw
// margins makes the page exactly 1000 units, one unit per device pixel.
void Shape(GridModel& g, int rows, int rowHeight, int cols = 4, int colWidth = 230) {
  g.SetRowCount(rows);
  g.SetColCount(cols);
  for (int r = 0; r < rows; ++r) g.SetRowHeight(r, rowHeight, true);
  for (int c = 0; c < cols; ++c) g.SetColWidth(c, colWidth, true);
}

std::vector<int> RowsDrawn(const PagePlan& plan, bool fixed = false) {
  std::vector<int> rows;
  for (const PageItem& i : plan.items)
    if (i.kind == PageItem::kCell && i.fixedRow == fixed && i.col == 0) rows.push_back(i.row);
  return rows;
}

std::vector<PageRect> LinesOf(const PagePlan& plan, int row, int col) {
  std::vector<PageRect> lines;
  for (const PageItem& i : plan.items)
    if (i.kind == PageItem::kLine && i.row == row && i.col == col) lines.push_back(i.rect);
  return lines;
}

bool HasLine(const std::vector<PageRect>& lines, PageRect r) {
  return std::find(lines.begin(), lines.end(), r) != lines.end();
}

TEST(PageGeometry, BandsMarginsAndBodyInPageUnits) {
  GridModel g;
  Shape(g, 10, 50);
  g.SetHeadRowCount(2);
  PageGeometry pg = ComputePageGeometry(g, Surface());
  ASSERT_TRUE(pg.valid);
  EXPECT_EQ(pg.width, 1000);
  EXPECT_EQ(pg.height, 1000);
  EXPECT_EQ(pg.left, 40);
  EXPECT_EQ(pg.right, 40);
  EXPECT_EQ(pg.top, 20);
  EXPECT_EQ(pg.header, 60);
  EXPECT_EQ(pg.footer, 60);
  EXPECT_EQ(pg.gap, 20);
  EXPECT_EQ(pg.fixedRowsHeight, 100);
  // 1000 - 2 x 20 - 20 - 60 - 60 - 20 - 100
  EXPECT_EQ(pg.bodyHeight, 700);
  EXPECT_EQ(pg.bodyWidth, 920);

  // Twice the device pixels per page unit: every band doubles its share of the page.
  PageSurface fine = Surface();
  fine.metricX = {1, 2};
  fine.metricY = {1, 2};
  fine.deviceWidth = fine.deviceHeight = 2000;
  PageGeometry pf = ComputePageGeometry(g, fine);
  EXPECT_EQ(pf.width, 1000);
  EXPECT_EQ(pf.header, 60);
  EXPECT_EQ(pf.left, 40);

  // No printable area: nothing to lay out, one empty page.
  PageSurface none = Surface();
  none.deviceWidth = 0;
  PageGeometry pn = ComputePageGeometry(g, none);
  EXPECT_FALSE(pn.valid);
  EXPECT_EQ(pn.pageTotal, 1);
  EXPECT_TRUE(PlanPage(g, pn, 1).items.empty());
}

TEST(PageGeometry, WidthFromTheTableOrFromThePaper) {
  GridModel g;
  Shape(g, 3, 50, 5, 300);  // 1500 units wide, wider than the paper
  g.Settings().sizeToWidth = 1;
  PageGeometry fit = ComputePageGeometry(g, Surface());
  // Table + the raw margin numbers would leave 1580 - 2 x 63 < 1500 units for the
  // body: the page widens until the whole table fits.
  EXPECT_GE(fit.bodyWidth, 1500);
  EXPECT_LE(fit.width, 1500 + 2 * 80);
  PagePlan fitted = PlanPage(g, fit, 1);
  int cells = 0;
  for (const PageItem& i : fitted.items) cells += i.kind == PageItem::kCell && i.row == 0;
  EXPECT_EQ(cells, 5);

  // At screen size (2 tenths per pixel): (1000 + 80) / 2 = 540 units; columns that end
  // past the body width are never printed and a line closes the last printed one.
  g.Settings().sizeToWidth = 0;
  PageGeometry screen = ComputePageGeometry(g, Surface(2.0f));
  EXPECT_EQ(screen.width, 540);
  EXPECT_EQ(screen.left, 22);  // 40 device pixels x 540 / 1000, rounded
  EXPECT_EQ(screen.bodyWidth, 540 - 44);
  PagePlan plan = PlanPage(g, screen, 1);
  std::vector<int> cols;
  for (const PageItem& i : plan.items)
    if (i.kind == PageItem::kCell && i.row == 0) cols.push_back(i.col);
  EXPECT_EQ(cols, (std::vector<int>{0}));
  // Column 1 ends at 599 > 496: a line at its left - 1 = 299 (plus the margin).
  EXPECT_TRUE(HasLine(LinesOf(plan, 0, 1), PageRect{22 + 299, screen.top + screen.header + screen.gap - 1,
                                                    22 + 299, screen.top + screen.header + screen.gap + 49}));
}

TEST(PageBreaks, ExactFitStaysAndTheNextRowOpensThePage) {
  GridModel g;
  Shape(g, 20, 100);  // body height 800: exactly eight rows a page
  PageGeometry pg = ComputePageGeometry(g, Surface());
  ASSERT_EQ(pg.bodyHeight, 800);
  EXPECT_EQ(pg.pageTotal, 3);
  EXPECT_EQ(pg.pageFirstRow, (std::vector<int>{0, 8, 16}));
  EXPECT_EQ(RowsDrawn(PlanPage(g, pg, 1)), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(RowsDrawn(PlanPage(g, pg, 2)), (std::vector<int>{8, 9, 10, 11, 12, 13, 14, 15}));
  EXPECT_EQ(RowsDrawn(PlanPage(g, pg, 3)), (std::vector<int>{16, 17, 18, 19}));
  // A page past the last has no body rows and no footer.
  PagePlan beyond = PlanPage(g, pg, 4);
  EXPECT_TRUE(RowsDrawn(beyond).empty());
  EXPECT_FALSE(beyond.hasFooter);
  // The first row of page 2 sits at the body top.
  PagePlan p2 = PlanPage(g, pg, 2);
  EXPECT_EQ(p2.items.front().rect.top, 20 + 60 + 20);
}

TEST(PageBreaks, ARowTallerThanTheBodyGetsAPageOfItsOwnAndIsNeverDrawn) {
  GridModel g;
  Shape(g, 3, 100);
  g.SetRowHeight(1, 900, true);
  PageGeometry pg = ComputePageGeometry(g, Surface());
  EXPECT_EQ(pg.pageTotal, 3);
  EXPECT_EQ(RowsDrawn(PlanPage(g, pg, 1)), (std::vector<int>{0}));
  PagePlan tall = PlanPage(g, pg, 2);
  EXPECT_TRUE(RowsDrawn(tall).empty());
  EXPECT_TRUE(tall.hasFooter);
  EXPECT_EQ(RowsDrawn(PlanPage(g, pg, 3)), (std::vector<int>{2}));

  // Tall first row: page 1 stays empty, the tall row's page too.
  g.SetRowHeight(0, 900, true);
  g.SetRowHeight(1, 100, true);
  pg = ComputePageGeometry(g, Surface());
  EXPECT_EQ(pg.pageTotal, 3);
  EXPECT_TRUE(RowsDrawn(PlanPage(g, pg, 1)).empty());
  EXPECT_EQ(RowsDrawn(PlanPage(g, pg, 3)), (std::vector<int>{1, 2}));
}

TEST(PageBands, HeaderRowsAndColumnsRepeatOnEveryPage) {
  GridModel g;
  Shape(g, 30, 100);
  g.SetHeadRowCount(2);  // 200 units of header rows: 600 body, six rows a page
  g.SetHeadColCount(1);
  g.MergeCells(0, 1, 0, 3);  // a title over the body columns
  PageGeometry pg = ComputePageGeometry(g, Surface());
  ASSERT_EQ(pg.bodyHeight, 600);
  EXPECT_EQ(pg.pageTotal, 5);
  for (int page = 1; page <= pg.pageTotal; ++page) {
    PagePlan plan = PlanPage(g, pg, page);
    EXPECT_EQ(RowsDrawn(plan, true), (std::vector<int>{0, 1})) << page;
    // The header column beside each body row, then the body from the next column.
    int first = 2 + 6 * (page - 1);
    for (const PageItem& i : plan.items) {
      if (i.kind != PageItem::kCell || i.fixedRow) continue;
      EXPECT_GE(i.row, first);
      EXPECT_EQ(i.rect.left, i.col == 0 ? 40 : 40 + 230 * i.col);
    }
  }
  // The merge master spans the whole width; covered cells are not drawn.
  PagePlan p1 = PlanPage(g, pg, 1);
  int titleCells = 0;
  for (const PageItem& i : p1.items) {
    if (i.kind != PageItem::kCell || i.row != 0) continue;
    ++titleCells;
    if (i.col == 1) {
      EXPECT_EQ(i.rect, (PageRect{270, 100, 40 + 920 - 1, 199}));
    }
  }
  EXPECT_EQ(titleCells, 2);
  EXPECT_EQ(p1.title, (PageRect{40, 20, 960, 80}));
  EXPECT_EQ(p1.footer, (PageRect{40, 940, 960, 1000}));
}

TEST(PageBands, OnlyHeaderRowsPrintTitleAndHeaderWithoutFooter) {
  GridModel g;
  Shape(g, 2, 100);
  g.SetHeadRowCount(2);
  PageGeometry pg = ComputePageGeometry(g, Surface());
  EXPECT_EQ(pg.pageTotal, 1);
  PagePlan plan = PlanPage(g, pg, 1);
  EXPECT_EQ(RowsDrawn(plan, true), (std::vector<int>{0, 1}));
  EXPECT_FALSE(plan.hasFooter);
}

TEST(PageLines, RulesForEachLineType) {
  GridModel g;
  Shape(g, 2, 100);
  auto plan = [&](int lineType) {
    g.Settings().lineType = lineType;
    return PlanPage(g, ComputePageGeometry(g, Surface()), 1);
  };
  // Body top-left corner of the page: x 40, y 100.
  const int x = 40, y = 100;
  std::vector<PageRect> both = LinesOf(plan(3), 0, 0);
  EXPECT_TRUE(HasLine(both, {x, y + 99, x + 229, y + 99}));   // bottom
  EXPECT_TRUE(HasLine(both, {x, y - 1, x + 229, y - 1}));     // top of the page's first row
  EXPECT_TRUE(HasLine(both, {x + 229, y, x + 229, y + 99}));  // right
  EXPECT_TRUE(HasLine(both, {x, y, x, y + 99}));              // left of column 0
  EXPECT_EQ(both.size(), 4u);

  // Horizontal only: the last column closes with a vertical line.
  std::vector<PageRect> h = LinesOf(plan(1), 1, 3);
  EXPECT_TRUE(HasLine(h, {x + 919, y + 99, x + 919, y + 199}));
  EXPECT_TRUE(LinesOf(plan(1), 1, 0).size() == 1u);  // only its bottom
  // Vertical only: the last row closes with a horizontal line.
  std::vector<PageRect> v = LinesOf(plan(2), 1, 0);
  EXPECT_TRUE(HasLine(v, {x, y + 199, x + 229, y + 199}));
  EXPECT_TRUE(LinesOf(plan(0), 0, 0).empty());

  // Inside a merged block: no line where the block's inside would be crossed.
  g.MergeCells(0, 0, 1, 1);
  std::vector<PageRect> master = LinesOf(plan(3), 0, 0);
  EXPECT_FALSE(HasLine(master, {x, y + 99, x + 229, y + 99}));
  EXPECT_FALSE(HasLine(master, {x + 229, y, x + 229, y + 99}));
  std::vector<PageRect> corner = LinesOf(plan(3), 1, 1);
  EXPECT_TRUE(HasLine(corner, {x + 229, y + 199, x + 459, y + 199}));
  EXPECT_TRUE(HasLine(corner, {x + 459, y + 99, x + 459, y + 199}));
}

TEST(PageFooter, TextsAndPlaces) {
  EXPECT_EQ(PageNumberText(2, 5), "第 2 页 / 共 5 页");
  EXPECT_EQ(DateText(2011, 1, 26), "2011-1-26");
  EXPECT_EQ(PageNumberAlign(1), BandAlign::kLeft);
  EXPECT_EQ(PageNumberAlign(2), BandAlign::kCentre);
  EXPECT_EQ(PageNumberAlign(3), BandAlign::kRight);
  EXPECT_EQ(PageNumberAlign(7), BandAlign::kLeft);
  EXPECT_EQ(DateAlign(1), BandAlign::kLeft);
  EXPECT_EQ(DateAlign(2), BandAlign::kCentre);
  EXPECT_EQ(DateAlign(3), BandAlign::kRight);
  EXPECT_EQ(DateAlign(9), BandAlign::kRight);
  EXPECT_EQ(TitleAlign(0), BandAlign::kCentre);
  EXPECT_EQ(TitleAlign(3), BandAlign::kRight);
}

}  // namespace
}  // namespace grid

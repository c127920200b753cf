// Sheets under print options: chosen rows, rows repeated on every sheet, rows kept for
// the last, a sign line, one-sheet fitting and the offset; and the paper form chosen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/GridModel.h"
#include "grid/core/GridPageLayout.h"
#include "grid/core/PrintOptions.h"

namespace grid {
namespace {

// 1000 x 1000 device pixels of 0.1 mm; 24 rows of 50 and 4 columns of 230, the table
// scaled to the page width, so one page unit is one pixel.
struct Sheets : ::testing::Test {
  void SetUp() override {
    g.SetRowCount(24);
    g.SetColCount(4);
    for (int r = 0; r < 24; ++r) g.SetRowHeight(r, 50, true);
    for (int c = 0; c < 4; ++c) g.SetColWidth(c, 230, true);
    g.Settings().sizeToWidth = 1;
    surface.deviceWidth = surface.deviceHeight = 1000;
    surface.printableWidthTenths = 1000;
    surface.screenScale = 1.0f;
  }
  PageGeometry Layout(const std::string& options) {
    g.Options() = ParsePrintOptions(options);
    return ComputePageGeometry(g, surface);
  }
  std::vector<int> Rows(const PagePlan& plan) {
    std::vector<int> rows;
    for (const PageItem& i : plan.items)
      if (i.kind == PageItem::kCell && i.col == 0) rows.push_back(i.row);
    return rows;
  }
  std::string AllRows() {
    std::string t = "Rows=0";
    for (int r = 1; r < 24; ++r) t += "," + std::to_string(r);
    return t + "\nRepeatRows=3\nTailRows=1\n";
  }
  GridModel g;
  PageSurface surface;
};

TEST_F(Sheets, RepeatedRowsOnEverySheetAndTheKeptRowOnTheLast) {
  // Body: 1000 - 2 x 20 - 20 - 60 - 60 - 20 - 150 repeated = 650, thirteen rows.
  PageGeometry pg = Layout(AllRows());
  ASSERT_TRUE(pg.valid);
  ASSERT_EQ(pg.pageTotal, 2);
  std::vector<int> first = Rows(PlanPage(g, pg, 1)), second = Rows(PlanPage(g, pg, 2));
  ASSERT_EQ(first.size(), 16u);
  EXPECT_EQ(std::vector<int>(first.begin(), first.begin() + 4), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(first.back(), 15);
  EXPECT_EQ(std::vector<int>(second.begin(), second.begin() + 4), (std::vector<int>{0, 1, 2, 16}));
  EXPECT_EQ(second.back(), 23);
  EXPECT_EQ(second.size(), 11u);

  // The sign line (9 mm) goes under the kept row on the last sheet only; with twelve
  // more rows on a sheet it and the kept row no longer fit and open a sheet of their own.
  PageGeometry signed_ = Layout(AllRows() + "SignLine=x\n");
  ASSERT_EQ(signed_.pageTotal, 2);
  PagePlan last = PlanPage(g, signed_, 2);
  EXPECT_EQ(last.sign.top, 20 + 60 + 20 + 150 + 400);
  EXPECT_EQ(last.sign.bottom - last.sign.top, 90);
  EXPECT_EQ(PlanPage(g, signed_, 1).sign.bottom, 0);
  for (int r = 16; r < 23; ++r) g.SetRowHeight(r, 85, true);  // 595 + 50 + 90 > 650
  PageGeometry pushed = Layout(AllRows() + "SignLine=x\n");
  ASSERT_EQ(pushed.pageTotal, 3);
  EXPECT_EQ(Rows(PlanPage(g, pushed, 3)), (std::vector<int>{0, 1, 2, 23}));
}

// The kept row shares the sheet of the last body rows while it fits in what they leave,
// to the last unit; only a sheet they fill takes it onto one of its own.
TEST_F(Sheets, KeptRowJoinsTheLastRowsWhileItFits) {
  auto rows = [](int middle) {
    std::string t = "Rows=0,1,2";
    for (int r = 3; r < 3 + middle; ++r) t += "," + std::to_string(r);
    return t + ",23\nRepeatRows=3\nTailRows=1\n";
  };
  EXPECT_EQ(Layout(rows(12)).pageTotal, 1);  // 12 x 50 + 50 = 650, the whole body
  PageGeometry full = Layout(rows(13));
  ASSERT_EQ(full.pageTotal, 2);
  EXPECT_EQ(Rows(PlanPage(g, full, 2)), (std::vector<int>{0, 1, 2, 23}));
  g.SetRowHeight(23, 40, true);
  PageGeometry longer = Layout(rows(19));  // 6 x 50 + 40 on the second sheet
  ASSERT_EQ(longer.pageTotal, 2);
  EXPECT_EQ(Rows(PlanPage(g, longer, 2)).back(), 23);
}

TEST_F(Sheets, ChosenRowsFitToSheetAndOffset) {
  PageGeometry few = Layout("Rows=0,1,2,3,5,23\nRepeatRows=3\nTailRows=1\nOffset=100,-50\n");
  ASSERT_EQ(few.pageTotal, 1);
  EXPECT_EQ(Rows(PlanPage(g, few, 1)), (std::vector<int>{0, 1, 2, 3, 5, 23}));
  EXPECT_EQ(few.offsetX, 100);
  EXPECT_EQ(few.offsetY, -50);

  PageGeometry fitted = Layout(AllRows() + "FitToSheet=1\n");
  ASSERT_EQ(fitted.pageTotal, 1);
  EXPECT_GT(fitted.width, 1000);  // smaller on paper: more page units across the sheet
  EXPECT_EQ(Rows(PlanPage(g, fitted, 1)).size(), 24u);
  // Never scaled up: a table that fits already keeps its size.
  EXPECT_EQ(Layout("Rows=0,1,2,23\nRepeatRows=3\nTailRows=1\nFitToSheet=1\n").width, 1000);
}

TEST_F(Sheets, NoOptionsPrintAsBefore) {
  PageGeometry plain = ComputePageGeometry(g, surface);
  PageGeometry cleared = Layout("");
  EXPECT_FALSE(cleared.sheets);
  EXPECT_EQ(cleared.pageTotal, plain.pageTotal);
  EXPECT_EQ(cleared.pageFirstRow, plain.pageFirstRow);
}

TEST(PrintOptionsText, BadValuesAreLeftOut) {
  PrintOptions o =
      ParsePrintOptions("Paper=2410,x\nRows=1,,2\nOffset=5\nCell=3,4,a=b\nCell=3\nRepeatRows=-1\n");
  EXPECT_TRUE(o.active);
  EXPECT_EQ(o.paperWidth, 0);
  EXPECT_TRUE(o.rows.empty());
  EXPECT_EQ(o.offsetX, 0);
  EXPECT_EQ(o.repeatRows, 0);
  ASSERT_NE(o.CellText(3, 4), nullptr);
  EXPECT_EQ(*o.CellText(3, 4), "a=b");
}

TEST(PaperForms, OwnFormUprightThenTurnedElseNone) {
  std::vector<PaperForm> forms = {{9, 2100, 2970}, {11, 1480, 2100}, {300, 2410, 1400}};
  bool landscape = true;
  EXPECT_EQ(MatchPaperForm(forms, 2411, 1396, &landscape), 300);
  EXPECT_FALSE(landscape);
  EXPECT_EQ(MatchPaperForm(forms, 2100, 1480, &landscape), 11);
  EXPECT_TRUE(landscape);
  EXPECT_EQ(MatchPaperForm(forms, 2410, 930, &landscape), -1);
}

}  // namespace
}  // namespace grid

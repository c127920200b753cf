// The text setter: number formatting, row formulas, column sums and their bounds.
#include <gtest/gtest.h>

#include "grid/core/GridModel.h"
#include "grid/core/NumberText.h"

namespace grid {
namespace {

// A note-like grid: one header row and column, columns 1..4 number columns.
class RecalcTest : public ::testing::Test {
 protected:
  void SetUp() override {
    grid_.SetRowCount(8);
    grid_.SetColCount(6);
    grid_.SetHeadRowCount(1);
    grid_.SetHeadColCount(1);
    for (int c = 1; c <= 4; ++c) {
      grid_.SetColumnKind(c, 2);
      grid_.SetDecimalPlaces(c, 2);
    }
  }
  std::string Text(int r, int c) { return grid_.CellText(r, c); }

  GridModel grid_;
};

TEST_F(RecalcTest, NumberColumnsFormatBodyTextsAndBlankZerosOnRequest) {
  grid_.SetCellText(1, 1, "0");
  EXPECT_EQ(Text(1, 1), "0.00");
  grid_.SetCellText(1, 2, "  12.346abc");
  EXPECT_EQ(Text(1, 2), "12.35");
  grid_.SetCellText(0, 1, "7");  // header rows keep their text
  EXPECT_EQ(Text(0, 1), "7");
  grid_.SetCellText(1, 5, "7");  // so do text columns
  EXPECT_EQ(Text(1, 5), "7");
  grid_.SetCellText(1, 1, "");  // clearing stays empty
  EXPECT_EQ(Text(1, 1), "");

  grid_.Settings().showZeroInNumCell = 0;
  grid_.SetCellText(1, 1, "0");
  EXPECT_EQ(Text(1, 1), "");
  grid_.SetDecimalPlaces(3, 0);
  grid_.SetCellText(2, 3, "abc");
  EXPECT_EQ(Text(2, 3), "");
  grid_.Settings().showZeroInNumCell = 1;
  grid_.SetCellText(2, 3, "abc");
  EXPECT_EQ(Text(2, 3), "0");
  grid_.SetCellText(2, 3, "2.5");
  EXPECT_EQ(Text(2, 3), "2");  // printf rounding: half to even on the binary value
  grid_.SetCellText(2, 3, "-0");
  EXPECT_EQ(Text(2, 3), "0");
}

TEST_F(RecalcTest, PlacesOutsideZeroToNineKeepTextsButFormulasUseTwo) {
  grid_.SetDecimalPlaces(3, 10);
  grid_.SetCellText(1, 3, "1.23456");
  EXPECT_EQ(Text(1, 3), "1.23456");
  grid_.AddRowFormula({1, 2, op::kMultiply, 3});
  grid_.SetCellText(1, 1, "1.5");
  grid_.SetCellText(1, 2, "3");
  EXPECT_EQ(Text(1, 3), "4.50");
}

TEST_F(RecalcTest, FormulasComputeDivideByZeroAsZeroAndEmptyWithEmptyOperands) {
  grid_.AddRowFormula({1, 2, op::kDivide, 3});
  grid_.AddRowFormula({1, 2, op::kSubtract, 4});
  grid_.SetCellText(2, 1, "9");
  EXPECT_EQ(Text(2, 3), "0.00");  // 9 / empty
  EXPECT_EQ(Text(2, 4), "9.00");
  grid_.SetCellText(2, 2, "4");
  EXPECT_EQ(Text(2, 3), "2.25");
  EXPECT_EQ(Text(2, 4), "5.00");
  grid_.SetCellText(2, 1, "");
  grid_.SetCellText(2, 2, "");
  EXPECT_EQ(Text(2, 3), "");
  EXPECT_EQ(Text(2, 4), "");
  // Other rows and the recalculation switch.
  EXPECT_EQ(Text(3, 3), "");
  grid_.SetCellText(3, 1, "1", false);
  EXPECT_EQ(Text(3, 3), "");
}

TEST_F(RecalcTest, FormulaChainsFollowAndStopAtANonNumberResult) {
  grid_.AddRowFormula({1, 2, op::kAdd, 3});
  grid_.AddRowFormula({1, 5, op::kAdd, 4});  // result column 4 is a number column
  grid_.AddRowFormula({3, 3, op::kAdd, 4});  // 3 feeds 4
  grid_.SetCellText(1, 1, "1");
  grid_.SetCellText(1, 2, "2");
  EXPECT_EQ(Text(1, 3), "3.00");
  EXPECT_EQ(Text(1, 4), "6.00");

  // A formula into a text column stops the later ones of the table.
  GridModel g;
  g.SetRowCount(2);
  g.SetColCount(4);
  g.SetColumnKind(0, 2);
  g.SetColumnKind(1, 2);
  g.SetColumnKind(3, 2);
  g.AddRowFormula({0, 1, op::kAdd, 2});  // column 2 is text
  g.AddRowFormula({0, 1, op::kAdd, 3});
  g.SetCellText(1, 0, "5");
  EXPECT_EQ(g.CellText(1, 2), "");
  EXPECT_EQ(g.CellText(1, 3), "");
}

TEST_F(RecalcTest, FormulasRunForBodyCellsOnly) {
  grid_.AddRowFormula({0, 1, op::kAdd, 2});  // column 0 is the header column
  grid_.SetCellText(3, 0, "5");
  EXPECT_EQ(Text(3, 2), "");
  grid_.AddRowFormula({1, 1, op::kAdd, 2});
  grid_.SetCellText(0, 1, "5");  // a header row
  EXPECT_EQ(Text(0, 2), "");
}

TEST_F(RecalcTest, ColumnSumsFollowChangesAndFeedFormulasOfTheResultRow) {
  grid_.AddColumnSum({3, 1, 5, 7});
  grid_.AddColumnSum({3, 7, 7, 6});  // a sum over the first sum's result row
  grid_.AddRowFormula({3, 3, op::kAdd, 4});
  grid_.SetCellText(1, 3, "1.25");
  grid_.SetCellText(5, 3, "2");
  EXPECT_EQ(Text(7, 3), "3.25");
  EXPECT_EQ(Text(6, 3), "3.25");
  EXPECT_EQ(Text(7, 4), "6.50");
  grid_.SetCellText(6, 3, "100");  // row 6 lies outside the first sum
  EXPECT_EQ(Text(7, 3), "3.25");
  grid_.SetCellText(1, 3, "");
  EXPECT_EQ(Text(7, 3), "2.00");

  // A formula result feeds the sums of its column.
  grid_.AddRowFormula({1, 2, op::kMultiply, 3});
  grid_.SetCellText(2, 1, "2");
  grid_.SetCellText(2, 2, "3");
  EXPECT_EQ(Text(7, 3), "8.00");
}

TEST_F(RecalcTest, SumRangesBeyondTheGridAreClamped) {
  grid_.AddColumnSum({1, 1, 1000000, 0});  // into a header row: not re-formatted
  grid_.AddColumnSum({2, -3, 3, 6});
  grid_.SetCellText(3, 1, "4");
  grid_.SetCellText(7, 1, "1");
  EXPECT_EQ(Text(0, 1), "5.00");
  grid_.SetCellText(2, 2, "1.5");
  EXPECT_EQ(Text(6, 2), "1.50");
}

TEST_F(RecalcTest, ASumOverItsOwnResultRowIsNotRepeated) {
  grid_.AddColumnSum({1, 1, 4, 4});
  grid_.SetCellText(1, 1, "1");
  EXPECT_EQ(Text(4, 1), "1.00");
  grid_.SetCellText(2, 1, "2");  // 1 + 2 + the old result 1
  EXPECT_EQ(Text(4, 1), "4.00");
}

TEST_F(RecalcTest, CyclesEndAndFanOutIsBounded) {
  grid_.AddRowFormula({1, 2, op::kAdd, 3});
  grid_.AddRowFormula({3, 2, op::kAdd, 1});  // 1 -> 3 -> 1
  grid_.AddRowFormula({3, 3, op::kAdd, 3});  // 3 -> 3
  grid_.SetCellText(1, 2, "1");
  EXPECT_FALSE(Text(1, 1).empty());
  // Sums that hold each other's result rows, many times over.
  for (int i = 0; i < 12; ++i) grid_.AddColumnSum({4, 1, 7, 1 + i % 7});
  grid_.SetCellText(2, 4, "1");
  EXPECT_FALSE(Text(1, 4).empty());
  // The grid still answers normally afterwards.
  grid_.SetCellText(2, 5, "plain");
  EXPECT_EQ(Text(2, 5), "plain");
}

TEST(NumberTextTest, LeadingNumberReadsDecimalPrefixesOnly) {
  EXPECT_EQ(LeadingNumber("  -12.5e1xyz"), -125);
  EXPECT_EQ(LeadingNumber("+.5"), 0.5);
  EXPECT_EQ(LeadingNumber("5."), 5);
  EXPECT_EQ(LeadingNumber("1e"), 1);
  EXPECT_EQ(LeadingNumber("1e+"), 1);
  EXPECT_EQ(LeadingNumber("0x1A"), 0);
  EXPECT_EQ(LeadingNumber("inf"), 0);
  EXPECT_EQ(LeadingNumber("nan"), 0);
  EXPECT_EQ(LeadingNumber("1e999"), 0);
  EXPECT_EQ(LeadingNumber("."), 0);
  EXPECT_EQ(LeadingNumber("-"), 0);
  EXPECT_EQ(LeadingNumber("数量"), 0);
  EXPECT_EQ(FormatFixed(1e300, 9).size(), 311u);
  EXPECT_EQ(FormatFixed(-0.0, 2), "0.00");
  EXPECT_EQ(FormatGeneral(1.0 / 3, 13), "0.3333333333333");
  EXPECT_EQ(FormatGeneral(1e20, 13), "1e+20");
  EXPECT_EQ(FormatGeneral(2.5f, 6), "2.5");
}

TEST(NumberTextTest, CutGbkNeverSplitsADoubleByteCharacter) {
  std::string text = "ab金额";  // 2 + 2 x 2 bytes in GBK
  ASSERT_EQ(text.size(), 6u);
  EXPECT_EQ(CutGbk(text, 3), "ab");
  EXPECT_EQ(CutGbk(text, 4), "ab金");
  EXPECT_EQ(CutGbk(text, 9), text);
  EXPECT_EQ(CutGbk("\x81", 0), "");
}

}  // namespace
}  // namespace grid

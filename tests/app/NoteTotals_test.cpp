// Amounts and totals after finished edits, on the blank note the layout handler makes.
#include <gtest/gtest.h>

#include "app/core/NoteHandlers.h"
#include "grid/core/GridTypes.h"
#include "tests/app/NoteTestHost.h"

namespace app {
namespace {

class NoteTotals : public ::testing::Test {
 protected:
  void SetUp() override {
    BuildNoteLayout({});
    host.calls.clear();
  }
  // The user types into a cell and ends the edit: the grid stores, then the note runs.
  void Edit(int row, int col, const std::string& text) {
    host.grid.SetCellText(row, col, text);
    RecalculateNote({});
  }
  std::string Capital() const { return host.grid.CellText(23, 1); }
  std::string Figures() const { return host.grid.CellText(23, 5); }
  std::string Amount(int row) const { return host.grid.CellText(row, 5); }

  test::NoteTestHost host;
};

TEST_F(NoteTotals, AmountAndTotalAtOnce) {
  Edit(3, 2, "2");
  EXPECT_EQ(Amount(3), "") << "no price yet: no amount";
  EXPECT_EQ(Capital(), "大写金额：零");
  EXPECT_EQ(Figures(), "小写金额：0");

  Edit(3, 4, "3.5");
  EXPECT_EQ(Amount(3), "7");
  EXPECT_EQ(Capital(), "大写金额：柒元整") << "the total counts the amount just written";
  EXPECT_EQ(Figures(), "小写金额：7");

  Edit(4, 2, "1");
  Edit(4, 4, "1227.5");
  EXPECT_EQ(Capital(), "大写金额：壹仟贰佰叁拾肆元伍角整");
  EXPECT_EQ(Figures(), "小写金额：1234.5");

  // Erasing a quantity keeps its old amount, and the total keeps counting it.
  Edit(3, 2, "");
  EXPECT_EQ(Amount(3), "7");
  EXPECT_EQ(Figures(), "小写金额：1234.5");
}

TEST_F(NoteTotals, FullWidthDigitsAndNegativePrices) {
  Edit(3, 2, "\xA3\xB1\xA3\xB2");  // the full-width forms of 1 and 2
  Edit(3, 4, "1");
  EXPECT_EQ(Amount(3), "12");
  Edit(3, 4, "-2.5");
  EXPECT_EQ(Amount(3), "-30");
  Edit(5, 1, "60*40");
  EXPECT_EQ(Capital(), "大写金额：负叁拾元整");
  EXPECT_EQ(Figures(), "小写金额：-30");
}

TEST_F(NoteTotals, TwentyFilledRowsAreAllCountedAndTheTotalRowNever) {
  for (int r = 3; r <= 22; ++r) {
    host.grid.SetCellText(r, 2, "1");
    host.grid.SetCellText(r, 4, std::to_string(r - 2));  // 1 .. 20
  }
  RecalculateNote({});
  EXPECT_EQ(Amount(22), "20");
  EXPECT_EQ(Capital(), "大写金额：贰佰壹拾元整");
  EXPECT_EQ(Figures(), "小写金额：210");
  for (const test::Call& c : host.Named("GetCellData")) EXPECT_NE(c.args[1], "23") << c.Line();
}

TEST_F(NoteTotals, APriceIsReadOnlyInARowWithAQuantity) {
  // A check column where the prices stand: not read while no row has a quantity.
  host.grid.SetColumnKind(4, 5);
  RecalculateNote({});
  for (const test::Call& c : host.Named("GetCellData")) EXPECT_NE(c.args[2], "4") << c.Line();

  host.grid.SetCellText(7, 2, "3");
  try {
    RecalculateNote({});
    FAIL() << "a price that is not a text must end the program";
  } catch (const rt::RuntimeErrorRaised& e) {
    EXPECT_EQ(e.code, 5);
    EXPECT_NE(e.message.find("数据或数组类型不匹配"), std::string::npos);
  }
}

}  // namespace
}  // namespace app

// Key moves: Tab and Shift+Tab wrapping, Enter by its function, arrows past merged
// blocks and hidden columns, Home and End; and the editor's number rules.
#include "grid/core/GridNavigation.h"

#include <gtest/gtest.h>

#include "grid/core/DateText.h"
#include "grid/core/EditRules.h"

namespace grid {
namespace {

class NavigationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.SetRowCount(5);
    model.SetColCount(4);
    model.SetHeadRowCount(1);
    model.SetHeadColCount(1);
  }
  CellPos Move(CellPos from, NavKey key) { return Navigate(model, from, key).cell; }
  GridModel model;
};

TEST_F(NavigationTest, TabWrapsToTheNextRowAndShiftTabBack) {
  EXPECT_EQ(Move({1, 1}, NavKey::Tab), (CellPos{1, 2}));
  NavMove wrap = Navigate(model, {1, 3}, NavKey::Tab);
  EXPECT_EQ(wrap.cell, (CellPos{2, 1}));
  EXPECT_TRUE(wrap.toLeftEdge);
  NavMove back = Navigate(model, {2, 1}, NavKey::ShiftTab);
  EXPECT_EQ(back.cell, (CellPos{1, 3}));
  EXPECT_TRUE(back.toRightEdge);
  EXPECT_EQ(Move({1, 1}, NavKey::ShiftTab), (CellPos{1, 1}));  // not into the header row
  EXPECT_EQ(Move({4, 3}, NavKey::Tab), (CellPos{4, 3}));       // the last cell stays
}

TEST_F(NavigationTest, EnterFollowsTheEnterFunction) {
  EXPECT_EQ(Move({1, 1}, NavKey::Enter), (CellPos{1, 1}));  // 0: no move
  model.Settings().enterFunction = 1;
  EXPECT_EQ(Move({1, 3}, NavKey::Enter), (CellPos{2, 1}));
  model.Settings().enterFunction = 2;
  EXPECT_EQ(Move({1, 2}, NavKey::Enter), (CellPos{2, 2}));
  EXPECT_EQ(Move({4, 2}, NavKey::Enter), (CellPos{1, 3}));  // last row: next column's first body row
  EXPECT_EQ(Move({4, 3}, NavKey::Enter), (CellPos{4, 3}));  // last row, last column: stays
}

TEST_F(NavigationTest, MovesJumpPastMergedBlocksAndHiddenColumns) {
  model.MergeCells(1, 2, 2, 3);  // master (1, 2)
  EXPECT_EQ(Move({1, 1}, NavKey::Right), (CellPos{1, 2}));
  EXPECT_EQ(Move({2, 1}, NavKey::Right), (CellPos{1, 2}));  // into the block: its master
  EXPECT_EQ(Move({1, 2}, NavKey::Down), (CellPos{3, 2}));   // from the block's last row
  EXPECT_EQ(Move({1, 2}, NavKey::Tab), (CellPos{2, 1}));    // past the block, then wrap
  model.Settings().enterFunction = 1;
  EXPECT_EQ(Move({1, 2}, NavKey::Enter), (CellPos{3, 1}));  // leaves from the last row
  model.SetColWidth(2, 0, true);
  model.SetRowHeight(3, 0, true);
  EXPECT_EQ(Move({4, 1}, NavKey::Right), (CellPos{4, 3}));
  EXPECT_EQ(Move({4, 1}, NavKey::Up), (CellPos{2, 1}));
  EXPECT_EQ(Move({4, 1}, NavKey::Left), (CellPos{4, 1}));  // not into the header column
}

TEST_F(NavigationTest, HomeEndAndPages) {
  EXPECT_EQ(Move({2, 2}, NavKey::Home), (CellPos{2, 1}));
  EXPECT_EQ(Move({2, 2}, NavKey::CtrlEnd), (CellPos{4, 3}));
  EXPECT_EQ(Move({3, 2}, NavKey::CtrlHome), (CellPos{1, 1}));
  EXPECT_EQ(PagedRow(model, 2, 10), 4);
  EXPECT_EQ(PagedRow(model, 2, -10), 1);
}

TEST(EditRulesTest, NumberCleanUp) {
  EXPECT_EQ(CleanUpNumberText("007"), "7");
  EXPECT_EQ(CleanUpNumberText("5."), "5");
  EXPECT_EQ(CleanUpNumberText("05."), "5");
  EXPECT_EQ(CleanUpNumberText("0.5"), "0.5");
  EXPECT_EQ(CleanUpNumberText("000"), "000");  // value zero: left alone
  EXPECT_EQ(CleanUpNumberText("-007"), "-007");
}

TEST(EditRulesTest, NumberFilter) {
  EXPECT_TRUE(AcceptsNumberChar("12", 2, 2, '3'));
  EXPECT_FALSE(AcceptsNumberChar("12", 2, 2, 'a'));
  EXPECT_TRUE(AcceptsNumberChar("12", 0, 0, '-'));
  EXPECT_FALSE(AcceptsNumberChar("12", 1, 1, '-'));   // only at the very start
  EXPECT_FALSE(AcceptsNumberChar("12", 0, 2, '-'));   // not over a selection
  EXPECT_FALSE(AcceptsNumberChar("-12", 0, 0, '5'));  // nothing before the minus
  EXPECT_TRUE(AcceptsNumberChar("-12", 0, 3, '5'));   // replacing it is fine
  EXPECT_TRUE(AcceptsNumberChar("12", 1, 1, '.'));
  EXPECT_FALSE(AcceptsNumberChar("1.2", 3, 3, '.'));
  EXPECT_TRUE(AcceptsNumberChar("-12", 0, 0, '\b'));
}

TEST(DateTextTest, ReadsAndFormats) {
  CivilDate d;
  ASSERT_TRUE(ParseDateText("2024-2-29", &d));
  EXPECT_EQ(FormatDate(d, "%Y-%m-%d"), "2024-02-29");
  EXPECT_EQ(FormatDate(d, "%d/%m/%y"), "29/02/24");
  EXPECT_TRUE(ParseDateText("2024/12/31 10:00", &d));
  EXPECT_FALSE(ParseDateText("2023-02-29", &d));
  EXPECT_FALSE(ParseDateText("abc", &d));
  EXPECT_FALSE(ParseDateText("2024-1-1x", &d));
}

}  // namespace
}  // namespace grid

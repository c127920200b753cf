// The grid unit's property mirror: defaults, stored data of every version, and the
// read and write rules of the 28 properties over a grid.
#include "grid/core/PropertyMirror.h"

#include <gtest/gtest.h>

#include "GridTestSupport.h"
#include "grid/core/GridModel.h"

namespace grid {
namespace {

using namespace prop;
using test::Bytes;

constexpr Colour kHighlight = 0xD77800;

// Stored data of `version` whose values are 1000 + stored position.
std::vector<uint8_t> NumberedData(uint32_t version, int values) {
  Bytes b;
  b.I32(int32_t(version));
  for (int i = 0; i < values; ++i) b.I32(1000 + i);
  return b.data;
}

Colour SystemFace(Colour stored) { return stored == kNoColor ? 0xF0F0F0 : stored; }

TEST(PropertyMirrorData, OlderVersionsKeepTheDefaultsOfWhatTheyLack) {
  // Version 3: the 14 first values, IsShowDiglog and CanSelection.
  PropertyMirror m = PropertyMirror::Defaults(kHighlight);
  std::vector<uint8_t> data = NumberedData(3, 16);
  ASSERT_TRUE(ReadPropertyData(data.data(), data.size(), &m));
  EXPECT_EQ(m[kLineColor], 1000);
  EXPECT_EQ(m[kColCount], 1010);
  EXPECT_EQ(m[kIsEdit], 1011);  // stored before the header counts
  EXPECT_EQ(m[kHeadRowCount], 1012);
  EXPECT_EQ(m[kHeadColCount], 1013);
  EXPECT_EQ(m[kIsShowDiglog], 1014);
  EXPECT_EQ(m[kCanSelection], 1015);
  PropertyMirror defaults = PropertyMirror::Defaults(kHighlight);
  for (int i = kShowPrintButton; i < kCount; ++i) EXPECT_EQ(m[i], defaults[i]) << "property " << i;
  EXPECT_EQ(defaults[kFixedBkColor], int32_t(0xFF000000));
  EXPECT_EQ(defaults[kSelectBkColor], int32_t(kHighlight));
  EXPECT_EQ(defaults[kRowHeight], 24);
  EXPECT_EQ(defaults[kCanSelection], 0);
}

TEST(PropertyMirrorData, WrittenDataReadsBackAndBadDataFailsLeavingTheMirror) {
  PropertyMirror m = PropertyMirror::Defaults(kHighlight);
  for (int i = 0; i < kCount; ++i) m[i] = 7 * i - 3;
  std::vector<uint8_t> data = WritePropertyData(m);
  ASSERT_EQ(data.size(), 4u * 29);
  EXPECT_EQ(test::I32At(data, 0), 12);
  PropertyMirror back = PropertyMirror::Defaults(kHighlight);
  ASSERT_TRUE(ReadPropertyData(data.data(), data.size(), &back));
  for (int i = 0; i < kCount; ++i) EXPECT_EQ(back[i], m[i]);

  PropertyMirror untouched = PropertyMirror::Defaults(kHighlight);
  PropertyMirror target = untouched;
  std::vector<uint8_t> v13 = NumberedData(13, 28);
  EXPECT_FALSE(ReadPropertyData(v13.data(), v13.size(), &target));
  std::vector<uint8_t> huge = NumberedData(0xFFFFFFFF, 28);
  EXPECT_FALSE(ReadPropertyData(huge.data(), huge.size(), &target));
  data.pop_back();  // version 12 one byte short
  EXPECT_FALSE(ReadPropertyData(data.data(), data.size(), &target));
  std::vector<uint8_t> v5short = NumberedData(5, 17);
  EXPECT_FALSE(ReadPropertyData(v5short.data(), v5short.size(), &target));
  uint8_t partialVersion[2] = {12, 0};
  EXPECT_FALSE(ReadPropertyData(partialVersion, 2, &target));
  for (int i = 0; i < kCount; ++i) EXPECT_EQ(target[i], untouched[i]);

  EXPECT_TRUE(ReadPropertyData(nullptr, 0, &target));  // no data: defaults stay
  std::vector<uint8_t> longer = NumberedData(1, 20);   // bytes after the values are ignored
  EXPECT_TRUE(ReadPropertyData(longer.data(), longer.size(), &target));
  EXPECT_EQ(target[kHeadColCount], 1013);
  EXPECT_EQ(target[kIsShowDiglog], 1);
}

class GridPropertyTest : public ::testing::Test {
 protected:
  GridPropertyTest() : mirror_(PropertyMirror::Defaults(kHighlight)) {
    ApplyPropertyMirror(mirror_, grid_, &SystemFace);
  }
  int32_t Live(int index) {
    int32_t v = -99;
    EXPECT_TRUE(GetGridProperty(grid_, mirror_, index, false, &v));
    return v;
  }
  int32_t Mirrored(int index) {
    int32_t v = -99;
    EXPECT_TRUE(GetGridProperty(grid_, mirror_, index, true, &v));
    return v;
  }
  void Set(int index, int32_t value) {
    ASSERT_TRUE(SetGridProperty(grid_, mirror_, index, value, &SystemFace));
  }

  GridModel grid_;
  PropertyMirror mirror_;
};

TEST_F(GridPropertyTest, CreationAppliesTheDefaults) {
  EXPECT_EQ(grid_.RowCount(), 5);
  EXPECT_EQ(grid_.ColCount(), 5);
  EXPECT_EQ(grid_.HeadRowCount(), 1);
  EXPECT_EQ(grid_.RowHeight(4), 24);
  EXPECT_EQ(grid_.ColWidth(4), 60);
  EXPECT_EQ(grid_.DefaultRowHeight(), 24);
  EXPECT_EQ(grid_.CanSelection(), 0);
  EXPECT_EQ(grid_.Settings().fixedBkColor, 0xF0F0F0u);  // through the colour conversion
  EXPECT_EQ(grid_.Settings().shadowColor, 0xFFFFFFu);
  EXPECT_EQ(grid_.Settings().selectBkColor, kHighlight);
  EXPECT_EQ(Mirrored(kFixedBkColor), int32_t(0xFF000000));
  EXPECT_EQ(Live(kFixedBkColor), 0xF0F0F0);
}

TEST_F(GridPropertyTest, CountsOfZeroOrLessChangeNothing) {
  Set(kRowHeight, 30);
  grid_.SetRowHeight(2, 50);
  Set(kRowCount, 0);
  Set(kColCount, -4);
  EXPECT_EQ(grid_.RowCount(), 5);
  EXPECT_EQ(grid_.ColCount(), 5);
  EXPECT_EQ(grid_.RowHeight(2), 50);
  EXPECT_EQ(Mirrored(kRowCount), 5);
  // A real change gives every row the RowHeight value and re-applies alternate colours.
  grid_.ApplyAlternateColours(0x111111, 0x222222, true);
  Set(kRowCount, 8);
  EXPECT_EQ(grid_.RowCount(), 8);
  EXPECT_EQ(grid_.RowHeight(2), 30);
  EXPECT_EQ(grid_.RowHeight(7), 30);
  EXPECT_EQ(grid_.Cell(7, 1)->GetBkColor(), 0x111111u);
  EXPECT_EQ(Live(kRowCount), 8);
}

TEST_F(GridPropertyTest, SelectRowTurnsCanSelectionOnAndKeepsItOn) {
  grid_.SetFocusCell(2, 2);
  grid_.SelectCell(2, 2, true);
  Set(kSelectRow, 1);
  EXPECT_EQ(grid_.CanSelection(), 1);
  EXPECT_EQ(Mirrored(kCanSelection), 1);
  EXPECT_EQ(grid_.SelectionCount(), 0u);
  EXPECT_EQ(grid_.FocusRow(), -1);
  Set(kCanSelection, 0);
  EXPECT_EQ(Live(kCanSelection), 1);
  EXPECT_EQ(Mirrored(kCanSelection), 1);
}

TEST_F(GridPropertyTest, ReadsComeFromTheMirrorOrTheGridByTheFlag) {
  Set(kLineType, 1);
  Set(kEnterFunction, 2);
  Set(kLineWidth, 2);
  grid_.Settings().lineType = 0;  // the grid changed behind the unit's back
  grid_.Settings().enterFunction = 1;
  grid_.Settings().printDate = 3;
  grid_.SetRowCount(9);
  EXPECT_EQ(Live(kLineType), 1);           // always the mirror
  EXPECT_EQ(Mirrored(kEnterFunction), 1);  // always the grid
  EXPECT_EQ(Mirrored(kPrintDate), 3);
  EXPECT_EQ(Mirrored(kRowCount), 5);
  EXPECT_EQ(Live(kRowCount), 9);
  EXPECT_EQ(Live(kLineWidth), 2);
  // Row heights set through the property respect the line width minimum.
  Set(kRowHeight, 3);
  EXPECT_EQ(grid_.RowHeight(0), 8);
  EXPECT_EQ(Mirrored(kRowHeight), 3);
  EXPECT_EQ(Live(kRowHeight), 8);
  // A wild line width cannot push sizes past the grid's limit.
  Set(kLineWidth, 0x7FFFFFFF);
  Set(kColWidth, 10);
  EXPECT_LE(grid_.ColWidth(0), kMaxSize);
  int32_t v;
  EXPECT_FALSE(GetGridProperty(grid_, mirror_, 28, false, &v));
  EXPECT_FALSE(SetGridProperty(grid_, mirror_, -1, 0, nullptr));
}

}  // namespace
}  // namespace grid

// Saving and loading a grid that uses every feature the file carries, and the exact
// byte layout of a small saved file.
#include <gtest/gtest.h>

#include "GridTestSupport.h"
#include "grid/core/GridFile.h"

namespace grid {
namespace {

using test::FieldAt;
using test::I32At;

class RoundTripTest : public ::testing::Test {
 protected:
  RoundTripTest() : pictures_(&service_) {}

  // A grid with kinds, lists, merges, formulas, sums, fonts, colours, formats,
  // diagonal styles, margins, states, spare flags, pictures and print settings.
  void BuildRichGrid(GridModel& g) {
    g.SetDefaultRowHeight(24);
    g.SetDefaultColWidth(60);
    g.SetRowCount(30);
    g.SetColCount(8);
    g.SetHeadRowCount(2);
    g.SetHeadColCount(1);
    g.SetRowHeight(3, 40);
    g.SetColWidth(2, 2, true);  // below the minimum: comes back raised
    GridSettings& s = g.Settings();
    s.lineColor = 0x102030;
    s.bkColor = 0xFFFFF0;
    s.textColor = 0x000010;
    s.lightColor = 0x0000FF;
    s.lineType = 1;
    s.isResizeHeight = 0;
    s.isResizeWidth = 1;
    s.isEdit = 0;
    s.isShowDiglog = 0;
    s.showPrintButton = 0;
    g.SetCanSelection(0);
    g.SetAlternateRecord({0x111111, 0x222222, 0, 1});
    g.Title() = PrintTitle{"送货单", "黑体", 28, 0, 3};
    g.Layout() = PrintLayout{70, 61, 41, 42, 21, 22, 23};

    g.SharedListItems() = {"平方米", "立方米", "套"};
    g.SetColumnKind(1, 2);  // number
    g.SetDecimalPlaces(1, 2);
    g.SetColumnKind(2, 4);  // list with the three items
    g.SetColumnKind(3, 5);  // check
    g.SetColumnKind(4, 6);  // picture
    g.SetColumnKind(5, 7);  // currency
    g.SetColumnKind(6, 3);  // date
    g.SetColumnKind(7, 2);  // number, the formula's result
    g.SetDecimalPlaces(7, 2);
    g.SharedListItems().clear();
    g.AddColumnListItem(2, "块");

    g.MergeCells(0, 1, 0, 6);
    g.MergeCells(10, 1, 11, 2);

    g.AddRowFormula({1, 5, op::kMultiply, 7});
    g.AddColumnSum({7, 2, 20, 25});

    g.SetCellText(0, 0, "销售单号：");
    g.SetCellText(1, 3, "勾选");
    g.SetCellText(2, 1, "12.5");
    g.SetCellText(2, 5, "3");
    g.SetCellText(3, 6, "2011-01-26");
    g.SetCellText(4, 2, "套");
    g.SetCellCheck(5, 3, 1);  // no text, a check value: still a cell record
    uint8_t picture[5] = {'B', 'M', 0, 1, 2};
    g.SetCellBitmap(6, 4, service_.FromBytes(picture, 5));
    g.SetCellText(7, 0, std::string(300, 'x'));  // longer than the old fixed fields

    LogFont font = DefaultGridFont();
    font.SetFace("Arial");
    font.weight = 700;
    font.italic = 1;
    g.SetCellFont(8, 1, font);
    g.SetCellBkColor(8, 2, 0x00FF00);
    g.SetCellBkColor(8, 3, 0xFFFFF0);  // the grid's own: not listed
    g.SetCellTextColor(8, 4, 0x0000AA);
    g.SetCellFormat(8, 5, 0x825);
    g.SetCellDiagonal(8, 6, diagonal::kBoth);
    g.SetCellMargin(9, 1, 20);
    g.SetCellSpareFlag(9, 2, 5);
    g.SetCellState(9, 3, state::kReadOnly | 0x100);
  }

  MemoryPictureService service_;
  ScopedPictureService pictures_;
};

TEST_F(RoundTripTest, EveryFeatureComesBackAndSavesToTheSameBytes) {
  GridModel original;
  BuildRichGrid(original);
  std::vector<uint8_t> bytes = SaveGridToBuffer(original);

  GridModel g;
  std::string error;
  ASSERT_TRUE(LoadGridFromBuffer(g, bytes.data(), bytes.size(), &error)) << error;
  EXPECT_EQ(g.ColWidth(2), 6);  // LineWidth + 6
  g.SetColWidth(2, 2, true);
  EXPECT_EQ(SaveGridToBuffer(g), bytes);

  EXPECT_EQ(g.RowCount(), 30);
  EXPECT_EQ(g.ColCount(), 8);
  EXPECT_EQ(g.HeadRowCount(), 2);
  EXPECT_EQ(g.HeadColCount(), 1);
  EXPECT_EQ(g.DefaultRowHeight(), 24);
  EXPECT_EQ(g.DefaultColWidth(), 60);
  EXPECT_EQ(g.RowHeight(3), 40);
  EXPECT_EQ(g.RowHeight(4), 24);
  const GridSettings& s = g.Settings();
  EXPECT_EQ(s.lineColor, 0x102030u);
  EXPECT_EQ(s.bkColor, 0xFFFFF0u);
  EXPECT_EQ(s.textColor, 0x000010u);
  EXPECT_EQ(s.lightColor, 0x0000FFu);
  EXPECT_EQ(s.lineType, 1);
  EXPECT_EQ(s.isResizeHeight, 0);
  EXPECT_EQ(s.isEdit, 0);
  EXPECT_EQ(s.isShowDiglog, 0);
  EXPECT_EQ(s.showPrintButton, 0);
  EXPECT_EQ(g.CanSelection(), 0);
  EXPECT_EQ(g.Alternate().odd, 0x111111u);
  EXPECT_EQ(g.Alternate().byRows, 0);
  EXPECT_EQ(g.Title().text, "送货单");
  EXPECT_EQ(g.Title().face, "黑体");
  EXPECT_EQ(g.Title().size, 28);
  EXPECT_EQ(g.Title().alignment, 3);
  EXPECT_EQ(g.Layout(), (PrintLayout{70, 61, 41, 42, 21, 22, 23}));

  ASSERT_EQ(g.ColumnKinds().size(), 7u);
  EXPECT_EQ(g.DecimalPlaces(1), 2);
  EXPECT_EQ(*g.FindColumnKind(2)->list, (std::vector<std::string>{"平方米", "立方米", "套", "块"}));
  EXPECT_EQ(g.FindColumnKind(4)->pictureMode, picturemode::kTopLeft);
  EXPECT_EQ(g.CurrencySymbol(5), "￥");
  EXPECT_EQ(g.DateFormat(6), "%Y-%m-%d");
  EXPECT_TRUE(g.IsKindColumn(3, kind::kCheck));

  ASSERT_EQ(g.MergedBlocks(), original.MergedBlocks());
  EXPECT_EQ(g.Cell(10, 1)->GetMergeMaster(), 1);
  EXPECT_EQ(g.Cell(11, 2)->GetState(), state::kCovered);
  ASSERT_EQ(g.RowFormulas().size(), 1u);
  EXPECT_EQ(g.RowFormulas()[0], (RowFormula{1, 5, op::kMultiply, 7}));
  ASSERT_EQ(g.ColumnSums().size(), 1u);
  EXPECT_EQ(g.ColumnSums()[0], (ColumnSum{7, 2, 20, 25}));

  for (int r = 0; r < 30; ++r)
    for (int c = 0; c < 8; ++c) {
      SCOPED_TRACE(testing::Message() << "cell " << r << "," << c);
      const CGridCell& a = *original.Cell(r, c);
      const CGridCell& b = *g.Cell(r, c);
      EXPECT_EQ(b.GetText(), a.GetText());
      EXPECT_EQ(b.GetCheck(), a.GetCheck());
      EXPECT_EQ(b.GetFormat(), a.GetFormat());
      EXPECT_EQ(b.GetDiagonal(), a.GetDiagonal());
      EXPECT_EQ(b.GetMargin(), a.GetMargin());
      EXPECT_EQ(b.GetState(), a.GetState());
      EXPECT_EQ(b.GetMergeMaster(), a.GetMergeMaster());
      EXPECT_EQ(*b.GetFont(), *a.GetFont());
      EXPECT_EQ(b.GetBitmap() != 0, a.GetBitmap() != 0);
    }
  EXPECT_EQ(g.CellText(2, 1), "12.50");
  EXPECT_EQ(g.CellText(2, 7), "37.50");   // the formula's result
  EXPECT_EQ(g.CellText(25, 7), "37.50");  // and the sum of its column
  EXPECT_EQ(g.CellText(7, 0).size(), 300u);
  EXPECT_EQ(g.Cell(5, 3)->GetCheck(), 1);
  EXPECT_EQ(g.Cell(8, 2)->GetBkColor(), 0x00FF00u);
  EXPECT_EQ(g.Cell(8, 3)->GetBkColor(), kNoColor);
  EXPECT_EQ(g.Cell(8, 4)->GetTextColor(), 0x0000AAu);
  EXPECT_EQ(g.Cell(9, 2)->GetSpareFlag(), 1);  // stored as a flag
  std::vector<uint8_t> picture;
  ASSERT_TRUE(service_.ToBytes(g.Cell(6, 4)->GetBitmap(), &picture));
  EXPECT_EQ(picture, (std::vector<uint8_t>{'B', 'M', 0, 1, 2}));
}

TEST_F(RoundTripTest, LoadLeavesWhatTheFileDoesNotCarry) {
  GridModel original;
  BuildRichGrid(original);
  std::vector<uint8_t> bytes = SaveGridToBuffer(original);

  GridModel g;
  LogFont font = DefaultGridFont();
  font.height = -40;
  g.SetGridFont(font);
  g.Settings().fixedBkColor = 0x123456;
  g.Settings().enterFunction = 2;
  g.Settings().printPageNo = 3;
  g.Settings().showZeroInNumCell = 0;
  g.Settings().lineWidth = 2;
  g.SharedListItems() = {"kept"};
  ASSERT_TRUE(LoadGridFromBuffer(g, bytes.data(), bytes.size()));
  EXPECT_EQ(g.GridFont(), font);
  EXPECT_EQ(g.Settings().fixedBkColor, 0x123456u);
  EXPECT_EQ(g.Settings().enterFunction, 2);
  EXPECT_EQ(g.Settings().printPageNo, 3);
  EXPECT_EQ(g.Settings().lineWidth, 2);
  EXPECT_EQ(g.SharedListItems(), std::vector<std::string>{"kept"});
  EXPECT_EQ(g.ColWidth(2), 8);  // LineWidth + 6
  // Cells without a font record take this grid's font.
  EXPECT_EQ(*g.Cell(1, 1)->GetFont(), font);
}

TEST_F(RoundTripTest, NumberCellsAreReformattedOnLoadAndEmptyListsStayAbsent) {
  GridModel original;
  original.SetRowCount(30);
  original.SetColCount(3);
  original.SetColumnKind(0, 2);
  original.SetDecimalPlaces(0, 2);
  original.SetCellText(3, 0, "0");
  original.SetColumnKind(1, 4);  // no shared items: an empty list
  std::vector<uint8_t> bytes = SaveGridToBuffer(original);
  EXPECT_EQ(original.CellText(3, 0), "0.00");

  GridModel g;
  g.Settings().showZeroInNumCell = 0;
  ASSERT_TRUE(LoadGridFromBuffer(g, bytes.data(), bytes.size()));
  EXPECT_EQ(g.CellText(3, 0), "");
  ASSERT_TRUE(g.IsKindColumn(1, kind::kList));
  EXPECT_FALSE(g.FindColumnKind(1)->list.has_value());
  EXPECT_TRUE(g.AddColumnListItem(1, "新"));
  EXPECT_EQ(g.FindColumnKind(1)->list->size(), 1u);
}

TEST_F(RoundTripTest, SmallGridsSaveButTheLoaderRefusesThem) {
  GridModel tiny;
  tiny.SetRowCount(2);
  tiny.SetColCount(2);
  tiny.SetCellText(0, 0, "a");
  std::vector<uint8_t> bytes = SaveGridToBuffer(tiny);
  ASSERT_LE(bytes.size(), 539u);
  GridModel g;
  g.SetRowCount(1);
  std::string error;
  EXPECT_FALSE(LoadGridFromBuffer(g, bytes.data(), bytes.size(), &error));
  EXPECT_EQ(error, "file too short");
  EXPECT_EQ(g.RowCount(), 1);
}

// Offsets below come from the file format's tables: header 12 bytes, grid block 464,
// then sizes, kinds (40 + 100 per item), merges (24), cells (row, col, T, text, check,
// P, picture), fonts (68), seven value lists (12 each), formulas and sums (16 each).
TEST_F(RoundTripTest, ByteLayoutOfASmallFile) {
  GridModel g;
  g.SetDefaultRowHeight(24);
  g.SetDefaultColWidth(60);
  g.SetRowCount(3);
  g.SetColCount(2);
  g.SetHeadRowCount(1);
  g.Settings().lineColor = 0xC0C0C0;
  g.Settings().bkColor = 0xFFFFFF;
  g.Settings().textColor = 0;
  g.Settings().lightColor = 0;
  g.SetColWidth(0, 33, true);
  g.SharedListItems() = {"米", "套"};
  g.SetColumnKind(1, 4);
  g.MergeCells(0, 0, 0, 1);  // (0,1) becomes covered: a state record
  g.SetCellText(1, 1, "套");
  g.SetCellCheck(2, 0, 1);  // no text but a check value: a record with T = 1
  LogFont font = DefaultGridFont();
  font.SetFace("Arial");
  g.SetCellFont(2, 1, font);
  g.SetCellBkColor(1, 0, 0x0000FF);
  g.SetCellTextColor(1, 0, 0x00FF00);
  g.SetCellFormat(1, 0, 0x825);
  g.SetCellDiagonal(1, 0, 2);
  g.SetCellMargin(1, 0, 12);
  g.SetCellSpareFlag(1, 0, 9);
  g.SetCellState(1, 0, state::kReadOnly);
  g.AddRowFormula({0, 1, op::kAdd, 1});  // into a list column: never computed
  g.AddColumnSum({1, 1, 2, 2});
  g.Title() = PrintTitle{"标题", "宋体", 20, 1, 2};
  g.Layout() = PrintLayout{60, 61, 40, 41, 20, 21, 22};

  std::vector<uint8_t> f = SaveGridToBuffer(g);
  // Header.
  EXPECT_EQ(std::string(f.begin(), f.begin() + 4), "QGRD");
  EXPECT_EQ(I32At(f, 4), 6);
  EXPECT_EQ(I32At(f, 8), 0);
  // Grid block, offsets 0 to 80.
  const size_t b = 12;
  std::vector<int32_t> block = {3, 2, 1, 0, 24, 60, 0xC0C0C0, 0xFFFFFF, 0,        0,       3,
                                1, 1, 1, 1, 1,  1,  0,        1,        0xFFFFFF, 0xFFFFFF};
  for (size_t i = 0; i < block.size(); ++i) EXPECT_EQ(I32At(f, b + 4 * i), block[i]) << "block word " << i;
  // Offsets 84 to 132: kinds, merges, cells, fonts, the seven lists, formulas, sums.
  std::vector<int32_t> counts = {1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 2, 1, 1};
  for (size_t i = 0; i < counts.size(); ++i) EXPECT_EQ(I32At(f, b + 84 + 4 * i), counts[i]) << "count " << i;
  EXPECT_EQ(FieldAt(f, b + 136, 256), "标题");
  EXPECT_EQ(FieldAt(f, b + 392, 32), "宋体");
  EXPECT_EQ(I32At(f, b + 424), 20);
  EXPECT_EQ(I32At(f, b + 428), 1);
  EXPECT_EQ(I32At(f, b + 432), 2);
  std::vector<int32_t> layout = {60, 61, 40, 41, 20, 21, 22};
  for (size_t i = 0; i < layout.size(); ++i) EXPECT_EQ(I32At(f, b + 436 + 4 * i), layout[i]);
  // Row heights, then column widths.
  size_t p = b + 464;
  for (int32_t size : {24, 24, 24, 33, 60}) {
    EXPECT_EQ(I32At(f, p), size);
    p += 4;
  }
  // The kind record and its two items.
  EXPECT_EQ(I32At(f, p), 1);
  EXPECT_EQ(I32At(f, p + 4), kind::kList);
  EXPECT_EQ(FieldAt(f, p + 8, 8), "");
  EXPECT_EQ(FieldAt(f, p + 16, 12), "");
  EXPECT_EQ(I32At(f, p + 28), 0);
  EXPECT_EQ(I32At(f, p + 32), 0);
  EXPECT_EQ(I32At(f, p + 36), 2);
  EXPECT_EQ(FieldAt(f, p + 40, 100), "米");
  EXPECT_EQ(FieldAt(f, p + 140, 100), "套");
  p += 40 + 2 * 100;
  // The merged block: master, first, last.
  for (int32_t v : {0, 0, 0, 0, 0, 1}) {
    EXPECT_EQ(I32At(f, p), v);
    p += 4;
  }
  // Cell (1,1): "套" is two bytes, T counts the zero.
  EXPECT_EQ(I32At(f, p), 1);
  EXPECT_EQ(I32At(f, p + 4), 1);
  EXPECT_EQ(I32At(f, p + 8), 3);
  EXPECT_EQ(FieldAt(f, p + 12, 3), "套");
  EXPECT_EQ(f[p + 14], 0);
  EXPECT_EQ(I32At(f, p + 15), 0);  // check value
  EXPECT_EQ(I32At(f, p + 19), 0);  // no picture
  p += 23;
  // Cell (2,0): empty text, checked.
  EXPECT_EQ(I32At(f, p), 2);
  EXPECT_EQ(I32At(f, p + 4), 0);
  EXPECT_EQ(I32At(f, p + 8), 1);
  EXPECT_EQ(f[p + 12], 0);
  EXPECT_EQ(I32At(f, p + 13), 1);
  EXPECT_EQ(I32At(f, p + 17), 0);
  p += 21;
  // Font record of (2,1): height at 0, weight at 16, face at 28 of the 60 bytes.
  EXPECT_EQ(I32At(f, p), 2);
  EXPECT_EQ(I32At(f, p + 4), 1);
  EXPECT_EQ(I32At(f, p + 8), font.height);
  EXPECT_EQ(I32At(f, p + 8 + 16), font.weight);
  EXPECT_EQ(f[p + 8 + 23], font.charSet);
  EXPECT_EQ(FieldAt(f, p + 8 + 28, 32), "Arial");
  p += 68;
  // Back colour, text colour, format, diagonal, margin, spare flag (written as 1).
  for (int32_t v : {0x0000FF, 0x00FF00, 0x825, 2, 12, 1}) {
    EXPECT_EQ(I32At(f, p), 1);
    EXPECT_EQ(I32At(f, p + 4), 0);
    EXPECT_EQ(I32At(f, p + 8), v);
    p += 12;
  }
  // States, rows outer: (0,1) covered, then (1,0) read-only.
  for (int32_t v : {0, 1, 0x40, 1, 0, 0x08}) {
    EXPECT_EQ(I32At(f, p), v);
    p += 4;
  }
  for (int32_t v : {0, 1, op::kAdd, 1, 1, 1, 2, 2}) {
    EXPECT_EQ(I32At(f, p), v);
    p += 4;
  }
  EXPECT_EQ(p, f.size());
}

}  // namespace
}  // namespace grid

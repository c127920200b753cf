// Grid files for the qgd tests: one saved by the grid from a note that uses every
// feature the file carries.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "grid/core/GridFile.h"
#include "grid/core/GridModel.h"
#include "grid/core/PictureService.h"

namespace qgd::test {

// A picture service installed for the test's lifetime (pictures are plain bytes).
class WithPictures {
 public:
  grid::MemoryPictureService service;

 private:
  grid::ScopedPictureService scoped_{&service};
};

inline const std::vector<uint8_t>& PictureBytes() {
  static const std::vector<uint8_t> bytes = {'B', 'M', 0, 1, 2, 0xFF, 0x80, 7};
  return bytes;
}

// Kinds with and without lists, merged blocks, formulas, sums, fonts, colours,
// formats, diagonal styles, margins, spare flags, states, a check value without text,
// a picture, texts that are not plain GBK, print title and layout.
inline void FillFeatureGrid(grid::GridModel& g, grid::PictureService& pictures) {
  using namespace grid;
  g.SetRowCount(9);
  g.SetColCount(9);
  g.SetHeadRowCount(2);
  g.SetHeadColCount(1);
  g.SetRowHeight(0, 30);
  g.SetColWidth(2, 80, true);
  g.SetColWidth(3, 2, true);
  g.SetColumnKind(1, 2);  // number
  g.SetDecimalPlaces(1, 2);
  g.SetColumnKind(2, 7);  // currency
  g.SetColumnKind(3, 3);  // date
  g.SharedListItems() = {"平方米", "立方米"};
  g.SetColumnKind(4, 4);  // list, from the shared items
  g.AddColumnListItem(4, "套");
  g.SetColumnKind(5, 5);  // check
  g.SetColumnKind(6, 6);  // picture
  g.SharedListItems().clear();
  g.SetColumnKind(7, 4);  // list without items
  g.ApplyAlternateColours(0xEEEEEE, 0xDDDDDD, true);

  g.MergeCells(0, 1, 0, 3);
  g.MergeCells(3, 2, 4, 3);
  g.SetCellText(0, 0, "销售单号：001");
  g.SetCellText(1, 5, "勾选");
  g.SetCellText(2, 1, "12.5");
  g.SetCellText(2, 2, "100");
  g.SetCellText(2, 3, "2024-01-31");
  g.SetCellText(2, 4, "平方米");
  g.SetCellCheck(3, 5, 1);
  g.SetCellBitmap(4, 6, pictures.FromBytes(PictureBytes().data(), PictureBytes().size()));
  g.SetCellText(6, 8, "line1\r\nline2\t\"q\" \x01");
  g.SetCellText(7, 8, "\xFF\xFE bad");
  g.SetCellText(8, 8, "\xAA\xA1");  // a user-defined code

  LogFont bold = g.GridFont();
  bold.weight = 700;
  bold.italic = 1;
  bold.SetFace("黑体");
  g.SetCellFont(2, 1, bold);
  g.SetCellBkColor(2, 2, 0x00FF00);
  g.SetCellTextColor(3, 3, 0x0000FF);
  g.SetCellFormat(2, 4, 0x825);
  g.SetCellDiagonal(5, 2, 3);
  g.SetCellMargin(5, 3, 20);
  g.SetCellSpareFlag(5, 4, 7);
  g.SetCellState(6, 1, state::kReadOnly | 0x100);

  g.AddRowFormula({1, 2, op::kMultiply, 2});
  g.AddColumnSum({2, 2, 7, 8});
  g.Title() = PrintTitle{"送货单", "楷体", 24, 0, 1};
  g.Layout() = PrintLayout{70, 50, 30, 30, 25, 25, 15};
}

inline std::vector<uint8_t> FeatureFile() {
  WithPictures pictures;
  grid::GridModel g;
  FillFeatureGrid(g, pictures.service);
  return grid::SaveGridToBuffer(g);
}

}  // namespace qgd::test

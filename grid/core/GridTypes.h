// Plain records of the grid: codes, the logical font record, column kinds, merged
// blocks, row formulas, column sums and the print settings. No behaviour here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace grid {

// A Windows colour value 0x00BBGGRR; at cell level kNoColor means "the grid's colour".
using Colour = uint32_t;
constexpr Colour kNoColor = 0xFF000000u;

// A picture as the host's picture service knows it; 0 is no picture.
using Bitmap = uintptr_t;

// Limits that keep odd callers and damaged files from exhausting memory or time.
constexpr int kMaxRows = 1000000;
constexpr int kMaxCols = 100000;
constexpr int64_t kMaxCells = 4000000;             // rows x columns
constexpr int kMaxSize = 65535;                    // a row height or column width in pixels
constexpr int64_t kMaxMergedArea = 4 * kMaxCells;  // cells of all merged blocks of a file

//--- Cell state bits and defaults

namespace state {
constexpr uint32_t kFocus = 0x01;
constexpr uint32_t kSelected = 0x02;
constexpr uint32_t kHighlighted = 0x04;
constexpr uint32_t kReadOnly = 0x08;
constexpr uint32_t kCovered = 0x40;
}  // namespace state

// Single line, vertically centred, no prefix processing, left aligned.
constexpr uint32_t kDefaultCellFormat = 0x824;
constexpr int kDefaultCellMargin = 9;  // tenths of a millimetre

// Diagonal styles of a cell.
namespace diagonal {
constexpr int kNone = 0;
constexpr int kDown = 1;      // top-left to bottom-right
constexpr int kTwoLines = 2;  // top-left to the middles of the right and bottom edges
constexpr int kBoth = 3;      // both diagonals
}  // namespace diagonal

//--- Column kinds

namespace kind {
constexpr int kText = 101;
constexpr int kNumber = 102;
constexpr int kDate = 103;
constexpr int kList = 104;
constexpr int kCheck = 105;
constexpr int kPicture = 106;
constexpr int kCurrency = 107;
}  // namespace kind

namespace picturemode {
constexpr int kTopLeft = 201;
constexpr int kStretch = 202;
constexpr int kTile = 203;
constexpr int kCentre = 204;
constexpr int kFit = 205;
}  // namespace picturemode

struct ColumnKindEntry {
  int column = 0;
  int kind = kind::kText;
  std::optional<std::vector<std::string>> list;  // drop-down items; none for most kinds
  int spare = 0;
  std::string currencySymbol;  // "￥" for currency columns
  std::string dateFormat;      // "%Y-%m-%d" for date columns
  int pictureMode = 0;         // picturemode::* for picture columns, else 0
  int decimalPlaces = 0;       // 0..9 formats numbers; other values leave texts alone

  bool IsNumeric() const { return kind == kind::kNumber || kind == kind::kCurrency; }
};

//--- Merged blocks, formulas, sums

struct MergedBlock {
  int masterRow = 0, masterCol = 0;
  int firstRow = 0, firstCol = 0;
  int lastRow = 0, lastCol = 0;  // inclusive
  bool Contains(int r, int c) const { return r >= firstRow && r <= lastRow && c >= firstCol && c <= lastCol; }
  bool operator==(const MergedBlock& o) const {
    return masterRow == o.masterRow && masterCol == o.masterCol && firstRow == o.firstRow &&
           firstCol == o.firstCol && lastRow == o.lastRow && lastCol == o.lastCol;
  }
};

namespace op {
constexpr int kAdd = 501;
constexpr int kSubtract = 502;
constexpr int kMultiply = 503;
constexpr int kDivide = 504;
}  // namespace op

struct RowFormula {
  int firstCol = 0, secondCol = 0;
  int operation = op::kAdd;
  int resultCol = 0;
  bool operator==(const RowFormula& o) const {
    return firstCol == o.firstCol && secondCol == o.secondCol && operation == o.operation &&
           resultCol == o.resultCol;
  }
};

struct ColumnSum {
  int column = 0;
  int firstRow = 0, lastRow = 0;  // inclusive
  int resultRow = 0;
  bool operator==(const ColumnSum& o) const {
    return column == o.column && firstRow == o.firstRow && lastRow == o.lastRow && resultRow == o.resultRow;
  }
};

struct AlternateColours {
  Colour odd = 0xFFFFFF;
  Colour even = 0xFFFFFF;
  int byRows = 1;  // 1 rows, 0 columns
  int applied = 0;
};

//--- Print settings

struct PrintTitle {
  std::string text;
  std::string face;
  int size = 20;  // 1..100 when set through the command
  int bold = 1;
  int alignment = 2;  // 1 left, 2 centre, 3 right
};

// Tenths of a millimetre, in this order as one record.
struct PrintLayout {
  int headerBand = 60;
  int footerBand = 60;
  int leftMargin = 40;
  int rightMargin = 40;
  int topMargin = 20;
  int bottomMargin = 20;
  int titleGap = 20;
  bool operator==(const PrintLayout& o) const {
    return headerBand == o.headerBand && footerBand == o.footerBand && leftMargin == o.leftMargin &&
           rightMargin == o.rightMargin && topMargin == o.topMargin && bottomMargin == o.bottomMargin &&
           titleGap == o.titleGap;
  }
};

}  // namespace grid

// The grid file (*.qgd) as plain records, and its byte form: little-endian, magic
// "QGRD", versions 1 to 6 read, any of them written (the grid saves version 6).
//
// ParseGridFile checks the whole file before anything is taken from it: every count
// against the bytes that remain, every fixed text field for its terminating zero,
// sizes and counts against the grid's limits. EncodeGridFile writes what it is given,
// cutting texts to their fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "grid/core/GridTypes.h"
#include "grid/core/LogFont.h"

namespace grid {

constexpr int kGridFileVersion = 6;
constexpr size_t kGridFileHeaderSize = 12;
// A file of this size or less is refused by the loader.
constexpr size_t kGridFileMinimumRefused = 539;

// Size of the grid block in a file of the given version (0 for an unknown version).
size_t GridBlockSize(int version);

struct GridFileImage {
  //--- Header
  int version = kGridFileVersion;
  uint16_t reserved1 = 0, reserved2 = 0;

  //--- Grid block
  int rowCount = 0, colCount = 0, headRowCount = 0, headColCount = 0;
  int defaultRowHeight = 0, defaultColWidth = 0;
  Colour lineColor = 0, bkColor = 0, textColor = 0, lightColor = 0;
  int lineType = 0, isResizeHeight = 0, isResizeWidth = 0, isEdit = 0;
  int isShowDiglog = 0, canSelection = 0, showPrintButton = 0;
  AlternateColours alternate;
  PrintTitle title;    // version 5 on
  PrintLayout layout;  // version 5 on

  //--- Sections
  std::vector<int32_t> rowHeights;  // rowCount entries
  std::vector<int32_t> colWidths;   // colCount entries

  struct KindRecord {
    int column = 0;
    int kind = 0;
    std::string currencySymbol;  // at most 7 bytes in the file
    std::string dateFormat;      // at most 11 bytes
    int pictureMode = 0;
    int decimalPlaces = 0;
    std::vector<std::string> items;  // at most 99 bytes each
  };
  std::vector<KindRecord> kinds;
  std::vector<MergedBlock> merged;

  struct CellRecord {
    int32_t row = 0, col = 0, check = 0;
    uint32_t textOffset = 0, textLength = 0;        // in textPool
    uint32_t pictureOffset = 0, pictureLength = 0;  // in picturePool; 0 = no picture
  };
  std::vector<CellRecord> cells;
  std::string textPool;
  std::vector<uint8_t> picturePool;

  struct FontRecord {
    int32_t row = 0, col = 0;
    LogFont font;
  };
  std::vector<FontRecord> fonts;

  struct ValueRecord {
    int32_t row = 0, col = 0;
    int32_t value = 0;
  };
  enum ValueList {
    kBackColour,
    kTextColour,
    kFormat,
    kDiagonal,
    kMargin,
    kSpareFlag,
    kState,
    kValueListCount
  };
  std::vector<ValueRecord> values[kValueListCount];  // the state list from version 2 on

  std::vector<RowFormula> formulas;  // version 3 on
  std::vector<ColumnSum> sums;       // version 4 on

  //--- Cell helpers
  void AddCell(int32_t row, int32_t col, std::string_view text, int32_t check, const uint8_t* picture,
               size_t pictureLength);
  std::string_view CellText(const CellRecord& cell) const {
    return std::string_view(textPool).substr(cell.textOffset, cell.textLength);
  }
  const uint8_t* CellPicture(const CellRecord& cell) const {
    return cell.pictureLength ? picturePool.data() + cell.pictureOffset : nullptr;
  }
};

// Reads and checks a whole file. On failure returns false, leaves *image partly
// filled and, when `error` is given, says in one line what is wrong.
bool ParseGridFile(const uint8_t* data, size_t size, GridFileImage* image, std::string* error = nullptr);

// The byte form of the image in image.version (1..6; anything else writes version 6).
// Counts are taken from the vectors.
std::vector<uint8_t> EncodeGridFile(const GridFileImage& image);

}  // namespace grid

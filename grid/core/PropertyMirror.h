// The grid unit's 28 own properties: their numbers, defaults and stored form, and how
// each is read from and written into a grid. Platform-free; the unit on Windows wraps
// these with the host's value conventions.
//
// Stored property data (little-endian 32-bit words, after the unit record's reserved
// bytes): word 0 the data version (written as 12), then the values, each present from
// the version that introduced it:
//   LineColor, BkColor, TextColor, LightColor, LineType, IsResizeHeight,
//   IsResizeWidth, RowHeight, ColWidth, RowCount, ColCount, IsEdit, HeadRowCount,
//   HeadColCount (always), IsShowDiglog (2), CanSelection (3), ShowPrintButton (4),
//   FixedBkColor (5), PrintPageNo, PrintDate (6), EnterFunction (7),
//   ProcessClickFixed, SelectRow, SelectBkColor (8), SizeToWidth (9), LineWidth (10),
//   SelectColor (11), ShowZeroInNumCell (12).
// This is the property order except for IsEdit, stored before the two header counts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "grid/core/GridTypes.h"

namespace grid {

class GridModel;

namespace prop {
enum GridProperty {
  kLineColor = 0,
  kBkColor,
  kTextColor,
  kLightColor,
  kLineType,
  kIsResizeHeight,
  kIsResizeWidth,
  kRowHeight,
  kColWidth,
  kRowCount,
  kColCount,
  kHeadRowCount,
  kHeadColCount,
  kIsEdit,
  kIsShowDiglog,
  kCanSelection,
  kShowPrintButton,
  kFixedBkColor,
  kPrintPageNo,
  kPrintDate,
  kEnterFunction,
  kProcessClickFixed,
  kSelectRow,
  kSelectBkColor,
  kSizeToWidth,
  kLineWidth,
  kSelectColor,
  kShowZeroInNumCell,
  kCount
};
}  // namespace prop

constexpr uint32_t kPropertyDataVersion = 12;

// The unit's copy of its property values, in property order.
struct PropertyMirror {
  int32_t values[prop::kCount] = {};

  int32_t& operator[](int index) { return values[index]; }
  int32_t operator[](int index) const { return values[index]; }

  // The values of a new unit; `selectBkColor` is the system's highlight colour.
  static PropertyMirror Defaults(Colour selectBkColor);
};

// Reads stored property data (starting at the version word) over `mirror`, which the
// caller has set to the defaults: values an older version lacks keep them. No data
// (length 0) leaves the mirror as it is. False, with the mirror unchanged, for a
// version above 12 or data that ends before the values its version promises; bytes
// after them are ignored.
bool ReadPropertyData(const uint8_t* data, size_t length, PropertyMirror* mirror);

// The stored form of the mirror at version 12.
std::vector<uint8_t> WritePropertyData(const PropertyMirror& mirror);

// How a stored colour becomes a real one (the runtime's conversion of the "system
// colour" forms such as 0xFF000000); only FixedBkColor passes through it.
using ColourConversion = Colour (*)(Colour stored);

// Applies the mirror to a freshly made grid in the unit's creation order.
void ApplyPropertyMirror(const PropertyMirror& mirror, GridModel& grid, ColourConversion convert);

// Sets property `index` in the mirror and the grid. False for an unknown index.
bool SetGridProperty(GridModel& grid, PropertyMirror& mirror, int index, int32_t value,
                     ColourConversion convert);

// Reads property `index`: the mirror's value when `fromMirror`, the grid's live value
// otherwise; LineType always comes from the mirror, PrintPageNo, PrintDate and
// EnterFunction always from the grid. False for an unknown index.
bool GetGridProperty(const GridModel& grid, const PropertyMirror& mirror, int index, bool fromMirror,
                     int32_t* value);

}  // namespace grid

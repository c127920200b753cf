#include "grid/core/PropertyMirror.h"

#include <algorithm>

#include "grid/core/GridModel.h"
#include "runtime/core/ByteArchive.h"

namespace grid {

namespace {

using namespace prop;

// Each value with the data version that introduced it, in stored order.
struct StoredValue {
  int property;
  uint32_t since;
};
constexpr StoredValue kStoredOrder[kCount] = {
    {kLineColor, 1},       {kBkColor, 1},           {kTextColor, 1},     {kLightColor, 1},
    {kLineType, 1},        {kIsResizeHeight, 1},    {kIsResizeWidth, 1}, {kRowHeight, 1},
    {kColWidth, 1},        {kRowCount, 1},          {kColCount, 1},      {kIsEdit, 1},
    {kHeadRowCount, 1},    {kHeadColCount, 1},      {kIsShowDiglog, 2},  {kCanSelection, 3},
    {kShowPrintButton, 4}, {kFixedBkColor, 5},      {kPrintPageNo, 6},   {kPrintDate, 6},
    {kEnterFunction, 7},   {kProcessClickFixed, 8}, {kSelectRow, 8},     {kSelectBkColor, 8},
    {kSizeToWidth, 9},     {kLineWidth, 10},        {kSelectColor, 11},  {kShowZeroInNumCell, 12},
};

// A line width that keeps "line width + 6" and the sizes it raises within the grid's
// size limit (a wild value from code must not overflow the size arithmetic).
int ClampLineWidth(int32_t width) { return std::clamp(width, 0, kMaxSize - 6); }

// Gives every row / column the size without override. The repaint target hears of
// it once, not once per row.
void SetAllRowHeights(GridModel& grid, int height) {
  GridRepaint* repaint = grid.Repaint();
  grid.SetRepaint(nullptr);
  for (int r = 0; r < grid.RowCount(); ++r) grid.SetRowHeight(r, height);
  grid.SetRepaint(repaint);
  grid.LayoutChanged();
}

void SetAllColWidths(GridModel& grid, int width) {
  GridRepaint* repaint = grid.Repaint();
  grid.SetRepaint(nullptr);
  for (int c = 0; c < grid.ColCount(); ++c) grid.SetColWidth(c, width);
  grid.SetRepaint(repaint);
  grid.LayoutChanged();
}

void ReapplyAlternateColours(GridModel& grid) {
  const AlternateColours& a = grid.Alternate();
  if (a.applied) grid.ApplyAlternateColours(a.odd, a.even, a.byRows != 0);
}

// RowCount and ColCount: values of 0 or less are ignored. True when the count changed
// hands (the grid took it).
bool SetCount(GridModel& grid, const PropertyMirror& mirror, int index, int32_t value) {
  if (value <= 0) return false;
  if (index == kRowCount) {
    if (!grid.SetRowCount(value)) return false;
    SetAllRowHeights(grid, mirror[kRowHeight]);
  } else {
    if (!grid.SetColCount(value)) return false;
    SetAllColWidths(grid, mirror[kColWidth]);
  }
  ReapplyAlternateColours(grid);
  return true;
}

}  // namespace

PropertyMirror PropertyMirror::Defaults(Colour selectBkColor) {
  PropertyMirror m;
  m[kLineColor] = 0xC0C0C0;
  m[kBkColor] = 0xFFFFFF;
  m[kTextColor] = 0x000000;
  m[kLightColor] = 0x000000;
  m[kLineType] = 3;
  m[kIsResizeHeight] = 1;
  m[kIsResizeWidth] = 1;
  m[kRowHeight] = 24;
  m[kColWidth] = 60;
  m[kRowCount] = 5;
  m[kColCount] = 5;
  m[kHeadRowCount] = 1;
  m[kHeadColCount] = 1;
  m[kIsEdit] = 1;
  m[kIsShowDiglog] = 1;
  m[kCanSelection] = 0;
  m[kShowPrintButton] = 1;
  m[kFixedBkColor] = int32_t(kNoColor);  // the system's button face
  m[kPrintPageNo] = 0;
  m[kPrintDate] = 0;
  m[kEnterFunction] = 0;
  m[kProcessClickFixed] = 1;
  m[kSelectRow] = 0;
  m[kSelectBkColor] = int32_t(selectBkColor);
  m[kSizeToWidth] = 1;
  m[kLineWidth] = 0;
  m[kSelectColor] = 0x000000;
  m[kShowZeroInNumCell] = 1;
  return m;
}

bool ReadPropertyData(const uint8_t* data, size_t length, PropertyMirror* mirror) {
  if (!data || length == 0) return true;
  rt::ByteArchive in(data, length);
  uint32_t version = 0;
  if (!in.ReadWord(&version) || version > kPropertyDataVersion) return false;
  PropertyMirror read = *mirror;
  for (const StoredValue& v : kStoredOrder) {
    if (v.since > version) continue;
    if (!in.ReadInt(&read[v.property])) return false;
  }
  *mirror = read;
  return true;
}

std::vector<uint8_t> WritePropertyData(const PropertyMirror& mirror) {
  rt::ByteWriter out;
  out.Word(kPropertyDataVersion);
  for (const StoredValue& v : kStoredOrder) out.Int(mirror[v.property]);
  return out.Take();
}

void ApplyPropertyMirror(const PropertyMirror& m, GridModel& grid, ColourConversion convert) {
  GridSettings& s = grid.Settings();
  s.lineColor = Colour(m[kLineColor]);
  s.bkColor = Colour(m[kBkColor]);
  s.fixedBkColor = convert ? convert(Colour(m[kFixedBkColor])) : Colour(m[kFixedBkColor]);
  s.textColor = Colour(m[kTextColor]);
  s.lightColor = Colour(m[kLightColor]);
  s.lineType = m[kLineType];
  grid.RepaintAll();
  s.isResizeHeight = m[kIsResizeHeight];
  s.isResizeWidth = m[kIsResizeWidth];
  grid.SetDefaultRowHeight(m[kRowHeight]);
  grid.SetDefaultColWidth(m[kColWidth]);
  SetCount(grid, m, kRowCount, m[kRowCount]);
  SetCount(grid, m, kColCount, m[kColCount]);
  grid.SetHeadRowCount(m[kHeadRowCount]);
  grid.SetHeadColCount(m[kHeadColCount]);
  s.isEdit = m[kIsEdit];
  s.shadowColor = 0xFFFFFF;
  s.isShowDiglog = m[kIsShowDiglog];
  grid.SetCanSelection(m[kCanSelection]);
  s.showPrintButton = m[kShowPrintButton];
  s.printPageNo = m[kPrintPageNo];
  s.printDate = m[kPrintDate];
  s.enterFunction = m[kEnterFunction];
  s.processClickFixed = m[kProcessClickFixed];
  s.sizeToWidth = m[kSizeToWidth];
  s.selectBkColor = Colour(m[kSelectBkColor]);
  grid.SetSelectRow(m[kSelectRow]);
  s.showZeroInNumCell = m[kShowZeroInNumCell];
  s.selectColor = Colour(m[kSelectColor]);
  s.lineWidth = ClampLineWidth(m[kLineWidth]);
  grid.RepaintAll();
}

bool SetGridProperty(GridModel& grid, PropertyMirror& m, int index, int32_t value, ColourConversion convert) {
  if (index < 0 || index >= kCount) return false;
  GridSettings& s = grid.Settings();
  switch (index) {
    case kRowCount:
    case kColCount:
      // Ignored values leave the mirror as it was too: nothing changes.
      if (SetCount(grid, m, index, value)) m[index] = value;
      grid.RepaintAll();
      return true;
    case kCanSelection:
      grid.SetCanSelection(value);
      m[index] = grid.CanSelection();  // stays true while SelectRow is set
      grid.RepaintAll();
      return true;
    case kSelectRow:
      grid.SetSelectRow(value);
      m[index] = value;
      m[kCanSelection] = grid.CanSelection();
      grid.RepaintAll();
      return true;
    default: break;
  }
  m[index] = value;
  switch (index) {
    case kLineColor: s.lineColor = Colour(value); break;
    case kBkColor: s.bkColor = Colour(value); break;
    case kTextColor: s.textColor = Colour(value); break;
    case kLightColor: s.lightColor = Colour(value); break;
    case kLineType: s.lineType = value; break;
    case kIsResizeHeight: s.isResizeHeight = value; break;
    case kIsResizeWidth: s.isResizeWidth = value; break;
    case kRowHeight: SetAllRowHeights(grid, value); break;
    case kColWidth: SetAllColWidths(grid, value); break;
    case kHeadRowCount: grid.SetHeadRowCount(value); break;
    case kHeadColCount: grid.SetHeadColCount(value); break;
    case kIsEdit: s.isEdit = value; break;
    case kIsShowDiglog: s.isShowDiglog = value; break;
    case kShowPrintButton: s.showPrintButton = value; break;
    case kFixedBkColor: s.fixedBkColor = convert ? convert(Colour(value)) : Colour(value); break;
    case kPrintPageNo: s.printPageNo = value; break;
    case kPrintDate: s.printDate = value; break;
    case kEnterFunction: s.enterFunction = value; break;
    case kProcessClickFixed: s.processClickFixed = value; break;
    case kSelectBkColor: s.selectBkColor = Colour(value); break;
    case kSizeToWidth: s.sizeToWidth = value; break;
    case kLineWidth: s.lineWidth = ClampLineWidth(value); break;
    case kSelectColor: s.selectColor = Colour(value); break;
    case kShowZeroInNumCell: s.showZeroInNumCell = value; break;
  }
  grid.RepaintAll();
  return true;
}

bool GetGridProperty(const GridModel& grid, const PropertyMirror& m, int index, bool fromMirror,
                     int32_t* value) {
  if (index < 0 || index >= kCount) return false;
  bool mirrored = index == kLineType ||
                  (fromMirror && index != kPrintPageNo && index != kPrintDate && index != kEnterFunction);
  if (mirrored) {
    *value = m[index];
    return true;
  }
  const GridSettings& s = grid.Settings();
  switch (index) {
    case kLineColor: *value = int32_t(s.lineColor); break;
    case kBkColor: *value = int32_t(s.bkColor); break;
    case kTextColor: *value = int32_t(s.textColor); break;
    case kLightColor: *value = int32_t(s.lightColor); break;
    case kIsResizeHeight: *value = s.isResizeHeight; break;
    case kIsResizeWidth: *value = s.isResizeWidth; break;
    // The grid keeps no single row height: the first row's stands for all (the value
    // the property last gave every row), the default one when there are no rows.
    case kRowHeight: *value = grid.RowCount() > 0 ? grid.RowHeight(0) : grid.DefaultRowHeight(); break;
    case kColWidth: *value = grid.ColCount() > 0 ? grid.ColWidth(0) : grid.DefaultColWidth(); break;
    case kRowCount: *value = grid.RowCount(); break;
    case kColCount: *value = grid.ColCount(); break;
    case kHeadRowCount: *value = grid.HeadRowCount(); break;
    case kHeadColCount: *value = grid.HeadColCount(); break;
    case kIsEdit: *value = s.isEdit; break;
    case kIsShowDiglog: *value = s.isShowDiglog; break;
    case kCanSelection: *value = grid.CanSelection(); break;
    case kShowPrintButton: *value = s.showPrintButton; break;
    case kFixedBkColor: *value = int32_t(s.fixedBkColor); break;
    case kPrintPageNo: *value = s.printPageNo; break;
    case kPrintDate: *value = s.printDate; break;
    case kEnterFunction: *value = s.enterFunction; break;
    case kProcessClickFixed: *value = s.processClickFixed; break;
    case kSelectRow: *value = grid.SelectRow(); break;
    case kSelectBkColor: *value = int32_t(s.selectBkColor); break;
    case kSizeToWidth: *value = s.sizeToWidth; break;
    case kLineWidth: *value = s.lineWidth; break;
    case kSelectColor: *value = int32_t(s.selectColor); break;
    case kShowZeroInNumCell: *value = s.showZeroInNumCell; break;
  }
  return true;
}

}  // namespace grid

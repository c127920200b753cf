// How a grid falls onto printed pages: the logical page, the margins and bands in page
// units, the page breaks, and for one page the list of cells and grid lines to draw, in
// drawing order. Platform-free: the window layer reads the device measures, hands them
// in, and only executes the plan (on paper and in the preview alike).
//
// Page units: one unit is one screen pixel at the grid's own scale unless the table is
// scaled to the paper width. Plan coordinates are absolute page units, (0, 0) being the
// top-left corner of the printable area.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "grid/core/GridTypes.h"

namespace grid {

class GridModel;

// One axis of a mapping: device = logical x viewport / window.
struct AxisScale {
  int window = 1;
  int viewport = 1;
};
// Both conversions round to the nearest device or logical unit, as the platform does.
int LogicalToDevice(int value, const AxisScale& scale);
int DeviceToLogical(int value, const AxisScale& scale);

// What a print job or a preview knows about its surface before the layout.
struct PageSurface {
  AxisScale metricX, metricY;  // tenths of a millimetre -> device pixels
  int deviceWidth = 0;         // printable area in device pixels
  int deviceHeight = 0;
  int printableWidthTenths = 0;  // printable width in tenths of a millimetre
  float screenScale = 0;         // tenths of a millimetre per screen pixel
};

struct PageGeometry {
  bool valid = false;  // false: nothing can be laid out (no printable area)
  int width = 0, height = 0;
  int deviceWidth = 0, deviceHeight = 0;
  int left = 0, right = 0, top = 0, bottom = 0, header = 0, footer = 0, gap = 0;
  int fixedRowsHeight = 0, fixedColsWidth = 0;
  int bodyHeight = 0, bodyWidth = 0;
  int pageTotal = 1;
  // The row that opens each page (index 0 is page 1); past the last page there are no
  // body rows.
  std::vector<int> pageFirstRow;
  int FirstRowOfPage(int page, int rowCount) const;

  // With print options set: the rows repeated at the top of every sheet, the rows of
  // each sheet (the last sheet's end with the kept rows), the subtitle and sign-line
  // bands in page units and the offset in device pixels.
  bool sheets = false;
  std::vector<int> repeatRows;
  std::vector<std::vector<int>> sheetRows;
  int subtitle = 0, sign = 0;
  int offsetX = 0, offsetY = 0;
};

// Lays out the whole table for one job (or one preview drawing).
PageGeometry ComputePageGeometry(const GridModel& grid, const PageSurface& surface);

struct PageRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PageRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// One drawing step: a cell's content in its rectangle, or one grid line from
// (left, top) to (right, bottom) drawn as a pen line (the end point excluded).
struct PageItem {
  enum Kind { kCell, kLine } kind = kCell;
  int row = -1, col = -1;  // the cell (also for its lines)
  bool fixedRow = false;   // the cell belongs to the header rows
  PageRect rect;
};

struct PagePlan {
  int page = 1;
  int pageTotal = 1;
  PageRect title;  // the title band
  std::vector<PageItem> items;
  bool hasFooter = false;  // false on a page of a table without body rows
  PageRect footer;
  PageRect subtitle;  // empty when none is printed
  PageRect sign;      // the sign line's band, on the last sheet only
};

// The page of the given number (1-based); a page past the last one has no body rows.
PagePlan PlanPage(const GridModel& grid, const PageGeometry& geometry, int page);

// The same under the grid's print options (PrintSheets.cpp): `width` is the page width
// the plain layout would take; fitting on one sheet may widen it.
PageGeometry ComputeSheetGeometry(const GridModel& grid, const PageSurface& surface, int64_t width);
PagePlan PlanSheet(const GridModel& grid, const PageGeometry& geometry, int page);
// The page width and the measures of a page that wide (false: nothing fits).
int64_t PageWidthFor(const GridModel& grid, const PageSurface& surface);
bool MeasurePage(const GridModel& grid, const PageSurface& surface, int64_t width, PageGeometry* geometry);

//--- Footer texts ---------------------------------------------------------------------

enum class BandAlign { kLeft, kCentre, kRight };

// "第 %d 页 / 共 %d 页".
std::string PageNumberText(int page, int pageTotal);
// "%d-%d-%d", no leading zeros.
std::string DateText(int year, int month, int day);
// Where the page text sits for a PrintPageNo value (1 left, 2 centre, 3 right, else left)
// and the date text for a PrintDate value (1 left, 2 centre, else right).
BandAlign PageNumberAlign(int printPageNo);
BandAlign DateAlign(int printDate);
// The title's alignment (1 left, 3 right, anything else centred).
BandAlign TitleAlign(int alignment);

}  // namespace grid

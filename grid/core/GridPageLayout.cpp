// Page geometry, page breaks and the per-page drawing plan of a printed grid.
#include "grid/core/GridPageLayout.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "grid/core/GridModel.h"
#include "grid/core/PageBands.h"

namespace grid {

namespace {

using namespace page_bands;

// Tenths of a millimetre per pixel of a 96 dpi screen, for a grid not painted yet.
constexpr float kStandardScreenScale = 254.0f / 96.0f;

int RoundDiv(double numerator, double denominator) {
  if (denominator == 0) return 0;
  double q = std::floor(numerator / denominator + 0.5);
  return ClampInt(int64_t(std::clamp(q, double(INT_MIN / 2), double(INT_MAX / 2))));
}

// The platform's MulDiv: a x b / c rounded half away from zero.
int MulDivRounded(int a, int b, int c) {
  if (c == 0) return -1;
  int64_t n = int64_t(a) * b;
  int64_t half = std::abs(int64_t(c)) / 2;
  int64_t q = (n >= 0) == (c > 0) ? (std::abs(n) + half) / std::abs(int64_t(c))
                                  : -((std::abs(n) + half) / std::abs(int64_t(c)));
  return ClampInt(q);
}

// One body row placed on a page: its top in body coordinates.
struct PlacedRow {
  int row, top, height;
  bool nextFits;  // the following row still fits on this page
};

// The rows that fit on the page opened by `first`: the running height may reach the
// body height but not pass it.
std::vector<PlacedRow> RowsOnPage(const GridModel& g, int first, int bodyHeight) {
  std::vector<PlacedRow> rows;
  int64_t running = 0;
  for (int r = first; r < g.RowCount(); ++r) {
    int h = std::max(0, g.RowHeight(r));
    if (running + h > bodyHeight) break;
    rows.push_back({r, int(running), h, false});
    running += h;
  }
  for (size_t i = 0; i + 1 < rows.size(); ++i) rows[i].nextFits = true;
  if (!rows.empty()) {
    int next = rows.back().row + 1;
    rows.back().nextFits = next < g.RowCount() && running + std::max(0, g.RowHeight(next)) <= bodyHeight;
  }
  return rows;
}

}  // namespace

int LogicalToDevice(int value, const AxisScale& s) {
  return RoundDiv(double(value) * s.viewport, double(s.window));
}

int DeviceToLogical(int value, const AxisScale& s) {
  return RoundDiv(double(value) * s.window, double(s.viewport));
}

int PageGeometry::FirstRowOfPage(int page, int rowCount) const {
  if (page < 1 || size_t(page) > pageFirstRow.size()) return rowCount;
  return pageFirstRow[size_t(page - 1)];
}

int64_t PageWidthFor(const GridModel& g, const PageSurface& s) {
  const PrintLayout& lay = g.Layout();
  // The page width in page units: the table's own width, or the paper at screen size.
  int64_t width;
  if (g.Settings().sizeToWidth) {
    width = SumColWidths(g, 0, g.ColCount()) + lay.leftMargin + lay.rightMargin;
  } else {
    float scale = s.screenScale > 0 ? s.screenScale : kStandardScreenScale;
    width = int64_t(std::trunc(float(s.printableWidthTenths + lay.leftMargin + lay.rightMargin) / scale));
  }
  if (width <= 0 || !g.Settings().sizeToWidth) return width;
  // The raw margin numbers leave room for the table only while a page unit is at least
  // a tenth of a millimetre; a wider table widens the page until it fits.
  const int leftDevice = LogicalToDevice(lay.leftMargin, s.metricX);
  const int rightDevice = LogicalToDevice(lay.rightMargin, s.metricX);
  auto horizontalAt = [&](int device, int64_t w) {
    return DeviceToLogical(device, {ClampInt(w), s.deviceWidth});
  };
  int64_t table = SumColWidths(g, 0, g.ColCount());
  for (int i = 0; i < 64; ++i) {
    int64_t margins = int64_t(horizontalAt(leftDevice, width)) + horizontalAt(rightDevice, width);
    if (width - margins >= table || leftDevice + rightDevice >= s.deviceWidth) break;
    width = std::max(width + 1, table + margins);
  }
  return width;
}

bool MeasurePage(const GridModel& g, const PageSurface& s, int64_t width, PageGeometry* pg) {
  const PrintLayout& lay = g.Layout();
  pg->width = ClampInt(width);
  pg->height = MulDivRounded(pg->width, s.deviceHeight, s.deviceWidth);
  if (pg->height <= 0) return false;
  // Each layout value to device pixels on its own axis, then to page units.
  const AxisScale pageX{pg->width, s.deviceWidth}, pageY{pg->height, s.deviceHeight};
  auto horizontal = [&](int tenths) { return DeviceToLogical(LogicalToDevice(tenths, s.metricX), pageX); };
  auto vertical = [&](int tenths) { return DeviceToLogical(LogicalToDevice(tenths, s.metricY), pageY); };
  pg->left = horizontal(lay.leftMargin);
  pg->right = horizontal(lay.rightMargin);
  pg->top = vertical(lay.topMargin);
  pg->bottom = vertical(lay.bottomMargin);
  pg->header = vertical(lay.headerBand);
  pg->footer = vertical(lay.footerBand);
  pg->gap = vertical(lay.titleGap);

  int64_t fixedRows = SumRowHeights(g, 0, g.HeadRowCount());
  int64_t fixedCols = SumColWidths(g, 0, g.HeadColCount());
  pg->fixedRowsHeight = ClampInt(fixedRows);
  pg->fixedColsWidth = ClampInt(fixedCols);
  pg->bodyHeight = ClampInt(int64_t(pg->height) - 2 * int64_t(pg->gap) - pg->bottom - pg->header -
                            pg->footer - pg->top - fixedRows);
  pg->bodyWidth = ClampInt(int64_t(pg->width) - fixedCols - (int64_t(pg->left) + pg->right));
  return true;
}

PageGeometry ComputePageGeometry(const GridModel& g, const PageSurface& s) {
  PageGeometry pg;
  pg.deviceWidth = s.deviceWidth;
  pg.deviceHeight = s.deviceHeight;
  pg.pageFirstRow = {g.HeadRowCount()};
  if (s.deviceWidth <= 0 || s.deviceHeight <= 0) return pg;
  int64_t width = PageWidthFor(g, s);
  if (width <= 0) return pg;
  if (g.Options().active) return ComputeSheetGeometry(g, s, width);
  if (!MeasurePage(g, s, width, &pg)) return pg;

  // Page breaks: a row that would pass the body height opens the next page.
  int64_t running = 0;
  for (int r = g.HeadRowCount(); r < g.RowCount(); ++r) {
    int h = std::max(0, g.RowHeight(r));
    running += h;
    if (running > pg.bodyHeight) {
      pg.pageFirstRow.push_back(r);
      running = h;
    }
  }
  pg.pageTotal = int(pg.pageFirstRow.size());
  pg.valid = true;
  return pg;
}

PagePlan PlanPage(const GridModel& g, const PageGeometry& pg, int page) {
  if (pg.sheets) return PlanSheet(g, pg, page);
  PagePlan plan;
  plan.page = page;
  plan.pageTotal = pg.pageTotal;
  if (!pg.valid) return plan;
  plan.title = {pg.left, pg.top, pg.width - pg.right, pg.top + pg.header};

  const int rowCount = g.RowCount(), colCount = g.ColCount();
  const int headRows = g.HeadRowCount(), headCols = g.HeadColCount();
  const int bandTop = pg.top + pg.header + pg.gap;  // top of the header rows
  const int bodyTop = bandTop + pg.fixedRowsHeight;
  const int first = pg.FirstRowOfPage(page, rowCount);
  const std::vector<PlacedRow> rows = RowsOnPage(g, first, pg.bodyHeight);
  using Ctx = BandWriter::LineContext;

  // The header columns beside the page's body rows.
  {
    BandWriter band(g, &plan.items, pg.left, bodyTop);
    int left = 0;
    for (int c = 0; c < headCols; ++c) {
      int right = left + std::max(0, g.ColWidth(c)) - 1;
      for (const PlacedRow& pr : rows) {
        PageRect own{left, pr.top, right, pr.top + pr.height - 1}, content;
        if (band.ContentRect(pr.row, c, own, &content)) band.Cell(pr.row, c, content, false);
        Ctx ctx;
        ctx.firstBodyRow = pr.row == first;
        ctx.closeRight = c == colCount - 1;
        ctx.closeBottom = pr.row == rowCount - 1 || !pr.nextFits;
        band.GridLines(pr.row, c, own, ctx);
      }
      left = right + 1;
    }
  }

  // The header rows across all columns, cut at the widened body width.
  {
    BandWriter band(g, &plan.items, pg.left, bandTop);
    const int64_t width = int64_t(pg.bodyWidth) + pg.fixedColsWidth;
    int top = 0;
    for (int r = 0; r < headRows; ++r) {
      int h = std::max(0, g.RowHeight(r));
      int bottom = top + h - 1;
      int left = 0;
      for (int c = 0; c < colCount; ++c) {
        int w = std::max(0, g.ColWidth(c));
        int right = left + w - 1;
        if (right > width) {
          band.Line(r, c, left - 1, top - 1, left - 1, bottom);
          break;
        }
        PageRect own{left, top, right, bottom}, content;
        if (band.ContentRect(r, c, own, &content)) {
          if (content.right >= width) {
            // Back to the right edge of the last column that ends within the width.
            int edge = left - 1, x = left - 1;
            int block = g.FindMergedBlock(r, c);
            int last = block >= 0 ? g.MergedBlocks()[size_t(block)].lastCol : c;
            for (int k = c; k <= last && k < colCount; ++k) {
              x += std::max(0, g.ColWidth(k));
              if (x > width) break;
              edge = x;
            }
            content.right = edge;
          }
          band.Cell(r, c, content, true);
        }
        Ctx ctx;
        ctx.fixedRowBand = true;
        ctx.closeRight = c == colCount - 1 || (c + 1 < colCount && right + g.ColWidth(c + 1) > width);
        ctx.closeBottom = r == rowCount - 1;
        band.GridLines(r, c, own, ctx);
        left = right + 1;
      }
      top = bottom + 1;
    }
  }

  if (first >= rowCount) return plan;  // no body rows: no body and no footer

  // The body rows of the page; columns past the body width are never printed.
  {
    BandWriter band(g, &plan.items, pg.left + pg.fixedColsWidth, bodyTop);
    for (const PlacedRow& pr : rows) {
      int bottom = pr.top + pr.height - 1;
      int left = 0;
      for (int c = headCols; c < colCount; ++c) {
        int right = left + std::max(0, g.ColWidth(c)) - 1;
        if (right > pg.bodyWidth) {
          band.Line(pr.row, c, left - 1, pr.top - 1, left - 1, bottom);
          break;
        }
        PageRect own{left, pr.top, right, bottom}, content;
        if (band.ContentRect(pr.row, c, own, &content)) band.Cell(pr.row, c, content, false);
        Ctx ctx;
        ctx.firstBodyRow = pr.row == first;
        ctx.closeRight = c == colCount - 1 || (c + 1 < colCount && right + g.ColWidth(c + 1) > pg.bodyWidth);
        ctx.closeBottom = pr.row == rowCount - 1 || !pr.nextFits;
        band.GridLines(pr.row, c, own, ctx);
        left = right + 1;
      }
    }
  }

  plan.hasFooter = true;
  plan.footer = {pg.left, pg.height - pg.footer, pg.width - pg.right, pg.height};
  return plan;
}

//--- Footer texts -------------------------------------------------------------------

std::string PageNumberText(int page, int pageTotal) {
  char text[64];
  std::snprintf(text, sizeof text, "第 %d 页 / 共 %d 页", page, pageTotal);
  return text;
}

std::string DateText(int year, int month, int day) {
  char text[40];
  std::snprintf(text, sizeof text, "%d-%d-%d", year, month, day);
  return text;
}

BandAlign PageNumberAlign(int printPageNo) {
  return printPageNo == 2 ? BandAlign::kCentre : printPageNo == 3 ? BandAlign::kRight : BandAlign::kLeft;
}

BandAlign DateAlign(int printDate) {
  return printDate == 1 ? BandAlign::kLeft : printDate == 2 ? BandAlign::kCentre : BandAlign::kRight;
}

BandAlign TitleAlign(int alignment) {
  return alignment == 1 ? BandAlign::kLeft : alignment == 3 ? BandAlign::kRight : BandAlign::kCentre;
}

}  // namespace grid

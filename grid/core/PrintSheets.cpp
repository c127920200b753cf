// Sheets under the grid's print options: only the chosen rows, some repeated at the top
// of every sheet and some kept for the last one, a subtitle and a sign line, the whole
// shrunk to one sheet on request.
#include <algorithm>
#include <cmath>

#include "grid/core/GridPageLayout.h"
#include "grid/core/PageBands.h"

namespace grid {

namespace {

using namespace page_bands;

constexpr int kSubtitleBand = 60;  // tenths of a millimetre
constexpr int kSignBand = 90;

struct RowSplit {
  std::vector<int> repeat, middle, tail;
};

RowSplit SplitRows(const GridModel& g, const PrintOptions& o) {
  std::vector<int> rows;
  if (o.rows.empty()) {
    for (int r = 0; r < g.RowCount(); ++r) rows.push_back(r);
  } else {
    for (int r : o.rows)
      if (r >= 0 && r < g.RowCount()) rows.push_back(r);
  }
  size_t repeat = std::min(rows.size(), size_t(std::max(0, o.repeatRows)));
  size_t tail = std::min(rows.size() - repeat, size_t(std::max(0, o.tailRows)));
  RowSplit split;
  split.repeat.assign(rows.begin(), rows.begin() + long(repeat));
  split.middle.assign(rows.begin() + long(repeat), rows.end() - long(tail));
  split.tail.assign(rows.end() - long(tail), rows.end());
  return split;
}

int64_t HeightOf(const GridModel& g, const std::vector<int>& rows) {
  int64_t sum = 0;
  for (int r : rows) sum += std::max(0, g.RowHeight(r));
  return sum;
}

// Rows fill a sheet while they fit; the kept rows and the sign line go together on the
// last sheet, opening one of their own when they do not fit after the others.
void BreakSheets(const GridModel& g, const RowSplit& split, PageGeometry* pg) {
  pg->sheetRows.assign(1, {});
  int64_t running = 0;
  for (int r : split.middle) {
    int h = std::max(0, g.RowHeight(r));
    if (running + h > pg->bodyHeight && !pg->sheetRows.back().empty()) {
      pg->sheetRows.emplace_back();
      running = 0;
    }
    pg->sheetRows.back().push_back(r);
    running += h;
  }
  int64_t tail = HeightOf(g, split.tail) + pg->sign;
  if (running + tail > pg->bodyHeight && !pg->sheetRows.back().empty()) pg->sheetRows.emplace_back();
  for (int r : split.tail) pg->sheetRows.back().push_back(r);
  pg->pageTotal = int(pg->sheetRows.size());
}

// The measures of a page `width` units wide with the bands of the options.
bool MeasureSheet(const GridModel& g, const PageSurface& s, int64_t width, const RowSplit& split,
                  PageGeometry* pg) {
  if (!MeasurePage(g, s, width, pg)) return false;
  const PrintOptions& o = g.Options();
  const AxisScale pageY{pg->height, s.deviceHeight};
  auto vertical = [&](int tenths) { return DeviceToLogical(LogicalToDevice(tenths, s.metricY), pageY); };
  pg->subtitle = o.subtitle.empty() ? 0 : vertical(kSubtitleBand);
  pg->sign = o.signLine.empty() ? 0 : vertical(kSignBand);
  pg->repeatRows = split.repeat;
  pg->fixedRowsHeight = ClampInt(HeightOf(g, split.repeat));
  pg->fixedColsWidth = 0;  // every column is printed as one band
  pg->bodyHeight = ClampInt(int64_t(pg->height) - 2 * int64_t(pg->gap) - pg->bottom - pg->header -
                            pg->footer - pg->top - pg->subtitle - pg->fixedRowsHeight);
  pg->bodyWidth = ClampInt(int64_t(pg->width) - (int64_t(pg->left) + pg->right));
  BreakSheets(g, split, pg);
  return true;
}

}  // namespace

PageGeometry ComputeSheetGeometry(const GridModel& g, const PageSurface& s, int64_t width) {
  PageGeometry pg;
  pg.deviceWidth = s.deviceWidth;
  pg.deviceHeight = s.deviceHeight;
  pg.sheets = true;
  const PrintOptions& o = g.Options();
  pg.offsetX = LogicalToDevice(o.offsetX, s.metricX);
  pg.offsetY = LogicalToDevice(o.offsetY, s.metricY);
  const RowSplit split = SplitRows(g, o);
  if (!MeasureSheet(g, s, width, split, &pg)) return pg;
  if (o.fitToSheet) {
    // Everything but the rows grows with the page: widen it by what is missing until the
    // table fits one sheet both ways.
    const int64_t rows = HeightOf(g, split.middle) + HeightOf(g, split.tail) + pg.sign;
    const int64_t table = SumColWidths(g, 0, g.ColCount());
    for (int i = 0; i < 32 && (pg.pageTotal > 1 || pg.bodyWidth < table); ++i) {
      double tall =
          double(rows + pg.fixedRowsHeight) / double(std::max(1, pg.bodyHeight + pg.fixedRowsHeight));
      double wide = double(table) / double(std::max(1, pg.bodyWidth));
      double grow = std::max({tall, wide, 1.0});
      width = std::max(width + 1, int64_t(std::ceil(double(width) * grow)));
      int offsetX = pg.offsetX, offsetY = pg.offsetY;
      if (!MeasureSheet(g, s, width, split, &pg)) return pg;
      pg.offsetX = offsetX;
      pg.offsetY = offsetY;
    }
  }
  pg.pageFirstRow.clear();
  for (const auto& sheet : pg.sheetRows)
    pg.pageFirstRow.push_back(sheet.empty() ? g.RowCount() : sheet.front());
  pg.valid = true;
  return pg;
}

namespace {

// One row of cells across every column, its top at `top` of the band.
void WriteRow(const GridModel& g, BandWriter& band, int row, int top, int width, bool firstOfBand,
              bool lastOfSheet) {
  const int colCount = g.ColCount();
  int h = std::max(0, g.RowHeight(row));
  int bottom = top + h - 1, left = 0;
  for (int c = 0; c < colCount; ++c) {
    int right = left + std::max(0, g.ColWidth(c)) - 1;
    if (right > width) {
      band.Line(row, c, left - 1, top - 1, left - 1, bottom);
      break;
    }
    PageRect own{left, top, right, bottom}, content;
    if (band.ContentRect(row, c, own, &content)) band.Cell(row, c, content, row < g.HeadRowCount());
    BandWriter::LineContext ctx;
    ctx.firstBodyRow = firstOfBand;  // its top line, whichever row of the grid it is
    ctx.closeRight = c == colCount - 1 || (c + 1 < colCount && right + g.ColWidth(c + 1) > width);
    ctx.closeBottom = lastOfSheet;
    band.GridLines(row, c, own, ctx);
    left = right + 1;
  }
}

}  // namespace

PagePlan PlanSheet(const GridModel& g, const PageGeometry& pg, int page) {
  PagePlan plan;
  plan.page = page;
  plan.pageTotal = pg.pageTotal;
  if (!pg.valid) return plan;
  plan.title = {pg.left, pg.top, pg.width - pg.right, pg.top + pg.header};
  if (pg.subtitle > 0)
    plan.subtitle = {pg.left, plan.title.bottom, plan.title.right, plan.title.bottom + pg.subtitle};
  const int bandTop = pg.top + pg.header + pg.subtitle + pg.gap;
  const int width = pg.bodyWidth;

  BandWriter repeat(g, &plan.items, pg.left, bandTop);
  int top = 0;
  for (size_t i = 0; i < pg.repeatRows.size(); ++i) {
    WriteRow(g, repeat, pg.repeatRows[i], top, width, i == 0, false);
    top += std::max(0, g.RowHeight(pg.repeatRows[i]));
  }
  if (page < 1 || size_t(page) > pg.sheetRows.size()) return plan;

  const std::vector<int>& rows = pg.sheetRows[size_t(page - 1)];
  BandWriter body(g, &plan.items, pg.left, bandTop + pg.fixedRowsHeight);
  top = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    WriteRow(g, body, rows[i], top, width, i == 0, i + 1 == rows.size());
    top += std::max(0, g.RowHeight(rows[i]));
  }
  if (page == pg.pageTotal && pg.sign > 0) {
    int signTop = bandTop + pg.fixedRowsHeight + top;
    plan.sign = {pg.left, signTop, pg.width - pg.right, signTop + pg.sign};
  }
  plan.hasFooter = true;
  plan.footer = {pg.left, pg.height - pg.footer, pg.width - pg.right, pg.height};
  return plan;
}

}  // namespace grid

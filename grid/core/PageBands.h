// What the page plans of a printed grid share: sums of row heights and column widths,
// and the writer that collects a band's cells and grid lines.
#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "grid/core/GridModel.h"
#include "grid/core/GridPageLayout.h"

namespace grid::page_bands {

inline int ClampInt(int64_t v) { return int(std::clamp<int64_t>(v, INT_MIN / 2, INT_MAX / 2)); }

inline int64_t SumRowHeights(const GridModel& g, int from, int to) {
  int64_t sum = 0;
  for (int r = from; r < to; ++r) sum += std::max(0, g.RowHeight(r));
  return sum;
}

inline int64_t SumColWidths(const GridModel& g, int from, int to) {
  int64_t sum = 0;
  for (int c = from; c < to; ++c) sum += std::max(0, g.ColWidth(c));
  return sum;
}

// Collects the items of one band in band coordinates, then moves them by its origin.
class BandWriter {
 public:
  BandWriter(const GridModel& g, std::vector<PageItem>* items, int originX, int originY)
      : g_(g), items_(items), ox_(originX), oy_(originY) {}

  void Cell(int row, int col, PageRect rect, bool fixedRow) {
    PageItem item;
    item.kind = PageItem::kCell;
    item.row = row;
    item.col = col;
    item.fixedRow = fixedRow;
    item.rect = Move(rect);
    items_->push_back(item);
  }
  void Line(int row, int col, int x1, int y1, int x2, int y2) {
    PageItem item;
    item.kind = PageItem::kLine;
    item.row = row;
    item.col = col;
    item.rect = Move({x1, y1, x2, y2});
    items_->push_back(item);
  }

  // What the grid-line rules need to know about a cell beyond its rectangle.
  struct LineContext {
    bool firstBodyRow = false;  // the first body row of the page (body and fixed columns)
    bool fixedRowBand = false;
    bool closeRight = false;   // last column, or the next one would pass the body width
    bool closeBottom = false;  // last row, or the next one does not fit on the page
  };

  void GridLines(int row, int col, const PageRect& r, const LineContext& ctx) {
    const int lineType = g_.Settings().lineType;
    int x0 = col != 0 ? r.left - 1 : r.left;
    int y0 = row != 0 ? r.top - 1 : r.top;
    int block = g_.FindMergedBlock(row, col);
    bool plain = block < 0;
    bool onBottomRow = plain || g_.MergedBlocks()[size_t(block)].lastRow == row;
    bool inRightCol = plain || g_.MergedBlocks()[size_t(block)].lastCol == col;
    if (lineType == 1 || lineType == 3) {
      if (onBottomRow) Line(row, col, x0, r.bottom, r.right, r.bottom);
      if (ctx.firstBodyRow) Line(row, col, x0, r.top - 1, r.right, r.top - 1);
      if (ctx.fixedRowBand && row == 0) Line(row, col, x0, r.top, r.right, r.top);
      if (ctx.closeRight && lineType == 1) Line(row, col, r.right, r.top - 1, r.right, r.bottom);
    }
    if (lineType == 2 || lineType == 3) {
      if (inRightCol) Line(row, col, r.right, y0, r.right, r.bottom);
      if (col == 0) Line(row, col, r.left, y0, r.left, r.bottom);
      if (ctx.closeBottom && lineType == 2) Line(row, col, r.left, r.bottom, r.right, r.bottom);
    }
  }

  // The content rectangle of a drawn cell: the whole block for a merge master. False
  // for a covered cell, which is not drawn on its own.
  bool ContentRect(int row, int col, const PageRect& own, PageRect* out) const {
    const CGridCell* cell = g_.Cell(row, col);
    if (!cell || (cell->GetState() & state::kCovered)) return false;
    *out = own;
    int block = g_.FindMergedBlock(row, col);
    if (block >= 0) {
      const MergedBlock& b = g_.MergedBlocks()[size_t(block)];
      if (b.masterRow == row && b.masterCol == col) {
        out->right = ClampInt(own.left + SumColWidths(g_, b.firstCol, b.lastCol + 1) - 1);
        out->bottom = ClampInt(own.top + SumRowHeights(g_, b.firstRow, b.lastRow + 1) - 1);
      }
    }
    return true;
  }

 private:
  PageRect Move(PageRect r) const { return {r.left + ox_, r.top + oy_, r.right + ox_, r.bottom + oy_}; }
  const GridModel& g_;
  std::vector<PageItem>* items_;
  int ox_, oy_;
};

}  // namespace grid::page_bands

// Where things are on the grid's screen: row and column positions, the scroll
// position, cell and fill rectangles, hit-testing with the resize zones, the grid
// lines around merged blocks and the scroll arithmetic. Platform-free; the window
// layer asks it and paints.
//
// Header rows stay at the top and header columns at the left; the body scrolls in
// whole rows and columns. Positions are 64-bit so a million tall rows stay exact.
#pragma once

#include <cstdint>
#include <vector>

#include "grid/core/GridModel.h"

namespace grid {

struct CellPos {
  int row = -1, col = -1;
  bool Valid() const { return row >= 0 && col >= 0; }
  bool operator==(const CellPos& o) const { return row == o.row && col == o.col; }
  bool operator!=(const CellPos& o) const { return !(*this == o); }
};

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// The first body row and column shown (absolute indices).
struct ScrollState {
  int topRow = 0, leftCol = 0;
};

// Running sums of the row heights or column widths, rebuilt when marked stale.
class AxisPositions {
 public:
  void MarkStale() { stale_ = true; }
  // Position of the leading edge of item `i` (0..count), from the grid's origin.
  int64_t Start(int i) const { return sums_[size_t(i)]; }
  int Count() const { return int(sums_.size()) - 1; }
  // The item whose span holds `pos` (first..count-1 searched), or -1 past the end.
  int ItemAt(int64_t pos, int first) const;
  template <typename SizeOf>
  void Refresh(int count, SizeOf sizeOf) {
    if (!stale_ && Count() == count) return;
    sums_.assign(size_t(count) + 1, 0);
    for (int i = 0; i < count; ++i) sums_[size_t(i) + 1] = sums_[size_t(i)] + sizeOf(i);
    stale_ = false;
  }

 private:
  std::vector<int64_t> sums_{0};
  bool stale_ = true;
};

// What a point over the grid is.
struct HitResult {
  CellPos cell;                      // the cell under the point (a covered cell: its master), or invalid
  CellPos rawCell;                   // the cell itself, before mapping to the master
  int colBorder = -1;                // column whose right border is within the resize zone, or -1
  int rowBorder = -1;                // row whose bottom border is within the zone, or -1
  bool borderAtLeadingEdge = false;  // the zone was found at the left/top edge of the cell
};

constexpr int kResizeZone = 3;

// One grid line piece: a vertical line at x from y1 to y2 (exclusive), or horizontal.
struct LineSegment {
  bool vertical = true;
  int pos = 0, from = 0, to = 0;
};

class GridLayout {
 public:
  explicit GridLayout(const GridModel& model) : model_(model) {}
  void MarkStale() {
    rows_.MarkStale();
    cols_.MarkStale();
  }
  // Brings the running sums up to date with the model (cheap when nothing changed).
  void Refresh();

  const AxisPositions& Rows() const { return rows_; }
  const AxisPositions& Cols() const { return cols_; }
  int HeaderHeight() const;  // total height of the header rows
  int HeaderWidth() const;

  //--- The view: client size and scroll position
  void SetClientSize(int width, int height) {
    clientW_ = width;
    clientH_ = height;
  }
  int ClientWidth() const { return clientW_; }
  int ClientHeight() const { return clientH_; }
  ScrollState& Scroll() { return scroll_; }
  const ScrollState& Scroll() const { return scroll_; }
  // Keeps the scroll position inside the body.
  void ClampScroll();

  // Client-coordinate position of a row's top (header rows fixed, body rows scrolled).
  int64_t RowY(int row) const;
  int64_t ColX(int col) const;
  // The cell's own rectangle in client coordinates (may lie outside the client area).
  Rect CellRect(int row, int col) const;
  // The rectangle a cell is drawn in: the whole block for a merge master.
  Rect DrawRect(int row, int col) const;

  // Visible body rows topRow..lastVisibleRow (inclusive; at least topRow when any).
  int LastVisibleRow() const;
  int LastVisibleCol() const;
  // Body rows that fit wholly below the header rows from the current top (at least 1).
  int RowsPerPage() const;
  int ColsPerPage() const;

  //--- Scroll arithmetic
  // Largest top row that still fills the view (the last row at the bottom).
  int MaxTopRow() const;
  int MaxLeftCol() const;
  // The scroll position that shows the cell (whole, when it fits), keeping what can
  // be kept. Header cells need no scrolling on their axis.
  ScrollState ScrollToShow(int row, int col) const;

  //--- Hit-testing
  HitResult HitTest(int x, int y) const;

  //--- Grid lines of the body, cut where they would cross the inside of a merged block.
  std::vector<LineSegment> BodyLines() const;

 private:
  int RowAtY(int y) const;  // -1 outside
  int ColAtX(int x) const;
  int64_t MaxTop(const AxisPositions& axis, int heads, int count, int viewExtent) const;

  const GridModel& model_;
  AxisPositions rows_, cols_;
  ScrollState scroll_;
  int clientW_ = 0, clientH_ = 0;
};

// The rectangle filled with a cell's background: with LineWidth below 2 the cell's
// left and right edges move one pixel left; otherwise left and top move in by
// LineWidth - 2 and right and bottom by 1 (LineWidth 2) or LineWidth - 2.
Rect CellFillRect(const Rect& cell, int lineWidth);

}  // namespace grid

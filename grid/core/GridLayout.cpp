// Screen geometry of the grid: positions, rectangles, hit-testing, scroll limits and
// the body's grid lines around merged blocks.
#include "grid/core/GridLayout.h"

#include <algorithm>

namespace grid {

namespace {

int ClampToInt(int64_t v) {
  return int(std::max<int64_t>(INT32_MIN / 2, std::min<int64_t>(INT32_MAX / 2, v)));
}

}  // namespace

int AxisPositions::ItemAt(int64_t pos, int first) const {
  int count = Count();
  if (first < 0) first = 0;
  if (first >= count || pos < Start(first) || pos >= Start(count)) return -1;
  // The last item whose start is at or before pos; items of size 0 are passed over
  // because upper_bound lands after all equal starts.
  auto begin = sums_.begin() + first;
  auto it = std::upper_bound(begin, sums_.begin() + count, pos);
  return int(it - sums_.begin()) - 1;
}

void GridLayout::Refresh() {
  rows_.Refresh(model_.RowCount(), [this](int i) { return model_.RowHeight(i); });
  cols_.Refresh(model_.ColCount(), [this](int i) { return model_.ColWidth(i); });
}

int GridLayout::HeaderHeight() const { return ClampToInt(rows_.Start(model_.HeadRowCount())); }
int GridLayout::HeaderWidth() const { return ClampToInt(cols_.Start(model_.HeadColCount())); }

int64_t GridLayout::MaxTop(const AxisPositions& axis, int heads, int count, int viewExtent) const {
  if (count <= heads) return heads;
  int64_t header = axis.Start(heads);
  int64_t room = std::max<int64_t>(0, viewExtent - header);
  int64_t end = axis.Start(count);
  // The smallest top from which the rest of the body fits into the room.
  int top = axis.ItemAt(std::max<int64_t>(header, end - room), heads);
  if (top < 0) return heads;
  if (axis.Start(top) < end - room) ++top;
  return std::min(top, count - 1);
}

int GridLayout::MaxTopRow() const {
  return int(MaxTop(rows_, model_.HeadRowCount(), model_.RowCount(), clientH_));
}
int GridLayout::MaxLeftCol() const {
  return int(MaxTop(cols_, model_.HeadColCount(), model_.ColCount(), clientW_));
}

void GridLayout::ClampScroll() {
  scroll_.topRow = std::max(model_.HeadRowCount(), std::min(scroll_.topRow, MaxTopRow()));
  scroll_.leftCol = std::max(model_.HeadColCount(), std::min(scroll_.leftCol, MaxLeftCol()));
}

int64_t GridLayout::RowY(int row) const {
  int heads = model_.HeadRowCount();
  if (row < heads) return rows_.Start(row);
  return rows_.Start(heads) + rows_.Start(row) - rows_.Start(std::min(scroll_.topRow, rows_.Count()));
}

int64_t GridLayout::ColX(int col) const {
  int heads = model_.HeadColCount();
  if (col < heads) return cols_.Start(col);
  return cols_.Start(heads) + cols_.Start(col) - cols_.Start(std::min(scroll_.leftCol, cols_.Count()));
}

Rect GridLayout::CellRect(int row, int col) const {
  if (!model_.IsCell(row, col)) return Rect{};
  int64_t x = ColX(col), y = RowY(row);
  return Rect{ClampToInt(x), ClampToInt(y), ClampToInt(x + model_.ColWidth(col)),
              ClampToInt(y + model_.RowHeight(row))};
}

Rect GridLayout::DrawRect(int row, int col) const {
  const CGridCell* cell = model_.Cell(row, col);
  if (cell && cell->GetMergeMaster()) {
    int b = model_.FindMergedBlock(row, col);
    if (b >= 0) {
      const MergedBlock& m = model_.MergedBlocks()[size_t(b)];
      Rect first = CellRect(m.firstRow, m.firstCol), last = CellRect(m.lastRow, m.lastCol);
      return Rect{first.left, first.top, last.right, last.bottom};
    }
  }
  return CellRect(row, col);
}

int GridLayout::LastVisibleRow() const {
  int count = model_.RowCount();
  if (scroll_.topRow >= count) return count - 1;
  int64_t bottom = rows_.Start(scroll_.topRow) + std::max(0, clientH_ - HeaderHeight());
  int r = rows_.ItemAt(std::max<int64_t>(bottom - 1, rows_.Start(scroll_.topRow)), scroll_.topRow);
  return r < 0 ? count - 1 : r;
}

int GridLayout::LastVisibleCol() const {
  int count = model_.ColCount();
  if (scroll_.leftCol >= count) return count - 1;
  int64_t right = cols_.Start(scroll_.leftCol) + std::max(0, clientW_ - HeaderWidth());
  int c = cols_.ItemAt(std::max<int64_t>(right - 1, cols_.Start(scroll_.leftCol)), scroll_.leftCol);
  return c < 0 ? count - 1 : c;
}

int GridLayout::RowsPerPage() const {
  int room = std::max(0, clientH_ - HeaderHeight());
  int n = 0;
  for (int r = scroll_.topRow; r < model_.RowCount(); ++r) {
    room -= model_.RowHeight(r);
    if (room < 0) break;
    ++n;
  }
  return std::max(1, n);
}

int GridLayout::ColsPerPage() const {
  int room = std::max(0, clientW_ - HeaderWidth());
  int n = 0;
  for (int c = scroll_.leftCol; c < model_.ColCount(); ++c) {
    room -= model_.ColWidth(c);
    if (room < 0) break;
    ++n;
  }
  return std::max(1, n);
}

ScrollState GridLayout::ScrollToShow(int row, int col) const {
  ScrollState s = scroll_;
  auto fit = [](const AxisPositions& axis, int heads, int index, int extent, int header, int top) {
    if (index < heads || index >= axis.Count()) return top;
    if (index < top) return index;
    int64_t room = std::max(0, extent - header);
    // Scroll forward until the item's far edge is inside the room (or it is the top).
    while (top < index && axis.Start(index + 1) - axis.Start(top) > room) ++top;
    return top;
  };
  // A merged block is shown from its first row and column.
  int b = model_.FindMergedBlock(row, col);
  int lastRow = row, lastCol = col;
  if (b >= 0) {
    const MergedBlock& m = model_.MergedBlocks()[size_t(b)];
    row = m.firstRow;
    col = m.firstCol;
    lastRow = m.lastRow;
    lastCol = m.lastCol;
  }
  s.topRow = fit(rows_, model_.HeadRowCount(), lastRow, clientH_, HeaderHeight(), s.topRow);
  if (row >= model_.HeadRowCount() && row < s.topRow) s.topRow = row;
  s.leftCol = fit(cols_, model_.HeadColCount(), lastCol, clientW_, HeaderWidth(), s.leftCol);
  if (col >= model_.HeadColCount() && col < s.leftCol) s.leftCol = col;
  return s;
}

int GridLayout::RowAtY(int y) const {
  if (y < 0) return -1;
  int heads = model_.HeadRowCount();
  if (y < HeaderHeight()) return rows_.ItemAt(y, 0);
  return rows_.ItemAt(rows_.Start(std::min(scroll_.topRow, rows_.Count())) + (y - HeaderHeight()),
                      scroll_.topRow);
  (void)heads;
}

int GridLayout::ColAtX(int x) const {
  if (x < 0) return -1;
  if (x < HeaderWidth()) return cols_.ItemAt(x, 0);
  return cols_.ItemAt(cols_.Start(std::min(scroll_.leftCol, cols_.Count())) + (x - HeaderWidth()),
                      scroll_.leftCol);
}

HitResult GridLayout::HitTest(int x, int y) const {
  HitResult hit;
  int row = RowAtY(y), col = ColAtX(x);
  if (row >= 0 && col >= 0) {
    hit.rawCell = hit.cell = CellPos{row, col};
    int b = model_.FindMergedBlock(row, col);
    if (b >= 0) {
      const MergedBlock& m = model_.MergedBlocks()[size_t(b)];
      hit.cell = CellPos{m.masterRow, m.masterCol};
    }
  }
  // Resize zones: near the right edge of the column (or the left edge, which belongs
  // to the previous visible column).
  if (col >= 0 && row >= 0) {
    Rect r = CellRect(row, col);
    if (r.right - x <= kResizeZone) {
      hit.colBorder = col;
    } else if (x - r.left < kResizeZone) {
      int prev = col - 1;
      while (prev >= 0 && model_.ColWidth(prev) == 0) --prev;
      // Not across the fixed/scrolled seam into a column scrolled away.
      if (prev >= 0 &&
          (prev < model_.HeadColCount() || prev >= scroll_.leftCol || col < model_.HeadColCount())) {
        hit.colBorder = prev;
        hit.borderAtLeadingEdge = true;
      }
    }
    if (r.bottom - y <= kResizeZone) {
      hit.rowBorder = row;
    } else if (y - r.top < kResizeZone) {
      int prev = row - 1;
      while (prev >= 0 && model_.RowHeight(prev) == 0) --prev;
      if (prev >= 0 &&
          (prev < model_.HeadRowCount() || prev >= scroll_.topRow || row < model_.HeadRowCount())) {
        hit.rowBorder = prev;
        hit.borderAtLeadingEdge = true;
      }
    }
  } else if (row >= 0 && x >= 0) {
    // Just past the last column: its right border.
    int last = model_.ColCount() - 1;
    if (last >= 0 && x - CellRect(row, last).right < kResizeZone) hit.colBorder = last;
  } else if (col >= 0 && y >= 0) {
    int last = model_.RowCount() - 1;
    if (last >= 0 && y - CellRect(last, col).bottom < kResizeZone) hit.rowBorder = last;
  }
  return hit;
}

std::vector<LineSegment> GridLayout::BodyLines() const {
  std::vector<LineSegment> lines;
  int type = model_.Settings().lineType;
  if (type == 0 || model_.RowCount() == 0 || model_.ColCount() == 0) return lines;
  bool vertical = type == 2 || type == 3, horizontal = type == 1 || type == 3;
  int headRows = model_.HeadRowCount(), headCols = model_.HeadColCount();
  if (headRows >= model_.RowCount() || headCols >= model_.ColCount()) return lines;
  int lastRow = LastVisibleRow(), lastCol = LastVisibleCol();
  int top = HeaderHeight(), left = HeaderWidth();
  int bottom = CellRect(lastRow, 0).bottom, right = CellRect(0, lastCol).right;
  bottom = std::min(bottom, clientH_);
  right = std::min(right, clientW_);

  // Blocks reaching into the visible body: only they can interrupt a line.
  std::vector<Rect> blocks;
  for (const MergedBlock& m : model_.MergedBlocks()) {
    if (m.lastRow < scroll_.topRow || m.firstRow > lastRow || m.lastCol < scroll_.leftCol ||
        m.firstCol > lastCol)
      continue;
    if (m.lastRow < headRows || m.lastCol < headCols) continue;
    Rect a = CellRect(m.firstRow, m.firstCol), b = CellRect(m.lastRow, m.lastCol);
    blocks.push_back(Rect{a.left, a.top, b.right, b.bottom});
  }
  // Adds the line from..to at pos, minus the stretches inside blocks.
  auto add = [&](bool isVertical, int pos, int from, int to) {
    std::vector<std::pair<int, int>> cuts;
    for (const Rect& b : blocks) {
      bool inside = isVertical ? (pos > b.left && pos < b.right - 1) : (pos > b.top && pos < b.bottom - 1);
      if (!inside) continue;
      // A line at the block's last pixel column/row is its own border: not cut.
      if (isVertical)
        cuts.emplace_back(b.top, b.bottom - 1);
      else
        cuts.emplace_back(b.left, b.right - 1);
    }
    std::sort(cuts.begin(), cuts.end());
    int start = from;
    for (auto& c : cuts) {
      if (c.first > start) lines.push_back({isVertical, pos, start, std::min(c.first, to)});
      start = std::max(start, c.second);
      if (start >= to) break;
    }
    if (start < to) lines.push_back({isVertical, pos, start, to});
  };
  if (vertical) {
    for (int c = scroll_.leftCol; c <= lastCol; ++c) {
      if (model_.ColWidth(c) == 0) continue;
      add(true, CellRect(0, c).right - 1, top, bottom);
    }
    if (!horizontal) lines.push_back({false, bottom - 1, left, right});
  }
  if (horizontal) {
    for (int r = scroll_.topRow; r <= lastRow; ++r) {
      if (model_.RowHeight(r) == 0) continue;
      add(false, CellRect(r, 0).bottom - 1, left, right);
    }
    if (!vertical) lines.push_back({true, right - 1, top, bottom});
  }
  return lines;
}

Rect CellFillRect(const Rect& cell, int lineWidth) {
  Rect r = cell;
  if (lineWidth < 2) {
    r.left -= 1;
    r.right -= 1;
  } else {
    int in = lineWidth - 2;
    int far = lineWidth == 2 ? 1 : lineWidth - 2;
    r.left += in;
    r.top += in;
    r.right -= far;
    r.bottom -= far;
  }
  return r;
}

}  // namespace grid

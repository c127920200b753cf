// Navigation rules. Hidden rows and columns (size 0) are passed over; the focus never
// enters the header rows or columns.
#include "grid/core/GridNavigation.h"

#include <algorithm>

namespace grid {

namespace {

struct Span {
  int firstRow, lastRow, firstCol, lastCol;
};

Span SpanOf(const GridModel& m, CellPos c) {
  int b = m.FindMergedBlock(c.row, c.col);
  if (b < 0) return {c.row, c.row, c.col, c.col};
  const MergedBlock& k = m.MergedBlocks()[size_t(b)];
  return {k.firstRow, k.lastRow, k.firstCol, k.lastCol};
}

// Next visible column after `col` (step +1) or before it (-1) within the body; -1 none.
int NextCol(const GridModel& m, int col, int step) {
  for (int c = col + step; c >= m.HeadColCount() && c < m.ColCount(); c += step)
    if (m.ColWidth(c) > 0) return c;
  return -1;
}

int NextRow(const GridModel& m, int row, int step) {
  for (int r = row + step; r >= m.HeadRowCount() && r < m.RowCount(); r += step)
    if (m.RowHeight(r) > 0) return r;
  return -1;
}

int FirstCol(const GridModel& m) { return NextCol(m, m.HeadColCount() - 1, 1); }
int LastCol(const GridModel& m) { return NextCol(m, m.ColCount(), -1); }
int FirstRow(const GridModel& m) { return NextRow(m, m.HeadRowCount() - 1, 1); }
int LastRow(const GridModel& m) { return NextRow(m, m.RowCount(), -1); }

// Tab forward from (row, col): the next column, or the first column of the next row.
NavMove Forward(const GridModel& m, int row, int col, int fromRow) {
  NavMove mv;
  int c = NextCol(m, col, 1);
  if (c >= 0) {
    mv.cell = {fromRow, c};
    return mv;
  }
  int r = NextRow(m, row, 1);
  int first = FirstCol(m);
  if (r < 0 || first < 0) return mv;
  mv.cell = {r, first};
  mv.toLeftEdge = true;
  return mv;
}

}  // namespace

CellPos MasterOf(const GridModel& model, CellPos cell) {
  int b = model.FindMergedBlock(cell.row, cell.col);
  if (b < 0) return cell;
  const MergedBlock& k = model.MergedBlocks()[size_t(b)];
  return {k.masterRow, k.masterCol};
}

NavMove Navigate(const GridModel& m, CellPos focus, NavKey key) {
  NavMove mv;
  mv.cell = focus;
  if (!m.IsCell(focus.row, focus.col)) return mv;
  Span s = SpanOf(m, focus);
  NavMove next;
  switch (key) {
    case NavKey::Tab: next = Forward(m, focus.row, s.lastCol, focus.row); break;
    case NavKey::ShiftTab: {
      int c = NextCol(m, s.firstCol, -1);
      if (c >= 0) {
        next.cell = {focus.row, c};
      } else {
        int r = NextRow(m, s.firstRow, -1);
        int last = LastCol(m);
        if (r >= 0 && last >= 0) {
          next.cell = {r, last};
          next.toRightEdge = true;
        }
      }
      break;
    }
    case NavKey::Enter:
      if (m.Settings().enterFunction == 1) {
        // Leaves a merged block from its last row and column.
        next = Forward(m, s.lastRow, s.lastCol, s.lastRow);
      } else if (m.Settings().enterFunction == 2) {
        int r = NextRow(m, s.lastRow, 1);
        if (r >= 0) {
          next.cell = {r, focus.col};
        } else {
          int c = NextCol(m, s.lastCol, 1), first = FirstRow(m);
          if (c >= 0 && first >= 0) next.cell = {first, c};
        }
      }
      break;
    case NavKey::Left: {
      int c = NextCol(m, s.firstCol, -1);
      if (c >= 0) next.cell = {focus.row, c};
      break;
    }
    case NavKey::Right: {
      int c = NextCol(m, s.lastCol, 1);
      if (c >= 0) next.cell = {focus.row, c};
      break;
    }
    case NavKey::Up: {
      int r = NextRow(m, s.firstRow, -1);
      if (r >= 0) next.cell = {r, focus.col};
      break;
    }
    case NavKey::Down: {
      int r = NextRow(m, s.lastRow, 1);
      if (r >= 0) next.cell = {r, focus.col};
      break;
    }
    case NavKey::Home:
    case NavKey::CtrlHome: {
      int c = FirstCol(m);
      int r = key == NavKey::CtrlHome ? FirstRow(m) : focus.row;
      if (c >= 0 && r >= 0) next.cell = {r, c};
      next.toLeftEdge = true;
      break;
    }
    case NavKey::End:
    case NavKey::CtrlEnd: {
      int c = LastCol(m);
      int r = key == NavKey::CtrlEnd ? LastRow(m) : focus.row;
      if (c >= 0 && r >= 0) next.cell = {r, c};
      next.toRightEdge = true;
      break;
    }
  }
  if (!next.cell.Valid()) {
    mv.toLeftEdge = next.toLeftEdge;
    mv.toRightEdge = next.toRightEdge;
    return mv;
  }
  next.cell = MasterOf(m, next.cell);
  return next;
}

int PagedRow(const GridModel& model, int row, int rowsScrolled) {
  int first = model.HeadRowCount(), last = model.RowCount() - 1;
  if (last < first) return row;
  return int(std::max<int64_t>(first, std::min<int64_t>(last, int64_t(row) + rowsScrolled)));
}

}  // namespace grid

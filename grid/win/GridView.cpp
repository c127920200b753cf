// Painting through a back buffer (only the visible cells, pane by pane), the body's
// grid lines, scroll bars and scrolling.
#include <algorithm>
#include <vector>

#include "grid/core/GridNavigation.h"
#include "grid/win/CellPainter.h"
#include "grid/win/GridCtrl.h"
#include "grid/win/GridEditors.h"
#include "grid/win/TitleTip.h"
#include "runtime/win/ScopedGdi.h"

namespace grid::win {

namespace {

struct Pane {
  int firstRow, lastRow, firstCol, lastCol;  // inclusive; empty when first > last
  RECT clip;
};

// Header corner, header rows, header columns, body: the fill rectangles reach one
// pixel left of a cell, so each pane's clip starts one pixel early.
std::vector<Pane> PanesOf(const GridModel& model, GridLayout& layout) {
  int headRows = model.HeadRowCount(), headCols = model.HeadColCount();
  int lastRow = layout.LastVisibleRow(), lastCol = layout.LastVisibleCol();
  int top = layout.Scroll().topRow, left = layout.Scroll().leftCol;
  int hh = layout.HeaderHeight(), hw = layout.HeaderWidth();
  int cw = layout.ClientWidth(), ch = layout.ClientHeight();
  return {{0, headRows - 1, 0, headCols - 1, {0, 0, hw, hh}},
          {0, headRows - 1, left, lastCol, {hw - 1, 0, cw, hh}},
          {top, lastRow, 0, headCols - 1, {0, hh - 1, hw, ch}},
          {top, lastRow, left, lastCol, {hw - 1, hh - 1, cw, ch}}};
}

bool IsFocusOrHighlighted(const GridModel& model, int row, int col) {
  return model.Cell(row, col)->GetState() & (state::kFocus | state::kHighlighted);
}

// The cells of one pane within `clip`, then the merged blocks reaching into it, each
// drawn once over its whole rectangle. Focus and highlighted cells are noted.
void PaintPane(HDC dc, const GridModel& model, GridLayout& layout, const CellPainter& painter, const Pane& p,
               const RECT& clip, std::vector<CellPos>* focusCells) {
  rt::win::SavedDcState paneSaved(dc);
  IntersectClipRect(dc, p.clip.left, p.clip.top, p.clip.right, p.clip.bottom);
  for (int r = p.firstRow; r <= p.lastRow; ++r) {
    if (model.RowHeight(r) == 0) continue;
    for (int c = p.firstCol; c <= p.lastCol; ++c) {
      if (model.ColWidth(c) == 0) continue;
      const CGridCell* cell = model.Cell(r, c);
      if (cell->GetState() & state::kCovered || cell->GetMergeMaster()) continue;
      Rect rc = layout.CellRect(r, c);
      RECT rr{rc.left, rc.top, rc.right, rc.bottom};
      RECT hit;
      RECT grown{rr.left - 2, rr.top - 1, rr.right + 1, rr.bottom + 1};
      if (!IntersectRect(&hit, &grown, &clip)) continue;
      painter.Paint(dc, r, c, rr);
      if (IsFocusOrHighlighted(model, r, c)) focusCells->push_back({r, c});
    }
  }
  for (const MergedBlock& m : model.MergedBlocks()) {
    if (m.lastRow < p.firstRow || m.firstRow > p.lastRow || m.lastCol < p.firstCol || m.firstCol > p.lastCol)
      continue;
    Rect rc = layout.DrawRect(m.masterRow, m.masterCol);
    painter.Paint(dc, m.masterRow, m.masterCol, RECT{rc.left, rc.top, rc.right, rc.bottom});
    if (IsFocusOrHighlighted(model, m.masterRow, m.masterCol))
      focusCells->push_back({m.masterRow, m.masterCol});
  }
}

// The body's grid lines, clipped to the body.
void PaintBodyLines(HDC dc, const GridSettings& s, GridLayout& layout) {
  rt::win::ScopedPen pen(CreatePen(PS_SOLID, std::max(1, s.lineWidth), s.lineColor));
  rt::win::SavedDcState bodySaved(dc);
  IntersectClipRect(dc, layout.HeaderWidth(), layout.HeaderHeight(), layout.ClientWidth(),
                    layout.ClientHeight());
  rt::win::SelectedObject selectedPen(dc, pen.Get());
  for (const LineSegment& line : layout.BodyLines()) {
    if (line.vertical) {
      MoveToEx(dc, line.pos, line.from, nullptr);
      LineTo(dc, line.pos, line.to);
    } else {
      MoveToEx(dc, line.from, line.pos, nullptr);
      LineTo(dc, line.to, line.pos);
    }
  }
}

}  // namespace

void CGridCtrl::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  if (client.right > 0 && client.bottom > 0) {
    if (!paint_.backBuffer || paint_.backBufferSize.cx < client.right ||
        paint_.backBufferSize.cy < client.bottom) {
      paint_.backBuffer.Reset();
      paint_.backBufferSize = SIZE{std::max<LONG>(client.right, paint_.backBufferSize.cx),
                                   std::max<LONG>(client.bottom, paint_.backBufferSize.cy)};
      paint_.backBuffer.Reset(CreateCompatibleBitmap(dc, paint_.backBufferSize.cx, paint_.backBufferSize.cy));
    }
    rt::win::BitmapDc mem(dc, paint_.backBuffer.Get());
    PaintTo(mem.Get(), ps.rcPaint);
    BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, mem.Get(), ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
  }
  EndPaint(hwnd_, &ps);
  // The drag line is drawn over the painted grid.
  if (resize_.linePos >= 0) DrawDragLine();
}

void CGridCtrl::PaintTo(HDC dc, const RECT& clip) {
  GridLayout& layout = ScreenLayout();
  layout.ClampScroll();
  const GridSettings& s = model_.Settings();
  rt::win::SavedDcState saved(dc);
  IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);

  // 1. The grid's background.
  rt::win::FillSolid(dc, RECT{0, 0, layout.ClientWidth(), layout.ClientHeight()}, s.bkColor);

  // 2. The visible cells, pane by pane.
  CellPaintOptions options;
  options.pixelsPerInchX = GetDeviceCaps(dc, LOGPIXELSX);
  options.lineWidth = s.lineWidth;
  CellPainter painter(model_, *fonts_, options);
  std::vector<CellPos> focusCells;
  for (const Pane& p : PanesOf(model_, layout)) {
    if (p.firstRow > p.lastRow || p.firstCol > p.lastCol) continue;
    RECT visible;
    if (IntersectRect(&visible, &p.clip, &clip)) PaintPane(dc, model_, layout, painter, p, clip, &focusCells);
  }

  // 3. Grid lines of the body.
  PaintBodyLines(dc, s, layout);

  // 4. The focus cells once more, so no line crosses their frames.
  for (const CellPos& f : focusCells) {
    Rect rc = layout.DrawRect(f.row, f.col);
    rt::win::SavedDcState focusSaved(dc);
    if (!IsHeaderCell(model_, f.row, f.col))
      IntersectClipRect(dc, layout.HeaderWidth() - 1, layout.HeaderHeight() - 1, layout.ClientWidth(),
                        layout.ClientHeight());
    painter.Paint(dc, f.row, f.col, RECT{rc.left, rc.top, rc.right, rc.bottom});
  }
}

void CGridCtrl::OnSize() {
  RECT client;
  GetClientRect(hwnd_, &client);
  screenLayout_->SetClientSize(client.right, client.bottom);
  ScreenLayout().ClampScroll();
  UpdateScrollBars();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void CGridCtrl::UpdateScrollBars() {
  if (!hwnd_) return;
  GridLayout& layout = ScreenLayout();
  layout.ClampScroll();
  // Positions count body rows (columns) scrolled past; the page is what fits now.
  auto set = [this](int bar, int heads, int count, int maxTop, int pos, int page) {
    // Setting a scroll bar redraws it at once: only when something changed.
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    int maxPos = std::max(0, maxTop - heads);
    if (count <= heads || maxPos == 0) {
      si.nMax = 0;
      si.nPage = 1;
    } else {
      si.nPage = UINT(std::max(1, page));
      si.nMax = maxPos + int(si.nPage) - 1;
    }
    si.nPos = std::max(0, pos - heads);
    SCROLLINFO& last = bar == SB_VERT ? paint_.lastVScroll : paint_.lastHScroll;
    if (last.cbSize && last.nMax == si.nMax && last.nPage == si.nPage && last.nPos == si.nPos) return;
    // Drawing a scroll bar costs as much as painting the grid on some platforms: it is
    // redrawn only when its thumb moves by a pixel or its range changes (a page of a
    // million rows moves the thumb by less than that).
    RECT client;
    GetClientRect(hwnd_, &client);
    int track = bar == SB_VERT ? client.bottom : client.right;
    int span = std::max(1, si.nMax - int(si.nPage) + 1);
    int thumb = int(int64_t(si.nPos) * track / span), lastThumb = int(int64_t(last.nPos) * track / span);
    bool redraw = !last.cbSize || last.nMax != si.nMax || last.nPage != si.nPage || thumb != lastThumb;
    last = si;
    SetScrollInfo(hwnd_, bar, &si, redraw);
  };
  set(SB_VERT, model_.HeadRowCount(), model_.RowCount(), layout.MaxTopRow(), layout.Scroll().topRow,
      layout.RowsPerPage());
  set(SB_HORZ, model_.HeadColCount(), model_.ColCount(), layout.MaxLeftCol(), layout.Scroll().leftCol,
      layout.ColsPerPage());
}

void CGridCtrl::ScrollBy(int rows, int cols) {
  GridLayout& layout = ScreenLayout();
  ScrollState before = layout.Scroll();
  layout.Scroll().topRow = int(std::max<int64_t>(INT32_MIN / 2, int64_t(before.topRow) + rows));
  layout.Scroll().leftCol = int(std::max<int64_t>(INT32_MIN / 2, int64_t(before.leftCol) + cols));
  layout.ClampScroll();
  if (layout.Scroll().topRow == before.topRow && layout.Scroll().leftCol == before.leftCol) return;
  titleTip_->Hide();
  UpdateScrollBars();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void CGridCtrl::OnScroll(int bar, int code) {
  GridLayout& layout = ScreenLayout();
  bool vertical = bar == SB_VERT;
  int heads = vertical ? model_.HeadRowCount() : model_.HeadColCount();
  int page = vertical ? layout.RowsPerPage() : layout.ColsPerPage();
  int pos = vertical ? layout.Scroll().topRow : layout.Scroll().leftCol;
  int target = pos;
  switch (code) {
    case SB_LINEUP: target = pos - 1; break;
    case SB_LINEDOWN: target = pos + 1; break;
    case SB_PAGEUP: target = pos - page; break;
    case SB_PAGEDOWN: target = pos + page; break;
    case SB_TOP: target = heads; break;
    case SB_BOTTOM: target = vertical ? model_.RowCount() : model_.ColCount(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(hwnd_, bar, &si);
      target = heads + si.nTrackPos;
      break;
    }
    default: return;
  }
  if (vertical)
    ScrollBy(target - pos, 0);
  else
    ScrollBy(0, target - pos);
}

void CGridCtrl::ScrollToCell(int row, int col) {
  GridLayout& layout = ScreenLayout();
  ScrollState want = layout.ScrollToShow(row, col);
  ScrollBy(want.topRow - layout.Scroll().topRow, want.leftCol - layout.Scroll().leftCol);
}

}  // namespace grid::win

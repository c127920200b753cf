// The mouse: presses, releases, double-clicks, moves with the title tip and the
// sizing cursors, border drags with the inverted line, selection drags with the
// auto-scroll timer, and the wheel.
#include <algorithm>
#include <utility>

#include "grid/core/GridNavigation.h"
#include "grid/win/CellPainter.h"
#include "grid/win/GridCtrl.h"
#include "grid/win/GridEditors.h"
#include "grid/win/TitleTip.h"
#include "runtime/win/Gbk.h"
#include "runtime/win/ScopedGdi.h"

namespace grid::win {

namespace {

bool IsHeader(const GridModel& m, CellPos c) { return IsHeaderCell(m, c.row, c.col); }

// The border under the mouse that may be dragged: a column's first, then a row's.
Axis ResizableBorder(const GridSettings& s, const HitResult& hit, int* index) {
  if (s.isResizeWidth && hit.colBorder >= 0) {
    *index = hit.colBorder;
    return Axis::kColumn;
  }
  if (s.isResizeHeight && hit.rowBorder >= 0) {
    *index = hit.rowBorder;
    return Axis::kRow;
  }
  return Axis::kNone;
}

// The border a mode grabbed or drags.
Axis BorderAxis(mouse::Mode mode) {
  switch (mode) {
    case mouse::Mode::kColBorder:
    case mouse::Mode::kColDrag: return Axis::kColumn;
    case mouse::Mode::kRowBorder:
    case mouse::Mode::kRowDrag: return Axis::kRow;
    default: return Axis::kNone;
  }
}

// A column's width or a row's height.
int SizeAlong(const GridModel& m, Axis axis, int index) {
  return axis == Axis::kColumn ? m.ColWidth(index) : m.RowHeight(index);
}

void Resize(GridModel& m, Axis axis, int index, int size) {
  if (axis == Axis::kColumn)
    m.SetColWidth(index, size);
  else
    m.SetRowHeight(index, size);
}

// Left-right over a column border, up-down over a row border.
void ShowSizingCursor(Axis axis) {
  SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(axis == Axis::kColumn ? IDC_SIZEWE : IDC_SIZENS)));
}

}  // namespace

void CGridCtrl::OnLButtonDown(POINT pt, WPARAM keys) {
  // 1. Remember the focus cell, take the keyboard focus, find the cell pressed.
  titleTip_->Hide();
  press_.releaseEndsDoubleClick = false;
  press_.focusBefore = CellPos{model_.FocusRow(), model_.FocusCol()};
  SetFocus(hwnd_);
  if (!hwnd_) return;
  HitResult hit = ScreenLayout().HitTest(pt.x, pt.y);
  int borderIndex = -1;
  Axis border = ResizableBorder(model_.Settings(), hit, &borderIndex);
  CellPos pressed = hit.cell;
  press_.downCell = pressed;

  // 2. Unless on a border, the press starts afresh.
  if (border == Axis::kNone) {
    model_.ClearSelection();
    model_.ClearFocus();
  }

  // 3. The focus cell pressed again, or a selected one; else the focus moves there.
  if (!PressCell(pressed, keys)) return;

  // 4. Border grabs.
  SetCapture(hwnd_);
  if (border != Axis::kNone) return GrabBorder(border, borderIndex, pt);

  // 5. Header presses select a column or row; body presses start a selection drag.
  if (pressed.Valid()) PressHeaderOrBody(pressed);
}

bool CGridCtrl::PressCell(CellPos pressed, WPARAM keys) {
  CellPos focus{model_.FocusRow(), model_.FocusCol()};
  if (pressed.Valid() && pressed == focus) {
    if (CellEditable(pressed.row, pressed.col)) press_.mode = mouse::Mode::kPressedFocus;
    return false;
  }
  if (pressed.Valid() && model_.IsSelected(pressed.row, pressed.col)) {
    if (keys & MK_CONTROL) {
      model_.SelectCell(pressed.row, pressed.col, false);
      model_.SetFocusCell(pressed.row, pressed.col);
      return false;
    }
    if (model_.SelectRow()) press_.mode = mouse::Mode::kPressedSelectedRow;
  } else if (pressed.Valid()) {
    // A press on a border moves the focus too, before the border is grabbed.
    CellPos to = pressed;
    bool header = IsHeader(model_, pressed);
    if (!header || model_.Settings().processClickFixed) {
      to.row = std::max(to.row, model_.HeadRowCount());
      to.col = std::max(to.col, model_.HeadColCount());
      to = MasterOf(model_, to);
      if (model_.IsCell(to.row, to.col)) {
        model_.SetFocusCell(to.row, to.col);
        anchor_ = to;
      }
    }
  }
  return true;
}

void CGridCtrl::GrabBorder(Axis border, int index, POINT pt) {
  bool cols = border == Axis::kColumn;
  ShowSizingCursor(border);
  resize_.axis = border;
  resize_.index = index;
  resize_.startSize = SizeAlong(model_, border, index);
  resize_.grabbedAt = cols ? pt.x : pt.y;
  press_.mode = cols ? mouse::Mode::kColBorder : mouse::Mode::kRowBorder;
}

void CGridCtrl::PressHeaderOrBody(CellPos pressed) {
  if (IsHeader(model_, pressed)) {
    if (!model_.Settings().processClickFixed) return;
    if (pressed.row < model_.HeadRowCount() && pressed.col >= model_.HeadColCount()) {
      model_.SelectBlock(model_.HeadRowCount(), pressed.col, model_.RowCount() - 1, pressed.col);
    } else if (pressed.col < model_.HeadColCount() && pressed.row >= model_.HeadRowCount()) {
      model_.SelectBlock(pressed.row, model_.HeadColCount(), pressed.row, model_.ColCount() - 1);
    }
    RepaintAll();
    return;
  }
  if (press_.mode != mouse::Mode::kPressedSelectedRow) {
    press_.mode = model_.SelectRow() ? mouse::Mode::kSelectRows : mouse::Mode::kSelectCells;
    SelectRange(anchor_, CellPos{model_.FocusRow(), model_.FocusCol()});
    SetTimer(hwnd_, kAutoScrollTimer, kAutoScrollMs, nullptr);
    press_.timerRunning = true;
  }
  RepaintAll();
}

void CGridCtrl::OnLButtonUp(POINT pt) {
  mouse::Mode mode = std::exchange(press_.mode, mouse::Mode::kNone);
  bool afterDoubleClick = std::exchange(press_.releaseEndsDoubleClick, false);

  // 1. A border drag ends where the mouse was let go.
  if (mode == mouse::Mode::kColDrag || mode == mouse::Mode::kRowDrag) EndBorderDrag(BorderAxis(mode), pt);

  // 2. Sizes the user changed since the last release are reported (events 3 and 4).
  bool endedResize = BorderAxis(mode) != Axis::kNone || resize_.AnyChanged();
  if (int row = std::exchange(resize_.changedRow, -1); row >= 0 && sink_) sink_->RowHeightChanged(row);
  if (int col = std::exchange(resize_.changedCol, -1); col >= 0 && sink_) sink_->ColWidthChanged(col);

  // 3. Otherwise the release ends a click.
  if (!endedResize && hwnd_) EndClick(pt, afterDoubleClick);

  // 4. Capture and timer end.
  if (press_.timerRunning && hwnd_) KillTimer(hwnd_, kAutoScrollTimer);
  press_.timerRunning = false;
  if (GetCapture() == hwnd_) ReleaseCapture();
}

void CGridCtrl::EndBorderDrag(Axis axis, POINT pt) {
  // The inverted line goes; the size comes from where the mouse was let go.
  if (resize_.linePos >= 0) DrawDragLine();
  resize_.linePos = -1;
  ClipCursor(nullptr);
  int moved = (axis == Axis::kColumn ? int(pt.x) : int(pt.y)) - resize_.grabbedAt;
  int size = std::max(0, resize_.startSize + moved);
  if (size != SizeAlong(model_, axis, resize_.index)) Resize(model_, axis, resize_.index, size);
  if (SizeAlong(model_, axis, resize_.index) != resize_.startSize) resize_.Changed(axis, resize_.index);
}

// Another window took the mouse (a box popped up): the auto-scroll stops, and a border
// drag ends as a release would, but without resizing: the line goes, the cursor is free.
void CGridCtrl::OnCaptureLost() {
  if (press_.timerRunning && hwnd_) KillTimer(hwnd_, kAutoScrollTimer);
  press_.timerRunning = false;
  mouse::Mode mode = press_.mode;
  if (BorderAxis(mode) == Axis::kNone) return;
  press_.mode = mouse::Mode::kNone;
  if (resize_.linePos >= 0) DrawDragLine();
  resize_.linePos = -1;
  if (mode == mouse::Mode::kColDrag || mode == mouse::Mode::kRowDrag) ClipCursor(nullptr);
}

void CGridCtrl::EndClick(POINT pt, bool afterDoubleClick) {
  HitResult hit = ScreenLayout().HitTest(pt.x, pt.y);
  CellPos focus{model_.FocusRow(), model_.FocusCol()};
  bool checkCell = hit.cell.Valid() && model_.IsKindColumn(hit.cell.col, kind::kCheck);
  // 1. A click on a check cell toggles it.
  if (hit.cell.Valid() && hit.cell == press_.downCell && checkCell && hit.cell.row >= model_.HeadRowCount() &&
      !IsHeader(model_, hit.cell))
    ToggleCheck(hit.cell.row, hit.cell.col);
  // 2. A click on the cell that had the focus edits it. The release that ends a
  // double-click leaves both to the double-click, which has already done them.
  if (afterDoubleClick) {
    // nothing more
  } else if (focus == press_.focusBefore) {
    if (focus.Valid() && !checkCell && hit.cell == focus) {
      Rect r = ScreenLayout().DrawRect(focus.row, focus.col);
      if (r.Contains(pt.x, pt.y)) EditFocusCell();
    }
  } else if (hwnd_) {
    RepaintAll();
    RaiseFocusChanged();
  }
  // 3. The click events.
  if (sink_) sink_->Clicked(pt.x, pt.y);
  if (sink_ && hit.rawCell.Valid() && IsHeader(model_, hit.rawCell))
    sink_->HeaderClicked(hit.rawCell.row, hit.rawCell.col);
}

void CGridCtrl::OnLButtonDblClk(POINT pt) {
  titleTip_->Hide();
  press_.releaseEndsDoubleClick = true;
  HitResult hit = ScreenLayout().HitTest(pt.x, pt.y);
  const GridSettings& s = model_.Settings();
  if (hit.rawCell.Valid() && IsHeader(model_, hit.rawCell) && sink_)
    sink_->HeaderDoubleClicked(hit.rawCell.row, hit.rawCell.col);
  int borderIndex = -1;
  if (Axis border = ResizableBorder(s, hit, &borderIndex); border != Axis::kNone) {
    AutoFit(border, borderIndex);
    return;
  }
  if (hit.cell.Valid() && !IsHeader(model_, hit.cell)) {
    if (CellPos{model_.FocusRow(), model_.FocusCol()} != hit.cell) {
      model_.ClearSelection();
      model_.SetFocusCell(hit.cell.row, hit.cell.col);
      RaiseFocusChanged();
    }
    if (sink_) sink_->CellDoubleClicked(hit.cell.row, hit.cell.col);
    // The handler may have closed the window or moved the focus (a list that picks
    // the row and closes): then there is nothing left to edit here.
    if (!hwnd_ || CellPos{model_.FocusRow(), model_.FocusCol()} != hit.cell) return;
    if (!model_.IsKindColumn(hit.cell.col, kind::kCheck)) EditFocusCell();
  }
}

void CGridCtrl::AutoFit(Axis axis, int index) {
  bool cols = axis == Axis::kColumn;
  int fitted = 0;
  {
    rt::win::WindowDc dc(hwnd_);
    CellPaintOptions options;
    options.pixelsPerInchX = GetDeviceCaps(dc.Get(), LOGPIXELSX);
    CellPainter painter(model_, *fonts_, options);
    TextExtentMemo measured;
    int count = cols ? model_.RowCount() : model_.ColCount();
    for (int i = 0; i < count; ++i) {
      int row = cols ? i : index, col = cols ? index : i;
      const CGridCell* cell = model_.Cell(row, col);
      if (cell->GetState() & state::kCovered || cell->GetMergeMaster()) continue;
      if (cell->GetText().empty() && !cell->GetBitmap()) continue;
      SIZE extent = painter.ContentExtent(dc.Get(), row, col, &measured);
      fitted = std::max<int>(fitted, cols ? extent.cx : extent.cy);
    }
  }
  int before = SizeAlong(model_, axis, index);
  if (fitted > 0) Resize(model_, axis, index, fitted);
  if (SizeAlong(model_, axis, index) != before) resize_.Changed(axis, index);
}

void CGridCtrl::DrawDragLine() {
  if (!hwnd_ || resize_.linePos < 0) return;
  rt::win::WindowDc dc(hwnd_);
  RECT client;
  GetClientRect(hwnd_, &client);
  if (resize_.axis == Axis::kColumn)
    PatBlt(dc.Get(), resize_.linePos - 1, 0, 2, client.bottom, DSTINVERT);
  else
    PatBlt(dc.Get(), 0, resize_.linePos - 1, client.right, 2, DSTINVERT);
}

void CGridCtrl::OnMouseMove(POINT pt, WPARAM keys) {
  switch (press_.mode) {
    case mouse::Mode::kColBorder:
    case mouse::Mode::kRowBorder:
    case mouse::Mode::kColDrag:
    case mouse::Mode::kRowDrag: DragBorder(pt, keys); return;
    case mouse::Mode::kSelectCells:
    case mouse::Mode::kSelectRows: DragSelection(pt, keys); return;
    case mouse::Mode::kNone: ShowTitleTipAt(pt); return;
    default: return;
  }
}

void CGridCtrl::DragBorder(POINT pt, WPARAM keys) {
  // 1. A grabbed border starts to move with the button held; the cursor stays inside
  // the grid while dragging.
  if (press_.mode == mouse::Mode::kColBorder || press_.mode == mouse::Mode::kRowBorder) {
    if (!(keys & MK_LBUTTON)) return;
    press_.mode = press_.mode == mouse::Mode::kColBorder ? mouse::Mode::kColDrag : mouse::Mode::kRowDrag;
    RECT client;
    GetClientRect(hwnd_, &client);
    POINT tl{0, 0}, br{client.right, client.bottom};
    ClientToScreen(hwnd_, &tl);
    ClientToScreen(hwnd_, &br);
    RECT screen{tl.x, tl.y, br.x, br.y};
    ClipCursor(&screen);
  }
  // 2. The inverted line follows the mouse, never before the row's or column's start.
  GridLayout& layout = ScreenLayout();
  bool cols = press_.mode == mouse::Mode::kColDrag;
  int lead = cols ? layout.CellRect(0, resize_.index).left : layout.CellRect(resize_.index, 0).top;
  int pos = std::max<int>(lead, cols ? pt.x : pt.y);
  if (resize_.linePos >= 0) DrawDragLine();
  resize_.linePos = pos;
  DrawDragLine();
}

void CGridCtrl::DragSelection(POINT pt, WPARAM keys) {
  if (!(keys & MK_LBUTTON)) return;
  GridLayout& layout = ScreenLayout();
  HitResult hit =
      layout.HitTest(std::max<int>(pt.x, layout.HeaderWidth()), std::max<int>(pt.y, layout.HeaderHeight()));
  if (!hit.cell.Valid() || !model_.CanSelection()) return;
  CellPos to = hit.cell;
  to.row = std::max(to.row, model_.HeadRowCount());
  to.col = std::max(to.col, model_.HeadColCount());
  model_.ClearSelection();
  SelectRange(anchor_, to);
  RepaintAll();
}

void CGridCtrl::ShowTitleTipAt(POINT pt) {
  GridLayout& layout = ScreenLayout();
  HitResult hit = layout.HitTest(pt.x, pt.y);
  int borderIndex = -1;
  if (ResizableBorder(model_.Settings(), hit, &borderIndex) != Axis::kNone) {
    titleTip_->Hide();
    return;
  }
  if (!hit.cell.Valid()) return;
  const CGridCell* cell = model_.Cell(hit.cell.row, hit.cell.col);
  if (!cell || cell->GetText().empty() || cell->GetEditing() || GetCapture() == hwnd_) return;
  if (titleTip_->Visible()) return;
  CellPaintOptions options;
  SIZE need;
  {
    rt::win::WindowDc dc(hwnd_);
    options.pixelsPerInchX = GetDeviceCaps(dc.Get(), LOGPIXELSX);
    need = CellPainter(model_, *fonts_, options).ContentExtent(dc.Get(), hit.cell.row, hit.cell.col);
  }
  Rect r = layout.DrawRect(hit.cell.row, hit.cell.col);
  if (need.cx <= r.Width() && need.cy <= r.Height() + 2) return;
  CellColours colours = ColoursOf(model_, hit.cell.row, hit.cell.col);
  std::string shown = CellPainter(model_, *fonts_, options).DisplayText(hit.cell.row, hit.cell.col);
  titleTip_->Show(hwnd_, RECT{r.left, r.top, r.right, r.bottom}, shown,
                  fonts_->Get(FontOf(model_, hit.cell.row, hit.cell.col)), colours.text, colours.back,
                  cell->GetFormat());
}

bool CGridCtrl::OnSetCursor() {
  POINT pt;
  GetCursorPos(&pt);
  ScreenToClient(hwnd_, &pt);
  Axis border = BorderAxis(press_.mode);
  int borderIndex = -1;
  if (border == Axis::kNone)
    border = ResizableBorder(model_.Settings(), ScreenLayout().HitTest(pt.x, pt.y), &borderIndex);
  if (border == Axis::kNone) return false;
  ShowSizingCursor(border);
  return true;
}

void CGridCtrl::OnMouseWheel(int delta) {
  titleTip_->Hide();
  if (wheel_.lines == -1) {
    wheel_.remainder += delta;
    int notches = wheel_.remainder / WHEEL_DELTA;
    wheel_.remainder -= notches * WHEEL_DELTA;
    ScrollBy(-notches * ScreenLayout().RowsPerPage(), 0);
    return;
  }
  wheel_.remainder += delta * wheel_.lines;
  int lines = wheel_.remainder / WHEEL_DELTA;
  wheel_.remainder -= lines * WHEEL_DELTA;
  ScrollBy(-lines, 0);
}

void CGridCtrl::OnTimer() {
  if (press_.mode != mouse::Mode::kSelectCells && press_.mode != mouse::Mode::kSelectRows) {
    KillTimer(hwnd_, kAutoScrollTimer);
    press_.timerRunning = false;
    return;
  }
  POINT pt;
  GetCursorPos(&pt);
  ScreenToClient(hwnd_, &pt);
  GridLayout& layout = ScreenLayout();
  int rows = 0, cols = 0;
  if (pt.y >= layout.ClientHeight()) rows = 1;
  if (pt.y < layout.HeaderHeight()) rows = -1;
  if (pt.x >= layout.ClientWidth()) cols = 1;
  if (pt.x < layout.HeaderWidth()) cols = -1;
  if (!rows && !cols) return;
  ScrollBy(rows, cols);
  OnMouseMove(pt, MK_LBUTTON);
}

}  // namespace grid::win

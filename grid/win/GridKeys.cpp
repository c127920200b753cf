// Keyboard and characters: clipboard keys, navigation, Delete, F2, Space in check
// columns, and characters that start editing.
#include <algorithm>

#include "grid/core/GridNavigation.h"
#include "grid/win/GridCtrl.h"
#include "grid/win/GridEditors.h"
#include "grid/win/TitleTip.h"

namespace grid::win {

namespace {

bool Held(int key) { return GetKeyState(key) < 0; }

// The navigation a key asks for; false for other keys, and for the sideways keys,
// Tab and Enter while whole rows are selected.
bool NavKeyOf(UINT key, bool ctrl, bool shift, bool selectRow, NavKey* nav) {
  switch (key) {
    case VK_TAB: *nav = shift ? NavKey::ShiftTab : NavKey::Tab; return !selectRow;
    case VK_RETURN: *nav = NavKey::Enter; return !selectRow;
    case VK_LEFT: *nav = NavKey::Left; return !selectRow;
    case VK_RIGHT: *nav = NavKey::Right; return !selectRow;
    case VK_UP: *nav = NavKey::Up; return true;
    case VK_DOWN: *nav = NavKey::Down; return true;
    case VK_HOME: *nav = ctrl ? NavKey::CtrlHome : NavKey::Home; return true;
    case VK_END: *nav = ctrl ? NavKey::CtrlEnd : NavKey::End; return true;
    default: return false;
  }
}

}  // namespace

void CGridCtrl::OnKeyDown(UINT key) {
  titleTip_->Hide();
  CellPos focus{model_.FocusRow(), model_.FocusCol()};
  if (!model_.IsCell(focus.row, focus.col)) return;
  bool ctrl = Held(VK_CONTROL), shift = Held(VK_SHIFT);

  // 1. Clipboard keys and select-all.
  if (ctrl && (key == 'C' || key == VK_INSERT)) return CopyToClipboard();
  if (ctrl && key == 'X') return CutToClipboard();
  if ((ctrl && key == 'V') || (shift && key == VK_INSERT)) return PasteFromClipboard();
  if (ctrl && key == 'A') {
    if (!model_.CanSelection()) return;
    model_.SelectBlock(model_.HeadRowCount(), model_.HeadColCount(), model_.RowCount() - 1,
                       model_.ColCount() - 1);
    RepaintAll();
    return;
  }

  // 2. Keys that act on the focus cell: paging, Delete, F2, Space.
  if (OnCellKey(key, focus)) return;

  // 3. Navigation keys move the focus.
  NavKey nav;
  if (!NavKeyOf(key, ctrl, shift, model_.SelectRow() != 0, &nav)) return;
  NavMove move = Navigate(model_, focus, nav);
  if (move.toLeftEdge) ScrollBy(0, model_.HeadColCount() - ScreenLayout().Scroll().leftCol);
  if (move.toRightEdge) ScrollBy(0, ScreenLayout().MaxLeftCol() - ScreenLayout().Scroll().leftCol);
  MoveFocusTo(move.cell, key);
}

bool CGridCtrl::OnCellKey(UINT key, CellPos focus) {
  bool selectRow = model_.SelectRow() != 0;
  switch (key) {
    case VK_PRIOR:
    case VK_NEXT: {
      int before = ScreenLayout().Scroll().topRow;
      int page = ScreenLayout().RowsPerPage();
      ScrollBy(key == VK_NEXT ? page : -page, 0);
      int scrolled = ScreenLayout().Scroll().topRow - before;
      CellPos to = MasterOf(model_, CellPos{PagedRow(model_, focus.row, scrolled), focus.col});
      MoveFocusTo(to, key);
      return true;
    }
    case VK_DELETE:
      if (!selectRow) DeleteSelection();
      return true;
    case VK_F2: EditFocusCell(); return true;
    case VK_SPACE:
      if (model_.IsKindColumn(focus.col, kind::kCheck)) ToggleCheck(focus.row, focus.col);
      return true;
    default: return false;
  }
}

void CGridCtrl::SelectRange(CellPos from, CellPos to) {
  if (!from.Valid() || !to.Valid()) return;
  int r1 = std::min(from.row, to.row), r2 = std::max(from.row, to.row);
  int c1 = std::min(from.col, to.col), c2 = std::max(from.col, to.col);
  if (model_.SelectRow()) {
    c1 = model_.HeadColCount();
    c2 = model_.ColCount() - 1;
  }
  model_.SelectBlock(r1, c1, r2, c2);
}

void CGridCtrl::MoveFocusTo(CellPos cell, UINT key) {
  CellPos old{model_.FocusRow(), model_.FocusCol()};
  if (!model_.IsCell(cell.row, cell.col) || cell == old) return;
  if (press_.mode == mouse::Mode::kNone) model_.ClearSelection();
  // A focus set from outside (commands) leaves no anchor: extend from the old focus.
  if (!anchor_.Valid() || !model_.IsCell(anchor_.row, anchor_.col)) anchor_ = old;
  if (!Held(VK_SHIFT) || key == VK_TAB || !model_.CanSelection()) anchor_ = cell;
  SelectRange(anchor_, cell);
  cell = MasterOf(model_, cell);
  model_.SetFocusCell(cell.row, cell.col);
  RaiseFocusChanged();
  if (!hwnd_) return;
  ScrollToCell(cell.row, cell.col);
  RepaintAll();
}

void CGridCtrl::RaiseFocusChanged() {
  if (sink_) sink_->FocusChanged();
}

void CGridCtrl::DeleteSelection() {
  int fr = model_.FocusRow(), fc = model_.FocusCol();
  bool picture = model_.IsKindColumn(fc, kind::kPicture);
  if (CGridCell* cell = model_.Cell(fr, fc)) {
    cell->SetText("");
    if (picture) model_.SetCellBitmap(fr, fc, 0);
  }
  int r1 = 0, c1 = 0, r2 = -1, c2 = -1;
  model_.SelectionBounds(&r1, &c1, &r2, &c2);
  for (int r = r1; r <= r2; ++r)
    for (int c = c1; c <= c2; ++c) {
      if (!model_.IsSelected(r, c)) continue;
      CGridCell* cell = model_.Cell(r, c);
      cell->SetText("");
      cell->SetCheck(0);
      model_.SetCellBitmap(r, c, 0);
      model_.RepaintCell(r, c);
    }
  // Recomputes the formulas and sums that depend on the focus cell.
  model_.SetCellText(fr, fc, "", true);
}

void CGridCtrl::ToggleCheck(int row, int col) {
  if (row < model_.HeadRowCount() || model_.SelectRow() || !CellEditable(row, col)) return;
  if (sink_ && !sink_->CanEdit()) return;
  if (sink_) sink_->WillEdit();
  if (!hwnd_) return;
  CGridCell* cell = model_.Cell(row, col);
  if (!cell) return;
  cell->SetText("");
  model_.SetCellFormat(row, col, 0x825);
  model_.SetCellCheck(row, col, cell->GetCheck() ? 0 : 1);
  if (sink_) sink_->EditEnded();
}

void CGridCtrl::OnChar(UINT ch) {
  if (Held(VK_CONTROL) || press_.mode != mouse::Mode::kNone) return;
  if (ch == kEscapeChar || ch == L'\t') return;
  if (ch == L'\r' && model_.Settings().enterFunction != 0) return;
  int fr = model_.FocusRow(), fc = model_.FocusCol();
  if (!model_.IsCell(fr, fc)) return;
  // A check cell is only toggled (Space does that on key down).
  if (model_.IsKindColumn(fc, kind::kCheck)) return;
  BeginEdit(fr, fc, FirstInput::FromChar(wchar_t(ch)));
}

}  // namespace grid::win

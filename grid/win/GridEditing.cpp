// Beginning and ending in-place edits, and what follows the end: Tab moves on and
// edits again, Enter moves by the Enter function, event 2 in every case.
#include "grid/core/EditRules.h"
#include "grid/core/NumberText.h"
#include "grid/win/GridCtrl.h"
#include "grid/win/GridEditors.h"
#include "grid/win/TitleTip.h"

namespace grid::win {

bool CGridCtrl::CellEditable(int row, int col) const {
  const CGridCell* cell = model_.Cell(row, col);
  return cell && model_.Settings().isEdit && !(cell->GetState() & state::kReadOnly);
}

void CGridCtrl::EditFocusCell() {
  if (model_.IsCell(model_.FocusRow(), model_.FocusCol()))
    BeginEdit(model_.FocusRow(), model_.FocusCol(), FirstInput{});
}

bool CGridCtrl::BeginEdit(int row, int col, const FirstInput& first) {
  if (!CellEditable(row, col)) return false;
  if (edit_.editor) {
    edit_.editor->TypeInput(first);
    return true;
  }
  if (sink_ && !sink_->CanEdit()) return false;
  if (sink_) sink_->WillEdit();
  if (!hwnd_ || !IsWindow(hwnd_)) return false;
  titleTip_->Hide();
  ScrollToCell(row, col);
  UpdateWindow(hwnd_);
  RECT rect = CellRect(row, col);
  std::unique_ptr<GridEditor> editor = MakeGridEditor(*this, row, col, rect, first);
  if (!editor) return false;
  edit_.editor = std::move(editor);
  model_.Cell(row, col)->SetEditing(1);
  return true;
}

void CGridCtrl::EndEditing() {
  if (edit_.editor) OnEditorFinished(0, true);
}

void CGridCtrl::OnEditorFinished(UINT endKey, bool keepText) {
  GridEditor* editor = edit_.editor.get();
  if (!editor || editor->finishing) return;
  editor->finishing = true;
  int row = editor->Row(), col = editor->Col();
  std::string text;
  bool hasText = editor->Text(&text);
  if (!keepText) text = editor->InitialText();
  // Keys end the edit with the editor focused: the grid takes the focus back. When the
  // focus left for another window, it stays there.
  HWND focus = GetFocus();
  if (focus && editor->Owns(focus)) SetFocus(hwnd_);
  if (hasText && model_.IsCell(row, col)) {
    if (model_.IsNumberColumn(col) && LeadingNumber(text) != 0) text = CleanUpNumberText(text);
    if (text != model_.CellText(row, col)) model_.SetCellText(row, col, text, true);
  }
  if (CGridCell* cell = model_.Cell(row, col)) cell->SetEditing(0);
  edit_.editor.reset();
  RepaintCell(row, col);
  if (sink_) sink_->EditEnded();
  if (!hwnd_ || !IsWindow(hwnd_)) return;
  if (endKey == VK_TAB) {
    OnKeyDown(VK_TAB);
    FirstInput selectAll;
    selectAll.kind = FirstInput::kSelectAll;
    if (model_.IsCell(model_.FocusRow(), model_.FocusCol()) &&
        !model_.IsKindColumn(model_.FocusCol(), kind::kCheck))
      BeginEdit(model_.FocusRow(), model_.FocusCol(), selectAll);
  } else if (endKey == VK_RETURN &&
             (model_.Settings().enterFunction == 1 || model_.Settings().enterFunction == 2)) {
    OnKeyDown(VK_RETURN);
  }
}

void CGridCtrl::ReportListPick(int row, int col, const std::string& gbkItem) {
  std::string& last = edit_.lastListPicks[{row, col}];
  if (last == gbkItem && !last.empty()) return;
  last = gbkItem;
  if (sink_) sink_->ListItemPicked(row, col, gbkItem);
}

}  // namespace grid::win

// The grid window in a plain parent window, with a sink that records the events, real
// input messages, and a text dump of the grid to compare.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/win/GridCtrl.h"

namespace gridwin_test {

class RecordingSink : public grid::win::GridEventSink {
 public:
  void FocusChanged() override { log.push_back("0"); }
  void WillEdit() override { log.push_back("1"); }
  void EditEnded() override { log.push_back("2"); }
  void RowHeightChanged(int row) override { log.push_back("3:" + std::to_string(row)); }
  void ColWidthChanged(int col) override { log.push_back("4:" + std::to_string(col)); }
  void Clicked(int x, int y) override { log.push_back("5"); }
  void ListItemPicked(int row, int col, const std::string& text) override {
    log.push_back("6:" + std::to_string(row) + "," + std::to_string(col) + "," + text);
  }
  bool CanEdit() override {
    log.push_back("7");
    return canEdit;
  }
  void HeaderClicked(int row, int col) override {
    log.push_back("8:" + std::to_string(row) + "," + std::to_string(col));
  }
  void HeaderDoubleClicked(int row, int col) override {
    log.push_back("9:" + std::to_string(row) + "," + std::to_string(col));
  }
  void CellDoubleClicked(int row, int col) override {
    log.push_back("10:" + std::to_string(row) + "," + std::to_string(col));
    if (onCellDoubleClick) onCellDoubleClick();
  }
  void CharTypedInDateEditor(int ch) override { log.push_back("-11:" + std::to_string(ch)); }
  void FocusGained() override { ++gained; }
  void FocusLost() override { ++lost; }

  std::string Joined() const {
    std::string s;
    for (const std::string& e : log) s += (s.empty() ? "" : " ") + e;
    return s;
  }
  std::vector<std::string> log;
  bool canEdit = true;
  std::function<void()> onCellDoubleClick;  // what a handler of event 10 does
  int gained = 0, lost = 0;
};

// One shown parent for the whole program (hiding a shown window is slow under Wine
// without a window manager); each test makes its own grid in it.
HWND SharedParent();
void Pump();

class GridWinTest : public ::testing::Test {
 protected:
  // 6 rows x 5 columns, one header row and column, rows 24 and columns 60 pixels.
  void SetUp() override;
  void TearDown() override;

  grid::GridModel& M() { return grid->Model(); }
  // Rows joined by '\n', cells by '|'; the focus cell is marked '*', selected '+'.
  std::string Dump(int firstRow = 0, int lastRow = -1) const;
  void SetTexts(const std::vector<std::vector<std::string>>& rows);  // from (1, 1)
  void Focus(int row, int col);

  // Input to the window that has the keyboard focus (grid or editor).
  HWND Target() const;
  void Key(UINT vk);
  void Char(wchar_t ch);
  void Type(const std::string& ascii);
  void Hold(int vk, bool down);  // Shift, Ctrl for GetKeyState
  POINT Centre(int row, int col);
  void Click(int row, int col);
  void Press(POINT pt);
  void Release(POINT pt);
  void Move(POINT pt, bool button);
  std::string EditorText() const;

  RecordingSink sink;
  std::unique_ptr<grid::win::CGridCtrl> grid;
};

}  // namespace gridwin_test

#include "GridWinTestSupport.h"

#include "runtime/win/Gbk.h"

namespace gridwin_test {

HWND SharedParent() {
  static HWND parent = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = L"GridTestParent";
    RegisterClassExW(&wc);
    HWND hwnd = CreateWindowExW(0, L"GridTestParent", L"grid", WS_POPUP | WS_VISIBLE, 0, 0, 640, 400, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(hwnd);
    return hwnd;
  }();
  return parent;
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void GridWinTest::SetUp() {
  grid = grid::win::CGridCtrl::Create(SharedParent(), WS_VISIBLE | WS_BORDER, RECT{10, 10, 410, 260}, 100);
  ASSERT_TRUE(grid);
  grid->SetEventSink(&sink);
  grid->SetWheelLines(3);
  M().SetDefaultRowHeight(24);
  M().SetDefaultColWidth(60);
  M().SetRowCount(6);
  M().SetColCount(5);
  M().SetHeadRowCount(1);
  M().SetHeadColCount(1);
  SetFocus(grid->Hwnd());
  Pump();
}

void GridWinTest::TearDown() {
  Hold(VK_SHIFT, false);
  Hold(VK_CONTROL, false);
  grid.reset();
  Pump();
}

std::string GridWinTest::Dump(int firstRow, int lastRow) const {
  const grid::GridModel& m = grid->Model();
  if (lastRow < 0) lastRow = m.RowCount() - 1;
  std::string out;
  for (int r = firstRow; r <= lastRow; ++r) {
    if (r > firstRow) out += '\n';
    for (int c = 0; c < m.ColCount(); ++c) {
      if (c) out += '|';
      out += m.CellText(r, c);
      if (m.FocusRow() == r && m.FocusCol() == c) out += '*';
      if (m.IsSelected(r, c)) out += '+';
    }
  }
  return out;
}

void GridWinTest::SetTexts(const std::vector<std::vector<std::string>>& rows) {
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c) M().SetCellText(int(r) + 1, int(c) + 1, rows[r][c]);
}

void GridWinTest::Focus(int row, int col) {
  M().ClearSelection();
  M().SetFocusCell(row, col);
  M().SelectCell(row, col, true);
  sink.log.clear();
}

HWND GridWinTest::Target() const {
  HWND focus = GetFocus();
  return focus ? focus : grid->Hwnd();
}

void GridWinTest::Key(UINT vk) {
  SendMessageW(Target(), WM_KEYDOWN, vk, 1);
  Pump();
}

void GridWinTest::Char(wchar_t ch) {
  SendMessageW(Target(), WM_CHAR, ch, 1);
  Pump();
}

void GridWinTest::Type(const std::string& ascii) {
  for (char ch : ascii) Char(wchar_t(ch));
}

void GridWinTest::Hold(int vk, bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[vk] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

POINT GridWinTest::Centre(int row, int col) {
  RECT r = grid->CellRect(row, col);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void GridWinTest::Press(POINT pt) {
  SendMessageW(grid->Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
}

void GridWinTest::Release(POINT pt) {
  SendMessageW(grid->Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
  Pump();
}

void GridWinTest::Move(POINT pt, bool button) {
  SendMessageW(grid->Hwnd(), WM_MOUSEMOVE, button ? MK_LBUTTON : 0, MAKELPARAM(pt.x, pt.y));
}

void GridWinTest::Click(int row, int col) {
  POINT pt = Centre(row, col);
  Press(pt);
  Release(pt);
}

std::string GridWinTest::EditorText() const {
  HWND editor = grid->EditorHwnd();
  return editor ? rt::win::WindowTextGbk(editor) : "<no editor>";
}

}  // namespace gridwin_test

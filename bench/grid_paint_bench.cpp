// Times the grid window under the platform (run under Wine): painting a full
// 1920 x 1080 view of a small and of a million-row grid, scrolling one page, and
// typing into a cell of the big grid, and Ctrl+A on it with the repaint after (time
// and the private memory it adds). With "show" it opens a sample grid on screen
// instead (for looking at it), "show editor" with an open editor.
#include <windows.h>

#include "bench/BenchClock.h"
// After windows.h.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "grid/core/GridClipboard.h"
#include "grid/win/GridCtrl.h"

using grid::win::CGridCtrl;

namespace {

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CLOSE) PostQuitMessage(0);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND MakeParent(int w, int h, bool shown) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ParentProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = L"GridBenchParent";
  RegisterClassExW(&wc);
  return CreateWindowExW(0, L"GridBenchParent", L"grid", WS_POPUP | (shown ? WS_VISIBLE : 0), 0, 0, w, h,
                         nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

std::unique_ptr<CGridCtrl> MakeGrid(HWND parent, int rows, int cols, int colWidth) {
  RECT rc;
  GetClientRect(parent, &rc);
  auto g = CGridCtrl::Create(parent, WS_VISIBLE, rc, 100);
  grid::GridModel& m = g->Model();
  m.SetDefaultRowHeight(24);
  m.SetDefaultColWidth(colWidth);
  m.SetColCount(cols);
  m.SetRowCount(rows);
  m.SetHeadRowCount(1);
  m.SetHeadColCount(1);
  for (int r = 0; r<rows; r += rows> 1000 ? 997 : 1)
    for (int c = 0; c < cols; ++c)
      m.SetCellText(r, c, "Cell " + std::to_string(r) + "/" + std::to_string(c), false);
  // The first screen full of text in both grids, so they paint the same.
  for (int r = 0; r < 60 && r < rows; ++r)
    for (int c = 0; c < cols; ++c)
      m.SetCellText(r, c, "Cell " + std::to_string(r) + "/" + std::to_string(c), false);
  return g;
}

double TimePaint(CGridCtrl& g, int reps) {
  HDC screen = GetDC(g.Hwnd());
  RECT client;
  GetClientRect(g.Hwnd(), &client);
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = SelectObject(mem, bitmap);
  g.PaintTo(mem, client);  // warm the font cache
  double start = bench::NowMs();
  for (int i = 0; i < reps; ++i) g.PaintTo(mem, client);
  double ms = (bench::NowMs() - start) / reps;
  SelectObject(mem, old);
  DeleteObject(bitmap);
  DeleteDC(mem);
  ReleaseDC(g.Hwnd(), screen);
  return ms;
}

// Page Down through the key handler, then the window's own paint (back buffer and
// the copy to the screen). `keyMs` receives the key handling alone.
double TimePageScroll(CGridCtrl& g, int reps, double* keyMs) {
  double total = 0, keys = 0;
  for (int i = 0; i < reps; ++i) {
    double start = bench::NowMs();
    SendMessageW(g.Hwnd(), WM_KEYDOWN, VK_NEXT, 0);
    double mid = bench::NowMs();
    UpdateWindow(g.Hwnd());
    total += bench::NowMs() - start;
    keys += mid - start;
  }
  *keyMs = keys / reps;
  return total / reps;
}

// A whole-window repaint without any change: the cost of the screen copy.
double TimeRepaint(CGridCtrl& g, int reps) {
  double start = bench::NowMs();
  for (int i = 0; i < reps; ++i) {
    InvalidateRect(g.Hwnd(), nullptr, FALSE);
    UpdateWindow(g.Hwnd());
  }
  return (bench::NowMs() - start) / reps;
}

// The process's working set, in MB (the figure Wine keeps up to date).
double PrivateMb() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return double(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

// Ctrl+A through the key handler (Ctrl held in the thread's key state), then the
// window's repaint, then a click that clears the selection again.
void TimeSelectAll(CGridCtrl& g) {
  BYTE keys[256];
  GetKeyboardState(keys);
  double before = PrivateMb();
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  double start = bench::NowMs();
  SendMessageW(g.Hwnd(), WM_KEYDOWN, 'A', 0);
  double selected = bench::NowMs();
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  UpdateWindow(g.Hwnd());
  double painted = bench::NowMs();
  double after = PrivateMb();
  size_t count = g.Model().SelectionCount();
  std::printf(
      "  Ctrl+A, 1,000,000 rows (%zu cells):       %7.2f ms, repaint after it %.2f ms, memory +%.1f MB\n",
      count, selected - start, painted - selected, after - before);
  // The text Ctrl+C would put on the clipboard.
  before = PrivateMb();
  start = bench::NowMs();
  std::string text = grid::BuildClipboardText(g.Model());
  double copyMs = bench::NowMs() - start;
  std::printf("  copy text of it (%.1f MB):                  %7.2f ms, memory +%.1f MB with the text\n",
              double(text.size()) / (1024.0 * 1024.0), copyMs, PrivateMb() - before);
  std::string().swap(text);
  start = bench::NowMs();
  g.Model().ClearSelection();
  UpdateWindow(g.Hwnd());
  std::printf("  clearing it and the repaint:                %7.2f ms\n", bench::NowMs() - start);
}

int Bench() {
  HWND parent = MakeParent(1920, 1080, true);
  std::printf("grid paint benchmark, client 1920 x 1080, rows 24 px, %d-bit build\n", int(sizeof(void*) * 8));
  auto small = MakeGrid(parent, 100, 4, 480);
  auto big = MakeGrid(parent, 1000000, 4, 480);
  ShowWindow(small->Hwnd(), SW_HIDE);
  // Rounds interleaved, the best of each kept, to even out a busy machine.
  double bestSmall = 1e9, bestBig = 1e9;
  for (int round = 0; round < 5; ++round) {
    bestSmall = std::min(bestSmall, TimePaint(*small, 20));
    bestBig = std::min(bestBig, TimePaint(*big, 20));
  }
  std::printf("  paint full view, 100 rows x 4 columns:       %7.2f ms\n", bestSmall);
  std::printf("  paint full view, 1,000,000 rows x 4 columns: %7.2f ms (%.1f %% of the small grid)\n",
              bestBig, 100.0 * bestBig / bestSmall);
  small.reset();
  Pump();
  big->Model().SetFocusCell(500000, 2);
  double keys = 0;
  double page = TimePageScroll(*big, 20, &keys);
  std::printf("  page down + window repaint, 1,000,000 rows:  %7.2f ms (key handling %.2f ms)\n", page, keys);
  std::printf("  window repaint without change:               %7.2f ms\n", TimeRepaint(*big, 20));
  SetFocus(big->Hwnd());
  TimeSelectAll(*big);
  // Typing into a cell of the big grid: the first key opens the editor, the others go
  // into it, Enter stores the text.
  big->Model().SetFocusCell(500000, 2);
  SetFocus(big->Hwnd());
  double start = bench::NowMs();
  SendMessageW(big->Hwnd(), WM_CHAR, L'1', 0);
  UpdateWindow(big->Hwnd());
  double open = bench::NowMs() - start;
  start = bench::NowMs();
  for (int i = 0; i < 20; ++i) {
    SendMessageW(GetFocus(), WM_CHAR, L'0' + i % 10, 0);
    UpdateWindow(GetFocus());
  }
  double perKey = (bench::NowMs() - start) / 20;
  start = bench::NowMs();
  SendMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
  UpdateWindow(big->Hwnd());
  double store = bench::NowMs() - start;
  std::printf(
      "  typing into row 500000: open editor %.2f ms, per key %.3f ms, Enter (store, repaint) %.2f ms\n",
      open, perKey, store);
  big.reset();
  DestroyWindow(parent);
  return 0;
}

// A sample of everything the grid draws, left on screen for a few seconds.
int Show(bool editor) {
  HWND parent = MakeParent(900, 420, true);
  RECT rc{0, 0, 900, 420};
  auto g = CGridCtrl::Create(parent, WS_VISIBLE, rc, 100);
  grid::GridModel& m = g->Model();
  m.SetDefaultRowHeight(26);
  m.SetDefaultColWidth(100);
  m.SetColCount(9);
  m.SetRowCount(12);
  m.SetHeadRowCount(2);
  m.SetHeadColCount(1);
  const char* heads[] = {"", "文本", "数值", "日期", "列表", "选择", "图片", "货币", "备注"};
  for (int c = 0; c < 9; ++c) m.SetCellText(1, c, heads[c]);
  m.SetCellText(0, 1, "送货单 (合并的表头)");
  m.MergeCells(0, 1, 0, 4);
  m.SetCellFormat(0, 1, 0x825);
  m.SetCellText(0, 5, "第二组");
  m.MergeCells(0, 5, 0, 8);
  m.SetCellFormat(0, 5, 0x825);
  for (int kindIndex = 1; kindIndex <= 7; ++kindIndex) m.SetColumnKind(kindIndex, kindIndex);
  m.SetDecimalPlaces(2, 2);
  m.SetDecimalPlaces(7, 2);
  m.AddColumnListItem(4, "平方米");
  m.AddColumnListItem(4, "立方米");
  m.AddColumnListItem(4, "套");
  for (int r = 2; r < 12; ++r) {
    m.SetCellText(r, 0, std::to_string(r - 1));
    m.SetCellFormat(r, 0, 0x825);
    m.SetCellText(r, 1, "规格 " + std::to_string(r * 30) + "x" + std::to_string(r * 20));
    m.SetCellText(r, 2, std::to_string(r * 1.5));
    m.SetCellText(r, 3, "2024-03-" + std::to_string(r + 10));
    m.SetCellText(r, 4, r % 2 ? "平方米" : "套");
    m.SetCellCheck(r, 5, r % 3 == 0);
    m.SetCellText(r, 7, std::to_string(r * 12.5));
    m.SetCellText(r, 8, r == 4 ? "这是一段很长的备注文字, 单元格放不下" : r == 5 ? "a-b_c" : "");
  }
  // A picture: a small gradient bitmap, stretched to its cells.
  for (int r = 2; r < 6; ++r) {
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 32, 16);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, bmp);
    for (int x = 0; x < 32; ++x)
      for (int y = 0; y < 16; ++y) SetPixel(mem, x, y, RGB(x * 8, 255 - y * 16, 128 + r * 20));
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    m.SetCellBitmap(r, 6, reinterpret_cast<grid::Bitmap>(bmp));
  }
  grid::ColumnKindEntry pictures = *m.FindColumnKind(6);
  pictures.pictureMode = grid::picturemode::kStretch;
  m.AppendColumnKind(pictures);
  m.MergeCells(7, 1, 8, 2);
  m.SetCellText(7, 1, "合并的单元格");
  m.SetCellFormat(7, 1, 0x825);
  m.SetCellDiagonal(10, 1, 1);
  m.SetCellDiagonal(10, 2, 2);
  m.SetCellDiagonal(10, 3, 3);
  m.SetCellBkColor(11, 8, RGB(255, 240, 200));
  m.SetFocusCell(3, 2);
  for (int r = 5; r <= 6; ++r)
    for (int c = 1; c <= 3; ++c) m.SelectCell(r, c, true);
  SetForegroundWindow(parent);
  SetFocus(g->Hwnd());
  if (editor) {
    m.ClearSelection();
    m.SetFocusCell(4, 1);
    SendMessageW(g->Hwnd(), WM_CHAR, L'宽', 0);
    SendMessageW(GetFocus(), WM_CHAR, L'1', 0);
    SendMessageW(GetFocus(), WM_CHAR, L'2', 0);
  }
  DWORD until = GetTickCount() + 6000;
  while (GetTickCount() < until) {
    Pump();
    Sleep(20);
  }
  g.reset();
  DestroyWindow(parent);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "show") == 0)
    return Show(argc > 2 && std::strcmp(argv[2], "editor") == 0);
  return Bench();
}

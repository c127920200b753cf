// Times fitting a column of a million rows to its widest text (a double-click on the
// column's right border), run under Wine: once with few distinct texts (a column of
// units or prices), once with every text different. Prints the width reached, which
// must not change when the measuring gets faster.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "bench/BenchClock.h"
#include "grid/win/GridCtrl.h"

using grid::win::CGridCtrl;

namespace {

constexpr int kRows = 1000000;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND MakeParent() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ParentProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"GridAutoFitBench";
  RegisterClassExW(&wc);
  return CreateWindowExW(0, L"GridAutoFitBench", L"grid", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

// Column 1 holds a text in every body row: `distinct` different ones, repeated.
std::unique_ptr<CGridCtrl> MakeGrid(HWND parent, int distinct) {
  RECT rc{0, 0, 800, 600};
  auto g = CGridCtrl::Create(parent, WS_VISIBLE, rc, 100);
  grid::GridModel& m = g->Model();
  m.SetColCount(3);
  m.SetRowCount(kRows);
  m.SetHeadRowCount(1);
  m.SetHeadColCount(1);
  for (int r = 1; r < kRows; ++r)
    m.SetCellText(r, 1, "规格 " + std::to_string(1000 + r % distinct) + " cm", false);
  return g;
}

// Fits column 1 by a double-click on its right border; the time and the width.
double TimeFit(CGridCtrl& g, int* width) {
  g.Model().SetColWidth(1, 40);
  RECT cell = g.CellRect(0, 1);
  LPARAM at = MAKELPARAM(cell.right, (cell.top + cell.bottom) / 2);
  double start = bench::NowMs();
  SendMessageW(g.Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  double ms = bench::NowMs() - start;
  SendMessageW(g.Hwnd(), WM_LBUTTONUP, 0, at);
  *width = g.Model().ColWidth(1);
  return ms;
}

}  // namespace

int main() {
  HWND parent = MakeParent();
  std::printf("grid auto-fit benchmark, %d rows, %d-bit build\n", kRows, int(sizeof(void*) * 8));
  for (int distinct : {100, kRows}) {
    auto g = MakeGrid(parent, distinct);
    double best = 1e12;
    int width = 0;
    for (int round = 0; round < 3; ++round) best = std::min(best, TimeFit(*g, &width));
    std::printf("  fit column, %7d distinct texts: %9.1f ms, width %d\n", distinct, best, width);
  }
  DestroyWindow(parent);
  return 0;
}

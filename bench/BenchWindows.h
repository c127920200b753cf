// What the Windows benchmarks of the program's windows share: the program started on a
// book, a menu item chosen, a button pressed until the grid has painted, the runs shown.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/core/NoteBookAccess.h"
#include "app/core/ProgramTemplates.h"
#include "bench/BenchClock.h"
#include "runtime/win/RuntimeHost.h"

namespace bench {

// Milliseconds of processor time the process has used (what the load of other programs
// on the machine does not inflate).
inline double CpuMs() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto ms = [](const FILETIME& f) {
    return double((uint64_t(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 1e4;
  };
  return ms(kernel) + ms(user);
}

// The program's main window loaded, over the book file at `path`.
inline void StartProgram(rt::win::RuntimeHost& host, const std::string& path) {
  app::SetNoteBookPath(path);
  host.RuntimeNotify(rt::notify::kInitialiseHost);
  host.LoadStartWindow(app::kMainWindowId);
}

// The main menu's item `menuId` chosen, as a click on it does (its command is 20000 +
// its place).
inline void ChooseMenuItem(rt::win::RuntimeHost& host, uint32_t menuId) {
  auto main = host.FindLoadedWindow(app::kMainWindowId);
  for (size_t i = 0; i < main->menuItems.size(); ++i)
    if (main->menuItems[i]->id == menuId) SendMessageW(main->hwnd, WM_COMMAND, WPARAM(20000 + i), 0);
}

// `button` pressed and `grid` painted: the wall and processor milliseconds it took.
inline void TimePress(HWND button, HWND grid, std::vector<double>* ms, std::vector<double>* cpu) {
  double start = NowMs(), used = CpuMs();
  SendMessageW(button, BM_CLICK, 0, 0);
  UpdateWindow(grid);
  ms->push_back(NowMs() - start);
  cpu->push_back(CpuMs() - used);
}

// The median of the runs after the first, which warms the caches.
inline double MedianOfOthers(std::vector<double> ms) {
  std::sort(ms.begin() + 1, ms.end());
  return ms[1 + (ms.size() - 1) / 2];
}

// " a b c ms" for each run, then the first and the median of the others.
inline void PrintRuns(const std::vector<double>& ms) {
  for (double m : ms) std::printf(" %.1f", m);
  std::printf(" ms\nfirst %.1f ms, median of the others %.1f ms", ms[0], MedianOfOthers(ms));
}

}  // namespace bench

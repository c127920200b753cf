// Memory of a loaded grid of 100,000 rows x 10 columns with a short text in every cell:
// the heap bytes the grid holds (every allocation counted), the resident set it adds,
// and the peaks while loading. Prints one line per figure.
#include <malloc.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <new>
#include <string>

#include "grid/core/GridFile.h"
#include "grid/core/GridModel.h"

//--- Allocation counting -----------------------------------------------------------------

namespace {
std::atomic<int64_t> g_live{0};
std::atomic<int64_t> g_peak{0};

void* Counted(size_t n) {
  void* p = std::malloc(n ? n : 1);
  if (!p) throw std::bad_alloc();
  int64_t live = g_live += int64_t(malloc_usable_size(p));
  int64_t peak = g_peak.load();
  while (live > peak && !g_peak.compare_exchange_weak(peak, live)) {
  }
  return p;
}
void Uncounted(void* p) {
  if (!p) return;
  g_live -= int64_t(malloc_usable_size(p));
  std::free(p);
}
}  // namespace

void* operator new(size_t n) { return Counted(n); }
void* operator new[](size_t n) { return Counted(n); }
void operator delete(void* p) noexcept { Uncounted(p); }
void operator delete[](void* p) noexcept { Uncounted(p); }
void operator delete(void* p, size_t) noexcept { Uncounted(p); }
void operator delete[](void* p, size_t) noexcept { Uncounted(p); }

//--- Process figures ---------------------------------------------------------------------

namespace {

// A "VmRSS:" or "VmHWM:" line of /proc/self/status, in kB.
int64_t StatusKb(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(field, 0) == 0) return std::atoll(line.c_str() + std::string(field).size());
  return -1;
}

// Starts the resident-set peak afresh (Linux: writing 5 to clear_refs).
void ResetPeakRss() { std::ofstream("/proc/self/clear_refs") << "5"; }

double Mb(int64_t bytes) { return double(bytes) / (1024.0 * 1024.0); }

}  // namespace

int main() {
  constexpr int kRows = 100000, kCols = 10;
  std::vector<uint8_t> bytes;
  {
    grid::GridModel g;
    g.SetRowCount(kRows);
    g.SetColCount(kCols);
    g.SetHeadRowCount(1);
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c)
        g.SetCellText(r, c, "r" + std::to_string(r) + "c" + std::to_string(c), false);
    bytes = grid::SaveGridToBuffer(g);
  }
  malloc_trim(0);

  int64_t heapBefore = g_live.load();
  int64_t rssBefore = StatusKb("VmRSS:");
  g_peak = heapBefore;
  ResetPeakRss();
  auto start = std::chrono::steady_clock::now();
  auto grid = std::make_unique<grid::GridModel>();
  if (!grid::LoadGridFromBuffer(*grid, bytes.data(), bytes.size())) {
    std::fputs("load failed\n", stderr);
    return 1;
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  int64_t heapAfter = g_live.load();
  int64_t rssAfter = StatusKb("VmRSS:");
  int64_t rssPeak = StatusKb("VmHWM:");

  std::printf("grid file:                         %.1f MB (%d x %d cells)\n", Mb(int64_t(bytes.size())),
              kRows, kCols);
  std::printf("load time:                         %.3f s\n", seconds);
  std::printf("heap held by the loaded grid:      %.1f MB (%.0f bytes per cell)\n",
              Mb(heapAfter - heapBefore), double(heapAfter - heapBefore) / (double(kRows) * kCols));
  std::printf("heap peak while loading:           %.1f MB above the start\n", Mb(g_peak.load() - heapBefore));
  std::printf("resident set added by the grid:    %.1f MB\n", double(rssAfter - rssBefore) / 1024.0);
  std::printf("resident peak while loading:       %.1f MB above the start\n",
              double(rssPeak - rssBefore) / 1024.0);
  std::printf("resident set in all (file + grid): %.1f MB\n", double(rssAfter) / 1024.0);
  return 0;
}

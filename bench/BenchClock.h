// Timing shared by the benchmarks: milliseconds from the performance counter on Windows,
// and the sorted times of repeated runs natively.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>
#endif

namespace bench {

#ifdef _WIN32
inline double NowMs() {
  static const LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) * 1000.0 / double(freq.QuadPart);
}
#else
// Milliseconds of each run of `f` (given the run's index), shortest first.
inline std::vector<double> SortedRunMs(int runs, const std::function<void(int)>& f) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    f(i);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  return ms;
}
#endif

}  // namespace bench

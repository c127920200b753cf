// Lunar conversions at the scale the month calendar uses them.
#include <benchmark/benchmark.h>

#include "calendar/core/DateTimeParts.h"
#include "calendar/core/LunarDate.h"
#include "calendar/core/LunarFormat.h"
#include "calendar/core/SolarTerms.h"

namespace {

using cal::GregorianDate;

// Every convertible day: 19 February 1901 to 31 December 2048.
void BM_GregorianToLunarEveryDay(benchmark::State& state) {
  int64_t days = 0;
  for (auto _ : state) {
    GregorianDate date{1901, 2, 19};
    while (date.year <= 2048) {
      benchmark::DoNotOptimize(cal::GregorianToLunar(date));
      cal::StepDay(date, true);
      ++days;
    }
  }
  state.SetItemsProcessed(days);
}
BENCHMARK(BM_GregorianToLunarEveryDay)->Unit(benchmark::kMillisecond);

// The same days converted and back, with each day's solar term.
void BM_RoundTripAndTermEveryDay(benchmark::State& state) {
  int64_t days = 0;
  for (auto _ : state) {
    GregorianDate date{1901, 2, 19};
    while (date.year <= 2048) {
      auto lunar = cal::GregorianToLunar(date);
      benchmark::DoNotOptimize(cal::LunarToGregorian(*lunar));
      benchmark::DoNotOptimize(cal::SolarTermOn(date));
      cal::StepDay(date, true);
      ++days;
    }
  }
  state.SetItemsProcessed(days);
}
BENCHMARK(BM_RoundTripAndTermEveryDay)->Unit(benchmark::kMillisecond);

// One description text per cell of a six-week calendar page.
void BM_FormatSixWeeks(benchmark::State& state) {
  for (auto _ : state) {
    GregorianDate date{2011, 1, 31};
    for (int cell = 0; cell < 42; ++cell) {
      benchmark::DoNotOptimize(
          cal::FormatLunarText(cal::MakeDateTime(date, 23, 59, 59), cal::kDefaultLunarPattern));
      cal::StepDay(date, true);
    }
  }
  state.SetItemsProcessed(state.iterations() * 42);
}
BENCHMARK(BM_FormatSixWeeks)->Unit(benchmark::kMicrosecond);

}  // namespace

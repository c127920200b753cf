// Customer names and note dates for the benchmark books, shared so the file-only and the
// two-store benchmarks fill books of the same shape.
#pragma once

#include <cstdio>
#include <string>

namespace bench {

inline std::string Customer(int i) {
  return "客户" + std::to_string(i) + (i % 3 ? "建材" : "装饰工程有限公司");
}

// Day `day` counted from 2022-01-01 in 365-day years: "YYYY-MM-DD".
inline std::string Date(int day) {
  static const int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int year = 2022 + day / 365, d = day % 365, month = 0;
  while (d >= kMonthDays[month]) d -= kMonthDays[month++];
  char text[40];  // room for any int, so the compiler sees nothing cut
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month + 1, d + 1);
  return text;
}

}  // namespace bench

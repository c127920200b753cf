#include "grid/core/DateText.h"

#include <cstdio>

namespace grid {

namespace {

bool ReadNumber(std::string_view t, size_t* i, int minDigits, int maxDigits, int* out) {
  int v = 0, n = 0;
  while (*i < t.size() && n < maxDigits && t[*i] >= '0' && t[*i] <= '9') {
    v = v * 10 + (t[*i] - '0');
    ++*i;
    ++n;
  }
  *out = v;
  return n >= minDigits;
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysIn(int y, int m) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

}  // namespace

bool ParseDateText(std::string_view t, CivilDate* date) {
  size_t i = 0;
  CivilDate d;
  if (!ReadNumber(t, &i, 4, 4, &d.year)) return false;
  if (i >= t.size()) return false;
  char sep = t[i];
  if (sep != '-' && sep != '/' && sep != '.') return false;
  ++i;
  if (!ReadNumber(t, &i, 1, 2, &d.month) || i >= t.size() || t[i] != sep) return false;
  ++i;
  if (!ReadNumber(t, &i, 1, 2, &d.day)) return false;
  if (i < t.size() && t[i] != ' ' && t[i] != 'T') return false;
  if (d.year < 100 || d.month < 1 || d.month > 12 || d.day < 1 || d.day > DaysIn(d.year, d.month))
    return false;
  *date = d;
  return true;
}

std::string FormatDate(const CivilDate& d, std::string_view format) {
  std::string out;
  char buf[16];
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 == format.size()) {
      out += format[i];
      continue;
    }
    char c = format[++i];
    switch (c) {
      case 'Y': snprintf(buf, sizeof buf, "%04d", d.year); break;
      case 'y': snprintf(buf, sizeof buf, "%02d", d.year % 100); break;
      case 'm': snprintf(buf, sizeof buf, "%02d", d.month); break;
      case 'd': snprintf(buf, sizeof buf, "%02d", d.day); break;
      case 'H':
      case 'M':
      case 'S': snprintf(buf, sizeof buf, "00"); break;
      case '%': snprintf(buf, sizeof buf, "%%"); break;
      default: snprintf(buf, sizeof buf, "%%%c", c); break;
    }
    out += buf;
  }
  return out;
}

}  // namespace grid

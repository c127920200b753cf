#include "grid/core/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace grid {

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool IsSpace(char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); }

}  // namespace

double LeadingNumber(std::string_view text) {
  size_t i = 0, n = text.size();
  while (i < n && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  size_t start = i;
  size_t digits = 0;
  while (i < n && IsDigit(text[i])) ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < n && IsDigit(text[j])) {
      while (j < n && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  double value = 0;
  // from_chars takes no '+' and no leading point-less sign; the sign is applied here.
  auto result = std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::general);
  if (result.ec != std::errc() || !std::isfinite(value)) return 0;
  return negative ? -value : value;
}

std::string FormatFixed(double value, int places) {
  if (!std::isfinite(value) || value == 0) value = 0;
  if (places < 0) places = 0;
  char buffer[400];  // DBL_MAX has 309 integer digits; places are at most 9 here
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, places);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer, result.ptr);
}

std::string FormatGeneral(double value, int precision) {
  char buffer[64];
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer, result.ptr);
}

}  // namespace grid

#include "app/core/BookDates.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "app/core/NoteCalls.h"
#include "runtime/core/DateTime.h"

namespace app {

namespace {

std::string Ymd(int year, int month, int day) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

std::tm LocalNow() {
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  if (const std::tm* p = std::localtime(&now)) parts = *p;
  return parts;
}

}  // namespace

std::string TodayText() {
  std::tm t = LocalNow();
  return Ymd(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
}

std::string NowText() {
  std::tm t = LocalNow();
  char text[16];
  std::snprintf(text, sizeof text, " %02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
  return Ymd(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday) + text;
}

double TodayDateTime() {
  std::tm t = LocalNow();
  return rt::MakeDateTime(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
}

std::string DateBoxText(uint32_t windowId, uint32_t dateBoxId) {
  uint64_t words = ReadUnitWords(windowId, dateBoxId, prop::kDateBoxDate);
  double value;
  std::memcpy(&value, &words, sizeof value);
  rt::DateTimeParts d = rt::SplitDateTime(value);
  return Ymd(d.year, d.month, d.day);
}

void SetDateBox(uint32_t windowId, uint32_t dateBoxId, double dateTime) {
  uint64_t words;
  std::memcpy(&words, &dateTime, sizeof words);
  WriteUnitWords(windowId, dateBoxId, prop::kDateBoxDate, words);
}

}  // namespace app

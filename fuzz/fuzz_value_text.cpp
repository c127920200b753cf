// Any text must read as a number without overrunning or hanging, the same number as its
// leading number spelled in ASCII, and whatever number comes out must turn into a
// bounded capital amount and a date-time text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "runtime/core/DateTime.h"
#include "runtime/core/ValueConversions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);  // zero-terminated copy
  const double number = rt::TextToNumber(text.c_str());
  if (std::isnan(number)) abort();
  // Exact sums read the number through its ASCII spelling: it must be the same number.
  const std::string spelled = rt::LeadingNumberText(text.c_str());
  if (rt::TextToNumber(spelled.c_str()) != number || (spelled.empty() && number != 0)) abort();
  if (rt::NumberToCapitalText(number, false).size() > 240) abort();
  if (rt::NumberToCapitalText(-number, true).size() > 240) abort();

  const double date = rt::ClampDateTime(number);
  if (!(date >= rt::kMinDateTime && date <= rt::kMaxDateTime)) abort();
  const rt::DateTimeParts parts = rt::SplitDateTime(number);
  if (parts.year < 100 || parts.year > 9999 || parts.hour > 23 || parts.second > 59) abort();
  if (rt::DateTimeText(number).empty()) abort();
  if (rt::DatePartValue(rt::MakeDateTime(parts)) != rt::DatePartValue(number)) abort();

  // The raw bytes as fields of a date to compose: any ints must clamp, not overflow.
  if (size >= 24) {
    int32_t f[6];
    std::memcpy(f, data, sizeof f);
    const double composed = rt::MakeDateTime(f[0], f[1], f[2], f[3], f[4], f[5]);
    if (!(composed >= rt::kMinDateTime && composed <= rt::kMaxDateTime)) abort();
  }
  return 0;
}

#include "calendar/core/MonthCalendarProps.h"

#include <cstring>
#include <utility>

#include "runtime/core/ByteArchive.h"
#include "runtime/core/UnitPropertyBlocks.h"

namespace cal {

bool ReadMonthCalendarProps(const uint8_t* block, size_t length, MonthCalendarProps* out) {
  if (!block) return false;
  rt::ByteArchive in(block, length);
  uint32_t version = 0, low = 0, high = 0, layout = 0, band = 0;
  MonthCalendarProps p;
  in.Skip(rt::kReservedPropertyBytes);
  in.ReadWord(&version);
  if (!in.Ok() || version > kMonthCalendarPropsVersion) return false;
  in.ReadWord(&low);
  in.ReadWord(&high);
  in.ReadWord(&layout);
  in.ReadWord(&band);
  in.ReadCountedText(&p.pattern);
  if (!in.Ok() || !in.AtEnd()) return false;
  uint64_t bits = uint64_t(low) | (uint64_t(high) << 32);
  std::memcpy(&p.selectedDate, &bits, sizeof bits);
  p.gregorianLayout = layout != 0;
  p.bandShown = band != 0;
  *out = std::move(p);
  return true;
}

}  // namespace cal

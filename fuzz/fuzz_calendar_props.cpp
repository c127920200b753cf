// The month calendar unit's stored settings: any bytes are read or refused, never read
// past their end; what is accepted reads back the same when written again.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "calendar/core/MonthCalendarProps.h"
#include "runtime/core/ByteArchive.h"
#include "runtime/core/UnitPropertyBlocks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  cal::MonthCalendarProps props;
  if (!cal::ReadMonthCalendarProps(data, size, &props)) return 0;
  uint64_t bits;
  std::memcpy(&bits, &props.selectedDate, sizeof bits);
  rt::ByteWriter w;
  w.Zeros(rt::kReservedPropertyBytes);
  w.Word(1).Word(uint32_t(bits)).Word(uint32_t(bits >> 32));
  w.Word(props.gregorianLayout ? 1 : 0).Word(props.bandShown ? 1 : 0).CountedText(props.pattern);
  cal::MonthCalendarProps again;
  if (!cal::ReadMonthCalendarProps(w.Data().data(), w.Size(), &again)) __builtin_trap();
  if (again.pattern != props.pattern || again.bandShown != props.bandShown ||
      again.gregorianLayout != props.gregorianLayout ||
      std::memcmp(&again.selectedDate, &props.selectedDate, sizeof bits) != 0)
    __builtin_trap();
  return 0;
}

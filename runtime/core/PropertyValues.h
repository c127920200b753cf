// How property values cross the GetUnitProperty / SetUnitProperty services: two data
// words read or written according to the property's kind.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/core/DataValue.h"

namespace rt {

// Property kinds (the code stored per property in a unit type's list).
namespace propkind {
constexpr int kInteger = 1001;
constexpr int kLogic = 1003;
constexpr int kDateTime = 1004;
constexpr int kText = 1005;
constexpr int kChoice = 1006;
constexpr int kPointerBytes = 1011;
constexpr int kFont = 1013;
}  // namespace propkind

constexpr size_t kFontRecordSize = 60;  // a LOGFONTA: 28 bytes of fields, 32 of face name
constexpr size_t kFontFaceOffset = 28;
constexpr size_t kFontFaceSize = 32;
extern const char kDefaultFace[];  // for a face name that is empty or too long

// A value to hand a unit's property writer. Font values point into `fontCopy`, so the
// record must outlive the call.
struct WrittenProperty {
  DataValue value;
  std::vector<uint8_t> fontCopy;
};

// integer and choice from the low word (a negative choice becomes 0), logic as low != 0,
// date-time from both words, text as a pointer (null = the empty text), bytes as a
// pointer to an array block, font as a pointer to a font record whose face name, when
// it does not end within 31 bytes, becomes "宋体". Other kinds keep both words.
WrittenProperty PropertyFromWords(int kind, uint32_t low, uint32_t high);

// The two words a property read returns: text as a heap block (a new empty text when the
// unit gave none), logic as 0/1, integers in the low word, date-time as the double's
// two words. A value of another numeric type is converted to the kind first.
uint64_t PropertyToWords(int kind, const DataValue& value);

}  // namespace rt

// The value record every datum crosses a command or event boundary in, the unit
// reference, and the one signature shared by all library commands.
//
// Pointer rule (holds for text and byte-set values and anything else that carries
// an address): the address is stored as an unsigned integer split over the two data
// words, low 32 bits in `low`, high 32 bits in `high`. In the 32-bit build `high` is
// therefore always 0; in the 64-bit build an address may span both words. Never read
// a pointer from `low` alone: use PointerOf / SetPointer.
#pragma once

#include <cstdint>
#include <cstring>

namespace rt {

using TypeTag = uint32_t;

namespace tag {
constexpr TypeTag kNone = 0;  // an omitted optional argument
constexpr TypeTag kByte = 0x80000101;
constexpr TypeTag kShort = 0x80000201;
constexpr TypeTag kInt = 0x80000301;
constexpr TypeTag kLong = 0x80000401;
constexpr TypeTag kFloat = 0x80000501;
constexpr TypeTag kDouble = 0x80000601;
constexpr TypeTag kUnsigned32 = 0x80000006;  // read by ToNumber as an unsigned 32-bit number
constexpr TypeTag kLogic = 0x80000002;
constexpr TypeTag kDateTime = 0x80000003;
constexpr TypeTag kText = 0x80000004;
constexpr TypeTag kByteSet = 0x80000005;
constexpr TypeTag kTwoWords = 0x80000008;  // travels as two words; never produced here
constexpr TypeTag kArrayBit = 0x20000000;  // set on the tag of an array of the kind in the other bits

// Unit tags: library position (1-based) in the high half, type position in the low half.
constexpr TypeTag kWindow = 0x10001;
constexpr TypeTag kMenuItem = 0x10003;
constexpr TypeTag kEditBox = 0x10005;
constexpr TypeTag kGroupBox = 0x10009;
constexpr TypeTag kLabel = 0x1000A;
constexpr TypeTag kButton = 0x1000B;
constexpr TypeTag kCheckBox = 0x1000C;
constexpr TypeTag kRadioBox = 0x1000D;
constexpr TypeTag kDateBox = 0x10017;
constexpr TypeTag kCommonDialog = 0x1001F;
constexpr TypeTag kGrid = 0x20001;
constexpr TypeTag kOwnerMenu = 0x30001;
constexpr TypeTag kMonthCalendar = 0x4000B;

// The six numeric kinds are the tags whose low byte is 01 (byte .. double).
constexpr bool IsNumeric(TypeTag t) {
  return (t & 0xFFFF00FFu) == 0x80000001u && ((t >> 8) & 0xFF) >= 1 && ((t >> 8) & 0xFF) <= 6;
}
constexpr bool IsArray(TypeTag t) { return (t & kArrayBit) != 0 && (t & 0x80000000u) != 0; }
// A unit tag has a library number in 1..0x7FFF and the system bit clear.
constexpr bool IsUnit(TypeTag t) { return (t & 0x80000000u) == 0 && (t >> 16) != 0; }
}  // namespace tag

// Three 32-bit words, always in this order. Plain data: zeroed means "no value".
struct DataValue {
  uint32_t low = 0;
  uint32_t high = 0;
  TypeTag type = 0;
};
static_assert(sizeof(DataValue) == 12, "DataValue is three 32-bit words");

// A unit of a loaded window: ids are unique in the program and compared whole.
struct UnitRef {
  uint32_t window = 0;
  uint32_t unit = 0;
  bool operator==(const UnitRef& o) const { return window == o.window && unit == o.unit; }
};

// Every command of every library: the host zeroes *result first; the command never
// frees its arguments; optional arguments the caller left out arrive with tag 0.
using CommandFn = void (*)(DataValue* result, int argCount, DataValue* args);

//--- Builders and readers -----------------------------------------------------------

inline uint64_t Bits64(const DataValue& v) { return uint64_t(v.low) | (uint64_t(v.high) << 32); }

inline void SetBits64(DataValue& v, uint64_t bits) {
  v.low = uint32_t(bits);
  v.high = uint32_t(bits >> 32);
}

inline void* PointerOf(const DataValue& v) { return reinterpret_cast<void*>(uintptr_t(Bits64(v))); }

inline void SetPointer(DataValue& v, const void* p) { SetBits64(v, uint64_t(uintptr_t(p))); }

inline DataValue MakeInt(int32_t i) { return DataValue{uint32_t(i), 0, tag::kInt}; }
inline DataValue MakeLogic(bool b) { return DataValue{b ? 1u : 0u, 0, tag::kLogic}; }
inline DataValue MakeByte(uint8_t b) { return DataValue{b, 0, tag::kByte}; }
inline DataValue MakeShort(int16_t s) { return DataValue{uint32_t(int32_t(s)), 0, tag::kShort}; }

inline DataValue MakeLong(int64_t i) {
  DataValue v{0, 0, tag::kLong};
  SetBits64(v, uint64_t(i));
  return v;
}

inline DataValue MakeFloat(float f) {
  DataValue v{0, 0, tag::kFloat};
  std::memcpy(&v.low, &f, 4);
  return v;
}

inline DataValue MakeDoubleTagged(double d, TypeTag t) {
  DataValue v{0, 0, t};
  uint64_t bits;
  std::memcpy(&bits, &d, 8);
  SetBits64(v, bits);
  return v;
}
inline DataValue MakeDouble(double d) { return MakeDoubleTagged(d, tag::kDouble); }
inline DataValue MakeDateTime(double d) { return MakeDoubleTagged(d, tag::kDateTime); }

// Reads the two data words as an IEEE double (double and date-time values).
inline double DoubleOf(const DataValue& v) {
  uint64_t bits = Bits64(v);
  double d;
  std::memcpy(&d, &bits, 8);
  return d;
}

inline float FloatOf(const DataValue& v) {
  float f;
  std::memcpy(&f, &v.low, 4);
  return f;
}

// Text: a pointer to a zero-terminated GBK string in a heap block; null is the empty text.
inline DataValue MakeTextPointer(const char* p) {
  DataValue v{0, 0, tag::kText};
  SetPointer(v, p);
  return v;
}
inline const char* TextOf(const DataValue& v) {
  const char* p = static_cast<const char*>(PointerOf(v));
  return p ? p : "";
}

inline DataValue MakeUnit(TypeTag unitTag, UnitRef ref) { return DataValue{ref.window, ref.unit, unitTag}; }
inline UnitRef UnitOf(const DataValue& v) { return UnitRef{v.low, v.high}; }

}  // namespace rt

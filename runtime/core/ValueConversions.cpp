#include "runtime/core/ValueConversions.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>

#include "runtime/core/Blocks.h"
#include "runtime/core/DateTime.h"
#include "text/GbkChars.h"

namespace rt {

//--- Reading a number from text ------------------------------------------------------

namespace {

constexpr int kNoFit = -1;  // a character that can never be part of a number

// Walks a GBK text one character at a time, handing out full-width forms as their
// single-byte forms and any other double-byte character as kNoFit.
class NarrowingCursor {
 public:
  explicit NarrowingCursor(const char* text) : p_(reinterpret_cast<const uint8_t*>(text)) { Decode(); }
  int Peek() const { return current_; }
  void Next() {
    p_ += width_;
    Decode();
  }

 private:
  void Decode() {
    const uint8_t lead = p_[0];
    width_ = 1;
    current_ = lead;
    if (!text::IsGbkLead(lead) || !text::IsGbkTrail(p_[1])) return;
    const uint8_t trail = p_[1];
    width_ = 2;
    current_ = kNoFit;
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      current_ = trail & 0x7F;
    } else if (lead == 0xA1) {
      if (trail == 0xA1) current_ = ' ';
      if (trail == 0xAB) current_ = '~';
      if (trail == 0xEE || trail == 0xEF) current_ = '*';
    }
  }

  const uint8_t* p_;
  int current_ = 0;
  int width_ = 1;
};

bool IsDigit(int c) { return c >= '0' && c <= '9'; }
bool IsSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

void TakeDigits(NarrowingCursor& cursor, std::string& out) {
  for (; IsDigit(cursor.Peek()); cursor.Next()) out.push_back(char(cursor.Peek()));
}

// Decimal exponent of the leading digit (a value in [10^(e-1), 10^e)), or false for zero.
bool LeadingMagnitude(const std::string& whole, const std::string& fraction, int64_t& magnitude) {
  const size_t firstWhole = whole.find_first_not_of('0');
  if (firstWhole != std::string::npos) {
    magnitude = int64_t(whole.size() - firstWhole);
    return true;
  }
  const size_t firstFraction = fraction.find_first_not_of('0');
  if (firstFraction == std::string::npos) return false;
  magnitude = -int64_t(firstFraction);
  return true;
}

// m × 10^e for at most nineteen digits and 0 <= e <= 22, rounded to nearest-even with
// integer arithmetic alone. The standard reader computes these with one floating-point
// multiplication, which the 32-bit build's library runs in extended precision and so may
// round twice; doing it here keeps both builds bit for bit alike.
double ExactScaledInteger(uint64_t m, int e) {
  uint64_t five = 1;
  for (int i = 0; i < e; ++i) five *= 5;  // 5^22 < 2^52
  // (hi, lo) = m × 5^e, from 32-bit halves.
  const uint64_t m0 = m & 0xFFFFFFFFu, m1 = m >> 32, f0 = five & 0xFFFFFFFFu, f1 = five >> 32;
  const uint64_t p00 = m0 * f0, p01 = m0 * f1, p10 = m1 * f0, p11 = m1 * f1;
  const uint64_t middle = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
  uint64_t lo = (middle << 32) | (p00 & 0xFFFFFFFFu);
  uint64_t hi = p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32);
  if (hi == 0 && lo == 0) return 0.0;

  int length = 0;  // significant bits of (hi, lo)
  for (uint64_t top = hi ? hi : lo; top; top >>= 1) ++length;
  if (hi) length += 64;
  int exponent = e + length - 1;
  uint64_t significand;
  if (length <= 53) {
    significand = lo << (53 - length);
  } else {
    const int shift = length - 53;  // 1 .. 64
    uint64_t dropped, half;
    if (shift < 64) {
      significand = (lo >> shift) | (hi << (64 - shift));
      dropped = lo & ((uint64_t(1) << shift) - 1);
      half = uint64_t(1) << (shift - 1);
    } else {
      significand = hi;
      dropped = lo;
      half = uint64_t(1) << 63;
    }
    if (dropped > half || (dropped == half && (significand & 1))) ++significand;
    if (significand >> 53) {
      significand >>= 1;
      ++exponent;
    }
  }
  const uint64_t bits = (uint64_t(1023 + exponent) << 52) | (significand & ((uint64_t(1) << 52) - 1));
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// The value of the digits when ExactScaledInteger can take them; false otherwise.
bool SmallIntegerValue(const std::string& whole, const std::string& fraction, int64_t exponent,
                       double& value) {
  const int64_t scale = exponent - int64_t(fraction.size());
  if (scale < 0 || scale > 22) return false;
  uint64_t m = 0;
  int digits = 0;
  for (const std::string* part : {&whole, &fraction}) {
    for (char c : *part) {
      if (digits == 0 && c == '0') continue;
      if (++digits > 19) return false;
      m = m * 10 + uint64_t(c - '0');
    }
  }
  value = ExactScaledInteger(m, int(scale));
  return true;
}

// The parts of the leading number of a text, as TextToNumber and LeadingNumberText read
// them; false when the text starts with no digits.
struct LeadingNumber {
  bool negative = false;
  std::string whole, fraction, exponent;  // exponent with its sign, "" when none counts
  int64_t exponentValue = 0;
};

bool ReadLeadingNumber(const char* text, LeadingNumber& n) {
  if (!text) return false;
  NarrowingCursor cursor(text);
  while (IsSpace(cursor.Peek())) cursor.Next();
  if (cursor.Peek() == '+' || cursor.Peek() == '-') {
    n.negative = cursor.Peek() == '-';
    cursor.Next();
  }
  TakeDigits(cursor, n.whole);
  if (cursor.Peek() == '.') {
    cursor.Next();
    TakeDigits(cursor, n.fraction);
  }
  if (n.whole.empty() && n.fraction.empty()) return false;

  // The exponent counts only when at least one digit follows the letter and sign.
  if (cursor.Peek() == 'e' || cursor.Peek() == 'E') {
    NarrowingCursor probe = cursor;
    probe.Next();
    std::string sign;
    if (probe.Peek() == '+' || probe.Peek() == '-') {
      sign.push_back(char(probe.Peek()));
      probe.Next();
    }
    if (IsDigit(probe.Peek())) {
      n.exponent = sign;
      for (; IsDigit(probe.Peek()); probe.Next()) {
        n.exponent.push_back(char(probe.Peek()));
        if (n.exponentValue < 1000000000000) n.exponentValue = n.exponentValue * 10 + (probe.Peek() - '0');
      }
      if (sign == "-") n.exponentValue = -n.exponentValue;
    }
  }
  return true;
}

// "[-]whole[.fraction][e exponent]"; a missing whole part reads "0".
std::string PlainNumberText(const LeadingNumber& n, bool withSign) {
  std::string number = withSign && n.negative ? "-" : "";
  number += n.whole.empty() ? "0" : n.whole;
  if (!n.fraction.empty()) number += "." + n.fraction;
  if (!n.exponent.empty()) number += "e" + n.exponent;
  return number;
}

}  // namespace

std::string LeadingNumberText(const char* text) {
  LeadingNumber n;
  return ReadLeadingNumber(text, n) ? PlainNumberText(n, true) : std::string();
}

double TextToNumber(const char* text) {
  LeadingNumber n;
  if (!ReadLeadingNumber(text, n)) return 0.0;
  const bool negative = n.negative;
  const std::string &whole = n.whole, &fraction = n.fraction;
  const int64_t exponentValue = n.exponentValue;

  double value = 0.0;
  if (SmallIntegerValue(whole, fraction, exponentValue, value)) return negative ? -value : value;

  const std::string number = PlainNumberText(n, false);
  const std::from_chars_result r = std::from_chars(number.data(), number.data() + number.size(), value);
  if (r.ec == std::errc::result_out_of_range) {
    // Beyond a double's range: too large gives infinity, too small gives zero.
    int64_t magnitude = 0;
    const bool nonZero = LeadingMagnitude(whole, fraction, magnitude);
    value = nonZero && magnitude + exponentValue > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (r.ec != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

//--- Any value to a number -----------------------------------------------------------

double ToNumberValue(const DataValue& v) {
  switch (v.type) {
    case tag::kLogic: return v.low != 0 ? 1.0 : 0.0;
    case tag::kText: return TextToNumber(TextOf(v));
    case tag::kByte: return double(v.low & 0xFF);
    case tag::kShort: return double(int16_t(uint16_t(v.low)));
    case tag::kInt: return double(int32_t(v.low));
    case tag::kLong: return double(int64_t(Bits64(v)));
    case tag::kFloat: return double(FloatOf(v));
    case tag::kDouble: return DoubleOf(v);
    case tag::kUnsigned32: return double(v.low);
    default: return 0.0;
  }
}

//--- Any value to a text -------------------------------------------------------------

namespace {

std::string FormatG(double value, int precision) {
  char buffer[64];
  const std::to_chars_result r =
      std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::general, precision);
  return std::string(buffer, r.ec == std::errc() ? r.ptr : buffer);
}

std::string BytesToFirstZero(const uint8_t* bytes, size_t length) {
  if (!bytes || length == 0) return std::string();
  const void* zero = std::memchr(bytes, 0, length);
  if (zero) length = size_t(static_cast<const uint8_t*>(zero) - bytes);
  return std::string(reinterpret_cast<const char*>(bytes), length);
}

size_t ElementSize(TypeTag kind) {
  switch (kind) {
    case tag::kByte: return 1;
    case tag::kShort: return 2;
    case tag::kInt:
    case tag::kFloat: return 4;
    default: return 8;  // long, double
  }
}

// The raw element bytes of an array block (dimension count, sizes, elements). A header
// no real array can have (no or absurdly many dimensions, negative sizes, more than 2 GB
// of data) gives nothing rather than a read far outside the block.
std::string ArrayText(const void* block, size_t elementSize) {
  if (!block) return std::string();
  const uint8_t* p = static_cast<const uint8_t*>(block);
  int32_t dimensions;
  std::memcpy(&dimensions, p, 4);
  if (dimensions < 1 || dimensions > 64) return std::string();
  uint64_t total = elementSize;
  for (int32_t i = 0; i < dimensions; ++i) {
    int32_t size;
    std::memcpy(&size, p + 4 + 4 * i, 4);
    if (size < 0) return std::string();
    total *= uint64_t(size);
    if (total > 0x7FFFFFFFu) return std::string();
  }
  return BytesToFirstZero(p + 4 + 4 * size_t(dimensions), size_t(total));
}

}  // namespace

std::string DoubleText(double value) { return FormatG(value, 13); }

std::string DateTimeText(double value) {
  const DateTimeParts t = SplitDateTime(value);
  std::string s =
      std::to_string(t.year) + "年" + std::to_string(t.month) + "月" + std::to_string(t.day) + "日";
  if (t.second != 0) {
    s += std::to_string(t.hour) + "时" + std::to_string(t.minute) + "分" + std::to_string(t.second) + "秒";
  } else if (t.minute != 0) {
    s += std::to_string(t.hour) + "时" + std::to_string(t.minute) + "分";
  } else if (t.hour != 0) {
    s += std::to_string(t.hour) + "时";
  }
  return s;
}

std::string ToTextValue(const DataValue& v) {
  switch (v.type) {
    case tag::kByte: return std::to_string(v.low & 0xFF);
    case tag::kShort: return std::to_string(int16_t(uint16_t(v.low)));
    case tag::kInt: return std::to_string(int32_t(v.low));
    case tag::kLong: return std::to_string(int64_t(Bits64(v)));
    case tag::kFloat: return FormatG(double(FloatOf(v)), 6);
    case tag::kDouble: return FormatG(DoubleOf(v), 13);
    case tag::kText: return TextOf(v);
    case tag::kLogic: return v.low != 0 ? "真" : "假";
    case tag::kDateTime: return DateTimeText(DoubleOf(v));
    case tag::kByteSet: {
      size_t length = 0;
      const uint8_t* bytes = ByteSetData(PointerOf(v), &length);
      return BytesToFirstZero(bytes, length);
    }
    default: break;
  }
  const TypeTag kind = v.type & ~tag::kArrayBit;
  if (tag::IsArray(v.type) && tag::IsNumeric(kind)) return ArrayText(PointerOf(v), ElementSize(kind));
  return std::string();
}

//--- Capital amounts -----------------------------------------------------------------

namespace {

struct CapitalWords {
  const char* digits[10];
  const char* positions[12];  // positions 3 .. 14
};

const CapitalWords kCapital = {{"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"},
                               {"拾", "佰", "仟", "万", "拾", "佰", "仟", "亿", "拾", "佰", "仟", "万"}};
const CapitalWords kSimple = {{"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"},
                              {"十", "百", "千", "万", "十", "百", "千", "亿", "十", "百", "千", "万"}};

constexpr int64_t kMaxFen = 999999999999999;  // fifteen digits

}  // namespace

std::string NumberToCapitalText(double number, bool simple) {
  const CapitalWords& words = simple ? kSimple : kCapital;
  const bool negative = number < 0;
  const double x = negative ? -number : number;

  // Amount in 分, rounded half up; the tiny nudge lets 1.005 (stored as 1.00499…) round up.
  const double y = x * 100.0 + 0.000000000001;
  if (!(y < 1e16)) return "溢出";  // also infinities and NaN, which have no amount
  int64_t fen = int64_t(y);
  if (y - double(fen) >= 0.5) ++fen;
  if (fen > kMaxFen) return "溢出";
  if (fen == 0) return words.digits[0];

  // Built from the lowest digit upward, each piece going in front of the text so far.
  std::string text = fen % 10 == 0 ? "整" : "";
  auto put = [&text](const char* piece) { text.insert(0, piece); };
  enum class Previous { kNone, kZero, kDigit } previous = Previous::kNone;
  bool yuanWritten = false;
  bool groupWordWritten = false;
  for (int k = 0; fen != 0; ++k, fen /= 10) {
    const int d = int(fen % 10);
    if (k == 6 || k == 10) groupWordWritten = false;
    if (d == 0) {
      if (previous == Previous::kDigit) {
        put(words.digits[0]);
        previous = Previous::kZero;
      }
      continue;
    }
    if (k < 2) {
      put(k == 0 ? "分" : "角");
    } else {
      if (!yuanWritten) {
        put("元");
        yuanWritten = true;
      }
      if (!groupWordWritten && k >= 6) {
        if (k > 6 && k < 10) put("万");
        if (k > 10) put("亿");
        groupWordWritten = true;
      }
      if (k > 2) put(words.positions[k - 3]);
    }
    put(words.digits[d]);
    previous = Previous::kDigit;
  }
  if (negative) put("负");
  return text;
}

}  // namespace rt

// Conversions of any value to a number or a text, and of an amount to Chinese capital
// numerals. Texts are GBK bytes; none of this depends on the C locale.
#pragma once

#include <string>

#include "runtime/core/DataValue.h"

namespace rt {

// Reads the leading decimal number of a GBK text. Full-width forms (digits, point,
// signs, letters, the ideographic space) count as their single-byte forms; then white
// space is skipped and an optional sign, digits with an optional point and an optional
// exponent are read, stopping at the first character that does not fit. No digits
// give 0; a number too large for a double gives an infinity of its sign.
double TextToNumber(const char* text);

// The number TextToNumber reads, spelled "[-]digits[.digits][e[-]digits]" in ASCII
// ("１２元" gives "12", " -.5e1x" gives "-0.5e1"), "" when it reads no digits: exact
// sums of cell texts count what the note's own total counts.
std::string LeadingNumberText(const char* text);

// logic 1/0, text as above, numeric kinds as far as a double holds them, the unsigned
// 32-bit kind unsigned; every other kind (date-time, byte set, units, arrays) 0.
double ToNumberValue(const DataValue& value);

// "%u" / "%d" / decimal / "%.6g" / "%.13g" for the numeric kinds, a copy of a text,
// "真"/"假", the date-time text, the raw bytes of byte sets and numeric arrays up to the
// first zero byte; every other kind gives the empty text.
std::string ToTextValue(const DataValue& value);

// "%.13g" of a double, exactly as the standard formatted output writes it.
std::string DoubleText(double value);

// "Y年M月D日" followed by "H时M分S秒", "H时M分" or "H时" as far as the time is not zero.
std::string DateTimeText(double value);

// The amount in yuan, rounded half up to whole 分, in capital numerals ("壹贰…", or
// "一二…" in the simple form). 0 gives "零"; more than fifteen digits of 分 (or a value
// that is not a number) give "溢出".
std::string NumberToCapitalText(double number, bool simple);

}  // namespace rt

// Numbers as the grid reads and writes them in cell texts. Independent of the C
// locale and identical on every platform.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/GbkChars.h"

namespace grid {

// The value of the text's leading decimal number (white space, sign, digits, point,
// exponent), 0 when the text does not start with one. Hex, "inf" and "nan" are not
// numbers here; a value beyond the double range counts as 0.
double LeadingNumber(std::string_view text);

// printf "%.<places>f"; non-finite values print as 0 and negative zero as zero.
std::string FormatFixed(double value, int places);
// printf "%.<precision>g".
std::string FormatGeneral(double value, int precision);

using text::CutGbk;

}  // namespace grid

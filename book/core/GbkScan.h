// Searching and trimming GBK texts character by character: a byte search could match
// the second byte of one character and the first of the next.
#pragma once

#include <string>
#include <string_view>

#include "text/GbkChars.h"

namespace book {

using text::GbkCharLength;

// The first position at or after `from` (a character boundary) where `needle` starts
// on a character boundary; npos when none.
size_t FindGbk(std::string_view text, std::string_view needle, size_t from = 0);

// Without leading and trailing spaces, tabs, line breaks and ideographic spaces.
std::string TrimGbk(std::string_view text);

}  // namespace book

// Searching and trimming GBK texts character by character: a byte search could match
// the second byte of one character and the first of the next.
#pragma once

#include <string>
#include <string_view>

namespace book {

// Bytes of the character starting at text[i]: 2 for a lead byte with a byte after it.
inline size_t GbkCharLength(std::string_view text, size_t i) {
  unsigned char b = static_cast<unsigned char>(text[i]);
  return b >= 0x81 && b <= 0xFE && i + 1 < text.size() ? 2 : 1;
}

// The first position at or after `from` (a character boundary) where `needle` starts
// on a character boundary; npos when none.
size_t FindGbk(std::string_view text, std::string_view needle, size_t from = 0);

// Without leading and trailing spaces, tabs, line breaks and ideographic spaces.
std::string TrimGbk(std::string_view text);

}  // namespace book

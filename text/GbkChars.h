// Walking GBK text character by character. A lead byte (0x81..0xFE) followed by a trail
// byte (0x40..0x7E, 0x80..0xFE) is one two-byte character; every other byte stands
// alone, so a stray lead byte never swallows the ASCII character after it.
#pragma once

#include <cstddef>
#include <string_view>

namespace text {

constexpr bool IsGbkLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
constexpr bool IsGbkTrail(unsigned char b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }

// Bytes of the character at text[i] (i < text.size()): 2 or 1.
inline size_t GbkCharLength(std::string_view text, size_t i) {
  return IsGbkLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size() &&
                 IsGbkTrail(static_cast<unsigned char>(text[i + 1]))
             ? 2
             : 1;
}

// The longest start of `text` of at most maxBytes bytes that cuts no character.
std::string_view CutGbk(std::string_view text, size_t maxBytes);

// The character at text[*i], moving *i past it. A byte that starts no character (a byte
// 0x81..0xFF without a pair the code page knows) reads as kNoCharacter, and reading goes
// on at the next byte.
constexpr char32_t kNoCharacter = 0xFFFFFFFF;
char32_t ReadGbkChar(std::string_view text, size_t* i);

}  // namespace text

// UTF-8 read strictly (no overlong forms, surrogates or codes beyond U+10FFFF) and written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/GbkChars.h"

namespace text {

// The character at text[*i], moving *i past it; a byte that starts no well-formed
// character reads as kNoCharacter, and reading goes on at the next byte.
char32_t ReadUtf8Char(std::string_view text, size_t* i);

void AppendUtf8(char32_t c, std::string* out);

}  // namespace text

#include "text/Utf8.h"

namespace text {

char32_t ReadUtf8Char(std::string_view text, size_t* i) {
  const unsigned char b = static_cast<unsigned char>(text[*i]);
  const size_t extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
  if (b < 0x80 || extra == 0 || b > 0xF4 || *i + extra >= text.size()) {
    ++*i;
    return b < 0x80 ? b : kNoCharacter;
  }
  char32_t c = b & (0x3F >> extra);
  for (size_t k = 1; k <= extra; ++k) {
    const unsigned char t = static_cast<unsigned char>(text[*i + k]);
    if ((t & 0xC0) != 0x80) {
      ++*i;
      return kNoCharacter;
    }
    c = c << 6 | (t & 0x3F);
  }
  static const char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
  if (c < kLeast[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++*i;
    return kNoCharacter;
  }
  *i += extra + 1;
  return c;
}

void AppendUtf8(char32_t c, std::string* out) {
  if (c < 0x80) {
    *out += char(c);
  } else if (c < 0x800) {
    *out += char(0xC0 | c >> 6);
    *out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    *out += char(0xE0 | c >> 12);
    *out += char(0x80 | (c >> 6 & 0x3F));
    *out += char(0x80 | (c & 0x3F));
  } else {
    *out += char(0xF0 | c >> 18);
    *out += char(0x80 | (c >> 12 & 0x3F));
    *out += char(0x80 | (c >> 6 & 0x3F));
    *out += char(0x80 | (c & 0x3F));
  }
}

}  // namespace text

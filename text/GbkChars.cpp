#include "text/GbkChars.h"

#include "text/Cp936Table.h"

namespace text {

std::string_view CutGbk(std::string_view text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  size_t i = 0;
  while (i < maxBytes) {
    size_t step = GbkCharLength(text, i);
    if (i + step > maxBytes) break;
    i += step;
  }
  return text.substr(0, i);
}

char32_t ReadGbkChar(std::string_view text, size_t* i) {
  const unsigned char b = static_cast<unsigned char>(text[*i]);
  if (b < 0x80) {
    ++*i;
    return b;
  }
  if (b == 0x80) {
    ++*i;
    return 0x20AC;
  }
  if (GbkCharLength(text, *i) == 2) {
    char16_t c = Cp936PairToUnicode(b, static_cast<unsigned char>(text[*i + 1]));
    if (c) {
      *i += 2;
      return c;
    }
  }
  ++*i;
  return kNoCharacter;
}

}  // namespace text

#include "text/GbkText.h"

#include "text/Cp936Table.h"
#include "text/GbkChars.h"
#include "text/Utf8.h"

namespace text {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

char32_t ReadUtf16Char(std::u16string_view text, size_t* i) {
  const char16_t u = text[(*i)++];
  if (u < 0xD800 || u > 0xDFFF) return u;
  if (u <= 0xDBFF && *i < text.size() && text[*i] >= 0xDC00 && text[*i] <= 0xDFFF)
    return 0x10000 + ((char32_t(u) - 0xD800) << 10 | (text[(*i)++] - 0xDC00));
  return kNoCharacter;
}

bool AppendGbk(char32_t c, std::string* out) {
  if (c < 0x80) {
    *out += char(c);
    return true;
  }
  const uint16_t code = UnicodeToCp936(c);
  if (code == 0) return false;
  if (code > 0xFF) *out += char(code >> 8);
  *out += char(code & 0xFF);
  return true;
}

bool AppendUtf8Char(char32_t c, std::string* out) {
  AppendUtf8(c, out);
  return true;
}

bool AppendUtf16(char32_t c, std::u16string* out) {
  if (c < 0x10000) {
    *out += char16_t(c);
  } else {
    *out += char16_t(0xD800 + ((c - 0x10000) >> 10));
    *out += char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
  }
  return true;
}

// Reads every character of `in` and writes it to `out`. What does not convert makes the
// whole answer false, or, given a replacement, is written as that.
template <class In, class Out, class Read, class Write>
bool Transcode(In in, Out* out, Read read, Write write, const char32_t* replacement) {
  out->clear();
  for (size_t i = 0; i < in.size();) {
    const char32_t c = read(in, &i);
    if (c != kNoCharacter && write(c, out)) continue;
    if (!replacement) return false;
    write(*replacement, out);
  }
  return true;
}

const char32_t kQuestionMark = '?';

}  // namespace

bool GbkToUtf8(std::string_view gbk, std::string* utf8) {
  return Transcode(gbk, utf8, ReadGbkChar, AppendUtf8Char, nullptr);
}

bool Utf8ToGbk(std::string_view utf8, std::string* gbk) {
  return Transcode(utf8, gbk, ReadUtf8Char, AppendGbk, nullptr);
}

std::string GbkToUtf8Lossy(std::string_view gbk) {
  std::string out;
  Transcode(gbk, &out, ReadGbkChar, AppendUtf8Char, &kReplacement);
  return out;
}

std::string Utf8ToGbkLossy(std::string_view utf8) {
  std::string out;
  Transcode(utf8, &out, ReadUtf8Char, AppendGbk, &kQuestionMark);
  return out;
}

bool GbkToUtf16(std::string_view gbk, std::u16string* utf16) {
  return Transcode(gbk, utf16, ReadGbkChar, AppendUtf16, nullptr);
}

bool Utf16ToGbk(std::u16string_view utf16, std::string* gbk) {
  return Transcode(utf16, gbk, ReadUtf16Char, AppendGbk, nullptr);
}

std::u16string GbkToUtf16Lossy(std::string_view gbk) {
  std::u16string out;
  Transcode(gbk, &out, ReadGbkChar, AppendUtf16, &kReplacement);
  return out;
}

std::string Utf16ToGbkLossy(std::u16string_view utf16) {
  std::string out;
  Transcode(utf16, &out, ReadUtf16Char, AppendGbk, &kQuestionMark);
  return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  Transcode(utf8, &out, ReadUtf8Char, AppendUtf16, &kReplacement);
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  Transcode(utf16, &out, ReadUtf16Char, AppendUtf8Char, &kReplacement);
  return out;
}

}  // namespace text

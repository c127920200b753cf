// GBK (code page 936, by the table in Cp936Table) to and from UTF-8 and UTF-16, the same
// on every platform. One rule for what does not convert:
//  - the exact forms answer false when a byte starts no GBK character (the user-defined
//    areas are none) or a character has no GBK code, so a text converts only when it
//    comes back byte for byte;
//  - the lossy forms put U+FFFD for each byte that starts no GBK character, and "?" for
//    each character (or malformed UTF-8 byte or lone surrogate) that has no GBK code.
// Between UTF-8 and UTF-16 themselves (file names and other texts the system hands over
// in its own form) every character converts; a malformed byte or lone surrogate becomes
// U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace text {

bool GbkToUtf8(std::string_view gbk, std::string* utf8);
bool Utf8ToGbk(std::string_view utf8, std::string* gbk);
std::string GbkToUtf8Lossy(std::string_view gbk);
std::string Utf8ToGbkLossy(std::string_view utf8);

bool GbkToUtf16(std::string_view gbk, std::u16string* utf16);
bool Utf16ToGbk(std::u16string_view utf16, std::string* gbk);
std::u16string GbkToUtf16Lossy(std::string_view gbk);
std::string Utf16ToGbkLossy(std::u16string_view utf16);

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace text

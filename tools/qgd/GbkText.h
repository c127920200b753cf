// Exact conversion between GBK (code page 936) bytes and UTF-8, the same on every
// platform: a text converts only when it comes back byte for byte. The user-defined
// areas of the code page (which some platforms map to private-use characters and
// others reject) never convert, so every platform accepts and refuses the same texts.
#pragma once

#include <string>
#include <string_view>

namespace qgd {

// False when some byte sequence is not a GBK character (or is a user-defined one).
bool GbkToUtf8(std::string_view gbk, std::string* utf8);

// False when the text is not valid UTF-8 or holds a character GBK has no code for.
bool Utf8ToGbk(std::string_view utf8, std::string* gbk);

// For display only: what does not convert becomes U+FFFD.
std::string GbkToUtf8Lossy(std::string_view gbk);

}  // namespace qgd

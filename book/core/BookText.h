// The book's edge for texts: GBK in the program, UTF-8 in the database.
#pragma once

#include <string>
#include <string_view>

namespace book {

// False when the GBK text holds bytes without a standard character (the caller then
// keeps the bytes as they are).
bool GbkToStoredUtf8(std::string_view gbk, std::string* utf8);

// UTF-8 from the database back to GBK. A character GBK cannot write (put there by some
// other program) becomes "?", so a reader always gets a text.
std::string StoredUtf8ToGbk(std::string_view utf8);

// GBK to UTF-8 for output, "?"-free: what does not convert becomes U+FFFD.
std::string GbkToUtf8ForOutput(std::string_view gbk);

}  // namespace book

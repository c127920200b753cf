#include "book/core/BookText.h"

#include "text/GbkText.h"

namespace book {

bool GbkToStoredUtf8(std::string_view gbk, std::string* utf8) { return text::GbkToUtf8(gbk, utf8); }

std::string StoredUtf8ToGbk(std::string_view utf8) { return text::Utf8ToGbkLossy(utf8); }

std::string GbkToUtf8ForOutput(std::string_view gbk) { return text::GbkToUtf8Lossy(gbk); }

}  // namespace book

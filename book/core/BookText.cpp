#include "book/core/BookText.h"

#include <algorithm>

#include "tools/qgd/GbkText.h"

namespace book {

namespace {

// Length of the UTF-8 sequence a lead byte starts (1 for a stray byte).
size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

bool GbkToStoredUtf8(std::string_view gbk, std::string* utf8) { return qgd::GbkToUtf8(gbk, utf8); }

std::string StoredUtf8ToGbk(std::string_view utf8) {
  std::string gbk;
  if (qgd::Utf8ToGbk(utf8, &gbk)) return gbk;
  // Character by character, so one bad character costs only itself.
  gbk.clear();
  for (size_t i = 0; i < utf8.size();) {
    size_t n = std::min(Utf8Length(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
    std::string one;
    gbk += qgd::Utf8ToGbk(utf8.substr(i, n), &one) ? one : "?";
    i += n;
  }
  return gbk;
}

std::string GbkToUtf8ForOutput(std::string_view gbk) { return qgd::GbkToUtf8Lossy(gbk); }

}  // namespace book

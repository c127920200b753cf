#include "book/core/GbkScan.h"

namespace book {

namespace {

const char kIdeographicSpace[] = "\xA1\xA1";

// Length of the blank at text[i], 0 when the character there is not one.
size_t BlankLength(std::string_view text, size_t i) {
  char c = text[i];
  if (c == ' ' || c == '\t' || c == '\r' || c == '\n') return 1;
  return text.compare(i, 2, kIdeographicSpace) == 0 ? 2 : 0;
}

}  // namespace

size_t FindGbk(std::string_view text, std::string_view needle, size_t from) {
  for (size_t i = from; i < text.size(); i += GbkCharLength(text, i))
    if (text.compare(i, needle.size(), needle) == 0) return i;
  return needle.empty() && from == text.size() ? from : std::string_view::npos;
}

std::string TrimGbk(std::string_view text) {
  size_t begin = 0, end = 0;
  bool started = false;
  for (size_t i = 0; i < text.size();) {
    size_t blank = BlankLength(text, i);
    size_t n = blank ? blank : GbkCharLength(text, i);
    if (!blank) {
      if (!started) begin = i;
      started = true;
      end = i + n;
    }
    i += n;
  }
  return started ? std::string(text.substr(begin, end - begin)) : std::string();
}

}  // namespace book

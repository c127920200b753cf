#include "menu/core/MenuItemText.h"

#include "text/GbkChars.h"

namespace menu {

ItemText SplitItemText(const std::string& text) {
  ItemText t;
  size_t tab = text.find('\t');
  t.caption = text.substr(0, tab);
  if (tab != std::string::npos) t.shortcut = text.substr(tab + 1);
  return t;
}

bool IsSeparatorCaption(const std::string& caption) { return caption == "-"; }

std::string DisplayedText(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (text::GbkCharLength(text, i) == 2) {
      // A GBK double-byte character goes over whole.
      out += text[i];
      out += text[++i];
      continue;
    }
    if (c == '&') {
      if (i + 1 < text.size() && text[i + 1] == '&') out += '&', ++i;
      continue;
    }
    out += text[i];
  }
  return out;
}

}  // namespace menu

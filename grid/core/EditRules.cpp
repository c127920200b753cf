#include "grid/core/EditRules.h"

#include "grid/core/NumberText.h"

namespace grid {

bool AcceptsNumberChar(std::string_view text, int selStart, int selEnd, unsigned ch) {
  if (ch < 0x20 || ch == 0x7F) return true;
  bool plainCaretAtStart = selStart == 0 && selEnd == 0;
  bool hasMinus = text.find('-') != std::string_view::npos;
  if (plainCaretAtStart && hasMinus) return false;
  if (ch >= '0' && ch <= '9') return true;
  if (ch == '-') return plainCaretAtStart && !hasMinus;
  if (ch == '.') return text.find('.') == std::string_view::npos;
  return false;
}

std::string CleanUpNumberText(std::string_view text) {
  std::string s(text);
  if (LeadingNumber(s) == 0) return s;
  if (!s.empty() && s.back() == '.') s.pop_back();
  while (s.size() > 1 && s[0] == '0' && s[1] != '.') s.erase(0, 1);
  return s;
}

}  // namespace grid

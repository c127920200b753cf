#include "app/core/SettingsText.h"

#include <cctype>

namespace app {

std::string_view TrimSetting(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool SameWord(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

void ForEachSetting(std::string_view text, std::string_view section,
                    const std::function<void(std::string_view key, std::string_view value)>& use) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  bool inSection = false;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = TrimSetting(text.substr(0, end));
    if (!line.empty() && line.front() == '[') {
      inSection = SameWord(line, section);
    } else if (inSection && !line.empty() && line.front() != ';' && line.front() != '#') {
      size_t eq = line.find('=');
      if (eq != std::string_view::npos)
        use(TrimSetting(line.substr(0, eq)), TrimSetting(line.substr(eq + 1)));
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

}  // namespace app

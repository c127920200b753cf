#include "runtime/core/DialogFilter.h"

#include "text/GbkChars.h"

namespace rt {

namespace {

std::vector<std::string> SplitAtBars(const std::string& text) {
  std::vector<std::string> items(1);
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == 0) break;  // the list format cannot carry zero bytes
    if (text::GbkCharLength(text, i) == 2) {
      // The trail byte may be 0x7C, which is not a separator here.
      items.back() += text[i];
      items.back() += text[++i];
    } else if (c == '|') {
      items.emplace_back();
    } else {
      items.back() += text[i];
    }
  }
  return items;
}

}  // namespace

std::vector<DialogFilterEntry> ParseDialogFilter(const std::string& filter) {
  std::vector<DialogFilterEntry> entries;
  std::vector<std::string> items = SplitAtBars(filter);
  for (size_t i = 0; i < items.size(); i += 2) {
    DialogFilterEntry entry;
    entry.description = items[i];
    if (i + 1 < items.size()) {
      entry.pattern = items[i + 1];
    } else {
      entry.pattern = items[i];
    }
    if (entry.pattern.empty()) continue;
    if (entry.description.empty()) entry.description = entry.pattern;
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::string BuildDialogFilterList(const std::string& filter) {
  std::string list;
  for (const DialogFilterEntry& e : ParseDialogFilter(filter)) {
    list += e.description;
    list += '\0';
    list += e.pattern;
    list += '\0';
  }
  if (!list.empty()) list += '\0';
  return list;
}

std::string DefaultExtensionOf(const std::string& extension) {
  size_t start = extension.find_first_not_of('.');
  return start == std::string::npos ? std::string() : extension.substr(start);
}

}  // namespace rt

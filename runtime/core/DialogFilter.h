// The file-dialog filter text "description|pattern|description|pattern" and its
// translation into the platform's list of zero-terminated strings.
#pragma once

#include <string>
#include <vector>

namespace rt {

struct DialogFilterEntry {
  std::string description;
  std::string pattern;
};

// Splits a GBK filter text at '|' (never inside a double-byte character). Pairs without
// a pattern are dropped, an empty description takes the pattern, and a last item
// without a partner serves as both description and pattern.
std::vector<DialogFilterEntry> ParseDialogFilter(const std::string& filter);

// The platform's form: each description and pattern followed by a zero byte, and one
// more zero byte at the end. Empty when the filter has no usable pair.
std::string BuildDialogFilterList(const std::string& filter);

// A default extension as the dialog wants it: without leading dots.
std::string DefaultExtensionOf(const std::string& extension);

}  // namespace rt

// Any filter text must split without overrunning, and the built list must never end
// early: every entry is two non-empty strings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "runtime/core/DialogFilter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string filter(reinterpret_cast<const char*>(data), size);
  for (const rt::DialogFilterEntry& e : rt::ParseDialogFilter(filter)) {
    if (e.description.empty() || e.pattern.empty()) abort();
    if (e.description.find('\0') != std::string::npos || e.pattern.find('\0') != std::string::npos) abort();
  }
  std::string list = rt::BuildDialogFilterList(filter);
  if (!list.empty() && (list.size() < 5 || list[list.size() - 1] != '\0' || list[list.size() - 2] != '\0'))
    abort();
  if (list.size() > 2 * size + 3) abort();
  return 0;
}

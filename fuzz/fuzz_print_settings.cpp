// print.ini as any bytes: read, written back and read again to the same settings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/core/PrintSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  app::print::PrintSettings s = app::print::ParsePrintSettings(text);
  // Line breaks cannot be kept in a value: only settings without them must survive.
  if (s.signLine.find_first_of("\r\n") == std::string::npos &&
      s.subtitle.find_first_of("\r\n") == std::string::npos &&
      !(app::print::ParsePrintSettings(app::print::FormatPrintSettings(s)) == s))
    std::abort();
  return 0;
}

// book.ini as any bytes: read, written back and read again to the same place.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/core/BookPlaceSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  app::BookPlaceSettings s = app::ParseBookPlaceSettings(text);
  if (!(app::ParseBookPlaceSettings(app::FormatBookPlaceSettings(s)) == s)) std::abort();
  if (s.onServer && app::ServerConnection(s.connection).empty()) std::abort();
  return 0;
}

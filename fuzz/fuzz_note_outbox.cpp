// Any bytes read as an outbox without a crash; the entries read write out to bytes
// that read back as the same entries, with nothing damaged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "book/core/NoteOutbox.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  book::OutboxContents first = book::ReadOutbox(std::string_view(reinterpret_cast<const char*>(data), size));
  std::string again = book::WriteOutbox(first.entries);
  book::OutboxContents second = book::ReadOutbox(again);
  if (!second.damaged.empty() || second.entries.size() != first.entries.size()) abort();
  if (book::WriteOutbox(second.entries) != again) abort();
  return 0;
}

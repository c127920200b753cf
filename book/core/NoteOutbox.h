// The outbox: notes saved while the server book could not be reached, kept on this PC
// until the server answers. An entry holds the note exactly as it was read when saved,
// so later edits of the file never change what is sent. Each entry carries its length
// and a checksum: a damaged entry is found, set aside, and the others still read.
// Platform-free; the caller reads and writes the bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "book/core/NoteBook.h"

namespace book {

struct OutboxEntry {
  std::string savedAt;  // "YYYY-MM-DD HH:MM:SS", when the file was saved
  NoteRecord note;
};

struct OutboxContents {
  std::vector<OutboxEntry> entries;  // in the order they were saved
  std::vector<std::string> damaged;  // the bytes of each span that did not read
};

// The whole outbox file for these entries (a header, then each entry).
std::string WriteOutbox(const std::vector<OutboxEntry>& entries);
// Reads what WriteOutbox wrote; anything else ends up in `damaged`, never a crash.
OutboxContents ReadOutbox(std::string_view bytes);

}  // namespace book

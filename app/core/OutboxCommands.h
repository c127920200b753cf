// The outbox beside this PC's book: a note saved while the server book cannot be
// reached waits there, exactly as it was saved, and is sent in order the next time the
// server answers (the next save, the next start, or 账本 → 发送待上传单据). A note
// leaves the outbox only once the server recorded it; recording replaces by number and
// file, so sending one twice still leaves it in the book once.
#pragma once

#include <cstddef>
#include <string>

#include "book/core/NoteBook.h"

namespace app {

// True when `why` says the server book could not be reached (off, network down, wrong
// password), as against the book refusing the note.
bool ServerUnreachable(const std::string& why);

// The outbox file (GBK path): beside this PC's book file; "" without one.
std::string OutboxPath();
size_t OutboxWaiting();  // notes in the outbox that read

// Puts the note at the end of the outbox; false with the reason (GBK) when the outbox
// cannot be written. `waiting` gets how many wait now.
bool QueueNote(const book::NoteRecord& note, size_t* waiting, std::string* why);

struct OutboxSending {
  size_t sent = 0;           // recorded by the server and gone from the outbox
  size_t waiting = 0;        // still in the outbox
  size_t setAside = 0;       // damaged, or refused by the book: moved to the set-aside file
  std::string why;           // why the rest waits (GBK)
  std::string setAsideNote;  // what to tell about the set-aside ones ("" for none)
};

// Sends the outbox into the open server book, oldest first, stopping when the server
// stops answering.
OutboxSending SendOutbox(book::NoteBook* notes);

// The saved-on-this-PC notice: the note waits with `waiting` others in all; `unnumbered`
// when the server could not hand out its number.
std::string QueuedNotice(size_t waiting, bool unnumbered, const std::string& why);

// At start: sends what waits without a word (no server asked when nothing waits).
void SendOutboxQuietly();

}  // namespace app

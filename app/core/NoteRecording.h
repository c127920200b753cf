// The note book as the note window uses it: recording a saved note, the customers
// offered while typing a name, and the unit and price a customer last paid for a
// dimensions (规格).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace app {

struct RecordOutcome {
  bool recorded = false;  // in the book now
  bool queued = false;    // in the outbox, for a server book that cannot be reached
  size_t waiting = 0;     // notes in the outbox, when queued
  std::string why;        // GBK: why it is not in the book
};

// Records the note on screen as saved to `fileName`, after the notes the outbox holds.
// Not recorded (with the reason) when the book cannot be opened or written, or the grid
// holds no note; a server book that cannot be reached gets it queued in the outbox.
// `unreachable`: the server was found unreachable moments ago (its reason), so it is
// not kept waiting on again.
RecordOutcome RecordSavedNote(const std::string& fileName, const std::string& unreachable = "");

// The book's customers, most recent first, become the suggestions of an edit box. Does
// nothing when the book cannot be opened.
void OfferCustomerNames(uint32_t windowId, uint32_t editBoxId);

// Each item row whose dimensions (规格) were just typed gets the unit and price of the
// customer's last note with it, in the cells that are still empty.
void FillRememberedPrices();

}  // namespace app

// The note book as the note window uses it: recording a saved note, the customers
// offered while typing a name, and the unit and price a customer last paid for a
// dimensions (规格).
#pragma once

#include <cstdint>
#include <string>

namespace app {

// Records the note on screen as saved to `fileName`. False with the reason (GBK) when
// the book cannot be opened or written, or the grid holds no note.
bool RecordSavedNote(const std::string& fileName, std::string* why);

// The book's customers, most recent first, become the suggestions of an edit box. Does
// nothing when the book cannot be opened.
void OfferCustomerNames(uint32_t windowId, uint32_t editBoxId);

// Each item row whose dimensions (规格) were just typed gets the unit and price of the
// customer's last note with it, in the cells that are still empty.
void FillRememberedPrices();

}  // namespace app

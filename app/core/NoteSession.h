// What the program keeps of the note on screen between handlers: its cell texts as they
// were when it was last opened, saved or made (to tell unsaved edits), the number the
// book issued for it, and its dimensions at the last finished edit (to tell a
// newly typed one).
#pragma once

#include <string>
#include <vector>

namespace app {

// Every cell text of the note grid, row by row (a cell without text reads as empty).
std::vector<std::string> ReadNoteTexts();

// The note as it stands now counts as saved: no unsaved edits, its dimensions
// known, and `issuedNumber` (empty for a note opened from a file) as its number.
void MarkNoteClean(const std::string& issuedNumber);
void MarkNoteSaved();  // keeps the issued number
bool NoteHasUnsavedEdits();
const std::string& IssuedNoteNumber();
// The book issued `number` for the note on screen when it was first saved.
void KeepIssuedNumber(const std::string& number);

// Item rows whose dimensions (规格) changed since the last call (or since the note was
// marked clean) and is not empty now; remembers the current ones.
std::vector<int> RowsWithNewDimensions();

// The customer named in the first title row (after "客户名称："), or empty.
std::string NoteCustomer();

}  // namespace app

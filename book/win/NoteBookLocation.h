// Where the program keeps its note book: "NoteWriter\notebook.db" in the user's
// roaming application data folder, the folder made when missing.
#pragma once

#include <string>

namespace book::win {

// The book's path as UTF-8; empty when the folder cannot be found or made.
std::string UserNoteBookPath();

}  // namespace book::win

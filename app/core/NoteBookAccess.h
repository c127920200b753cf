// The program's one note book, opened on first use from the path the program set at
// start (the user's data folder; tests set a file of their own). Without a path the
// book is not used at all.
#pragma once

#include <string>

#include "book/core/NoteBook.h"

namespace app {

void SetNoteBookPath(std::string utf8Path);  // closes a book that is open
bool NoteBookConfigured();
const std::string& NoteBookPath();  // UTF-8; "" when the book is not used

// Said before the reason when the book cannot answer a query.
inline constexpr char kUnreadBook[] = "读取账本失败：";

// The open book, or null with the reason (GBK) when it cannot be opened now; a later
// call tries again.
book::NoteBook* OpenNoteBook(std::string* why);
// The same, telling the user why in a box when it cannot be opened.
book::NoteBook* OpenNoteBookOrSay();

}  // namespace app

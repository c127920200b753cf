// The program's one note book, opened on first use from the place the program set at
// start: the file in the user's data folder (tests set a file of their own), or a
// server book several PCs share. Without a place the book is not used at all.
#pragma once

#include <string>

#include "book/core/NoteBook.h"

namespace app {

// Where the book is kept.
struct BookPlace {
  std::string file;        // UTF-8 path of this PC's book; its folder also holds this PC's own files
  std::string connection;  // GBK ODBC connection string of a server book; "" for the file
  bool OnServer() const { return !connection.empty(); }
};

void SetNoteBookPlace(BookPlace place);  // closes a book that is open
const BookPlace& NoteBookPlace();
void SetNoteBookPath(std::string utf8Path);  // this PC's book file, no server
bool NoteBookConfigured();
const std::string& NoteBookPath();  // UTF-8 path of this PC's book; "" when there is none

// Said before the reason when the book cannot answer a query.
inline constexpr char kUnreadBook[] = "读取账本失败：";

// The open book, or null with the reason (GBK) when it cannot be opened now; a later
// call tries again.
book::NoteBook* OpenNoteBook(std::string* why);
// The same, telling the user why in a box when it cannot be opened.
book::NoteBook* OpenNoteBookOrSay();

}  // namespace app

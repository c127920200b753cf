#include "app/core/NoteBookAccess.h"

#include <memory>
#include <utility>

#include "app/core/FileCommands.h"
#include "book/server/ServerStore.h"

namespace app {

namespace {

struct BookState {
  BookPlace place;
  std::unique_ptr<book::NoteBook> book;
};

BookState& State() {
  static BookState state;
  return state;
}

}  // namespace

void SetNoteBookPlace(BookPlace place) {
  State().book.reset();
  State().place = std::move(place);
}

const BookPlace& NoteBookPlace() { return State().place; }

void SetNoteBookPath(std::string utf8Path) { SetNoteBookPlace(BookPlace{std::move(utf8Path), ""}); }

bool NoteBookConfigured() { return !State().place.file.empty() || State().place.OnServer(); }

const std::string& NoteBookPath() { return State().place.file; }

book::NoteBook* OpenNoteBook(std::string* why) {
  BookState& s = State();
  if (s.book) return s.book.get();
  if (s.place.OnServer())
    s.book = book::OpenServerBook(s.place.connection, why);
  else if (!s.place.file.empty())
    s.book = book::NoteBook::Open(s.place.file, why);
  return s.book.get();
}

book::NoteBook* OpenNoteBookOrSay() {
  std::string why;
  book::NoteBook* notes = OpenNoteBook(&why);
  if (!notes) Tell("无法打开账本：" + why, kStopIcon);
  return notes;
}

}  // namespace app

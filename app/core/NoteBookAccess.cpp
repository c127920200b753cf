#include "app/core/NoteBookAccess.h"

#include <memory>
#include <utility>

#include "app/core/FileCommands.h"

namespace app {

namespace {

struct BookState {
  std::string path;
  std::unique_ptr<book::NoteBook> book;
};

BookState& State() {
  static BookState state;
  return state;
}

}  // namespace

void SetNoteBookPath(std::string utf8Path) {
  State().book.reset();
  State().path = std::move(utf8Path);
}

bool NoteBookConfigured() { return !State().path.empty(); }

const std::string& NoteBookPath() { return State().path; }

book::NoteBook* OpenNoteBook(std::string* why) {
  BookState& s = State();
  if (!s.book && !s.path.empty()) s.book = book::NoteBook::Open(s.path, why);
  return s.book.get();
}

book::NoteBook* OpenNoteBookOrSay() {
  std::string why;
  book::NoteBook* notes = OpenNoteBook(&why);
  if (!notes) Tell("无法打开账本：" + why, kStopIcon);
  return notes;
}

}  // namespace app

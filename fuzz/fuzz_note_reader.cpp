// Any cell texts must read as a note or be refused with a reason, never overrun; a note
// read must be one the book records, and the book must give its texts back exactly
// (GBK that converts goes in as UTF-8, the rest as the bytes).
// Input: rows (1 byte), columns (1 byte), then the cell texts row by row, each ended by
// a zero byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "book/core/BookDate.h"
#include "book/core/NoteBook.h"

namespace {

book::NoteBook& Book() {
  static std::unique_ptr<book::NoteBook> book;
  static int uses = 0;
  if (!book || ++uses % 2000 == 0) {  // a fresh book now and then, so it stays small
    book.reset();
    std::string why;
    book = book::NoteBook::Open(":memory:", &why);
    if (!book) abort();
  }
  return *book;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int rows = data[0] % 40, cols = data[1] % 12;
  std::map<std::pair<int, int>, std::string> cells;
  std::string text;
  int index = 0;
  for (size_t i = 2; i < size && cols > 0; ++i) {
    if (data[i]) {
      text += char(data[i]);
      continue;
    }
    cells[{index / cols, index % cols}] = text;
    text.clear();
    ++index;
  }
  auto cell = [&cells](int r, int c) {
    auto it = cells.find({r, c});
    return it == cells.end() ? std::string() : it->second;
  };

  book::NoteRecord note;
  std::string why;
  if (!book::ReadNote(cell, rows, cols, &note, &why)) {
    if (why.empty()) abort();
    return 0;
  }
  if (!note.noteDate.empty() && !book::IsIsoDate(note.noteDate)) abort();
  int lastRow = 0;
  for (const book::NoteItem& item : note.items) {
    if (item.row <= lastRow || item.row > 20) abort();
    lastRow = item.row;
  }

  note.filePath = "fuzz.qgd";
  book::NoteBook& book = Book();
  if (!book.Record(note, &why)) abort();  // a note the reader took is recorded
  if (note.customer.empty()) return 0;
  bool found = false;  // the number, or the path while there is none, is the record's own
  for (const book::NoteSummary& s : book.List({note.customer, "", ""}).value)
    found = found || (s.number == note.number && s.filePath == note.filePath && s.customer == note.customer &&
                      s.noteDate == note.noteDate);
  if (!found) abort();
  for (const book::NoteItem& item : note.items) {
    auto last = book.LastItemFor(note.customer, item.dimensions).value;
    if (!item.dimensions.empty() && (!item.unit.empty() || !item.price.empty()) && !last) abort();
  }
  // The note's day on a statement: made unless the sums overflow, with a line for each of
  // its item rows, and figures that read back as money.
  if (note.noteDate.empty()) return 0;
  book::Statement statement;
  book::Money value = 0;
  if (!book.MakeStatement(note.customer, note.noteDate, note.noteDate, &statement, &why)) {
    if (why != "金额超出范围，无法对账") abort();
  } else if (statement.lines.size() < note.items.size() ||  // other notes of the day add lines
             !book::ParseMoney(book::MoneyText(statement.closing), &value)) {
    abort();
  }
  return 0;
}

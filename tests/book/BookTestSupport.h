// Real book files for the tests, in the test's temporary folder, and notes to put in them.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "book/core/CellAmount.h"
#include "book/core/NoteBook.h"

namespace book::test {

// A path of its own, removed (with SQLite's side files) before and after the test.
class TempBook {
 public:
  explicit TempBook(const std::string& name) : path_(::testing::TempDir() + "book_" + name + ".db") {
    Remove();
  }
  ~TempBook() { Remove(); }
  const std::string& path() const { return path_; }

  std::unique_ptr<NoteBook> Open(int waitMs = kBookWaitMs) const {
    std::string why;
    auto book = NoteBook::Open(path_, &why, waitMs);
    EXPECT_TRUE(book) << why;
    return book;
  }

 private:
  void Remove() const {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) std::remove((path_ + suffix).c_str());
  }
  std::string path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

// A connection of another program to the same file.
class RawConnection {
 public:
  explicit RawConnection(const std::string& path) { EXPECT_EQ(sqlite3_open(path.c_str(), &db_), SQLITE_OK); }
  ~RawConnection() { sqlite3_close(db_); }
  sqlite3* get() const { return db_; }
  int Exec(const std::string& sql) const { return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr); }
  // The first column of the first row as text ("" when there is none).
  std::string Text(const std::string& sql) const {
    sqlite3_stmt* s = nullptr;
    std::string text;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr) == SQLITE_OK && sqlite3_step(s) == SQLITE_ROW &&
        sqlite3_column_text(s, 0))
      text = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
    sqlite3_finalize(s);
    return text;
  }

 private:
  sqlite3* db_ = nullptr;
};

inline NoteRecord Note(std::string number, std::string customer, std::string date, std::string path,
                       std::vector<NoteItem> items = {}) {
  NoteRecord note;
  note.number = std::move(number);
  note.customer = std::move(customer);
  note.noteDate = std::move(date);
  note.filePath = std::move(path);
  note.items = std::move(items);
  for (const NoteItem& item : note.items) AddAmount(item.amount, &note.total);
  return note;
}

inline NoteItem Item(int row, std::string dimensions, std::string unit, std::string price,
                     std::string amount) {
  return NoteItem{row, std::move(dimensions), "1", std::move(unit), std::move(price), std::move(amount), ""};
}

inline void Record(NoteBook& book, const NoteRecord& note) {
  std::string why;
  ASSERT_TRUE(book.Record(note, &why)) << why;
}

}  // namespace book::test

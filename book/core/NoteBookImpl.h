// What a NoteBook holds, shared by the files that implement it.
#pragma once

#include <cstdint>
#include <string>

#include "book/core/BookErrors.h"
#include "book/core/NoteBook.h"
#include "book/core/Sqlite.h"

namespace book {

struct NoteBook::Impl {
  sql::Connection db;

  // The reason for `code` (or the reason given) in *why when given; false.
  bool Fail(int code, std::string* why);
  bool Fail(const std::string& reason, std::string* why);
};

// A query's answer that failed for `reason`.
template <class T>
Answer<T> FailedAnswer(const std::string& reason) {
  return Answer<T>{T{}, false, reason};
}
template <class T>
Answer<T> FailedAnswer(int code) {
  return FailedAnswer<T>(ReasonForCode(code));
}

// The customer's id: made (or its last use brought up to `now`) for a non-empty name,
// else 0.
int UpsertCustomer(sqlite3* db, const std::string& name, int64_t now, int64_t* id);
// The customer's id; 0 when the book has never seen the name.
int FindCustomer(sqlite3* db, const std::string& name, int64_t* id);

// "" when the database is a book this program can use (perhaps after an upgrade), else
// the reason. Reads only.
std::string JudgeBookFile(sqlite3* db);
// Upgrades a book of an older version in a write transaction.
int BringUpToDate(sqlite3* db);

// Milliseconds since 1970, the time stamps of the book.
int64_t NowMs();

}  // namespace book

// What a NoteBook holds, shared by the files that implement it.
#pragma once

#include <cstdint>
#include <string>

#include "book/core/NoteBook.h"
#include "book/core/Sqlite.h"

namespace book {

struct NoteBook::Impl {
  sql::Connection db;
  std::string lastError;  // GBK; "" after a call that succeeded

  // Records `code` as the last error, with its reason in *why when given; false.
  bool Fail(int code, std::string* why);
  bool Fail(const std::string& reason, std::string* why);
  void Succeeded() { lastError.clear(); }
};

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

// Adds an amount cell's text as the statement counts it (nothing when it is no number);
// false on overflow. Every sum of delivered goods reads its cells through this.
bool AddStatementAmount(const std::string& text, Money* sum);

// Milliseconds since 1970, the time stamps of the book.
int64_t NowMs();

}  // namespace book

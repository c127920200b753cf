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

// Milliseconds since 1970, the time stamps of the book.
int64_t NowMs();

}  // namespace book

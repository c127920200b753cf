// What a NoteBook holds, shared by the files of its rules.
#pragma once

#include <memory>
#include <string>

#include "book/core/BookStore.h"
#include "book/core/NoteBook.h"

namespace book {

struct NoteBook::Impl {
  std::unique_ptr<BookStore> store;
  std::string lastError;  // GBK; "" after a call that succeeded

  // Records the reason as the last error, and in *why when given; false.
  bool Fail(const std::string& reason, std::string* why);
  // The store's answer: `ok` with the reason it gave kept as the last error.
  bool Done(bool ok, const std::string& reason, std::string* why);
  void Succeeded() { lastError.clear(); }
};

}  // namespace book

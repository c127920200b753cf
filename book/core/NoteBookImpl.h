// What a NoteBook holds, shared by the files of its rules.
#pragma once

#include <memory>
#include <string>

#include "book/core/BookStore.h"
#include "book/core/NoteBook.h"

namespace book {

struct NoteBook::Impl {
  std::unique_ptr<BookStore> store;

  // The reason in *why when given; false.
  bool Fail(const std::string& reason, std::string* why);
  // The store's answer: `ok`, or false with the reason it gave.
  bool Done(bool ok, const std::string& reason, std::string* why);
};

// A query's answer that failed for `reason`.
template <class T>
Answer<T> FailedAnswer(const std::string& reason) {
  return Answer<T>{T{}, false, reason};
}

// The store's answer to a query: its value, or the failure with the reason.
template <class T>
Answer<T> StoreAnswer(bool ok, T&& value, const std::string& reason) {
  return ok ? Answer<T>{std::move(value), true, ""} : FailedAnswer<T>(reason);
}

}  // namespace book

// What every notebook command shares: its output and error texts, and opening the book.
#pragma once

#include <memory>
#include <string>

#include "book/core/NoteBook.h"
#include "tools/notebook/NotebookCommand.h"

namespace notebook {

extern const char kUsage[];

struct Output {
  std::string* out;
  std::string* err;
  int Fail(const std::string& where, const std::string& what) const {
    *err += "notebook: " + where + ": " + what + "\n";
    return kExitFailure;
  }
  int Usage(const std::string& what = "") const {
    *err += (what.empty() ? "" : "notebook: " + what + "\n") + kUsage;
    return kExitUsage;
  }
};

// Where the book is: a file (--book), or a server (--server, --dsn).
struct BookPlace {
  std::string file;
  std::string connection;  // GBK, "" for a file
  std::string name;        // for messages, UTF-8
};

// Today's local date, YYYY-MM-DD: the day commands take when none is given.
std::string Today();

// The book, or null after saying why. An existing file only, when `mustExist`.
std::unique_ptr<book::NoteBook> OpenBook(const BookPlace& place, const Output& o, bool mustExist = false);

// The commands of PaymentCommands.cpp, over the arguments after the command's name.
int Pay(const BookPlace& place, const std::vector<std::string>& args, const Output& o);
int PaymentsCsv(const BookPlace& place, const std::vector<std::string>& args, const Output& o);
int StatementCsv(const BookPlace& place, const std::vector<std::string>& args, const Output& o);

// The commands of ServerCommands.cpp.
int TakeNumber(const BookPlace& place, const std::vector<std::string>& args, const Output& o);
int Push(const BookPlace& place, const std::vector<std::string>& args, const Output& o);
// The place `option` (--book, --server, --dsn) and `value` name; false for another option.
bool ReadPlace(const std::string& option, const std::string& value, BookPlace* place);
// ReceivableCommands.cpp: receivables, and void / unvoid (`voided` false).
int ReceivablesCsv(const BookPlace& place, const std::vector<std::string>& args, const Output& o);
int SetVoided(const BookPlace& place, const std::vector<std::string>& args, bool voided, const Output& o);

}  // namespace notebook

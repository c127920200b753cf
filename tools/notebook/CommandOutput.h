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

// The book at `path`, or null after saying why. An existing book only, when `mustExist`.
std::unique_ptr<book::NoteBook> OpenBook(const std::string& path, const Output& o, bool mustExist = false);

// The commands of PaymentCommands.cpp, over the arguments after the command's name.
int Pay(const std::string& bookPath, const std::vector<std::string>& args, const Output& o);
int PaymentsCsv(const std::string& bookPath, const std::vector<std::string>& args, const Output& o);
int StatementCsv(const std::string& bookPath, const std::vector<std::string>& args, const Output& o);
// ReceivableCommands.cpp: receivables, and void / unvoid (`voided` false).
int ReceivablesCsv(const std::string& bookPath, const std::vector<std::string>& args, const Output& o);
int SetVoided(const std::string& bookPath, const std::vector<std::string>& args, bool voided,
              const Output& o);

}  // namespace notebook

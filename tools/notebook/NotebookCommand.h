// The notebook command line, apart from the process: arguments in, output and error
// text out (UTF-8), exit status returned. Works on the same book as the program.
//   notebook --book FILE import PATH...   record note files (a folder: every *.qgd under it)
//   notebook --book FILE list [--customer NAME] [--from YYYY-MM-DD] [--to YYYY-MM-DD] --csv
//   notebook --book FILE receivables [--as-of YYYY-MM-DD] --csv;  void NUMBER;  unvoid NUMBER
#pragma once

#include <string>
#include <vector>

namespace notebook {

constexpr int kExitFailure = 1;  // a file skipped, or the book unusable
constexpr int kExitUsage = 2;

int RunNotebook(const std::vector<std::string>& args, std::string* out, std::string* err);

}  // namespace notebook

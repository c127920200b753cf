// The notebook program: the command line of NotebookCommand over the process's
// arguments and standard streams.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/notebook/NotebookCommand.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string out, err;
  int status = notebook::RunNotebook(args, &out, &err);
  if (!out.empty() &&
      (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0)) {
    std::fputs("notebook: cannot write the output\n", stderr);
    return notebook::kExitFailure;
  }
  if (!err.empty()) std::fputs(err.c_str(), stderr);
  return status;
}

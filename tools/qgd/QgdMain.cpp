// The qgd program: the command line of QgdCommand over the process's arguments and
// standard streams. Output is written as bytes (UTF-8, no line-end translation).
#include <cstdio>
#include <string>
#include <vector>

#include "text/GbkText.h"
#include "tools/qgd/QgdCommand.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#endif

namespace {

bool ReadStandardInput(size_t maxBytes, std::string* text) {
  text->clear();
  char buffer[1 << 16];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
    if (text->size() + n > maxBytes) return false;
    text->append(buffer, n);
  }
  return !std::ferror(stdin);
}

// The arguments after the program name; on Windows taken wide and turned into GBK, the
// code page every path of the program is in.
std::vector<std::string> Arguments(int argc, char** argv) {
  std::vector<std::string> args;
#ifdef _WIN32
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide) {
    for (int i = 1; i < count; ++i) {
      std::wstring_view arg(wide[i]);
      args.push_back(text::Utf16ToGbkLossy(std::u16string(arg.begin(), arg.end())));
    }
    LocalFree(wide);
    return args;
  }
#endif
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  return args;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
#endif
  std::string out, err;
  int status = qgd::RunQgd(Arguments(argc, argv), &out, &err, &ReadStandardInput);
  if (!out.empty() &&
      (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0)) {
    std::fputs("qgd: cannot write the output\n", stderr);
    return qgd::kExitFailure;
  }
  if (!err.empty()) std::fputs(err.c_str(), stderr);
  return status;
}

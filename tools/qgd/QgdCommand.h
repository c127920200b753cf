// The qgd command line, apart from the process: arguments in, output and one-line
// error text out, exit status returned.
//   qgd dump FILE         the grid file as JSON on the output
//   qgd build JSON FILE   a grid file from such JSON ("-" reads it from the input)
//   qgd csv FILE          the cell texts as CSV
// Paths are passed to the file functions as they come (GBK on Windows).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace qgd {

constexpr int kExitFailure = 1;  // a bad or unreadable file or JSON
constexpr int kExitUsage = 2;

// Reads the standard input, at most maxBytes; false when it cannot or there is more.
using InputReader = bool (*)(size_t maxBytes, std::string* text);

int RunQgd(const std::vector<std::string>& args, std::string* out, std::string* err,
           InputReader readInput = nullptr);

}  // namespace qgd

// lunar_tables: computes the lunar calendar tables from the ephemeris.
//   lunar_tables [--ephe DIR] OUTPUT.cpp   writes the tables as C++ source
//   lunar_tables [--ephe DIR] --report     prints the accuracy report
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/lunar/Generator.h"
#include "tools/lunar/Report.h"

namespace {

constexpr char kDefaultEphemerisDirectory[] = "/usr/share/libswe/ephe";

int Usage() {
  std::fprintf(stderr, "usage: lunar_tables [--ephe DIR] (OUTPUT.cpp | --report)\n");
  return 2;
}

bool WriteFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  std::string directory = kDefaultEphemerisDirectory;
  std::string output;
  bool report = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--ephe") == 0 && i + 1 < argc) {
      directory = argv[++i];
    } else if (std::strcmp(argv[i], "--report") == 0) {
      report = true;
    } else if (argv[i][0] != '-' && output.empty()) {
      output = argv[i];
    } else {
      return Usage();
    }
  }
  if (report == !output.empty()) return Usage();

  std::string error;
  lunar::Ephemeris ephemeris;
  lunar::Tables tables;
  bool ok =
      ephemeris.Open(directory, error) && lunar::ComputeTables(ephemeris, lunar::CalendarZone, tables, error);
  if (ok) {
    if (report) {
      ok = lunar::WriteReport(tables, stdout, error);
    } else if (!WriteFile(output, lunar::WriteTableSource(tables.years, tables.termYears))) {
      error = "cannot write " + output;
      ok = false;
    }
  }
  lunar::CloseEphemeris();
  if (!ok) {
    std::fprintf(stderr, "lunar_tables: %s\n", error.c_str());
    return 1;
  }
  return 0;
}

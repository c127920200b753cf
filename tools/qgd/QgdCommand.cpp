#include "tools/qgd/QgdCommand.h"

#include <cstdint>
#include <new>

#include "grid/core/PlatformFile.h"
#include "tools/qgd/GridCsv.h"
#include "tools/qgd/GridJson.h"

namespace qgd {

namespace {

// No note comes near these; a larger input is refused before it is read.
constexpr size_t kMaxGridFileBytes = size_t(512) << 20;
constexpr size_t kMaxJsonBytes = size_t(1) << 30;

const char kUsage[] =
    "usage: qgd dump FILE | qgd build JSON FILE | qgd csv FILE\n"
    "  dump   print the whole grid file as JSON (UTF-8)\n"
    "  build  write a grid file from such JSON (JSON may be - for the standard input)\n"
    "  csv    print the cell texts as CSV (UTF-8)\n";

int Fail(std::string* err, const std::string& where, const std::string& what) {
  *err = "qgd: " + where + ": " + what + "\n";
  return kExitFailure;
}

bool ReadGridFile(const std::string& path, std::vector<uint8_t>* bytes, std::string* err) {
  if (grid::ReadWholeFile(path, kMaxGridFileBytes, bytes)) return true;
  Fail(err, path, "cannot read the file (missing, unreadable or larger than 512 MB)");
  return false;
}

int Dump(const std::string& path, std::string* out, std::string* err) {
  std::vector<uint8_t> bytes;
  if (!ReadGridFile(path, &bytes, err)) return kExitFailure;
  std::string why;
  if (!DumpGridJson(bytes.data(), bytes.size(), out, &why)) return Fail(err, path, why);
  return 0;
}

int Csv(const std::string& path, std::string* out, std::string* err) {
  std::vector<uint8_t> bytes;
  if (!ReadGridFile(path, &bytes, err)) return kExitFailure;
  std::string why;
  if (!GridCsv(bytes.data(), bytes.size(), out, &why)) return Fail(err, path, why);
  return 0;
}

int Build(const std::string& jsonPath, const std::string& path, std::string* err, InputReader readInput) {
  std::string json;
  if (jsonPath == "-") {
    if (!readInput || !readInput(kMaxJsonBytes, &json))
      return Fail(err, "standard input", "cannot read the JSON (or it is larger than 1 GB)");
  } else {
    std::vector<uint8_t> raw;
    if (!grid::ReadWholeFile(jsonPath, kMaxJsonBytes, &raw))
      return Fail(err, jsonPath, "cannot read the file (missing, unreadable or larger than 1 GB)");
    json.assign(raw.begin(), raw.end());
  }
  std::vector<uint8_t> bytes;
  std::string why;
  if (!BuildGridFromJson(json, &bytes, &why))
    return Fail(err, jsonPath == "-" ? "standard input" : jsonPath, why);
  if (!grid::ReplaceFileContents(path, bytes.data(), bytes.size()))
    return Fail(err, path, "cannot write the file (the old one, if any, is unchanged)");
  return 0;
}

}  // namespace

int RunQgd(const std::vector<std::string>& args, std::string* out, std::string* err, InputReader readInput) {
  out->clear();
  err->clear();
  try {
    if (args.size() == 2 && args[0] == "dump") return Dump(args[1], out, err);
    if (args.size() == 2 && args[0] == "csv") return Csv(args[1], out, err);
    if (args.size() == 3 && args[0] == "build") return Build(args[1], args[2], err, readInput);
    *err = kUsage;
    return kExitUsage;
  } catch (const std::bad_alloc&) {
    out->clear();
    *err = "qgd: out of memory\n";
    return kExitFailure;
  }
}

}  // namespace qgd

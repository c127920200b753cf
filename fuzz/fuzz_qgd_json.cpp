// Any text handed to qgd's JSON reader and grid builder: no crash or hang; refusals
// come with a one-line reason; and whatever builds dumps to JSON that builds the same
// bytes again and dumps to the same JSON.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "tools/qgd/GridJson.h"
#include "tools/qgd/JsonReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view json(reinterpret_cast<const char*>(data), size);

  qgd::JsonReader reader(json);
  if (!(reader.Skip() && reader.Finish()) && reader.Error().empty()) abort();

  std::vector<uint8_t> bytes;
  std::string error;
  if (!qgd::BuildGridFromJson(json, &bytes, &error)) {
    if (error.empty() || error.find('\n') != std::string::npos) abort();
    return 0;
  }
  std::string dumped;
  if (!qgd::DumpGridJson(bytes.data(), bytes.size(), &dumped, &error)) abort();
  std::vector<uint8_t> rebuilt;
  if (!qgd::BuildGridFromJson(dumped, &rebuilt, &error) || rebuilt != bytes) abort();
  std::string again;
  if (!qgd::DumpGridJson(rebuilt.data(), rebuilt.size(), &again, &error) || again != dumped) abort();
  return 0;
}

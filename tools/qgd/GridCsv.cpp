#include "tools/qgd/GridCsv.h"

#include <new>

#include "grid/core/GridFile.h"
#include "grid/core/GridModel.h"
#include "tools/qgd/GbkText.h"

namespace qgd {

void AppendCsvField(std::string_view utf8, std::string* out) {
  if (utf8.find_first_of(",\"\r\n") == std::string_view::npos) {
    out->append(utf8);
    return;
  }
  *out += '"';
  for (char c : utf8) {
    if (c == '"') *out += '"';
    *out += c;
  }
  *out += '"';
}

bool GridCsv(const uint8_t* data, size_t size, std::string* csv, std::string* error) {
  try {
    grid::GridModel grid;
    if (!grid::LoadGridFromBuffer(grid, data, size, error)) return false;
    csv->clear();
    for (int r = 0; r < grid.RowCount(); ++r) {
      for (int c = 0; c < grid.ColCount(); ++c) {
        if (c) *csv += ',';
        AppendCsvField(GbkToUtf8Lossy(grid.CellText(r, c)), csv);
      }
      *csv += "\r\n";
    }
    return true;
  } catch (const std::bad_alloc&) {
    *error = "out of memory";
    return false;
  }
}

}  // namespace qgd

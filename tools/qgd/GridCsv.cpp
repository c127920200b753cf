#include "tools/qgd/GridCsv.h"

#include <new>

#include "grid/core/GridFile.h"
#include "grid/core/GridModel.h"
#include "text/Csv.h"
#include "text/GbkText.h"

namespace qgd {

bool GridCsv(const uint8_t* data, size_t size, std::string* csv, std::string* error) {
  try {
    grid::GridModel grid;
    if (!grid::LoadGridFromBuffer(grid, data, size, error)) return false;
    csv->clear();
    for (int r = 0; r < grid.RowCount(); ++r) {
      for (int c = 0; c < grid.ColCount(); ++c) {
        if (c) *csv += ',';
        text::AppendCsvField(text::GbkToUtf8Lossy(grid.CellText(r, c)), csv);
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

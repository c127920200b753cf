// The cell texts of a grid file as CSV (UTF-8): the file is loaded into a grid as the
// program loads it (numbers formatted by their columns), then every row, header rows
// included, becomes one record of ColCount fields. Fields holding a comma, a quote or a
// line break are quoted, quotes doubled; records end with CR LF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qgd {

bool GridCsv(const uint8_t* data, size_t size, std::string* csv, std::string* error);

}  // namespace qgd

// A grid file as JSON and back. The JSON holds everything the file holds, with texts
// in UTF-8 (a text that is not plain GBK is kept as {"hex": "..."} of its bytes) and
// pictures in base64, so that dump -> build gives the same file back and
// dump -> build -> dump gives the same JSON.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "grid/core/GridFileFormat.h"
#include "tools/qgd/JsonReader.h"

namespace qgd {

// The image as JSON text (UTF-8, ending with a line break).
std::string GridImageToJson(const grid::GridFileImage& image);
// Checks and reads a grid file, then writes it as JSON; false with a one-line reason
// for a file the grid would refuse.
bool DumpGridJson(const uint8_t* data, size_t size, std::string* json, std::string* error);

// Reads JSON as DumpGridJson writes it. Members may come in any order; a missing one
// takes the value a new, empty grid saves (row heights and column widths: the default
// sizes). Unknown or repeated members, values out of range, texts too long for their
// field or without a GBK form, and sections the version does not have are refused.
bool JsonToGridImage(std::string_view json, grid::GridFileImage* image, std::string* error,
                     const JsonLimits& limits = JsonLimits());
// JsonToGridImage, then the file's bytes; refused as well when the grid would not load
// the result.
bool BuildGridFromJson(std::string_view json, std::vector<uint8_t>* bytes, std::string* error,
                       const JsonLimits& limits = JsonLimits());

}  // namespace qgd

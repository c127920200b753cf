// Loading and saving a grid as a grid file, from and to disk or memory.
//
// Saving writes version 6 to a temporary file beside the target and puts it in the
// target's place only once it is complete and flushed: a failed save leaves the old
// file as it was. Loading checks the whole file first; a refused file leaves the grid
// unchanged. Pictures go through the installed PictureService.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "grid/core/GridFileFormat.h"
#include "grid/core/GridModel.h"

namespace grid {

// Paths are GBK. `error`, when given, receives a one-line reason on failure.
bool LoadGridFile(GridModel& grid, const std::string& path, std::string* error = nullptr);
bool SaveGridFile(const GridModel& grid, const std::string& path, std::string* error = nullptr);

bool LoadGridFromBuffer(GridModel& grid, const uint8_t* data, size_t size, std::string* error = nullptr);
std::vector<uint8_t> SaveGridToBuffer(const GridModel& grid);

// The two halves of the above, for tools that work on the records.
// Collects what a save writes (cells with text, a check value or a picture; cells
// whose font, colours, format, diagonal style, margin, spare flag or state differ from
// the defaults; every table; the print settings).
GridFileImage CaptureGrid(const GridModel& grid);
// Replaces the grid's content with the image, in the order a load applies it.
// False only when the image does not fit the grid's limits (the grid is then reset).
bool ApplyGridImage(const GridFileImage& image, GridModel& grid);

}  // namespace grid

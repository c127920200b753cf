// The directory of an icon or cursor file (.ico / .cur) as window templates carry it:
// which images it holds and where their bytes lie. Every entry is checked against the
// file's length, so a broken file yields fewer (or no) images, never a bad read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rt {

// The format version of an icon or cursor image in resource form, as the platform's
// icon-from-resource call takes it.
constexpr uint32_t kIconResourceVersion = 0x00030000;

struct IconImage {
  int width = 0, height = 0;  // 0 in the file means 256
  int bitCount = 0;
  uint16_t hotspotX = 0, hotspotY = 0;  // cursors only (planes/bit-count fields there)
  size_t offset = 0, size = 0;          // the image's bytes within the file
};

struct IconDirectory {
  bool isCursor = false;
  std::vector<IconImage> images;
};

// False when the data is not an icon or cursor file with at least one sound image.
bool ReadIconDirectory(const uint8_t* data, size_t length, IconDirectory* out);

// The image closest to the wanted size (exact size first, then the smallest larger one,
// then the largest smaller one; more colours win among equal sizes); -1 when none.
int BestIconImage(const IconDirectory& dir, int wantedSize);

}  // namespace rt

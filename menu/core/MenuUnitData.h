// The owner-drawn menu unit's stored property data, read into a plain record.
//
// After the 20 reserved bytes: word version (1); MenuStyle; the ten colours in property
// order; MenuIcons as a counted block (0 = none); MenuItemIcons as a counted block
// (0 = no map, else the serialised map below); BarBackColor (0xFF000000 = the system's
// button face); the icons' key colour (0xFF000000 = magenta); MenuFont as a counted
// block of 0 (the system menu font) or 60 bytes (a LOGFONTA record); word s, then s side
// pictures: bar item identifier, stretch flag, the picture as a counted block of bitmap
// file bytes. A higher version, a short block, a bad font length or bytes left over
// make the reader fail.
//
// Serialised item-icon map: word count c, then c pairs of words (item identifier, icon
// index). Icon image data: word icon width, word icon height, then the picture bytes of
// a strip holding the icons side by side.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "menu/core/MenuColors.h"

namespace menu {

constexpr uint32_t kUnsetColor = 0xFF000000u;
constexpr uint32_t kMenuDataVersion = 1;

using ItemIconMap = std::map<uint32_t, int32_t>;  // item identifier -> icon index

struct SidePictureData {
  uint32_t barItem = 0;
  bool stretch = false;
  std::vector<uint8_t> bitmap;  // bitmap file bytes
};

struct MenuUnitData {
  int style = 1;
  ColorTable colors = PresetColors(1);
  std::vector<uint8_t> menuIcons;
  ItemIconMap itemIcons;
  Color barBackColor = kUnsetColor;
  Color iconKeyColor = kUnsetColor;
  std::vector<uint8_t> menuFont;  // empty or 60 bytes
  std::vector<SidePictureData> sidePictures;
};

// False on bad data; `out` then holds the defaults.
bool ReadMenuUnitData(const uint8_t* block, size_t length, MenuUnitData* out);

// The map from its serialised bytes; false when the bytes do not hold one whole map.
bool ReadItemIconMap(const uint8_t* bytes, size_t length, ItemIconMap* out);
std::vector<uint8_t> WriteItemIconMap(const ItemIconMap& map);

struct IconStripHeader {
  uint32_t width = 0, height = 0;
  size_t pictureOffset = 8;
};
// False unless the bytes start with a plausible icon size (1..256 each) and hold
// picture bytes after it.
bool ReadIconStripHeader(const uint8_t* bytes, size_t length, IconStripHeader* out);

}  // namespace menu

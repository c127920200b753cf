// The owner-drawn menu unit's stored data: the reader must never read outside the
// block, and what it accepts must read back the same from the parts it kept.
#include <cstddef>
#include <cstdint>

#include "menu/core/MenuUnitData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  menu::MenuUnitData d;
  if (menu::ReadMenuUnitData(data, size, &d)) {
    if (!d.menuFont.empty() && d.menuFont.size() != 60) __builtin_trap();
    std::vector<uint8_t> map = menu::WriteItemIconMap(d.itemIcons);
    menu::ItemIconMap again;
    if (!menu::ReadItemIconMap(map.data(), map.size(), &again) || again != d.itemIcons) __builtin_trap();
  }
  menu::ItemIconMap map;
  menu::ReadItemIconMap(data, size, &map);
  menu::IconStripHeader h;
  if (menu::ReadIconStripHeader(data, size, &h) && h.pictureOffset >= size) __builtin_trap();
  return 0;
}

// One menu item as a draw or measure request sees it: four 32-bit values that can be
// written to and read from stored data.
#pragma once

#include <cstddef>
#include <cstdint>

namespace menu::win {

struct CMenuItemInfo {
  uint32_t identifier = 0;  // 20000 + index in the window's menu list
  uint32_t level = 0;       // 0 = a bar item
  int32_t iconIndex = -1;   // -1 = no icon
  uint32_t flags = 0;       // kSeparator

  static constexpr uint32_t kSeparator = 1;
  static constexpr size_t kStoredSize = 16;

  bool IsBarItem() const { return level == 0; }
  bool IsSeparator() const { return (flags & kSeparator) != 0; }
  void Store(uint8_t out[kStoredSize]) const;
  static CMenuItemInfo Load(const uint8_t in[kStoredSize]);
};

}  // namespace menu::win

#include "menu/win/CMenuItemInfo.h"

#include <cstring>

namespace menu::win {

void CMenuItemInfo::Store(uint8_t out[kStoredSize]) const {
  const uint32_t words[4] = {identifier, level, uint32_t(iconIndex), flags};
  for (int i = 0; i < 4; ++i)
    for (int b = 0; b < 4; ++b) out[i * 4 + b] = uint8_t(words[i] >> (8 * b));
}

CMenuItemInfo CMenuItemInfo::Load(const uint8_t in[kStoredSize]) {
  uint32_t words[4];
  for (int i = 0; i < 4; ++i)
    words[i] = uint32_t(in[i * 4]) | uint32_t(in[i * 4 + 1]) << 8 | uint32_t(in[i * 4 + 2]) << 16 |
               uint32_t(in[i * 4 + 3]) << 24;
  return CMenuItemInfo{words[0], words[1], int32_t(words[2]), words[3]};
}

}  // namespace menu::win

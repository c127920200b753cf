// The runtime's table of shortcut key names for menu items: a menu item stores an
// index 1..77 into it (0 = no shortcut). The name is shown after the caption and a tab;
// the key and its modifiers become an accelerator.
#pragma once

#include <cstdint>

namespace rt {

constexpr int kShortcutKeyCount = 77;

struct ShortcutKey {
  const char* name;  // as shown in the menu, e.g. "Ctrl+S"
  uint16_t virtualKey;
  bool ctrl, shift, alt;
};

// The key for index 1..77; null for 0 and for indices outside the table.
const ShortcutKey* ShortcutKeyAt(uint32_t index);

}  // namespace rt

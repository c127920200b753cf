#include "runtime/core/MenuShortcutKeys.h"

namespace rt {

namespace {

// Virtual-key codes (the platform's numbering).
constexpr uint16_t kVkF1 = 0x70;
constexpr uint16_t kVkInsert = 0x2D;
constexpr uint16_t kVkDelete = 0x2E;
constexpr uint16_t kVkBack = 0x08;

struct Table {
  ShortcutKey keys[kShortcutKeyCount];
  char names[kShortcutKeyCount][16];

  Table() {
    int n = 0;
    auto add = [&](const char* prefix, const char* key, uint16_t vk, bool ctrl, bool shift, bool alt) {
      char* out = names[n];
      int len = 0;
      for (const char* p = prefix; *p; ++p) out[len++] = *p;
      for (const char* p = key; *p; ++p) out[len++] = *p;
      out[len] = 0;
      keys[n] = ShortcutKey{out, vk, ctrl, shift, alt};
      ++n;
    };
    char letter[2] = {0, 0};
    for (char c = 'A'; c <= 'Z'; ++c) {
      letter[0] = c;
      add("Ctrl+", letter, uint16_t(c), true, false, false);
    }
    static const char* const kF[12] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                                       "F7", "F8", "F9", "F10", "F11", "F12"};
    for (int i = 0; i < 12; ++i) add("", kF[i], uint16_t(kVkF1 + i), false, false, false);
    for (int i = 0; i < 12; ++i) add("Ctrl+", kF[i], uint16_t(kVkF1 + i), true, false, false);
    for (int i = 0; i < 12; ++i) add("Shift+", kF[i], uint16_t(kVkF1 + i), false, true, false);
    for (int i = 0; i < 12; ++i) add("Ctrl+Shift+", kF[i], uint16_t(kVkF1 + i), true, true, false);
    add("", "Ins", kVkInsert, false, false, false);
    add("", "Del", kVkDelete, false, false, false);
    add("Alt+", "Bksp", kVkBack, false, false, true);
  }
};

const Table& Keys() {
  static const Table table;
  return table;
}

}  // namespace

const ShortcutKey* ShortcutKeyAt(uint32_t index) {
  if (index < 1 || index > uint32_t(kShortcutKeyCount)) return nullptr;
  return &Keys().keys[index - 1];
}

}  // namespace rt

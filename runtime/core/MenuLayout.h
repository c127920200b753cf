// Planning a window's menu bar from its menu-item templates, without touching the
// platform: which item goes into which pop-up, with what text and state, and which
// accelerators the shortcuts make. The Windows side only carries the plan out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/core/WindowTemplate.h"

namespace rt {

// Menu command numbers: item i of the window's menu list is 20000 + i.
constexpr uint32_t kFirstMenuCommand = 20000;

namespace menustate {
constexpr uint32_t kHidden = 1;
constexpr uint32_t kDisabled = 2;
constexpr uint32_t kChecked = 4;
}  // namespace menustate

struct MenuEntry {
  enum class Kind { kCommand, kPopup, kSeparator };
  Kind kind = Kind::kCommand;
  int item = 0;      // index in the window's menu list (command number 20000 + item)
  int parent = -1;   // index into the plan's entries of the pop-up holding it; -1 = the bar
  std::string text;  // caption, then a tab and the shortcut's name when it has one
  bool disabled = false;
  bool checked = false;
};

struct AcceleratorEntry {
  uint16_t virtualKey = 0;
  bool ctrl = false, shift = false, alt = false;
  uint32_t command = 0;
};

struct MenuPlan {
  std::vector<MenuEntry> entries;  // parents always come before their children
  std::vector<AcceleratorEntry> accelerators;
};

// `items` are the menu items in menu order. A hidden item is left out together with
// everything under it; an item followed by one of a higher level opens a pop-up; the
// caption "-" is a separator (its own sub-items, if any, are left out). Levels that jump
// by more than one are taken as one deeper.
MenuPlan PlanMenu(const std::vector<const UnitTemplate*>& items);

}  // namespace rt

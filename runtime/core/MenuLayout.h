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

// What the runtime tells an owner-drawn menu about one item (host callback 2038). The
// text points into storage the window keeps until its next such request.
struct MenuItemRecord {
  const char* text = "";  // caption, then a tab and the shortcut's name when it has one
  uint32_t level = 0;
  uint32_t identifier = 0;  // 20000 + index in the window's menu list
  int32_t visible = 0;
};

// The text of item `index` as its record gives it (caption and shortcut name).
std::string MenuItemText(const UnitTemplate& item);
// False when `identifier` lies before 20000 or past the last item.
bool FindMenuItem(const std::vector<const UnitTemplate*>& items, uint32_t identifier, size_t* index);

}  // namespace rt

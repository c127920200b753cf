// A window's menu bar and accelerator table, made from its menu-item templates.
#pragma once

#include <windows.h>

#include <vector>

#include "runtime/core/WindowTemplate.h"

namespace rt::win {

struct MenuBar {
  HMENU menu = nullptr;    // null when no item is shown
  HACCEL accel = nullptr;  // null when no item has a shortcut
};

// Items in menu order; item i gets command number (and item data) 20000 + i.
// With `ownerDrawn` every item is made owner-drawn.
MenuBar BuildMenuBar(const std::vector<UnitTemplate*>& items, bool ownerDrawn = false);

// Makes every item of the menu and its pop-ups owner-drawn (separators stay separators,
// so keyboard navigation still passes over them).
void MakeMenuOwnerDrawn(HMENU menu);

}  // namespace rt::win

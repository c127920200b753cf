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
MenuBar BuildMenuBar(const std::vector<UnitTemplate*>& items);

}  // namespace rt::win

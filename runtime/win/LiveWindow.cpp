#include "runtime/win/LiveWindow.h"

#include "runtime/core/MenuLayout.h"

namespace rt::win {

LiveUnit* LiveWindow::FindUnit(uint32_t unitId) {
  if (units.empty()) return nullptr;
  if (unitId == 0) return &units.front();
  for (LiveUnit& u : units)
    if (u.tmpl->id == unitId) return &u;
  return nullptr;
}

LiveUnit* LiveWindow::UnitOfWindow(HWND h) {
  if (!h) return nullptr;
  for (size_t i = 1; i < units.size(); ++i)
    if (units[i].hwnd == h) return &units[i];
  // Controls made of several windows (a picker's inner edit, a spin partner).
  for (size_t i = 1; i < units.size(); ++i)
    if (units[i].hwnd && IsChild(units[i].hwnd, h)) return &units[i];
  return nullptr;
}

int LiveWindow::MenuItemOfCommand(UINT command) const {
  if (command < kFirstMenuCommand) return -1;
  size_t i = command - kFirstMenuCommand;
  return i < menuItems.size() ? int(i) : -1;
}

}  // namespace rt::win

#include "runtime/win/LiveWindow.h"

#include "runtime/core/MenuLayout.h"
#include "runtime/win/UnitCursors.h"

namespace rt::win {

void LiveUnit::RemakeCursor() {
  DropCursor();
  cursor = CursorFromPointerBlock(tmpl->pointerBlock, &ownsCursor);
  tmpl->cursor = cursor;
}

void LiveUnit::DropCursor() {
  if (cursor && ownsCursor) DestroyCursor(cursor);
  cursor = nullptr;
  ownsCursor = false;
  tmpl->cursor = nullptr;
}

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

LiveUnit* LiveWindow::NextFocusUnit(const LiveUnit* from, bool back) {
  // The controls are units 1 .. n-1; walk them round from `from`.
  size_t m = units.size() > 1 ? units.size() - 1 : 0;
  if (m == 0) return nullptr;
  size_t at = from && from != &units.front() ? size_t(from - units.data()) - 1 : (back ? 0 : m - 1);
  for (size_t step = 1; step <= m; ++step) {
    size_t q = back ? (at + m - step % m) % m : (at + step) % m;
    if (TakesFocus(units[q + 1])) return &units[q + 1];
  }
  return nullptr;
}

bool TakesFocus(const LiveUnit& u) {
  if (!u.hwnd || !u.type) return false;
  if (u.type->flags & (typeflag::kHiddenAtRunTime | typeflag::kNoFocus)) return false;
  return (u.tmpl->state & unitstate::kTabStop) && IsWindowVisible(u.hwnd) && IsWindowEnabled(u.hwnd);
}

}  // namespace rt::win

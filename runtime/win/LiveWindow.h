// The run-time record of a window built from its template: its platform window, menu
// and accelerators, its units with their objects, and the state of its life (being
// built, loaded, closing, modal). Records are shared so that code deeper in the stack
// can tell that a handler destroyed the window under it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "runtime/core/MenuLayout.h"
#include "runtime/core/WindowTemplate.h"
#include "runtime/win/Unit.h"

namespace rt::win {

struct LiveUnit {
  UnitTemplate* tmpl = nullptr;
  const UnitTypeInfo* type = nullptr;
  std::unique_ptr<Unit> object;  // null for menu items and units not (or no longer) created
  HWND hwnd = nullptr;           // the unit's own platform window, if any
  uint32_t copyOf = 0;           // for a copy: the unit it was copied from
  HCURSOR cursor = nullptr;      // made from the unit's pointer block
  bool ownsCursor = false;

  // Makes the unit's pointer anew from its template's pointer block.
  void RemakeCursor();
  // Lets go of the pointer, destroying it when the unit made it (system pointers are
  // shared).
  void DropCursor();
};

struct LiveWindow : std::enable_shared_from_this<LiveWindow> {
  WindowTemplate* tmpl = nullptr;
  HWND hwnd = nullptr;
  HMENU menu = nullptr;
  HACCEL accel = nullptr;
  std::vector<LiveUnit> units;           // unit-table order; units[0] is the window's own
  std::vector<UnitTemplate*> menuItems;  // item i has command number 20000 + i
  bool ownerDrawnMenu = false;           // a unit draws the menu (rebuilt menus stay owner-drawn)
  std::string itemRecordText;            // storage behind the last menu item record handed out
  MenuItemRecord itemRecord;

  bool loaded = false;                                 // fully built and shown
  bool closing = false;                                // a close was asked for (CloseWindow)
  bool destroying = false;                             // the platform window is being destroyed
  bool gone = false;                                   // the platform window has been destroyed
  bool modal = false;                                  // the other top-level windows are disabled for it
  bool modalLoop = false;                              // a nested loop waits for this window to close
  bool activatedOnce = false;                          // for window event 8
  HWND lastFocus = nullptr;                            // the child that had the focus last
  std::vector<std::pair<HWND, bool>> disabledByModal;  // window, was enabled

  uint32_t WindowId() const { return tmpl->windowId; }
  uint32_t WindowUnitId() const { return tmpl->units.front().id; }
  bool Alive() const { return !gone && hwnd && IsWindow(hwnd); }

  // Unit id 0 names the window's own unit.
  LiveUnit* FindUnit(uint32_t unitId);
  // The unit whose platform window is `h` or holds it.
  LiveUnit* UnitOfWindow(HWND h);
  int MenuItemOfCommand(UINT command) const;  // -1 when not a menu command
  // The next unit after `from` (or before it, going back) that can take the keyboard
  // focus, in table order and wrapping round; null when none can.
  LiveUnit* NextFocusUnit(const LiveUnit* from, bool back);
};

// Visible, enabled, in the tab order, and of a kind that takes the focus.
bool TakesFocus(const LiveUnit& unit);

}  // namespace rt::win

// The loaded window template records: one WindowTemplate per window of the template
// data, one UnitTemplate per unit (the window's own unit, controls, menu items).
// They live for the whole run; the run-time slots hold the objects of the window
// currently built from the template and are cleared when that window goes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/core/EventHandler.h"

namespace rt {

constexpr uint32_t kNoHandlerOffset = 0xFFFFFFFFu;

// Bits of a unit's stored state word.
namespace unitstate {
constexpr uint32_t kVisible = 1;
constexpr uint32_t kDisabled = 2;
constexpr uint32_t kTabStop = 4;
}  // namespace unitstate

// Unit id roles (bits 28..31).
enum class UnitRole : uint32_t { kWindow = 0, kControl = 1, kMenuItem = 2 };
inline UnitRole RoleOf(uint32_t unitId) { return UnitRole(unitId >> 28); }

struct EventBinding {
  int32_t event = 0;
  uint32_t offset = kNoHandlerOffset;  // as stored, counted from the handler code base
  EventHandler handler = nullptr;      // after binding; null = unbound
};

struct UnitTemplate {
  uint32_t id = 0;      // from the unit table
  uint32_t typeId = 0;  // library x 65536 + type number
  std::string name;     // GBK, e.g. "高级表格1"
  std::string remark;

  // Window units and controls.
  int32_t left = 0, top = 0, width = 0, height = 0;
  uint32_t containerId = 0;               // the group box this unit lies in, 0 = the window
  std::vector<uint32_t> containedIds;     // units inside this one (group boxes)
  std::vector<uint8_t> pointerBlock;      // mouse pointer (common property 7)
  std::string tagText;                    // common property 4
  uint32_t state = 0;                     // bit 0 visible, bit 1 disabled, bit 2 tab stop
  std::vector<EventBinding> events;       // first pair with a matching number wins
  // The kind's own property data, starting at the five reserved words (field 14) and
  // running to the record's end; each kind's reader skips the first 20 bytes.
  std::vector<uint8_t> propertyBlock;

  // Menu items (role 2).
  uint32_t shortcut = 0;   // 0 none, else 1..77 into the key-name table
  uint32_t level = 0;      // 0 = menu bar entry
  uint32_t menuState = 0;  // bit 0 hidden, bit 1 disabled, bit 2 checked
  std::string caption;     // "-" makes a separator
  EventBinding click;      // the single handler of a menu item

  // Run-time slots (not stored data).
  void* unitObject = nullptr;  // the created unit
  void* cursor = nullptr;      // the pointer made from pointerBlock

  bool IsMenuItem() const { return RoleOf(id) == UnitRole::kMenuItem; }
  bool Visible() const { return (state & unitstate::kVisible) != 0; }
};

struct WindowTemplate {
  uint32_t windowId = 0;
  uint32_t unusedWord = 0;
  uint32_t idWord = 0;  // 0x19010018 main window, 0x19010050 print header window, else 0
  std::string text1, text2;
  std::vector<UnitTemplate> units;  // unit-table order; units[0] is the window's own unit

  void* liveWindow = nullptr;  // run-time slot: the window built from this template

  UnitTemplate* FindUnit(uint32_t unitId);
  const UnitTemplate* FindUnit(uint32_t unitId) const;
  UnitTemplate& WindowUnit() { return units.front(); }
};

struct TemplateSet {
  std::vector<WindowTemplate> windows;  // window-table order
  WindowTemplate* Find(uint32_t windowId);
  const WindowTemplate* Find(uint32_t windowId) const;
};

}  // namespace rt

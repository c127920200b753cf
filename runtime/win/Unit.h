// The contract between the host and every unit kind (core controls, the grid, the
// owner-drawn menu, the month calendar): how a unit is created from its template,
// how its own properties are read and written, and how it hears about its window.
//
// Units raise events through UnitHost::RaiseEvent; the host finds and calls the bound
// handler (or drops the event while events are blocked).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "runtime/core/DataValue.h"
#include "runtime/core/EventHandler.h"
#include "runtime/core/PropertyValues.h"
#include "runtime/core/WindowTemplate.h"

namespace rt::win {

// The system's arrow cursor (IDC_ARROW) as the wide calls take it.
inline const LPCWSTR kArrowCursor = MAKEINTRESOURCEW(32512);

// What the host offers a unit.
class UnitHost {
 public:
  virtual ~UnitHost() = default;
  // Delivers an event of `ref` (host callback 2008/2031). The result tells whether a
  // handler ran and returned a value.
  virtual HandlerResult RaiseEvent(UnitRef ref, int event, const EventArgs& args) = 0;
  HandlerResult RaiseEvent(UnitRef ref, int event) { return RaiseEvent(ref, event, EventArgs{}); }
  // Registers an idle callback for `owner` (called from the message loop's idle phase;
  // dropped when the window no longer exists).
  virtual void AddIdleCallback(HWND owner, void (*fn)(void*), void* arg) = 0;
};

// Everything a kind's creation operation receives.
struct UnitCreateParams {
  UnitHost* host = nullptr;
  UnitRef ref;                     // window id, unit id
  UnitTemplate* tmpl = nullptr;    // the unit's template record
  const uint8_t* block = nullptr;  // property block (starting at the 20 reserved bytes)
  size_t blockLength = 0;
  RECT rect{};  // in the parent's client coordinates (or screen, top level)
  bool visible = false, disabled = false;
  HWND parent = nullptr;  // the window (top-level units: owner, or none when modal)
  int childId = 0;        // 100, 110, 120, ... in creation order
  HMENU menu = nullptr;   // window units only
};

class Unit {
 public:
  virtual ~Unit() = default;

  // The unit's platform window, null for windowless kinds (common dialog).
  virtual HWND Hwnd() const = 0;

  // Own properties, numbered from 0 (= property 8 of the unit). Text is returned as a new
  // heap block (caller frees with FreeBlock); logic as 0/1 in low; date-time as a double.
  // Return false when the kind has no such property (the host reports the error).
  virtual bool GetProperty(int ownIndex, DataValue* out) = 0;
  virtual bool SetProperty(int ownIndex, const DataValue& value) = 0;

  // Notifications of WM_COMMAND / WM_NOTIFY / WM_CTLCOLOR* / WM_DRAWITEM that the window
  // received for this unit's control. Return true and set *result when handled.
  virtual bool OnParentMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) { return false; }

  // The window and all its units are complete (message 0x806F), and later shown (0x8076).
  virtual void OnWindowComplete() {}
  virtual void OnWindowShown() {}

  // A message addressed to the unit's window (or a window inside it) before dispatch:
  // return true when the unit translated it and it must not be dispatched.
  virtual bool PreTranslate(MSG* msg) { return false; }

  // The message loop went idle `elapsedMs` ago (window units only).
  virtual void OnIdle(unsigned elapsedMs) {}
};

using UnitFactory = std::unique_ptr<Unit> (*)(const UnitCreateParams& params);

// Type information of one unit type (one entry of a library's list of types).
struct UnitTypeInfo {
  const char* chineseName;  // GBK
  const char* englishName;
  uint32_t flags;  // 0x40 own window, 0x04 menu item, 0x8000 hidden at run time, 0x10000 no focus
  int propertyCount;
  const int* propertyKinds;  // per index (1001 integer, 1003 logic, 1004 date-time, 1005 text, ...)
  UnitFactory create;        // null for types this program never creates
};

namespace typeflag {
constexpr uint32_t kHasWindow = 0x40;
constexpr uint32_t kMenuItem = 0x04;
constexpr uint32_t kHiddenAtRunTime = 0x8000;
constexpr uint32_t kNoFocus = 0x10000;
}  // namespace typeflag

// The property kinds are the core's; units name the mouse pointer kind for short.
namespace propkind {
using namespace rt::propkind;
constexpr int kPointer = kPointerBytes;
}  // namespace propkind

// Every unit type's first properties, kept by the host: left, top, width, height, tag,
// visible, disabled, mouse pointer. A type's own properties follow them.
constexpr int kCommonPropertyCount = 8;
constexpr int kCommonPropertyKinds[kCommonPropertyCount] = {
    propkind::kInteger, propkind::kInteger, propkind::kInteger, propkind::kInteger,
    propkind::kText,    propkind::kLogic,   propkind::kLogic,   propkind::kPointer};

}  // namespace rt::win

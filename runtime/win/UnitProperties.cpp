// Unit properties by index (runtime services GetUnitProperty / SetUnitProperty): the
// eight common properties from the live control or the template record, menu items'
// four properties, and each kind's own properties through its unit object.
#include "runtime/core/Blocks.h"
#include "runtime/core/IntegerConversion.h"
#include "runtime/core/MenuLayout.h"
#include "runtime/core/PropertyValues.h"
#include "runtime/core/RuntimeError.h"
#include "runtime/win/MenuBar.h"
#include "runtime/win/Placement.h"
#include "runtime/win/RuntimeHost.h"

namespace rt::win {

namespace {

enum Common { kLeft, kTop, kWidth, kHeight, kTag, kVisible, kDisabled, kPointer };
enum MenuProperty { kCaption, kChecked, kMenuDisabled, kMenuVisible };

// Numbered runtime error 1: an array subscript outside the defined range.
constexpr int kIndexOutOfRange = 1;

// An index the unit does not have: the subscript is outside the defined range.
[[noreturn]] void BadIndex() { rt::RaiseRuntimeError(kIndexOutOfRange); }

uint64_t TextWords(const std::string& s) {
  DataValue v;
  SetPointer(v, NewText(s));
  return Bits64(v);
}

uint64_t BytesWords(const std::vector<uint8_t>& b) {
  DataValue v;
  SetPointer(v, NewByteSet(b.data(), b.size()));
  return Bits64(v);
}

std::string TextOfWords(uint32_t low, uint32_t high) { return TextOf(DataValue{low, high, tag::kText}); }

bool BitValue(uint32_t state, uint32_t bit) { return (state & bit) != 0; }

void SetBit(uint32_t* word, uint32_t bit, bool on) { *word = on ? (*word | bit) : (*word & ~bit); }

// The unit a property access names: its template record always, its window and live
// record only while the window is live.
struct PropertyTarget {
  UnitTemplate* tmpl = nullptr;
  std::shared_ptr<LiveWindow> window;
  LiveUnit* live = nullptr;

  HWND Hwnd() const { return live ? live->hwnd : nullptr; }
};

PropertyTarget FindTarget(RuntimeHost& host, uint32_t windowId, uint32_t unitId) {
  WindowTemplate* t = host.Templates().Find(windowId);
  if (!t) ReportRuntimeError(msg::kWindowNotFound);
  PropertyTarget target;
  target.tmpl = unitId == 0 ? &t->WindowUnit() : t->FindUnit(unitId);
  if (!target.tmpl) ReportRuntimeError(msg::kUnitNotFound);
  target.window = host.FindLoadedWindow(windowId);
  if (target.window && !target.window->Alive()) target.window = nullptr;
  target.live = target.window ? target.window->FindUnit(target.tmpl->id) : nullptr;
  return target;
}

// The kind code of one of the unit's own properties; its unit object must exist.
int OwnPropertyKind(const LiveUnit* live, int32_t index) {
  if (!live || !live->object) ReportRuntimeError(msg::kWindowNotLoaded);
  const UnitTypeInfo* type = live->type;
  if (!type || index >= type->propertyCount) BadIndex();
  return type->propertyKinds ? type->propertyKinds[index] : 0;
}

//--- Reading -------------------------------------------------------------------------

uint64_t MenuItemProperty(const UnitTemplate& item, int32_t index) {
  switch (index) {
    case kCaption: return TextWords(item.caption);
    case kChecked: return BitValue(item.menuState, menustate::kChecked);
    case kMenuDisabled: return BitValue(item.menuState, menustate::kDisabled);
    case kMenuVisible: return !BitValue(item.menuState, menustate::kHidden);
    default: BadIndex();
  }
}

uint64_t CommonProperty(const PropertyTarget& target, int32_t index) {
  const UnitTemplate& ut = *target.tmpl;
  HWND hwnd = target.Hwnd();
  switch (index) {
    case kLeft: return uint32_t(hwnd ? PlacedRect(hwnd).left : ut.left);
    case kTop: return uint32_t(hwnd ? PlacedRect(hwnd).top : ut.top);
    case kWidth: {
      RECT r = hwnd ? PlacedRect(hwnd) : RECT{0, 0, ut.width, 0};
      return uint32_t(r.right - r.left);
    }
    case kHeight: {
      RECT r = hwnd ? PlacedRect(hwnd) : RECT{0, 0, 0, ut.height};
      return uint32_t(r.bottom - r.top);
    }
    case kTag: return TextWords(ut.tagText);
    case kVisible:
      return hwnd ? (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0
                  : BitValue(ut.state, unitstate::kVisible);
    case kDisabled: return hwnd ? !IsWindowEnabled(hwnd) : BitValue(ut.state, unitstate::kDisabled);
    default: return BytesWords(ut.pointerBlock);
  }
}

//--- Writing -------------------------------------------------------------------------

// True when the menu must be rebuilt: not when a bit is written with the value it has.
bool SetMenuItemProperty(UnitTemplate& item, int32_t index, uint32_t low, uint32_t high) {
  uint32_t bit = 0;
  bool on = low != 0;
  switch (index) {
    case kCaption: item.caption = TextOfWords(low, high); return true;
    case kChecked: bit = menustate::kChecked; break;
    case kMenuDisabled: bit = menustate::kDisabled; break;
    case kMenuVisible: bit = menustate::kHidden, on = !on; break;  // the stored bit means hidden
    default: BadIndex();
  }
  if (BitValue(item.menuState, bit) == on) return false;
  SetBit(&item.menuState, bit, on);
  return true;
}

// Left, top, width or height: the live control moves, else the template record changes.
void SetPlacement(UnitTemplate& ut, HWND hwnd, int32_t index, int32_t v) {
  if (!hwnd) {
    int32_t* field[] = {&ut.left, &ut.top, &ut.width, &ut.height};
    *field[index] = v;
    return;
  }
  RECT r = PlacedRect(hwnd);
  int x = r.left, y = r.top, cx = r.right - r.left, cy = r.bottom - r.top;
  if (index == kLeft) x = v;
  if (index == kTop) y = v;
  if (index == kWidth) cx = v;
  if (index == kHeight) cy = v;
  SetWindowPos(hwnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The mouse pointer's bytes; a live unit makes its pointer anew from them.
void SetPointerBytes(UnitTemplate& ut, LiveUnit* live, uint32_t low, uint32_t high) {
  size_t n = 0;
  const uint8_t* bytes = ByteSetData(PointerOf(DataValue{low, high, tag::kByteSet}), &n);
  ut.pointerBlock.assign(bytes, bytes + n);
  if (live) live->RemakeCursor();
}

void SetCommonProperty(const PropertyTarget& target, int32_t index, uint32_t low, uint32_t high) {
  UnitTemplate& ut = *target.tmpl;
  HWND hwnd = target.Hwnd();
  bool on = low != 0;
  switch (index) {
    case kLeft:
    case kTop:
    case kWidth:
    case kHeight: SetPlacement(ut, hwnd, index, int32_t(low)); return;
    case kTag: ut.tagText = TextOfWords(low, high); return;
    case kVisible: {
      SetBit(&ut.state, unitstate::kVisible, on);
      if (!hwnd) return;
      bool isWindow = target.live == &target.window->units.front();  // shown activated
      ShowWindow(hwnd, on ? (isWindow ? SW_SHOW : SW_SHOWNA) : SW_HIDE);
      return;
    }
    case kDisabled:
      if (hwnd) {
        EnableWindow(hwnd, on ? FALSE : TRUE);
      } else {
        SetBit(&ut.state, unitstate::kDisabled, on);
      }
      return;
    default: SetPointerBytes(ut, target.live, low, high); return;
  }
}

}  // namespace

//--- The services --------------------------------------------------------------------

uint64_t RuntimeHost::GetUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex) {
  // 1. The unit's template record, and its live record while its window is live.
  PropertyTarget target = FindTarget(*this, windowId, unitId);
  // 2. A menu item has only its own four properties.
  if (target.tmpl->IsMenuItem()) return MenuItemProperty(*target.tmpl, index);
  if (index < 0) BadIndex();
  // 3. The common properties, from the live control or the template record.
  if (index < kCommonPropertyCount) return CommonProperty(target, index);
  // 4. The kind's own properties, from the unit object, in the words of their kind.
  int kind = OwnPropertyKind(target.live, index);
  DataValue value{};
  if (!target.live->object->GetProperty(index - kCommonPropertyCount, &value)) BadIndex();
  return PropertyToWords(kind, value);
}

void RuntimeHost::SetUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex,
                                  uint32_t low, uint32_t high) {
  // 1. The unit's template record, and its live record while its window is live.
  PropertyTarget target = FindTarget(*this, windowId, unitId);
  // 2. A menu item has only its own four properties; a change rebuilds the live menu.
  if (target.tmpl->IsMenuItem()) {
    if (SetMenuItemProperty(*target.tmpl, index, low, high) && target.window) RefreshMenu(*target.window);
    return;
  }
  if (index < 0) BadIndex();
  // 3. The common properties, into the live control or the template record.
  if (index < kCommonPropertyCount) {
    SetCommonProperty(target, index, low, high);
    return;
  }
  // 4. The kind's own properties, read from the words by their kind, to the unit object.
  int kind = OwnPropertyKind(target.live, index);
  WrittenProperty value = PropertyFromWords(kind, low, high);
  if (!target.live->object->SetProperty(index - kCommonPropertyCount, value.value)) BadIndex();
}

void RuntimeHost::RefreshMenu(LiveWindow& w) {
  if (!w.Alive()) return;
  MenuBar bar = BuildMenuBar(w.menuItems, w.ownerDrawnMenu);
  HMENU old = w.menu;
  SetMenu(w.hwnd, bar.menu);
  w.menu = bar.menu;
  if (old) DestroyMenu(old);
  if (w.accel) DestroyAcceleratorTable(w.accel);
  w.accel = bar.accel;
  DrawMenuBar(w.hwnd);
}

}  // namespace rt::win

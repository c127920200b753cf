// Unit properties by index (runtime services GetUnitProperty / SetUnitProperty): the
// eight common properties from the live control or the template record, menu items'
// four properties, and each kind's own properties through its unit object.
#include "runtime/core/Blocks.h"
#include "runtime/core/IntegerConversion.h"
#include "runtime/core/PropertyValues.h"
#include "runtime/core/RuntimeError.h"
#include "runtime/win/MenuBar.h"
#include "runtime/win/Placement.h"
#include "runtime/win/RuntimeHost.h"

namespace rt::win {

namespace {

constexpr int kCommonCount = 8;
enum Common { kLeft, kTop, kWidth, kHeight, kTag, kVisible, kDisabled, kPointer };
enum MenuProperty { kCaption, kChecked, kMenuDisabled, kMenuVisible };

// An index the unit does not have: the subscript is outside the defined range.
[[noreturn]] void BadIndex() { rt::RaiseRuntimeError(1); }

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

}  // namespace

//--- Reading -------------------------------------------------------------------------

uint64_t RuntimeHost::GetUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex) {
  WindowTemplate* t = templates_.Find(windowId);
  if (!t) ReportRuntimeError(msg::kWindowNotFound);
  UnitTemplate* ut = unitId == 0 ? &t->WindowUnit() : t->FindUnit(unitId);
  if (!ut) ReportRuntimeError(msg::kUnitNotFound);
  std::shared_ptr<LiveWindow> w = FindLoadedWindow(windowId);
  LiveUnit* lu = w && w->Alive() ? w->FindUnit(ut->id) : nullptr;

  if (ut->IsMenuItem()) {
    switch (index) {
      case kCaption: return TextWords(ut->caption);
      case kChecked: return BitValue(ut->menuState, 4);
      case kMenuDisabled: return BitValue(ut->menuState, 2);
      case kMenuVisible: return !BitValue(ut->menuState, 1);
      default: BadIndex();
    }
  }
  if (index < 0) BadIndex();

  if (index < kCommonCount) {
    HWND hwnd = lu ? lu->hwnd : nullptr;
    switch (index) {
      case kLeft: return uint32_t(hwnd ? PlacedRect(hwnd).left : ut->left);
      case kTop: return uint32_t(hwnd ? PlacedRect(hwnd).top : ut->top);
      case kWidth: {
        RECT r = hwnd ? PlacedRect(hwnd) : RECT{0, 0, ut->width, 0};
        return uint32_t(r.right - r.left);
      }
      case kHeight: {
        RECT r = hwnd ? PlacedRect(hwnd) : RECT{0, 0, 0, ut->height};
        return uint32_t(r.bottom - r.top);
      }
      case kTag: return TextWords(ut->tagText);
      case kVisible:
        return hwnd ? (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0
                    : BitValue(ut->state, unitstate::kVisible);
      case kDisabled: return hwnd ? !IsWindowEnabled(hwnd) : BitValue(ut->state, unitstate::kDisabled);
      default: return BytesWords(ut->pointerBlock);
    }
  }

  if (!lu || !lu->object) ReportRuntimeError(msg::kWindowNotLoaded);
  const UnitTypeInfo* type = lu->type;
  if (!type || index >= type->propertyCount) BadIndex();
  DataValue value{};
  if (!lu->object->GetProperty(index - kCommonCount, &value)) BadIndex();
  int kind = type->propertyKinds ? type->propertyKinds[index] : 0;
  return PropertyToWords(kind, value);
}

//--- Writing -------------------------------------------------------------------------

void RuntimeHost::SetUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex,
                                  uint32_t low, uint32_t high) {
  WindowTemplate* t = templates_.Find(windowId);
  if (!t) ReportRuntimeError(msg::kWindowNotFound);
  UnitTemplate* ut = unitId == 0 ? &t->WindowUnit() : t->FindUnit(unitId);
  if (!ut) ReportRuntimeError(msg::kUnitNotFound);
  std::shared_ptr<LiveWindow> w = FindLoadedWindow(windowId);
  if (w && !w->Alive()) w = nullptr;
  LiveUnit* lu = w ? w->FindUnit(ut->id) : nullptr;

  if (ut->IsMenuItem()) {
    uint32_t bit = 0;
    bool on = low != 0;
    switch (index) {
      case kCaption: ut->caption = TextOfWords(low, high); break;
      case kChecked: bit = 4; break;
      case kMenuDisabled: bit = 2; break;
      case kMenuVisible: bit = 1, on = !on; break;  // the stored bit means hidden
      default: BadIndex();
    }
    if (bit) {
      if (BitValue(ut->menuState, bit) == on) return;  // nothing changes, nothing is rebuilt
      ut->menuState = on ? (ut->menuState | bit) : (ut->menuState & ~bit);
    }
    if (w) RefreshMenu(*w);
    return;
  }
  if (index < 0) BadIndex();

  if (index < kCommonCount) {
    HWND hwnd = lu ? lu->hwnd : nullptr;
    switch (index) {
      case kLeft:
      case kTop:
      case kWidth:
      case kHeight: {
        int32_t v = int32_t(low);
        if (!hwnd) {
          int32_t* field[] = {&ut->left, &ut->top, &ut->width, &ut->height};
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
        return;
      }
      case kTag: ut->tagText = TextOfWords(low, high); return;
      case kVisible: {
        bool on = low != 0;
        ut->state = on ? (ut->state | unitstate::kVisible) : (ut->state & ~unitstate::kVisible);
        if (hwnd) ShowWindow(hwnd, on ? (lu == &w->units.front() ? SW_SHOW : SW_SHOWNA) : SW_HIDE);
        return;
      }
      case kDisabled: {
        bool on = low != 0;
        if (hwnd) {
          EnableWindow(hwnd, on ? FALSE : TRUE);
        } else {
          ut->state = on ? (ut->state | unitstate::kDisabled) : (ut->state & ~unitstate::kDisabled);
        }
        return;
      }
      default: {
        size_t n = 0;
        const uint8_t* bytes = ByteSetData(PointerOf(DataValue{low, high, tag::kByteSet}), &n);
        ut->pointerBlock.assign(bytes, bytes + n);
        if (lu) lu->RemakeCursor();
        return;
      }
    }
  }

  if (!lu || !lu->object) ReportRuntimeError(msg::kWindowNotLoaded);
  const UnitTypeInfo* type = lu->type;
  if (!type || index >= type->propertyCount) BadIndex();
  int kind = type->propertyKinds ? type->propertyKinds[index] : 0;
  WrittenProperty value = PropertyFromWords(kind, low, high);
  if (!lu->object->SetProperty(index - kCommonCount, value.value)) BadIndex();
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

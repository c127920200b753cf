// The host callback: how libraries (and the core library's own units) reach the host.
#include "runtime/core/Blocks.h"
#include "runtime/core/IntegerConversion.h"
#include "runtime/core/MenuLayout.h"
#include "runtime/win/MenuBar.h"
#include "runtime/win/Pictures.h"
#include "runtime/win/RuntimeHost.h"

namespace rt::win {

namespace {

// A unit reports that it is gone; the window's own unit reports the window.
void OnUnitDestroyed(RuntimeHost& host, uint32_t windowId, uint32_t unitId) {
  std::shared_ptr<LiveWindow> w = host.FindLoadedWindow(windowId);
  if (!w) return;
  if (unitId == 0 || unitId == w->WindowUnitId()) {
    if (!w->Alive()) host.OnWindowGone(*w);
  } else if (LiveUnit* u = w->FindUnit(unitId)) {
    host.ForgetUnit(*w, *u);
  }
}

// A unit takes over drawing the window's menu: every item becomes owner-drawn, now and
// whenever the menu is rebuilt.
bool PrepareOwnerDrawnMenu(RuntimeHost& host, uint32_t windowId) {
  std::shared_ptr<LiveWindow> w = host.FindLoadedWindow(windowId);
  if (!w || !w->Alive()) return false;
  w->ownerDrawnMenu = true;
  MakeMenuOwnerDrawn(w->menu);
  DrawMenuBar(w->hwnd);
  return true;
}

bool RedrawMenuBarOf(RuntimeHost& host, uint32_t windowId) {
  std::shared_ptr<LiveWindow> w = host.FindLoadedWindow(windowId);
  if (!w || !w->Alive()) return false;
  DrawMenuBar(w->hwnd);
  return true;
}

}  // namespace

// The record of one menu item of a loaded window, kept in the window until the next
// request; null for an unknown window or an identifier past the last item.
const MenuItemRecord* RuntimeHost::MenuItemRecordOf(uint32_t windowId, uint32_t identifier) {
  std::shared_ptr<LiveWindow> w = FindLoadedWindow(windowId);
  size_t index = 0;
  if (!w) return nullptr;
  std::vector<const UnitTemplate*> items(w->menuItems.begin(), w->menuItems.end());
  if (!FindMenuItem(items, identifier, &index)) return nullptr;
  const UnitTemplate& item = *items[index];
  w->itemRecordText = MenuItemText(item);
  w->itemRecord.text = w->itemRecordText.c_str();
  w->itemRecord.level = item.level;
  w->itemRecord.identifier = identifier;
  w->itemRecord.visible = (item.menuState & menustate::kHidden) ? 0 : 1;
  return &w->itemRecord;
}

intptr_t RuntimeHost::Callback(int code, intptr_t arg1, intptr_t arg2) {
  switch (code) {
    case hostcall::kRaiseEvent: {
      auto* record = reinterpret_cast<EventRecord*>(arg1);
      if (!record) return 0;
      DispatchRecord(*this, record);
      return record->hasResult;
    }
    case hostcall::kRaiseTypedEvent: {
      auto* record = reinterpret_cast<TypedEventRecord*>(arg1);
      if (!record) return 0;
      DispatchTypedRecord(*this, record);
      return record->hasResult;
    }
    case hostcall::kBlockEvents: BlockEvents(); return 0;
    case hostcall::kUnblockEvents: UnblockEvents(); return 0;
    case hostcall::kUnitDestroyed: OnUnitDestroyed(*this, uint32_t(arg1), uint32_t(arg2)); return 0;
    case hostcall::kIntegerOf: {
      auto* value = reinterpret_cast<const DataValue*>(arg1);
      return value ? IntegerOf(*value) : 0;
    }
    case hostcall::kWindowTable: return reinterpret_cast<intptr_t>(&templates_);
    case hostcall::kTypeInfo: return reinterpret_cast<intptr_t>(FindUnitType(program_, uint32_t(arg1)));
    case hostcall::kPictureToBitmap:
      return reinterpret_cast<intptr_t>(
          BitmapFromPictureBytes(reinterpret_cast<const uint8_t*>(arg1), arg2 > 0 ? size_t(arg2) : 0));
    case hostcall::kBitmapToPicture:
      return reinterpret_cast<intptr_t>(PictureBytesFromBitmap(reinterpret_cast<HBITMAP>(arg1)));
    case hostcall::kLoadWindow: return LoadWindowFromTemplate(uint32_t(arg1), nullptr, false) ? 1 : 0;
    case hostcall::kResolveUnit:
    case hostcall::kResolveUnitOrFail: {
      UnitRef ref{uint32_t(arg1), uint32_t(arg2)};
      LiveUnit* u = code == hostcall::kResolveUnit ? ResolveUnit(ref) : ResolveUnitOrFail(ref);
      return u ? reinterpret_cast<intptr_t>(u->object.get()) : 0;
    }
    case hostcall::kPrepareOwnerMenu: return PrepareOwnerDrawnMenu(*this, uint32_t(arg1)) ? 1 : 0;
    case hostcall::kMenuItemRecord:
      return reinterpret_cast<intptr_t>(MenuItemRecordOf(uint32_t(arg1), uint32_t(arg2)));
    case hostcall::kRedrawMenuBar: return RedrawMenuBarOf(*this, uint32_t(arg1)) ? 1 : 0;
    case hostcall::kAllocateResult: return reinterpret_cast<intptr_t>(rt::AllocateBlock(size_t(arg1)));
    case hostcall::kFreeResult: rt::FreeBlock(reinterpret_cast<void*>(arg1)); return 0;
    default: return 0;
  }
}

}  // namespace rt::win

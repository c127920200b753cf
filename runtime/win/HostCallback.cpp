// The host callback: how libraries (and the core library's own units) reach the host.
#include "runtime/core/Blocks.h"
#include "runtime/core/IntegerConversion.h"
#include "runtime/core/MenuLayout.h"
#include "runtime/win/MenuBar.h"
#include "runtime/win/Pictures.h"
#include "runtime/win/RuntimeHost.h"

namespace rt::win {

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
    case hostcall::kUnitDestroyed: {
      std::shared_ptr<LiveWindow> w = FindLoadedWindow(uint32_t(arg1));
      if (!w) return 0;
      if (arg2 == 0 || uint32_t(arg2) == w->WindowUnitId()) {
        if (!w->Alive()) OnWindowGone(*w);
      } else if (LiveUnit* u = w->FindUnit(uint32_t(arg2))) {
        ForgetUnit(*w, *u);
      }
      return 0;
    }
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
    case hostcall::kPrepareOwnerMenu: {
      std::shared_ptr<LiveWindow> w = FindLoadedWindow(uint32_t(arg1));
      if (!w || !w->Alive()) return 0;
      w->ownerDrawnMenu = true;
      MakeMenuOwnerDrawn(w->menu);
      DrawMenuBar(w->hwnd);
      return 1;
    }
    case hostcall::kMenuItemRecord:
      return reinterpret_cast<intptr_t>(MenuItemRecordOf(uint32_t(arg1), uint32_t(arg2)));
    case hostcall::kRedrawMenuBar: {
      std::shared_ptr<LiveWindow> w = FindLoadedWindow(uint32_t(arg1));
      if (!w || !w->Alive()) return 0;
      DrawMenuBar(w->hwnd);
      return 1;
    }
    case hostcall::kAllocateResult: return reinterpret_cast<intptr_t>(rt::AllocateBlock(size_t(arg1)));
    case hostcall::kFreeResult: rt::FreeBlock(reinterpret_cast<void*>(arg1)); return 0;
    default: return 0;
  }
}

}  // namespace rt::win

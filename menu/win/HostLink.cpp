#include "menu/win/HostLink.h"

#include "runtime/core/EventDispatch.h"
#include "runtime/win/RuntimeHost.h"
#include "runtime/win/Unit.h"

namespace menu::win {

namespace {
rt::win::HostCallbackFn g_callback = nullptr;

intptr_t Call(int code, intptr_t a1, intptr_t a2) {
  // A program that did not notify the library still has the host of the process.
  rt::win::HostCallbackFn fn = g_callback ? g_callback : &rt::win::RuntimeHost::HostCallback;
  return fn(code, a1, a2);
}
}  // namespace

void SetHostCallback(rt::win::HostCallbackFn fn) { g_callback = fn; }

HWND FormWindow(uint32_t windowId) {
  auto* unit = reinterpret_cast<rt::win::Unit*>(Call(rt::win::hostcall::kResolveUnitOrFail, windowId, 0));
  return unit ? unit->Hwnd() : nullptr;
}

bool PrepareOwnerMenu(uint32_t windowId) {
  return Call(rt::win::hostcall::kPrepareOwnerMenu, windowId, 0) != 0;
}

const rt::MenuItemRecord* ItemRecord(uint32_t windowId, uint32_t identifier) {
  return reinterpret_cast<const rt::MenuItemRecord*>(
      Call(rt::win::hostcall::kMenuItemRecord, windowId, intptr_t(identifier)));
}

void RedrawMenuBar(uint32_t windowId) { Call(rt::win::hostcall::kRedrawMenuBar, windowId, 0); }

bool UnitAlive(rt::UnitRef ref) {
  return Call(rt::win::hostcall::kResolveUnit, intptr_t(ref.window), intptr_t(ref.unit)) != 0;
}

void RaiseUnitEvent(rt::UnitRef ref, int event, const int32_t* args, int count) {
  if (!UnitAlive(ref)) return;
  rt::TypedEventRecord record;
  record.windowId = ref.window;
  record.unitId = ref.unit;
  record.event = event;
  record.argCount = count < rt::TypedEventRecord::kMaxArgs ? count : rt::TypedEventRecord::kMaxArgs;
  for (int i = 0; i < record.argCount; ++i)
    record.args[i] = rt::TypedEventArg{uint32_t(args[i]), 0, rt::tag::kInt, 0};
  Call(rt::win::hostcall::kRaiseTypedEvent, reinterpret_cast<intptr_t>(&record), 0);
}

HBITMAP PictureToBitmap(const uint8_t* bytes, size_t length) {
  return reinterpret_cast<HBITMAP>(
      Call(rt::win::hostcall::kPictureToBitmap, reinterpret_cast<intptr_t>(bytes), intptr_t(length)));
}

}  // namespace menu::win

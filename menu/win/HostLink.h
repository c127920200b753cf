// How the menu library reaches the runtime: the one host callback, by code.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/core/DataValue.h"
#include "runtime/core/MenuLayout.h"
#include "runtime/win/Library.h"

namespace menu::win {

// Code 1 of the library notification hands over the callback.
void SetHostCallback(rt::win::HostCallbackFn fn);

HWND FormWindow(uint32_t windowId);                                            // 2007
bool PrepareOwnerMenu(uint32_t windowId);                                      // 2037
const rt::MenuItemRecord* ItemRecord(uint32_t windowId, uint32_t identifier);  // 2038
void RedrawMenuBar(uint32_t windowId);                                         // 2040
bool UnitAlive(rt::UnitRef ref);                                               // 2006
// Raises `event` (2031) with integer arguments, only while the unit is live.
void RaiseUnitEvent(rt::UnitRef ref, int event, const int32_t* args, int count);
HBITMAP PictureToBitmap(const uint8_t* bytes, size_t length);  // 1003

}  // namespace menu::win

// Libraries as the host sees them: a table of unit types and a table of commands per
// library, with one notification function; and the program descriptor that names the
// application's handler code, constant data, template block and libraries.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/core/DataValue.h"
#include "runtime/core/EventHandler.h"
#include "runtime/win/Unit.h"

namespace rt::win {

// A unit type id is the library's number (from 1) times 65536 plus the type's number
// within the library (from 1).
inline int LibraryNumberOf(uint32_t typeId) { return int(typeId >> 16); }
inline int TypeNumberOf(uint32_t typeId) { return int(typeId & 0xFFFF); }

// Libraries reach the host through one callback taking (code, argument 1, argument 2).
using HostCallbackFn = intptr_t (*)(int code, intptr_t arg1, intptr_t arg2);
// The host tells a library about start (code 1, the callback) and end (code 6).
using LibraryNotifyFn = intptr_t (*)(int code, intptr_t arg1, intptr_t arg2);

// Host callback codes.
namespace hostcall {
constexpr int kWindowTable = 1001;
constexpr int kTypeInfo = 1002;
constexpr int kPictureToBitmap = 1003;
constexpr int kUnitDestroyed = 2000;
constexpr int kIntegerOf = 2001;
constexpr int kLoadWindow = 2005;
constexpr int kResolveUnit = 2006;
constexpr int kResolveUnitOrFail = 2007;
constexpr int kRaiseEvent = 2008;
constexpr int kBlockEvents = 2009;
constexpr int kUnblockEvents = 2010;
constexpr int kAllocateResult = 2024;
constexpr int kFreeResult = 2025;
constexpr int kRaiseTypedEvent = 2031;
constexpr int kBitmapToPicture = 2034;
// Owner-drawn menus: prepare a window's menu for owner drawing; the record of menu item
// 20000 + index (a MenuItemRecord pointer, 0 past the last item); redraw the menu bar.
constexpr int kPrepareOwnerMenu = 2037;
constexpr int kMenuItemRecord = 2038;
constexpr int kRedrawMenuBar = 2040;
}  // namespace hostcall

namespace libnotify {
constexpr int kStart = 1;
constexpr int kEnd = 6;
}  // namespace libnotify

constexpr uint32_t kLibraryMagic = 0x01312D65;

struct LibraryInfo {
  uint32_t magic = kLibraryMagic;
  const char* name = "";  // identifying text
  int majorVersion = 1, minorVersion = 0;
  int typeCount = 0;
  const UnitTypeInfo* const* types = nullptr;  // type number n is types[n - 1]
  int commandCount = 0;
  const CommandFn* commands = nullptr;
  LibraryNotifyFn notify = nullptr;
};

struct ProgramHeader {
  uint32_t mode = 3;
  uint32_t reserved = 0;
  uint32_t lastSerial = 0x100EE;  // ids made at run time continue from the next one
  HandlerTable handlers;          // template handler offsets count entries of this table
  const void* constants = nullptr;
  size_t constantsLength = 0;
  const uint8_t* templates = nullptr;
  size_t templatesLength = 0;
  int libraryCount = 0;
  const LibraryInfo* const* libraries = nullptr;  // library n (1-based) is libraries[n - 1]
};

// The type information for a unit type id (library << 16 | type); null when unknown.
const UnitTypeInfo* FindUnitType(const ProgramHeader& program, uint32_t typeId);

}  // namespace rt::win

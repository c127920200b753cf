#include "runtime/win/CoreLibrary.h"

#include "runtime/core/CoreValueCommands.h"
#include "runtime/core/RuntimeServices.h"
#include "runtime/win/CoreCommands.h"
#include "runtime/win/CoreControls.h"
#include "runtime/win/WindowUnit.h"

namespace rt::win {

const UnitTypeInfo kEmptyUnitType = {"", "", 0, 0, nullptr, nullptr};

namespace {

constexpr int kCoreTypeCount = 51;

struct CoreTypes {
  const UnitTypeInfo* types[kCoreTypeCount];
  CoreTypes() {
    for (auto& t : types) t = &kEmptyUnitType;
    types[1 - 1] = &kWindowType;
    types[3 - 1] = &kMenuItemType;
    types[5 - 1] = &kEditBoxType;
    types[9 - 1] = &kGroupBoxType;
    types[10 - 1] = &kLabelType;
    types[11 - 1] = &kButtonType;
    types[12 - 1] = &kCheckBoxType;
    types[13 - 1] = &kRadioBoxType;
    types[23 - 1] = &kDateBoxType;
    types[31 - 1] = &kCommonDialogType;
  }
};

// In the order of CoreCommand.
const CommandFn kCoreCommands[kCoreCommandCount] = {
    &CmdToNumber,           &CmdToText,          &CmdNumberToCapital, &CmdLoadWindow,
    &CmdDatePart,           &CmdCloseWindow,     &CmdOpenDialog,      &CmdInfoBox,
    &CmdGetClientWidth,     &CmdGetClientHeight, &CmdMoveUnit,        &CmdRunProgram,
    &CmdSetEditCompletions,
};

}  // namespace

const LibraryInfo& CoreLibrary() {
  static const CoreTypes types;
  static const LibraryInfo library = [] {
    LibraryInfo lib;
    lib.name = "core";
    lib.typeCount = kCoreTypeCount;
    lib.types = types.types;
    lib.commandCount = kCoreCommandCount;
    lib.commands = kCoreCommands;
    return lib;
  }();
  return library;
}

}  // namespace rt::win

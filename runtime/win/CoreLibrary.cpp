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

// The types this program uses, each in the slot of its type number.
struct CoreTypes {
  const UnitTypeInfo* types[kCoreTypeCount];
  CoreTypes() {
    for (auto& t : types) t = &kEmptyUnitType;
    Put(tag::kWindow, kWindowType);
    Put(tag::kMenuItem, kMenuItemType);
    Put(tag::kEditBox, kEditBoxType);
    Put(tag::kGroupBox, kGroupBoxType);
    Put(tag::kLabel, kLabelType);
    Put(tag::kButton, kButtonType);
    Put(tag::kCheckBox, kCheckBoxType);
    Put(tag::kRadioBox, kRadioBoxType);
    Put(tag::kDateBox, kDateBoxType);
    Put(tag::kCommonDialog, kCommonDialogType);
  }
  void Put(TypeTag typeId, const UnitTypeInfo& type) { types[TypeNumberOf(typeId) - 1] = &type; }
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

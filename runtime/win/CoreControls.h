// The core library's control kinds: their type information (for the host's table of
// unit types) and the extra operations the host's commands need from some of them.
#pragma once

#include <functional>
#include <string>

#include "runtime/win/Unit.h"

namespace rt::win {

// Type information, flags and property counts as the core library lists them; each
// entry's factory creates the control from its template.
extern const UnitTypeInfo kEditBoxType;       // type 5
extern const UnitTypeInfo kGroupBoxType;      // type 9
extern const UnitTypeInfo kLabelType;         // type 10
extern const UnitTypeInfo kButtonType;        // type 11
extern const UnitTypeInfo kCheckBoxType;      // type 12
extern const UnitTypeInfo kRadioBoxType;      // type 13
extern const UnitTypeInfo kDateBoxType;       // type 23
extern const UnitTypeInfo kCommonDialogType;  // type 31

// Shows a common dialog unit's open or save dialog owned by `owner`; true when the user
// confirmed (the chosen name is then the unit's file-name property).
bool ShowCommonDialog(Unit* commonDialog, HWND owner);

// Test seam: when set, ShowCommonDialog asks this instead of showing the platform dialog.
// It receives the dialog kind (0 open, 1 save) and the current file name, and returns
// whether the user "confirmed", setting the file name.
using CommonDialogHook = std::function<bool(int kind, std::string* fileName)>;
void SetCommonDialogHook(CommonDialogHook hook);

}  // namespace rt::win

// The core library's window, dialog, message-box and program commands, in the
// command-call convention (result zeroed by the caller; arguments never freed here; an
// omitted optional argument has tag 0).
#pragma once

#include "runtime/core/DataValue.h"

namespace rt::win {

// LoadWindow(window unit, parent window unit?, modal) -> logic: built or brought back.
void CmdLoadWindow(DataValue* result, int argCount, DataValue* args);
// CloseWindow(unit, at once?) -> nothing.
void CmdCloseWindow(DataValue* result, int argCount, DataValue* args);
// OpenDialog(common dialog unit) -> logic: the user confirmed.
void CmdOpenDialog(DataValue* result, int argCount, DataValue* args);
// InfoBox(content, buttons and icon, caption?) -> integer: OK 0, Cancel 1 ... No 6.
void CmdInfoBox(DataValue* result, int argCount, DataValue* args);
// GetClientWidth(unit) / GetClientHeight(unit) -> integer.
void CmdGetClientWidth(DataValue* result, int argCount, DataValue* args);
void CmdGetClientHeight(DataValue* result, int argCount, DataValue* args);
// MoveUnit(unit, left?, top?, width?, height?) -> nothing; width or height -1 = unchanged.
void CmdMoveUnit(DataValue* result, int argCount, DataValue* args);
// RunProgram(command line, wait, show mode?) -> logic: started.
void CmdRunProgram(DataValue* result, int argCount, DataValue* args);
// SetEditCompletions(edit box unit, text) -> logic: the text's lines ("\n") became the
// box's auto-complete suggestions (an empty text removes them). False for a unit that
// is not a loaded edit box, or when the platform has no auto-complete.
void CmdSetEditCompletions(DataValue* result, int argCount, DataValue* args);

// The caption InfoBox uses when none is given.
extern const char* const kInfoBoxCaption;

}  // namespace rt::win

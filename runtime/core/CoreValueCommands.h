// The core library's value commands, in the library's command-call convention: the
// result record arrives zeroed, arguments are never freed here, and a missing argument
// (argument count too small, or tag 0) reads as an empty value of no kind.
#pragma once

#include "runtime/core/DataValue.h"

namespace rt {

// ToNumber(value) -> double.
void CmdToNumber(DataValue* result, int argCount, DataValue* args);
// ToText(value) -> text.
void CmdToText(DataValue* result, int argCount, DataValue* args);
// NumberToCapital(number, simple form: logic, false when missing) -> text.
void CmdNumberToCapital(DataValue* result, int argCount, DataValue* args);
// DatePart(date-time) -> date-time of that day at 00:00:00.
void CmdDatePart(DataValue* result, int argCount, DataValue* args);

}  // namespace rt

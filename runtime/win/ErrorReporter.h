// The runtime error box: the reporter the host installs behind ReportRuntimeError.
// It stops event delivery, lets an installed error hook speak first, shows the box
// (caption "错误", error icon, OK only, no owner), forgets the application's exit
// routine and ends the program with -1.
#pragma once

#include "runtime/core/RuntimeError.h"

namespace rt::win {

// Installs the error box behind ReportRuntimeError; returns the reporter it replaced.
RuntimeErrorReporter InstallErrorBoxReporter();

// An error hook answering non-zero suppresses the box; the program ends all the same.
// An error raised while the hook runs goes straight to the box.
using RuntimeErrorHook = int (*)(int code, const char* message);
RuntimeErrorHook SetRuntimeErrorHook(RuntimeErrorHook hook);

}  // namespace rt::win

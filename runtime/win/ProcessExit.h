// The one place the runtime ends the process. Tests replace the ending with a hook that
// leaves by other means (an exception), so "the process would exit with -1" can be
// observed in-process.
#pragma once

namespace rt::win {

[[noreturn]] void ExitRuntimeProcess(int exitCode);

// The hook must not return; if it does, the process ends anyway.
using ProcessExitHook = void (*)(int exitCode);
ProcessExitHook SetProcessExitHook(ProcessExitHook hook);

}  // namespace rt::win

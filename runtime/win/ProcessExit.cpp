#include "runtime/win/ProcessExit.h"

#include <windows.h>

namespace rt::win {

namespace {
ProcessExitHook g_hook = nullptr;
}

void ExitRuntimeProcess(int exitCode) {
  if (g_hook) g_hook(exitCode);
  ExitProcess(UINT(exitCode));
}

ProcessExitHook SetProcessExitHook(ProcessExitHook hook) {
  ProcessExitHook old = g_hook;
  g_hook = hook;
  return old;
}

}  // namespace rt::win

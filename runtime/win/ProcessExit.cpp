#include "runtime/win/ProcessExit.h"

#include <windows.h>

#include <utility>

namespace rt::win {

namespace {
ProcessExitHook g_hook = nullptr;
}

void ExitRuntimeProcess(int exitCode) {
  if (g_hook) g_hook(exitCode);
  ExitProcess(UINT(exitCode));
}

ProcessExitHook SetProcessExitHook(ProcessExitHook hook) { return std::exchange(g_hook, hook); }

}  // namespace rt::win

#include "runtime/win/ErrorReporter.h"

#include <windows.h>

#include <utility>

#include "runtime/core/RuntimeError.h"
#include "runtime/win/MessagePrompt.h"
#include "runtime/win/ProcessExit.h"
#include "runtime/win/RuntimeHost.h"

namespace rt::win {

namespace {

RuntimeErrorHook g_hook = nullptr;
bool g_hookRunning = false;

void ShowErrorBoxAndEnd(const char* message, int code) {
  RuntimeHost* host = RuntimeHost::Current();
  // From here on no event reaches a handler, also none the box's own loop dispatches.
  if (host) host->BlockEvents();

  bool suppressed = false;
  if (g_hook && !g_hookRunning) {
    struct Running {
      Running() { g_hookRunning = true; }
      ~Running() { g_hookRunning = false; }
    } running;
    suppressed = g_hook(code, message) != 0;
  }
  if (!suppressed)
    ShowMessagePrompt(nullptr, BuildRuntimeErrorText(message, code), "错误", MB_ICONERROR | MB_OK);

  if (host) {
    host->ForgetExitRoutine();
    host->EndProgram(-1);
  }
  ExitRuntimeProcess(-1);
}

}  // namespace

RuntimeErrorReporter InstallErrorBoxReporter() { return SetRuntimeErrorReporter(&ShowErrorBoxAndEnd); }

RuntimeErrorHook SetRuntimeErrorHook(RuntimeErrorHook hook) { return std::exchange(g_hook, hook); }

}  // namespace rt::win

// A whole program for the host tests that need a process of their own: it runs the
// program's real start-up with one twist per mode and writes what it saw (GBK lines) to
// the file named on its command line. Its exit code is what the test checks.
//   no-start-window FILE  the start window id has no template: the real error box,
//                         read and answered by a watcher thread
//   close-main FILE       the real program; its main window is closed once it is up
//   end-from-thread FILE  the real program; another thread asks it to end with 7
//   show-window FILE ID   the real start-up, but window ID (hex) is the start window; it
//                         stays up until closed (used to look at each window)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/core/Handlers.h"
#include "app/core/ProgramTemplates.h"
#include "app/win/ProgramDescriptor.h"
#include "runtime/core/RuntimeServices.h"
#include "runtime/win/Gbk.h"
#include "runtime/win/RuntimeHost.h"

namespace {

std::wstring g_outPath;

void Note(const std::string& line) {
  FILE* f = _wfopen(g_outPath.c_str(), L"ab");
  if (!f) return;
  std::fwrite(line.data(), 1, line.size(), f);
  std::fputc('\n', f);
  std::fclose(f);
}

std::wstring DialogText(HWND dlg) {
  wchar_t buf[1024] = {};
  GetDlgItemTextW(dlg, 0xFFFF, buf, 1024);
  return buf;
}

// Finds the error box of this process, writes its caption and text, presses OK.
DWORD WINAPI AnswerErrorBox(void*) {
  for (int i = 0; i < 1000; ++i) {
    HWND box = FindWindowW(L"#32770", nullptr);
    DWORD pid = 0;
    if (box) GetWindowThreadProcessId(box, &pid);
    if (box && pid == GetCurrentProcessId() && IsWindowVisible(box)) {
      Note("caption " + rt::win::WindowTextGbk(box));
      Note("text " + rt::win::WideToGbk(DialogText(box)));
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return 0;
    }
    Sleep(10);
  }
  Note("no box");
  return 0;
}

void NoteExitRoutine() { Note("exit routine"); }

DWORD WINAPI EndFromOtherThread(void*) {
  for (int i = 0; i < 1000 && !FindWindowW(L"KXWindow", nullptr); ++i) Sleep(10);
  Note("ending from another thread");
  rt::Services().EndProgram(7);
  return 0;  // not reached
}

void CALLBACK CloseMainWindow(HWND, UINT, UINT_PTR id, DWORD) {
  HWND main = FindWindowW(L"KXWindow", nullptr);
  if (!main) return;
  KillTimer(nullptr, id);
  Note("caption " + rt::win::WindowTextGbk(main));
  HMENU bar = GetMenu(main);
  Note("menu items " + std::to_string(bar ? GetMenuItemCount(bar) : -1));
  Note("visible " + std::to_string(IsWindowVisible(main) ? 1 : 0));
  PostMessageW(main, WM_CLOSE, 0, 0);
}

void RunEntry() {
  rt::RuntimeServices& host = rt::Services();
  host.RuntimeNotify(rt::notify::kInitialiseHost);
  host.RuntimeNotify(rt::notify::kRegisterExitRoutine, reinterpret_cast<intptr_t>(&NoteExitRoutine));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 3) return 2;
  std::wstring mode = argv[1];
  g_outPath = argv[2];

  static rt::win::RuntimeHost host(app::ProgramDescriptor());
  if (mode == L"no-start-window") {
    RunEntry();
    CloseHandle(CreateThread(nullptr, 0, &AnswerErrorBox, nullptr, 0, nullptr));
    host.LoadStartWindow(0x52999999);
    Note("returned");  // must not be reached
    return 3;
  }
  if (mode == L"close-main") {
    RunEntry();
    SetTimer(nullptr, 0, 50, &CloseMainWindow);
    host.LoadStartWindow(app::kMainWindowId);
    host.RunMessageLoop();
    Note("loop ended");
    host.RunShutdownSequence();
    return 0;
  }
  if (mode == L"end-from-thread") {
    RunEntry();
    host.LoadStartWindow(app::kMainWindowId);
    CloseHandle(CreateThread(nullptr, 0, &EndFromOtherThread, nullptr, 0, nullptr));
    host.RunMessageLoop();
    Note("loop ended");  // must not be reached
    return 4;
  }
  if (mode == L"show-window" && argc >= 4) {
    RunEntry();
    host.LoadStartWindow(uint32_t(wcstoul(argv[3], nullptr, 16)));
    host.RunMessageLoop();
    host.RunShutdownSequence();
    return 0;
  }
  return 2;
}

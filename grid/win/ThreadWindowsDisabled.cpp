#include "grid/win/ThreadWindowsDisabled.h"

namespace grid::win {

namespace {

BOOL CALLBACK CollectEnabled(HWND w, LPARAM list) {
  if (IsWindowVisible(w) && IsWindowEnabled(w)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
  return TRUE;
}

}  // namespace

ThreadWindowsDisabled::ThreadWindowsDisabled() : active_(GetActiveWindow()) {
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&disabled_));
  for (HWND w : disabled_) EnableWindow(w, FALSE);
}

ThreadWindowsDisabled::~ThreadWindowsDisabled() {
  for (HWND w : disabled_)
    if (IsWindow(w)) EnableWindow(w, TRUE);
  // The window that was active before gets the activation back, not some other program.
  if (active_ && IsWindow(active_)) SetActiveWindow(active_);
}

}  // namespace grid::win

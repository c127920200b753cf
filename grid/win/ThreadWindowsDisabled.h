// Makes a window modal for its whole thread: while one of these lives, every other
// enabled top-level window of the thread takes no input; the destructor enables again
// exactly the windows it disabled (those still there).
#pragma once

#include <windows.h>

#include <vector>

namespace grid::win {

class ThreadWindowsDisabled {
 public:
  ThreadWindowsDisabled();
  ~ThreadWindowsDisabled();
  ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
  ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

 private:
  std::vector<HWND> disabled_;
  HWND active_;
};

}  // namespace grid::win

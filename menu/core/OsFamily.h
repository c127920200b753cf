// The operating-system code the menu library works out once per process from the
// platform's version block, and the "old family" (Win32s and the Windows 9x line) whose
// menus the library has to hot-track and measure differently.
#pragma once

#include <cstdint>

namespace menu {

namespace oscode {
constexpr int kOtherNt = 0;
constexpr int kWin32s = 1;
constexpr int kNtUnreadable = 2;
constexpr int kWin95 = 3;
constexpr int kWin98 = 4;
constexpr int kWinMe = 5;
constexpr int kNt4 = 6;
constexpr int kWin2000 = 7;
constexpr int kXp = 8;
constexpr int kServer2003 = 9;
}  // namespace oscode

// Platform ids of the version block.
constexpr uint32_t kPlatformWin32s = 0;
constexpr uint32_t kPlatformWindows = 1;  // 95, 98, Me
constexpr uint32_t kPlatformNt = 2;

// `readable` false: the version block could not be read (taken as the NT family).
int OsCode(bool readable, uint32_t platform, uint32_t major, uint32_t minor);
bool IsOldFamily(int code);

}  // namespace menu

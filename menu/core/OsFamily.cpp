#include "menu/core/OsFamily.h"

namespace menu {

int OsCode(bool readable, uint32_t platform, uint32_t major, uint32_t minor) {
  if (!readable) return oscode::kNtUnreadable;
  if (platform == kPlatformWin32s) return oscode::kWin32s;
  if (platform == kPlatformWindows) {
    if (major == 4 && minor == 10) return oscode::kWin98;
    if (major == 4 && minor == 90) return oscode::kWinMe;
    return oscode::kWin95;
  }
  if (major == 4) return oscode::kNt4;
  if (major == 5 && minor == 0) return oscode::kWin2000;
  if (major == 5 && minor == 1) return oscode::kXp;
  if (major == 5 && minor == 2) return oscode::kServer2003;
  return oscode::kOtherNt;
}

bool IsOldFamily(int code) {
  return code >= oscode::kWin32s && code <= oscode::kWinMe && code != oscode::kNtUnreadable;
}

}  // namespace menu

// The notifications the day grid sends its owner: message 0x464 with the code in the
// first parameter and, where a day is concerned, its packed date in the second.
#pragma once

#include <windows.h>

#include "calendar/core/GregorianDate.h"

namespace cal::win {

constexpr UINT kCalendarNotifyMessage = 0x464;

namespace calnotify {
constexpr WPARAM kCellClicked = 1;       // posted after the click's selection
constexpr WPARAM kCellHovered = 2;       // sent, with the hovered date
constexpr WPARAM kSelectionSet = 3;      // posted when a selection asked to notify
constexpr WPARAM kCellRightClicked = 4;  // sent, with the clicked date
}  // namespace calnotify

inline LPARAM PackDate(const GregorianDate& d) {
  return LPARAM((DWORD(d.year) << 16) | (DWORD(d.month) << 8) | DWORD(d.day));
}
inline GregorianDate UnpackDate(LPARAM lp) {
  DWORD v = DWORD(lp);
  return GregorianDate{uint16_t(v >> 16), uint16_t((v >> 8) & 0xFF), uint16_t(v & 0xFF)};
}

}  // namespace cal::win

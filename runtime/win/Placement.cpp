#include "runtime/win/Placement.h"

namespace rt::win {

RECT PlacedRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  if (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD)
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);  // its two corners
  return r;
}

}  // namespace rt::win

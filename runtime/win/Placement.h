// Where a live control stands, in the terms the common properties and the move
// command use.
#pragma once

#include <windows.h>

namespace rt::win {

// The control's window rectangle in its parent's client coordinates (a top-level
// window: in screen coordinates).
RECT PlacedRect(HWND hwnd);

}  // namespace rt::win

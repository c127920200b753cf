// Taking over a window's procedure for its owner-drawn menu: one unit per window,
// marked by window properties, with everything put back when the window is destroyed
// (or the unit goes first).
#pragma once

#include <windows.h>

namespace menu::win {

class SupperMenuUnit;

// Window property names on a taken-over window.
extern const wchar_t kOldProcProp[];
extern const wchar_t kMaskProp[];
extern const wchar_t kMenuShownProp[];
extern const wchar_t kActiveBarItemProp[];

// False when the window already belongs to a menu unit.
bool TakeOver(HWND window, SupperMenuUnit* unit);
// The unit is going: the window gets its procedure back (or, when someone replaced the
// procedure after us, our procedure stays and passes everything on).
void Release(HWND window, SupperMenuUnit* unit);
bool IsTakenOver(HWND window);

}  // namespace menu::win

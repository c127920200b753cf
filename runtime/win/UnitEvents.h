// Event numbers the host itself raises: the window unit's own events, and the focus
// events common to every unit with a window.
#pragma once

namespace rt::win {

namespace windowevent {
constexpr int kCreated = 0;
constexpr int kCloseRequest = 1;
constexpr int kDestroying = 2;
constexpr int kMoved = 3;
constexpr int kResized = 4;
constexpr int kActivated = 5;
constexpr int kDeactivated = 6;
constexpr int kFirstActivation = 8;
}  // namespace windowevent

namespace unitevent {
constexpr int kFocusGained = -7;
constexpr int kFocusLost = -8;
}  // namespace unitevent

// A menu item has a single handler; the host raises it under this number.
constexpr int kMenuItemChosen = 0;

}  // namespace rt::win

// Hooks the host puts on the platform windows it builds: the window's own (events,
// menu commands, routing of control notifications, closing) and each unit's (focus
// events, mouse pointer, notifications of the units a container holds).
#pragma once

#include <windows.h>

#include <cstddef>

namespace rt::win {

class RuntimeHost;
struct LiveWindow;

void AttachWindowSubclass(RuntimeHost* host, LiveWindow& window);
void AttachUnitSubclass(RuntimeHost* host, LiveWindow& window, size_t unitIndex);

// Notifications a control sends its parent, which the host hands to the control's unit.
bool IsRoutedNotification(UINT msg, WPARAM wp, LPARAM lp);
// The control a routed notification comes from.
HWND SourceOfNotification(UINT msg, WPARAM wp, LPARAM lp);

}  // namespace rt::win

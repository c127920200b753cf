// Every message box the runtime shows goes through here: GBK texts converted at the
// boundary, and one seam so tests can answer a box (and read its text) instead of
// leaving a modal box waiting for a user.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace rt::win {

// Shows a platform message box; returns the pressed button's id (IDOK, IDCANCEL, ...).
int ShowMessagePrompt(HWND owner, const std::string& text, const std::string& caption, UINT flags);

// Test seam: when set, it answers every box instead of the platform.
using MessagePromptHook = std::function<int(const std::string& text, const std::string& caption, UINT flags)>;
MessagePromptHook SetMessagePromptHook(MessagePromptHook hook);

}  // namespace rt::win

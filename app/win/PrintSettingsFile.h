// print.ini in the user's application data folder (NoteWriter\print.ini): UTF-8 text,
// a byte-order mark accepted, read at start-up and written when the settings window is
// confirmed.
#pragma once

#include <string>

namespace app::win {

std::wstring PrintSettingsPath();
// The file's settings into this run's; a missing or unreadable file leaves the defaults.
void LoadPrintSettingsFile();
// Writes the settings text (GBK) as UTF-8; false when the file cannot be written.
bool SavePrintSettingsFile(const std::string& gbkText);

}  // namespace app::win

// The settings kept per user in the application data folder (NoteWriter\print.ini and
// NoteWriter\book.ini): UTF-8 text, a byte-order mark accepted, read at start-up and
// written when their window is confirmed. A missing or unreadable file leaves the
// defaults.
#pragma once

#include <string>

namespace app::win {

void LoadPrintSettingsFile();
// Writes the settings text (GBK) as UTF-8; false when the file cannot be written.
bool SavePrintSettingsFile(const std::string& gbkText);

// Where this PC keeps its note book (the local file unless book.ini names a server).
void LoadBookPlaceFile();
bool SaveBookPlaceFile(const std::string& gbkText);

}  // namespace app::win

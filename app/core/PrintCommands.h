// The print menu's handlers and the print header settings window's buttons: settings
// handed to the grid with SetPrintTitle, SetPrintMargin and two grid properties, the
// preview (with default settings while none were confirmed) and printing.
#pragma once

#include <string>

#include "runtime/core/EventHandler.h"

namespace app::print {

// The tag the settings window's own unit carries once its settings were confirmed.
extern const char* const kSettingsConfirmed;  // "已设置"

// The print settings of this run handed to the note grid (none while all are default).
void ApplyNotePrintOptions();
// The print title and margins the preview uses while no settings were confirmed.
void ApplyDefaultPrintHeader();

// The title, margins and print options of the preview (`preview`) or of a print; the
// same for both once a note has print settings.
void ApplyNotePageSetup(bool preview);

// Prints a note file with no dialog, the page setup of the menu's print and the
// settings of this run; false when it is no grid file.
bool PrintNoteFile(const std::string& gbkFile);

rt::HandlerResult OnPrintHeaderSettings(const rt::EventArgs& args);
rt::HandlerResult OnPrintPreview(const rt::EventArgs& args);
rt::HandlerResult OnPrint(const rt::EventArgs& args);
rt::HandlerResult OnSettingsOk(const rt::EventArgs& args);
rt::HandlerResult OnSettingsCancel(const rt::EventArgs& args);

}  // namespace app::print

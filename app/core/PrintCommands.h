// The print menu's handlers and the print header settings window's buttons: settings
// handed to the grid with SetPrintTitle, SetPrintMargin and two grid properties, the
// preview (with default settings while none were confirmed) and printing.
#pragma once

#include "runtime/core/EventHandler.h"

namespace app::print {

// The tag the settings window's own unit carries once its settings were confirmed.
extern const char* const kSettingsConfirmed;  // "已设置"

rt::HandlerResult OnPrintHeaderSettings(const rt::EventArgs& args);
rt::HandlerResult OnPrintPreview(const rt::EventArgs& args);
rt::HandlerResult OnPrint(const rt::EventArgs& args);
rt::HandlerResult OnSettingsOk(const rt::EventArgs& args);
rt::HandlerResult OnSettingsCancel(const rt::EventArgs& args);

}  // namespace app::print

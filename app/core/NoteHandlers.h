// The note's event handlers, each bound by the window templates (through the table in
// Handlers.cpp). None of them has window code: they act on units through the runtime
// services and the grid and core commands.
#pragma once

#include "runtime/core/EventHandler.h"

namespace app {

// The note layout and the title rows (NoteLayout.cpp).
rt::HandlerResult BuildNoteLayout(const rt::EventArgs&);  // main window created
rt::HandlerResult FitGridToWindow(const rt::EventArgs&);  // main window resized
rt::HandlerResult OnCustomerChanged(const rt::EventArgs&);
rt::HandlerResult OnDateChanged(const rt::EventArgs&);
rt::HandlerResult OnHeaderTextChanged(const rt::EventArgs&);

// The three steps of BuildNoteLayout, in its order.
void MergeTitleCells();
void NumberItemRows();
void SetUpColumns();

// Amounts and totals after each finished cell edit (NoteTotals.cpp).
rt::HandlerResult RecalculateNote(const rt::EventArgs&);

// The program menu (FileCommands.cpp).
rt::HandlerResult OnOpen(const rt::EventArgs&);
rt::HandlerResult OnSave(const rt::EventArgs&);
rt::HandlerResult OnExit(const rt::EventArgs&);
rt::HandlerResult OnMainWindowCloseRequest(const rt::EventArgs&);

// The tools and help menus and the help button (ToolCommands.cpp).
rt::HandlerResult OnCalculator(const rt::EventArgs&);
rt::HandlerResult OnMonthCalendar(const rt::EventArgs&);
rt::HandlerResult OnAbout(const rt::EventArgs&);
rt::HandlerResult OnUsageHelp(const rt::EventArgs&);

}  // namespace app

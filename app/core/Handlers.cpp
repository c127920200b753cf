#include "app/core/Handlers.h"

#include <cfenv>

#include "app/core/HandlerIds.h"
#include "app/core/PrintCommands.h"
#include "app/core/ProgramTemplates.h"
#include "runtime/core/RuntimeServices.h"

namespace app {

namespace {

using rt::EventArgs;
using rt::HandlerResult;

// Handlers whose work comes with the note, file and print features.
HandlerResult RecalculateNote(const EventArgs&) { return HandlerResult::None(); }
HandlerResult BuildNoteLayout(const EventArgs&) { return HandlerResult::None(); }
HandlerResult FitGridToWindow(const EventArgs&) { return HandlerResult::None(); }
HandlerResult OnCustomerChanged(const EventArgs&) { return HandlerResult::None(); }
HandlerResult OnDateChanged(const EventArgs&) { return HandlerResult::None(); }
HandlerResult OnHeaderTextChanged(const EventArgs&) { return HandlerResult::None(); }
HandlerResult OnOpen(const EventArgs&) { return HandlerResult::None(); }
HandlerResult OnSave(const EventArgs&) { return HandlerResult::None(); }
HandlerResult OnCalculator(const EventArgs&) { return HandlerResult::None(); }
HandlerResult OnMonthCalendar(const EventArgs&) { return HandlerResult::None(); }
HandlerResult OnPrintHeaderSettings(const EventArgs& e) { return print::OnPrintHeaderSettings(e); }
HandlerResult OnPrintPreview(const EventArgs& e) { return print::OnPrintPreview(e); }
HandlerResult OnPrint(const EventArgs& e) { return print::OnPrint(e); }
HandlerResult OnAbout(const EventArgs&) { return HandlerResult::None(); }
HandlerResult OnUsageHelp(const EventArgs&) { return HandlerResult::None(); }
HandlerResult OnSettingsOk(const EventArgs& e) { return print::OnSettingsOk(e); }
HandlerResult OnSettingsCancel(const EventArgs& e) { return print::OnSettingsCancel(e); }

// Exit: nothing is saved and nothing is asked.
HandlerResult OnExit(const EventArgs&) {
  rt::Services().EndProgram(0);
  return HandlerResult::None();  // not reached
}

struct Table {
  rt::EventHandler entries[kHandlerCount] = {};
  void Set(HandlerId id, rt::EventHandler h) { entries[size_t(id)] = h; }
  Table() {
    Set(HandlerId::RecalculateNote, &RecalculateNote);
    Set(HandlerId::BuildNoteLayout, &BuildNoteLayout);
    Set(HandlerId::FitGridToWindow, &FitGridToWindow);
    Set(HandlerId::OnCustomerChanged, &OnCustomerChanged);
    Set(HandlerId::OnDateChanged, &OnDateChanged);
    Set(HandlerId::OnHeaderTextChanged, &OnHeaderTextChanged);
    Set(HandlerId::OnOpen, &OnOpen);
    Set(HandlerId::OnSave, &OnSave);
    Set(HandlerId::OnExit, &OnExit);
    Set(HandlerId::OnCalculator, &OnCalculator);
    Set(HandlerId::OnMonthCalendar, &OnMonthCalendar);
    Set(HandlerId::OnPrintHeaderSettings, &OnPrintHeaderSettings);
    Set(HandlerId::OnPrintPreview, &OnPrintPreview);
    Set(HandlerId::OnPrint, &OnPrint);
    Set(HandlerId::OnAbout, &OnAbout);
    Set(HandlerId::OnUsageHelp, &OnUsageHelp);
    Set(HandlerId::OnSettingsOk, &OnSettingsOk);
    Set(HandlerId::OnSettingsCancel, &OnSettingsCancel);
  }
};

}  // namespace

const rt::HandlerTable& ProgramHandlers() {
  static const Table handlers;
  static const rt::HandlerTable table{handlers.entries, kHandlerCount};
  return table;
}

void ProgramExitRoutine() {}

int RunProgramEntry() {
  rt::RuntimeServices& host = rt::Services();
  host.RuntimeNotify(rt::notify::kInitialiseHost);
  std::fesetenv(FE_DFL_ENV);  // the floating-point unit in its default state
  // The application's own initialisation has nothing to do.
  host.RuntimeNotify(rt::notify::kRegisterExitRoutine, reinterpret_cast<intptr_t>(&ProgramExitRoutine));
  host.LoadStartWindow(kMainWindowId);
  host.RunMessageLoop();
  return 0;
}

}  // namespace app

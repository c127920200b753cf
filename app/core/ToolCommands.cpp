// The tools and help commands: the system calculator and the three side windows, each
// shown modally, so the main window takes no input until it is closed.
#include "app/core/NoteCalls.h"
#include "app/core/NoteHandlers.h"
#include "app/core/ProgramTemplates.h"

namespace app {

namespace {

rt::HandlerResult ShowModal(uint32_t windowId, uint32_t windowUnitId) {
  CoreCommand(rt::CoreCommand::kLoadWindow,
              {WindowArg(windowId, windowUnitId), kOmitted, rt::MakeLogic(true)});
  return rt::HandlerResult::None();
}

}  // namespace

// Started in a normal window; a calculator that cannot be started is not reported.
rt::HandlerResult OnCalculator(const rt::EventArgs&) {
  CoreCommand(rt::CoreCommand::kRunProgram, {TextArg("calc.exe"), rt::MakeLogic(false)});
  return rt::HandlerResult::None();
}

rt::HandlerResult OnMonthCalendar(const rt::EventArgs&) {
  return ShowModal(kCalendarWindowId, kCalendarWindowUnitId);
}

rt::HandlerResult OnAbout(const rt::EventArgs&) { return ShowModal(kAboutWindowId, kAboutWindowUnitId); }

rt::HandlerResult OnUsageHelp(const rt::EventArgs&) { return ShowModal(kHelpWindowId, kHelpWindowUnitId); }

}  // namespace app

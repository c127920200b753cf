// The application's event handlers, as the table the window templates bind to (in the
// order of HandlerId), and its entry routine.
#pragma once

#include <string>

#include "runtime/core/EventHandler.h"

namespace app {

// One entry per HandlerId, in that order.
const rt::HandlerTable& ProgramHandlers();

// The application's exit routine (registered with the host at start; does nothing).
void ProgramExitRoutine();

// The entry routine: initialise the host, reset the floating-point unit, register the
// exit routine, load the start window and run the message loop. Returns 0 when the loop
// ends.
int RunProgramEntry();

// How the program was started: with its window alone, with a note file to open, or to
// print a note file and end (the printer was chosen by the caller).
struct StartRequest {
  enum Kind { kWindow, kOpen, kPrint } kind = kWindow;
  std::string file;  // GBK
};
// kPrint: 0 once the note went to the printer, kNotGridFile when it is no grid file.
constexpr int kNotGridFile = 3;
int RunProgramEntry(const StartRequest& start);

}  // namespace app

// The application's event handlers, as the table the window templates bind to (in the
// order of HandlerId), and its entry routine.
#pragma once

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

}  // namespace app

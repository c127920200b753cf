// The program's entry: the host's application object comes first (it records the
// program's directory), the note book's place is set, then the application's entry
// routine runs the whole program; when it returns, the host's shut-down sequence runs
// and the process ends with 0.
#include <windows.h>

#include "app/core/Handlers.h"
#include "app/core/NoteBookAccess.h"
#include "app/win/ProgramDescriptor.h"
#include "book/win/NoteBookLocation.h"
#include "runtime/win/RuntimeHost.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  static rt::win::RuntimeHost host(app::ProgramDescriptor());
  app::SetNoteBookPath(book::win::UserNoteBookPath());
  int code = app::RunProgramEntry();
  host.RunShutdownSequence();
  return code;
}

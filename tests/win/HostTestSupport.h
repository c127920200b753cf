// A test application for the runtime host: window templates built in code, a handler
// table whose handlers record their calls (and can be given behaviour), a probe unit
// kind in a fifth library, and seams that answer message boxes and turn the end of
// the process into an exception.
//
// Only code called directly from a test may end the program (an exception must never
// cross the platform's message dispatch): tests call services and RaiseEvent directly
// when they expect the error box.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "runtime/core/Blocks.h"
#include "runtime/core/TemplateWriter.h"
#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/core/WindowTemplate.h"
#include "runtime/win/CoreLibrary.h"
#include "runtime/win/ErrorReporter.h"
#include "runtime/win/MessagePrompt.h"
#include "runtime/win/ProcessExit.h"
#include "runtime/win/RuntimeHost.h"

namespace host_test {

//--- The end of the process, as an exception ------------------------------------------

struct ProgramEnded {
  int code;
};

class ExitSeam {
 public:
  ExitSeam() : previous_(rt::win::SetProcessExitHook(&Throw)) {}
  ~ExitSeam() { rt::win::SetProcessExitHook(previous_); }

 private:
  static void Throw(int code) { throw ProgramEnded{code}; }
  rt::win::ProcessExitHook previous_;
};

//--- Message boxes, answered by the test ---------------------------------------------

struct ShownBox {
  std::string text, caption;
  UINT flags;
};

class PromptSeam {
 public:
  PromptSeam() {
    previous_ = rt::win::SetMessagePromptHook(
        [this](const std::string& text, const std::string& caption, UINT flags) {
          boxes.push_back({text, caption, flags});
          return answer ? answer(boxes.back()) : IDOK;
        });
  }
  ~PromptSeam() { rt::win::SetMessagePromptHook(previous_); }

  std::vector<ShownBox> boxes;
  std::function<int(const ShownBox&)> answer;  // default: OK

 private:
  rt::win::MessagePromptHook previous_;
};

//--- Recording handlers ----------------------------------------------------------------

constexpr int kHandlerCount = 64;  // at least as many as the program binds (checked where it loads them)

struct HandlerCall {
  int handler;
  rt::UnitRef source;  // the current event source while it ran
  rt::EventArgs args;
};

struct HandlerLog {
  std::vector<HandlerCall> calls;
  std::function<rt::HandlerResult(const rt::EventArgs&)> behaviour[kHandlerCount];
  std::vector<std::string> trail;  // free-form order log (units, libraries, exit routine)

  void Reset() {
    calls.clear();
    trail.clear();
    for (auto& b : behaviour) b = nullptr;
  }
  std::vector<int> Handlers() const {
    std::vector<int> out;
    for (const HandlerCall& c : calls) out.push_back(c.handler);
    return out;
  }
  int Count(int handler) const {
    int n = 0;
    for (const HandlerCall& c : calls) n += c.handler == handler;
    return n;
  }
};

HandlerLog& Log();
const rt::HandlerTable& RecordingHandlers();

//--- The probe unit kind (library 5, type 1) --------------------------------------------

constexpr uint32_t kProbeType = 0x50001;
constexpr uint32_t kInertType = 0x50002;  // a probe whose type cannot raise events
// Own property 0 (property 8) is an integer the probe keeps; property 9 is its text.
const rt::win::LibraryInfo& ProbeLibrary();

// Block words the probe reads after the 20 reserved bytes: flags.
namespace probeflag {
constexpr uint32_t kWindowless = 1;       // no platform window
constexpr uint32_t kRaiseOnComplete = 2;  // raises its event 0 when told the window is complete
constexpr uint32_t kFailCreate = 4;       // refuses to be created
}  // namespace probeflag
std::vector<uint8_t> ProbeBlock(uint32_t flags = 0);

//--- Templates in code ------------------------------------------------------------------

// A window unit; hidden unless `visible`. Without a window manager a shown window is
// slow to go away under Wine, so tests show windows only where it matters.
rt::UnitTemplate WindowUnit(uint32_t id, const char* caption, bool visible = false);
rt::UnitTemplate Probe(uint32_t id, int left, int top, int width, int height, uint32_t flags = 0);
rt::UnitTemplate MenuItem(uint32_t id, uint32_t level, const char* caption, int handler = -1);
// Binds `event` of the unit to handler index `handler` of the recording table.
void Bind(rt::UnitTemplate& unit, int event, int handler);
rt::WindowTemplate Window(uint32_t windowId, std::vector<rt::UnitTemplate> units);

//--- The test program -------------------------------------------------------------------

class TestProgram {
 public:
  TestProgram();
  ~TestProgram();

  // Writes the template block, makes the host and runs its initialisation.
  void Boot();
  rt::win::RuntimeHost& Host() { return *host_; }

  rt::TemplateSet templates;           // edit before Boot
  std::vector<uint8_t> blockOverride;  // when not empty, used instead of `templates`
  bool withProbeNotify = true;         // the probe library records its notifications
  rt::win::ProgramHeader header;

  ExitSeam exitSeam;
  PromptSeam prompts;

 private:
  std::vector<uint8_t> block_;
  const rt::win::LibraryInfo* libraries_[5] = {};
  std::unique_ptr<rt::win::RuntimeHost> host_;
};

//--- Helpers -----------------------------------------------------------------------------

// Runs the message loop until `done` or `ms` pass; false on timeout.
bool PumpFor(rt::win::RuntimeHost& host, const std::function<bool()>& done, DWORD ms = 3000);
// Removes a quit message a test left in the queue.
void DrainQuit();
std::string ReadText(uint64_t words);  // and frees the heap text
rt::DataValue Unit(uint32_t windowId, uint32_t unitId, rt::TypeTag type = rt::tag::kWindow);
rt::DataValue Text(const char* s);  // a text value pointing at `s` (caller keeps it alive)

// The tests run on a virtual display without a window manager, where Wine waits for one
// whenever a shown window goes away. This lets Wine frame the windows of the named
// programs itself (read when a program starts: it applies from their next start on).
void LetWineFrameWindowsOf(std::initializer_list<const wchar_t*> programs);

// Calls `fn`, expecting the runtime error box: returns the box text and checks the exit
// code -1.
std::string ExpectErrorBox(TestProgram& program, const std::function<void()>& fn);

}  // namespace host_test

// A stand-in host for the note handlers: runtime services that record every command
// call and pass it on to the real grid and value commands, fake window commands
// (client size, dialogs, message boxes, windows, programs) that record and answer as
// the test says, and the note grid as the program's grid unit creates it. The grids
// and date boxes of the other windows are there too, as the program's templates have
// them.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "grid/core/GridModel.h"
#include "runtime/core/RuntimeServices.h"
#include "tests/runtime/ThrowingReporter.h"

namespace app::test {

struct ProgramEnded {
  int code;
};

// One command call: its name, its arguments written out ("2", "\"text\"", "grid" ...)
// and its result, as written out after the call.
struct Call {
  std::string name;
  std::vector<std::string> args;
  std::string result;
  std::string Line() const;  // name(a,b,...)=result
};

class NoteTestHost : public rt::RuntimeServices {
 public:
  NoteTestHost();
  ~NoteTestHost() override;

  // The note grid as the template makes it: 24 rows, 7 columns, rows 24 high, columns
  // 60 wide, no header rows or columns.
  grid::GridModel grid;

  std::vector<Call> calls;         // grid and core commands, in call order
  std::vector<std::string> trail;  // other services: notify, start window, loop
  std::vector<Call> Named(const std::string& name) const;

  // Answers of the fake window commands.
  int clientWidth = 681, clientHeight = 553;
  std::function<bool(uint32_t dialogId)> dialogAnswer;    // default: cancel
  std::function<int(const std::string& text)> boxAnswer;  // default: 0, no button
  std::map<uint64_t, std::string> texts;                  // (unit, property) -> text
  double noteDate = 0;                                    // 日期框1's date-time
  std::map<uint32_t, double> dates;                       // the other date boxes by unit id
  std::map<uint32_t, grid::GridModel> otherGrids;         // the other grids by unit id
  rt::ExitRoutine exitRoutine = nullptr;                  // registered with RuntimeNotify 3
  static uint64_t Key(uint32_t unitId, int32_t index) { return (uint64_t(unitId) << 32) | uint32_t(index); }

  // Services.
  [[noreturn]] void RaiseRuntimeError(int code) override;
  rt::DataValue CallDllCommand(int, int, rt::DataValue*) override { return {}; }
  rt::DataValue CallLibraryCommand(int library, rt::CommandFn command, int argCount,
                                   rt::DataValue* args) override;
  rt::DataValue CallCoreCommand(rt::CommandFn command, int argCount, rt::DataValue* args) override;
  uint64_t GetUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex) override;
  void SetUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex, uint32_t low,
                       uint32_t high) override;
  void* AllocateBlock(size_t size) override;
  void* ReallocateBlock(void* block, size_t size) override;
  void FreeBlock(void* block) override;
  [[noreturn]] void EndProgram(int exitCode) override;
  void RunMessageLoop() override { trail.push_back("RunMessageLoop"); }
  void LoadStartWindow(uint32_t windowId) override;
  intptr_t RuntimeNotify(int code, intptr_t arg1, intptr_t arg2) override;

 private:
  rt::DataValue Record(const std::string& name, rt::CommandFn command, int argCount, rt::DataValue* args);
  rt::ThrowingReporter reporter_;
  rt::RuntimeServices* previousServices_;
};

// A GBK text as the sources spell it (literals are GBK already).
inline std::string Spaces(size_t n) { return std::string(n, ' '); }

}  // namespace app::test

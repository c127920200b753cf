// The table through which application code reaches the host: thirteen services in a
// fixed order. Application handlers are platform-free and call the host only through
// this interface (tests put a fake behind it).
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/core/DataValue.h"

namespace rt {

// RuntimeNotify codes this program uses.
namespace notify {
constexpr int kRegisterExitRoutine = 3;  // argument 1: void (*)()
constexpr int kInitialiseHost = 6;
}  // namespace notify

// Array index argument of the property services for properties that are not arrays.
constexpr int32_t kNotAnArray = -1;

using ExitRoutine = void (*)();

class RuntimeServices {
 public:
  virtual ~RuntimeServices() = default;

  // 1. Shows the runtime error box with the numbered message and ends the program.
  [[noreturn]] virtual void RaiseRuntimeError(int code) = 0;
  // 2. Calls a declared external-library command by its index (none in this program).
  virtual DataValue CallDllCommand(int index, int argCount, DataValue* args) = 0;
  // 3./4. The command-call convention: the result starts zeroed; the caller owns the
  // arguments and any text or byte-set result (release it with FreeBlock).
  virtual DataValue CallLibraryCommand(int library, CommandFn command, int argCount, DataValue* args) = 0;
  virtual DataValue CallCoreCommand(CommandFn command, int argCount, DataValue* args) = 0;
  // 5./6. Unit properties by index; the pair is (low, high). A text read is a new heap
  // block; a text written is copied.
  virtual uint64_t GetUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex) = 0;
  virtual void SetUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex,
                               uint32_t low, uint32_t high) = 0;
  // 7./8./9. Heap blocks (constant ranges are never freed or resized in place).
  virtual void* AllocateBlock(size_t size) = 0;
  virtual void* ReallocateBlock(void* block, size_t size) = 0;
  virtual void FreeBlock(void* block) = 0;
  // 10. Runs the shut-down sequence and ends the process with the code.
  [[noreturn]] virtual void EndProgram(int exitCode) = 0;
  // 11. Runs the message loop while a loaded window is live, until the quit message.
  virtual void RunMessageLoop() = 0;
  // 12. Builds and shows the start window; "载入启动窗口失败" when that fails.
  virtual void LoadStartWindow(uint32_t windowId) = 0;
  // 13. Codes 0..6; this program uses 3 (register the exit routine) and 6 (initialise).
  virtual intptr_t RuntimeNotify(int code, intptr_t arg1 = 0, intptr_t arg2 = 0) = 0;
};

// The services of the running host (installed by the host while it lives).
RuntimeServices& Services();
RuntimeServices* SetServices(RuntimeServices* services);

// The core library's commands, in the order of its command table.
enum class CoreCommand : int {
  kToNumber = 0,
  kToText,
  kNumberToCapital,
  kLoadWindow,
  kDatePart,
  kCloseWindow,
  kOpenDialog,
  kInfoBox,
  kGetClientWidth,
  kGetClientHeight,
  kMoveUnit,
  kRunProgram,
  kSetEditCompletions,
};
constexpr int kCoreCommandCount = 13;

// The core library's command table, registered by whoever assembles the libraries.
void SetCoreCommandTable(const CommandFn* commands, int count);
CommandFn CoreCommandFunction(CoreCommand command);  // null when not registered

// Calls a core command through the services; a missing command returns no value.
DataValue CallCore(CoreCommand command, int argCount, DataValue* args);

}  // namespace rt

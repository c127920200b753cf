// The runtime host: the single object behind the runtime services. It starts the
// runtime (OLE, program directory, hidden message window, libraries, templates), builds
// windows from their templates, turns unit events into handler calls, runs the message
// loop, and ends the program through its shut-down sequence exactly once.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/core/EventDispatch.h"
#include "runtime/core/RuntimeError.h"
#include "runtime/core/RuntimeServices.h"
#include "runtime/core/WindowTemplate.h"
#include "runtime/win/Library.h"
#include "runtime/win/LiveWindow.h"
#include "runtime/win/Unit.h"

namespace rt::win {

// Private messages of the host.
constexpr UINT kMsgEndFromOtherThread = 0x83E7;  // to the hidden window: wParam = exit code
constexpr UINT kMsgCloseRequest = 0x8065;        // to a window: close when the loop next runs

class RuntimeHost final : public RuntimeServices, public UnitHost, public EventDirectory {
 public:
  // Step 1 of start-up: the host's application object records the program directory.
  explicit RuntimeHost(const ProgramHeader& program);
  ~RuntimeHost() override;
  RuntimeHost(const RuntimeHost&) = delete;
  RuntimeHost& operator=(const RuntimeHost&) = delete;

  // The host of the process (the most recently constructed one still alive).
  static RuntimeHost* Current();
  // The callback handed to libraries (code 1); it reaches the current host.
  static intptr_t HostCallback(int code, intptr_t arg1, intptr_t arg2);

  //--- Runtime services, in table order
  [[noreturn]] void RaiseRuntimeError(int code) override;
  DataValue CallDllCommand(int index, int argCount, DataValue* args) override;
  DataValue CallLibraryCommand(int library, CommandFn command, int argCount, DataValue* args) override;
  DataValue CallCoreCommand(CommandFn command, int argCount, DataValue* args) override;
  uint64_t GetUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex) override;
  void SetUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t arrayIndex, uint32_t low,
                       uint32_t high) override;
  void* AllocateBlock(size_t size) override;
  void* ReallocateBlock(void* block, size_t size) override;
  void FreeBlock(void* block) override;
  [[noreturn]] void EndProgram(int exitCode) override;
  void RunMessageLoop() override;
  void LoadStartWindow(uint32_t windowId) override;
  intptr_t RuntimeNotify(int code, intptr_t arg1 = 0, intptr_t arg2 = 0) override;

  //--- What units get
  HandlerResult RaiseEvent(UnitRef ref, int event, const EventArgs& args) override;
  using UnitHost::RaiseEvent;
  void AddIdleCallback(HWND owner, void (*fn)(void*), void* arg) override;

  //--- What event dispatch asks
  int ErrorDepth() const override { return errorDepth_.load(); }
  bool IsWindowLoaded(uint32_t windowId) const override;
  const UnitTemplate* FindLoadedUnit(uint32_t windowId, uint32_t unitId) const override;
  uint32_t CopySourceOf(uint32_t windowId, uint32_t unitId) const override;
  bool TypeFlags(uint32_t typeId, uint32_t* flags) const override;

  //--- Host callback, by code
  intptr_t Callback(int code, intptr_t arg1, intptr_t arg2);
  // Host callback 2038: the record of menu item `identifier` of a loaded window.
  const MenuItemRecord* MenuItemRecordOf(uint32_t windowId, uint32_t identifier);

  //--- Start and end
  // Steps 3 to 10 of start-up (RuntimeNotify 6).
  void Initialise();
  // The shut-down sequence without ending the process; safe to enter more than once.
  void RunShutdownSequence();
  void ForgetExitRoutine() { exitRoutine_ = nullptr; }
  ExitRoutine RegisteredExitRoutine() const { return exitRoutine_; }
  void BlockEvents() { ++errorDepth_; }
  void UnblockEvents();

  //--- Windows
  // Builds the window of the template (or brings an existing one back). True on
  // success; *newlyBuilt tells which happened.
  bool LoadWindowFromTemplate(uint32_t windowId, HWND parent, bool modal, bool* newlyBuilt = nullptr);
  // Runs a nested loop until the window has closed (or the quit message arrives).
  void RunModalLoop(const std::shared_ptr<LiveWindow>& window);
  // Runs the loop until `done` turns true, the quit message arrives, or the time is up
  // (milliseconds; 0 = no limit). For tests and modal waits.
  bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

  std::shared_ptr<LiveWindow> FindLoadedWindow(uint32_t windowId) const;
  std::shared_ptr<LiveWindow> WindowOfHwnd(HWND hwnd) const;
  const std::vector<std::shared_ptr<LiveWindow>>& LoadedWindows() const { return loaded_; }
  // Host callback 2006: the unit's live record, or null (no error).
  LiveUnit* ResolveUnit(UnitRef ref);
  // Host callback 2007: as ResolveUnit, but "指定窗口或窗口组件不存在或尚未载入" when not found.
  LiveUnit* ResolveUnitOrFail(UnitRef ref);
  // Closes a window: at once (destroyed now) or by a posted close request.
  void CloseLiveWindow(const std::shared_ptr<LiveWindow>& window, bool atOnce);
  // Destroys one control of a live window and forgets it.
  void DestroyControl(LiveWindow& window, LiveUnit& unit);

  //--- State
  TemplateSet& Templates() { return templates_; }
  const ProgramHeader& Program() const { return program_; }
  const std::string& ProgramDirectory() const { return programDir_; }
  const std::string& ProgramFileName() const { return programFile_; }
  HWND HiddenWindow() const { return hiddenWindow_; }
  DWORD GuiThreadId() const { return guiThread_; }
  bool LoopStarted() const { return loopStarted_; }
  bool ShuttingDown() const { return shuttingDown_; }
  bool Initialised() const { return initialised_; }
  uint32_t NextIdSerial() const { return nextSerial_; }

  //--- Internal: window messages and building (the host's own files)
  LRESULT WindowMessage(LiveWindow& window, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool* handled);
  LRESULT UnitWindowMessage(LiveWindow& window, LiveUnit& unit, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                            bool* handled);
  bool RouteToUnit(LiveWindow& window, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
  void OnWindowDestroying(LiveWindow& window);
  void OnWindowGone(LiveWindow& window);
  void ForgetUnit(LiveWindow& window, LiveUnit& unit);
  void EndModal(LiveWindow& window);
  // Rebuilds a live window's menu bar and accelerators after a menu item changed.
  void RefreshMenu(LiveWindow& window);
  bool PreTranslate(MSG* msg);
  void DeleteRetiredUnits() { retiredUnits_.clear(); }
  bool inActivationEvent = false;

 private:
  struct IdleCallback {
    HWND owner;
    void (*fn)(void*);
    void* arg;
  };

  bool BuildWindow(WindowTemplate& tmpl, HWND parent, bool modal);
  void BringBack(LiveWindow& window);
  void RunLoop(LiveWindow* modalFor);
  bool IdlePass(long count);
  void CreateHiddenWindow();
  void NotifyLibraries(int code);
  static LRESULT CALLBACK HiddenWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  const ProgramHeader& program_;
  RuntimeHost* previousHost_ = nullptr;
  RuntimeServices* previousServices_ = nullptr;
  RuntimeErrorReporter previousReporter_ = nullptr;
  TemplateSet templates_;
  std::vector<std::shared_ptr<LiveWindow>> loaded_;
  std::atomic<int> errorDepth_{0};
  std::atomic<bool> shuttingDown_{false};
  bool shutdownDone_ = false;
  bool initialised_ = false;
  bool oleStarted_ = false;
  bool loopStarted_ = false;
  uint32_t mode_ = 0;
  uint32_t nextSerial_ = 0;
  DWORD guiThread_ = 0;
  std::string programDir_, programFile_;
  HWND hiddenWindow_ = nullptr;
  ExitRoutine exitRoutine_ = nullptr;
  std::vector<intptr_t> libraryValues_;
  std::vector<IdleCallback> idleCallbacks_;
  std::vector<HMODULE> loadedModules_;
  // Unit objects of destroyed windows, deleted at a safe point (a unit's own code may
  // still be on the stack when its window goes).
  std::vector<std::unique_ptr<Unit>> retiredUnits_;
  DWORD idleStartTick_ = 0;
};

}  // namespace rt::win

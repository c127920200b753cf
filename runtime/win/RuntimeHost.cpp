#include "runtime/win/RuntimeHost.h"

#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>

#include <cstdio>

#include "runtime/core/Blocks.h"
#include "runtime/core/RuntimeError.h"
#include "runtime/core/TemplateReader.h"
#include "runtime/win/ErrorReporter.h"
#include "runtime/win/Gbk.h"
#include "runtime/win/ProcessExit.h"

namespace rt::win {

namespace {

RuntimeHost* g_current = nullptr;

const wchar_t kHiddenClass[] = L"KXHostMessageWindow";

// The program's own path, split at its last backslash.
void SplitProgramPath(std::string* dir, std::string* file) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, &path[0], DWORD(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  size_t cut = path.find_last_of(L'\\');
  if (cut == std::wstring::npos) {
    dir->clear();
    *file = WideToGbk(path);
    return;
  }
  *dir = WideToGbk(path.substr(0, cut));
  *file = WideToGbk(path.substr(cut + 1));
}

}  // namespace

//--- Construction --------------------------------------------------------------------

RuntimeHost::RuntimeHost(const ProgramHeader& program) : program_(program) {
  previousHost_ = g_current;
  g_current = this;
  previousServices_ = SetServices(this);
  previousReporter_ = InstallErrorBoxReporter();
  SplitProgramPath(&programDir_, &programFile_);
}

RuntimeHost::~RuntimeHost() {
  // A host that never ran its shut-down (tests) still leaves nothing behind.
  ++errorDepth_;
  shuttingDown_ = true;
  std::vector<std::shared_ptr<LiveWindow>> windows;
  windows.swap(loaded_);
  for (auto& w : windows)
    if (w->Alive()) DestroyWindow(w->hwnd);
  if (hiddenWindow_) DestroyWindow(hiddenWindow_);
  if (oleStarted_) OleUninitialize();
  retiredUnits_.clear();
  SetRuntimeErrorReporter(previousReporter_);
  SetServices(previousServices_);
  g_current = previousHost_;
}

RuntimeHost* RuntimeHost::Current() { return g_current; }

intptr_t RuntimeHost::HostCallback(int code, intptr_t arg1, intptr_t arg2) {
  return g_current ? g_current->Callback(code, arg1, arg2) : 0;
}

//--- Start-up ------------------------------------------------------------------------

void RuntimeHost::Initialise() {
  if (initialised_) return;
  initialised_ = true;

  // 3. The descriptor's mode and the next free id serial.
  mode_ = program_.mode;
  nextSerial_ = program_.lastSerial + 1;

  // 4. OLE, once for this host.
  oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);

  // 5. The program's directory becomes the current directory.
  if (!programDir_.empty()) SetCurrentDirectoryW(GbkToWide(programDir_).c_str());

  // 6. The hidden message window, on the GUI thread.
  guiThread_ = GetCurrentThreadId();
  CreateHiddenWindow();

  // 7. The application's constant data is never freed or resized in place.
  if (program_.constants && program_.constantsLength)
    AddConstantRange(program_.constants, program_.constantsLength);

  // 8. Libraries, in table order.
  if (program_.libraryCount > 0 && program_.libraries[0])
    SetCoreCommandTable(program_.libraries[0]->commands, program_.libraries[0]->commandCount);
  NotifyLibraries(libnotify::kStart);

  // 9./10. The window templates, then their handlers.
  if (program_.templatesLength > 0) {
    if (!program_.templates ||
        !LoadWindowTemplates(program_.templates, program_.templatesLength, &templates_))
      ReportRuntimeError(msg::kBadTemplateData);
    if (!BindHandlers(&templates_, program_.handlers)) ReportRuntimeError(msg::kBadTemplateData);
  }
}

void RuntimeHost::NotifyLibraries(int code) {
  libraryValues_.resize(size_t(program_.libraryCount > 0 ? program_.libraryCount : 0), 0);
  for (int i = 0; i < program_.libraryCount; ++i) {
    const LibraryInfo* lib = program_.libraries[i];
    if (!lib || !lib->notify) continue;
    if (code == libnotify::kStart) {
      libraryValues_[size_t(i)] =
          lib->notify(code, reinterpret_cast<intptr_t>(&RuntimeHost::HostCallback), 0);
    } else {
      lib->notify(code, libraryValues_[size_t(i)], 0);
    }
  }
}

void RuntimeHost::CreateHiddenWindow() {
  static bool registered = false;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!registered) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &RuntimeHost::HiddenWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, kArrowCursor);
    wc.lpszClassName = kHiddenClass;
    registered = RegisterClassW(&wc) != 0;
  }
  hiddenWindow_ =
      CreateWindowExW(0, kHiddenClass, L"", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
}

LRESULT CALLBACK RuntimeHost::HiddenWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kMsgEndFromOtherThread && g_current && g_current->hiddenWindow_ == hwnd) {
    // An end request forwarded from another thread: end here, on the GUI thread.
    g_current->EndProgram(int(wp));
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

//--- Shut-down -----------------------------------------------------------------------

void RuntimeHost::RunShutdownSequence() {
  ++errorDepth_;
  shuttingDown_ = true;
  idleCallbacks_.clear();
  std::vector<std::shared_ptr<LiveWindow>> windows;
  windows.swap(loaded_);

  // The exit routine runs at most once, however often the sequence is entered.
  if (ExitRoutine routine = exitRoutine_) {
    exitRoutine_ = nullptr;
    routine();
  }
  if (shutdownDone_) return;
  shutdownDone_ = true;

  NotifyLibraries(libnotify::kEnd);
  for (HMODULE m : loadedModules_) FreeLibrary(m);
  loadedModules_.clear();

  if (hiddenWindow_) {
    DestroyWindow(hiddenWindow_);
    hiddenWindow_ = nullptr;
  }
  // Each remaining window goes on its own: one that fails does not keep the others.
  for (auto& w : windows) {
    try {
      if (w->Alive()) DestroyWindow(w->hwnd);
    } catch (...) {
    }
  }
  if (oleStarted_) {
    OleUninitialize();
    oleStarted_ = false;
  }
}

void RuntimeHost::EndProgram(int exitCode) {
  ++errorDepth_;
  if (guiThread_ != 0 && GetCurrentThreadId() != guiThread_) {
    bool underWay = shuttingDown_;
    if (hiddenWindow_) SendMessageW(hiddenWindow_, kMsgEndFromOtherThread, WPARAM(exitCode), 0);
    if (!underWay) ExitRuntimeProcess(exitCode);
    // The GUI thread is already ending the program; this thread just waits for it.
    for (;;) Sleep(INFINITE);
  }
  RunShutdownSequence();
  ExitRuntimeProcess(exitCode);
}

void RuntimeHost::UnblockEvents() {
  int depth = errorDepth_.load();
  while (depth > 0 && !errorDepth_.compare_exchange_weak(depth, depth - 1)) {
  }
}

//--- Services ------------------------------------------------------------------------

void RuntimeHost::RaiseRuntimeError(int code) { rt::RaiseRuntimeError(code); }

DataValue RuntimeHost::CallDllCommand(int index, int argCount, DataValue* args) {
  // The program declares no external-library commands, so no index can be resolved.
  char name[32];
  std::snprintf(name, sizeof(name), "#%d", index);
  std::string text = "无法找到指定DLL库文件中的输出命令“";
  text += name;
  text += "”";
  ReportRuntimeError(text.c_str());
}

DataValue RuntimeHost::CallLibraryCommand(int library, CommandFn command, int argCount, DataValue* args) {
  DataValue result{};
  if (command) command(&result, argCount, args);
  return result;
}

DataValue RuntimeHost::CallCoreCommand(CommandFn command, int argCount, DataValue* args) {
  return CallLibraryCommand(0, command, argCount, args);
}

void* RuntimeHost::AllocateBlock(size_t size) { return rt::AllocateBlock(size); }
void* RuntimeHost::ReallocateBlock(void* block, size_t size) { return rt::ReallocateBlock(block, size); }
void RuntimeHost::FreeBlock(void* block) { rt::FreeBlock(block); }

void RuntimeHost::RunMessageLoop() {
  loopStarted_ = true;
  bool anyLive = false;
  for (auto& w : loaded_) anyLive = anyLive || w->Alive();
  if (anyLive) RunLoop(nullptr);
}

void RuntimeHost::LoadStartWindow(uint32_t windowId) {
  if (!LoadWindowFromTemplate(windowId, nullptr, false)) ReportRuntimeError(msg::kStartWindowFailed);
}

intptr_t RuntimeHost::RuntimeNotify(int code, intptr_t arg1, intptr_t arg2) {
  switch (code) {
    case notify::kRegisterExitRoutine: exitRoutine_ = reinterpret_cast<ExitRoutine>(arg1); return 1;
    case notify::kInitialiseHost: Initialise(); return 1;
    default: return 0;  // file search and array services: not used by this program
  }
}

//--- Units and events ----------------------------------------------------------------

HandlerResult RuntimeHost::RaiseEvent(UnitRef ref, int event, const EventArgs& args) {
  return DispatchEvent(*this, ref, event, args);
}

void RuntimeHost::AddIdleCallback(HWND owner, void (*fn)(void*), void* arg) {
  if (fn) idleCallbacks_.push_back(IdleCallback{owner, fn, arg});
}

bool RuntimeHost::IsWindowLoaded(uint32_t windowId) const { return FindLoadedWindow(windowId) != nullptr; }

const UnitTemplate* RuntimeHost::FindLoadedUnit(uint32_t windowId, uint32_t unitId) const {
  std::shared_ptr<LiveWindow> w = FindLoadedWindow(windowId);
  if (!w) return nullptr;
  LiveUnit* u = w->FindUnit(unitId);
  return u ? u->tmpl : nullptr;
}

uint32_t RuntimeHost::CopySourceOf(uint32_t windowId, uint32_t unitId) const {
  std::shared_ptr<LiveWindow> w = FindLoadedWindow(windowId);
  if (!w) return 0;
  LiveUnit* u = w->FindUnit(unitId);
  return u ? u->copyOf : 0;
}

bool RuntimeHost::TypeFlags(uint32_t typeId, uint32_t* flags) const {
  const UnitTypeInfo* type = FindUnitType(program_, typeId);
  if (!type) return false;
  *flags = type->flags;
  return true;
}

std::shared_ptr<LiveWindow> RuntimeHost::FindLoadedWindow(uint32_t windowId) const {
  for (const auto& w : loaded_)
    if (w->WindowId() == windowId) return w;
  return nullptr;
}

std::shared_ptr<LiveWindow> RuntimeHost::WindowOfHwnd(HWND hwnd) const {
  for (const auto& w : loaded_)
    if (w->hwnd == hwnd) return w;
  return nullptr;
}

LiveUnit* RuntimeHost::ResolveUnit(UnitRef ref) {
  std::shared_ptr<LiveWindow> w = FindLoadedWindow(ref.window);
  if (!w || !w->Alive()) return nullptr;
  LiveUnit* u = w->FindUnit(ref.unit);
  return u && u->object ? u : nullptr;
}

LiveUnit* RuntimeHost::ResolveUnitOrFail(UnitRef ref) {
  LiveUnit* u = ResolveUnit(ref);
  if (!u) ReportRuntimeError(msg::kUnitNotFound);
  return u;
}

}  // namespace rt::win

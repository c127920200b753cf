#include "runtime/win/CoreCommands.h"

#include <windows.h>

#include "runtime/core/IntegerConversion.h"
#include "runtime/core/ValueConversions.h"
#include "runtime/win/CoreControls.h"
#include "runtime/win/Gbk.h"
#include "runtime/win/MessagePrompt.h"
#include "runtime/win/Placement.h"
#include "runtime/win/RuntimeHost.h"

namespace rt::win {

const char* const kInfoBoxCaption = "信息：";

namespace {

bool Given(int argCount, const DataValue* args, int i) { return i < argCount && args[i].type != tag::kNone; }

bool LogicArg(int argCount, const DataValue* args, int i) {
  return Given(argCount, args, i) && args[i].low != 0;
}

RuntimeHost& Host() { return *RuntimeHost::Current(); }

// The unit a command acts on; "指定窗口或窗口组件不存在或尚未载入" when it has no control.
LiveUnit& UnitArg(int argCount, const DataValue* args) {
  UnitRef ref = argCount > 0 ? UnitOf(args[0]) : UnitRef{};
  return *Host().ResolveUnitOrFail(ref);
}

}  // namespace

void CmdLoadWindow(DataValue* result, int argCount, DataValue* args) {
  *result = MakeLogic(false);
  if (argCount < 1) return;
  RuntimeHost& host = Host();
  UnitRef target = UnitOf(args[0]);
  HWND parent = nullptr;
  if (Given(argCount, args, 1)) {
    std::shared_ptr<LiveWindow> p = host.FindLoadedWindow(args[1].low);
    if (!p || !p->Alive()) return;
    parent = p->hwnd;
  }
  bool modal = LogicArg(argCount, args, 2);
  WindowTemplate* tmpl = host.Templates().Find(target.window);
  if (!tmpl || tmpl->units.empty()) return;
  bool newlyBuilt = false;
  bool ok = host.LoadWindowFromTemplate(target.window, parent, modal, &newlyBuilt);
  if (ok && newlyBuilt && modal && tmpl->WindowUnit().Visible())
    host.RunModalLoop(host.FindLoadedWindow(target.window));
  *result = MakeLogic(ok);
}

void CmdCloseWindow(DataValue* result, int argCount, DataValue* args) {
  if (argCount < 1) return;
  RuntimeHost& host = Host();
  UnitRef ref = UnitOf(args[0]);
  std::shared_ptr<LiveWindow> w = host.FindLoadedWindow(ref.window);
  if (!w || !w->Alive()) return;  // closing a window that is not there changes nothing
  if (ref.unit == 0 || ref.unit == w->WindowUnitId()) {
    host.CloseLiveWindow(w, LogicArg(argCount, args, 1));
    return;
  }
  LiveUnit* u = w->FindUnit(ref.unit);
  if (u && u->object) host.DestroyControl(*w, *u);
}

void CmdOpenDialog(DataValue* result, int argCount, DataValue* args) {
  LiveUnit& u = UnitArg(argCount, args);
  std::shared_ptr<LiveWindow> w = Host().FindLoadedWindow(args[0].low);
  HWND owner = w ? w->hwnd : nullptr;
  *result = MakeLogic(ShowCommonDialog(u.object.get(), owner));
}

void CmdInfoBox(DataValue* result, int argCount, DataValue* args) {
  std::string text;
  if (argCount > 0) {
    TypeTag t = args[0].type;
    if (tag::IsNumeric(t) || t == tag::kText || t == tag::kLogic || t == tag::kDateTime)
      text = ToTextValue(args[0]);
  }
  UINT flags = Given(argCount, args, 1) ? UINT(IntegerOf(args[1])) : 0;
  if (!(flags & MB_SYSTEMMODAL)) flags |= MB_TASKMODAL;
  std::string caption = Given(argCount, args, 2) ? ToTextValue(args[2]) : kInfoBoxCaption;
  int pressed = ShowMessagePrompt(nullptr, text, caption, flags);
  // IDOK 1 .. IDNO 7 become 0 .. 6; a box closed some other way counts as cancelled.
  *result = MakeInt(pressed >= IDOK && pressed <= IDNO ? pressed - IDOK : 1);
}

static void ClientSize(DataValue* result, int argCount, DataValue* args, bool width) {
  LiveUnit& u = UnitArg(argCount, args);
  RECT r{};
  if (u.hwnd) GetClientRect(u.hwnd, &r);
  *result = MakeInt(width ? r.right - r.left : r.bottom - r.top);
}

void CmdGetClientWidth(DataValue* result, int argCount, DataValue* args) {
  ClientSize(result, argCount, args, true);
}
void CmdGetClientHeight(DataValue* result, int argCount, DataValue* args) {
  ClientSize(result, argCount, args, false);
}

// A width or height of -1 keeps the unit's own.
constexpr int kKeepSize = -1;

// One axis of a move: the edges `start` and `end`; a new start keeps the length, then
// a new length keeps the start.
static void MoveAxis(int argCount, const DataValue* args, int startArg, int lengthArg, LONG* start,
                     LONG* end) {
  if (Given(argCount, args, startArg)) {
    int to = IntegerOf(args[startArg]);
    *end += to - *start;
    *start = to;
  }
  if (Given(argCount, args, lengthArg)) {
    int length = IntegerOf(args[lengthArg]);
    if (length != kKeepSize) *end = *start + length;
  }
}

void CmdMoveUnit(DataValue* result, int argCount, DataValue* args) {
  LiveUnit& u = UnitArg(argCount, args);
  if (!u.hwnd) return;
  RECT old = PlacedRect(u.hwnd);
  RECT r = old;
  MoveAxis(argCount, args, 1, 3, &r.left, &r.right);
  MoveAxis(argCount, args, 2, 4, &r.top, &r.bottom);
  if (EqualRect(&r, &old)) return;
  MoveWindow(u.hwnd, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

// The started program's window: show modes 1 to 6, normal by default.
constexpr int kDefaultShowMode = 2;
constexpr int kLastShowMode = 6;
// How long a started program that is not waited for may take to be ready for input.
constexpr DWORD kStartedProgramReadyMs = 1000;

void CmdRunProgram(DataValue* result, int argCount, DataValue* args) {
  *result = MakeLogic(false);
  std::string line = argCount > 0 && args[0].type == tag::kText ? TextOf(args[0]) : std::string();
  bool wait = LogicArg(argCount, args, 1);
  int mode = kDefaultShowMode;
  if (Given(argCount, args, 2)) {
    mode = IntegerOf(args[2]);
    if (mode > kLastShowMode) mode = kLastShowMode;
    if (mode <= 0) mode = 1;
  }
  static const WORD kShow[kLastShowMode + 1] = {
      SW_HIDE, SW_HIDE, SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED, SW_SHOWNOACTIVATE, SW_MINIMIZE};
  std::wstring wide = GbkToWide(line);
  if (wide.empty()) return;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = kShow[mode];
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, &wide[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
  if (wait) {
    WaitForSingleObject(pi.hProcess, INFINITE);
  } else {
    WaitForInputIdle(pi.hProcess, kStartedProgramReadyMs);
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  *result = MakeLogic(true);
}

void CmdSetEditCompletions(DataValue* result, int argCount, DataValue* args) {
  *result = MakeLogic(false);
  if (argCount < 2 || args[1].type != tag::kText) return;
  // No runtime error for a unit that is not there: the answer is false.
  LiveUnit* u = Host().ResolveUnit(UnitOf(args[0]));
  if (u && u->object) *result = MakeLogic(SetEditBoxCompletions(u->object.get(), TextOf(args[1])));
}

}  // namespace rt::win

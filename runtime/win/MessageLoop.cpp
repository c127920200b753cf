// The message loop: idle callbacks and idle passes while the queue is empty, then
// messages offered for translation along the window chain and dispatched. The same loop
// runs nested for a modal window, ending when that window has closed.
#include "runtime/win/RuntimeHost.h"

namespace rt::win {

namespace {

constexpr UINT kSystemTimer = 0x0118;  // caret blink: not user activity
// The standard idle work takes passes 0 and 1; the units idle from this pass on.
constexpr long kFirstUnitIdlePass = 2;
constexpr DWORD kPumpWaitMs = 10;  // how long PumpUntil sleeps on an empty queue
constexpr int kKeyDown = 0x8000;   // GetKeyState: the key is down

bool KeyIsDown(int key) { return (GetKeyState(key) & kKeyDown) != 0; }

bool IsActivity(const MSG& msg) {
  static POINT lastPos{-1, -1};
  static UINT lastMsg = 0;
  if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
    // A mouse that did not move is no activity.
    POINT pos = msg.pt;
    bool same = lastMsg == msg.message && pos.x == lastPos.x && pos.y == lastPos.y;
    lastPos = pos;
    lastMsg = msg.message;
    return !same;
  }
  return msg.message != WM_PAINT && msg.message != kSystemTimer;
}

}  // namespace

bool RuntimeHost::IdlePass(long count) {
  DeleteRetiredUnits();
  // Idle callbacks, last registered first; those whose window has gone are dropped.
  for (size_t i = idleCallbacks_.size(); i-- > 0;) {
    if (i >= idleCallbacks_.size()) continue;  // a callback shortened the list
    IdleCallback cb = idleCallbacks_[i];
    if (cb.owner && !IsWindow(cb.owner)) {
      idleCallbacks_.erase(idleCallbacks_.begin() + long(i));
      continue;
    }
    cb.fn(cb.arg);
  }
  if (count == 0) idleStartTick_ = GetTickCount();
  if (count < kFirstUnitIdlePass) return true;
  DWORD elapsed = GetTickCount() - idleStartTick_;
  std::vector<std::shared_ptr<LiveWindow>> windows = loaded_;
  for (auto& w : windows)
    if (w->Alive() && !w->units.empty() && w->units.front().object) w->units.front().object->OnIdle(elapsed);
  return false;
}

// Tab and Shift+Tab move the focus through a window's controls in table order, unless
// the control wants the key itself.
static bool MoveFocusByTab(RuntimeHost& host, MSG* msg) {
  if (msg->message != WM_KEYDOWN || msg->wParam != VK_TAB) return false;
  if (KeyIsDown(VK_CONTROL) || KeyIsDown(VK_MENU)) return false;
  HWND top = GetAncestor(msg->hwnd, GA_ROOT);
  std::shared_ptr<LiveWindow> w = host.WindowOfHwnd(top);
  if (!w) return false;
  LRESULT code = SendMessageW(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
  if (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
  bool back = KeyIsDown(VK_SHIFT);
  LiveUnit* next = w->NextFocusUnit(w->UnitOfWindow(msg->hwnd), back);
  if (!next) return false;
  SetFocus(next->hwnd);
  return true;
}

bool RuntimeHost::PreTranslate(MSG* msg) {
  if (MoveFocusByTab(*this, msg)) return true;
  for (HWND h = msg->hwnd; h;) {
    if (std::shared_ptr<LiveWindow> w = WindowOfHwnd(h)) {
      if (w->accel && TranslateAcceleratorW(h, w->accel, msg)) return true;
      return false;  // the top of the chain
    }
    for (const auto& w : loaded_) {
      for (size_t i = 1; i < w->units.size(); ++i) {
        LiveUnit& u = w->units[i];
        if (u.hwnd == h && u.object && u.object->PreTranslate(msg)) return true;
      }
    }
    if (!(GetWindowLongPtrW(h, GWL_STYLE) & WS_CHILD)) break;
    h = GetParent(h);
  }
  return false;
}

void RuntimeHost::RunLoop(LiveWindow* modalFor) {
  bool idle = true;
  long count = 0;
  MSG msg;
  for (;;) {
    if (modalFor && !modalFor->modalLoop) return;
    while (idle && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!IdlePass(count++)) idle = false;
    }
    do {
      BOOL got = GetMessageW(&msg, nullptr, 0, 0);
      if (got == 0 || got == -1) {
        // Leave the quit message for the loops further out.
        if (modalFor) PostQuitMessage(int(msg.wParam));
        return;
      }
      if (!PreTranslate(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      if (IsActivity(msg)) {
        idle = true;
        count = 0;
      }
      if (modalFor && !modalFor->modalLoop) return;
    } while (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  }
}

void RuntimeHost::RunModalLoop(const std::shared_ptr<LiveWindow>& window) {
  if (!window || !window->Alive()) return;
  window->modalLoop = true;
  RunLoop(window.get());
  window->modalLoop = false;
}

bool RuntimeHost::PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  MSG msg;
  for (;;) {
    if (done()) return true;
    if (timeoutMs && GetTickCount() - start >= timeoutMs) return false;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(int(msg.wParam));
        return done();
      }
      if (!PreTranslate(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      continue;
    }
    IdlePass(kFirstUnitIdlePass);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPumpWaitMs, QS_ALLINPUT);
  }
}

}  // namespace rt::win

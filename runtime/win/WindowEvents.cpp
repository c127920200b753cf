// What the host does with the messages of the windows it built: window events 1 to 8,
// menu commands, focus, control notifications handed to their units, and the closing
// and destruction sequence up to the reset of the window's run-time records.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>

#include "runtime/core/RuntimeError.h"
#include "runtime/win/RuntimeHost.h"
#include "runtime/win/UnitEvents.h"
#include "runtime/win/WindowSubclass.h"
#include "runtime/win/WindowUnit.h"

namespace rt::win {

namespace {

// The unit's own mouse pointer over its client area; false where the default applies.
bool SetUnitPointer(HCURSOR cursor, HWND hwnd, WPARAM wp, LPARAM lp) {
  if (!cursor || reinterpret_cast<HWND>(wp) != hwnd || LOWORD(lp) != HTCLIENT) return false;
  SetCursor(cursor);
  return true;
}

// A close request: event 1, then the window goes unless the handler refused.
void OnCloseRequest(RuntimeHost& host, LiveWindow& w, HWND hwnd) {
  HandlerResult r = host.RaiseEvent(UnitRef{w.WindowId(), w.WindowUnitId()}, windowevent::kCloseRequest);
  if (!w.Alive()) return;
  if (r.has && uint32_t(r.value) == 0) {  // a returned false keeps the window
    w.closing = false;
    return;
  }
  host.EndModal(w);
  DestroyWindow(hwnd);
}

// The modal window, other than `w`, that is up (visible and enabled); null when none.
HWND ShownModalWindow(const RuntimeHost& host, const LiveWindow& w) {
  for (const auto& other : host.LoadedWindows()) {
    if (other.get() == &w || !other->Alive() || !other->modal || GetWindow(other->hwnd, GW_OWNER)) continue;
    if (IsWindowVisible(other->hwnd) && IsWindowEnabled(other->hwnd)) return other->hwnd;
  }
  return nullptr;
}

// Activation and deactivation: events 8 (the first time), 5 and 6, never nested.
// Unhandled, so that the default procedure moves the focus into the window, except
// when a modal window takes the activation.
void OnActivate(RuntimeHost& host, LiveWindow& w, HWND hwnd, bool active, bool* handled) {
  // 1. A disabled window that has been active before hands the activation to the
  // modal window that is up.
  if (active && w.activatedOnce && !IsWindowEnabled(hwnd)) {
    if (HWND modal = ShownModalWindow(host, w)) {
      *handled = true;
      SetActiveWindow(modal);
      return;
    }
  }
  // 2. Going inactive, the window remembers which child had the focus.
  if (!active) {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd, focus)) w.lastFocus = focus;
  }
  // 3. The events, unless one is being delivered already.
  bool first = active && !w.activatedOnce;
  if (active) w.activatedOnce = true;
  if (host.inActivationEvent || w.destroying) return;
  host.inActivationEvent = true;
  UnitRef self{w.WindowId(), w.WindowUnitId()};
  if (first) host.RaiseEvent(self, windowevent::kFirstActivation);
  if (w.Alive()) host.RaiseEvent(self, active ? windowevent::kActivated : windowevent::kDeactivated);
  host.inActivationEvent = false;
}

// The window got the focus: back to the child that had it last, else to the first
// unit that takes it.
void FocusIntoWindow(LiveWindow& w, HWND hwnd) {
  if (w.lastFocus && IsWindow(w.lastFocus) && IsChild(hwnd, w.lastFocus) && IsWindowVisible(w.lastFocus) &&
      IsWindowEnabled(w.lastFocus)) {
    SetFocus(w.lastFocus);
    return;
  }
  if (LiveUnit* first = w.NextFocusUnit(nullptr, false)) SetFocus(first->hwnd);
}

// A menu command raises the event of its menu item; false when it is no item's.
bool RaiseMenuItemEvent(RuntimeHost& host, LiveWindow& w, UINT command) {
  int item = w.MenuItemOfCommand(command);
  if (item < 0) return false;
  host.RaiseEvent(UnitRef{w.WindowId(), w.menuItems[size_t(item)]->id}, kMenuItemChosen);
  return true;
}

}  // namespace

//--- The window's own messages -------------------------------------------------------

LRESULT RuntimeHost::WindowMessage(LiveWindow& w, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool* handled) {
  // 1. The window's own messages.
  switch (msg) {
    case WM_CLOSE:
    case kMsgCloseRequest:
      *handled = true;
      OnCloseRequest(*this, w, hwnd);
      return 0;
    case WM_DESTROY: OnWindowDestroying(w); return 0;
    case WM_MOVE:
    case WM_SIZE: {
      LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      *handled = true;
      if (!w.destroying)
        RaiseEvent(UnitRef{w.WindowId(), w.WindowUnitId()},
                   msg == WM_MOVE ? windowevent::kMoved : windowevent::kResized);
      return r;
    }
    case WM_ACTIVATE: OnActivate(*this, w, hwnd, LOWORD(wp) != WA_INACTIVE, handled); return 0;
    case WM_SETFOCUS:
      *handled = true;
      FocusIntoWindow(w, hwnd);
      return 0;
    case WM_ERASEBKGND: {
      auto* unit = dynamic_cast<WindowUnit*>(w.units.front().object.get());
      if (!unit) return 0;
      *handled = true;
      unit->EraseBackground(reinterpret_cast<HDC>(wp));
      return 1;
    }
    case WM_SETCURSOR: *handled = SetUnitPointer(w.units.front().cursor, hwnd, wp, lp); return *handled;
    case WM_COMMAND:
      if (lp != 0) break;  // from a control: routed below
      *handled = RaiseMenuItemEvent(*this, w, LOWORD(wp));
      return 0;
    default: break;
  }
  // 2. Notifications of the controls go to their units.
  if (IsRoutedNotification(msg, wp, lp)) {
    LRESULT r = 0;
    if (RouteToUnit(w, msg, wp, lp, &r)) {
      *handled = true;
      return r;
    }
  }
  return 0;
}

bool RuntimeHost::RouteToUnit(LiveWindow& w, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
  LiveUnit* u = w.UnitOfWindow(SourceOfNotification(msg, wp, lp));
  if (!u || !u->object) return false;
  return u->object->OnParentMessage(msg, wp, lp, result);
}

//--- Messages of a unit's own window -------------------------------------------------

LRESULT RuntimeHost::UnitWindowMessage(LiveWindow& w, LiveUnit& u, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                                       bool* handled) {
  UnitRef ref{w.WindowId(), u.tmpl->id};
  switch (msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      *handled = true;
      if (msg == WM_SETFOCUS) w.lastFocus = hwnd;
      RaiseEvent(ref, msg == WM_SETFOCUS ? unitevent::kFocusGained : unitevent::kFocusLost);
      return r;
    }
    case WM_SETCURSOR: *handled = SetUnitPointer(u.cursor, hwnd, wp, lp); return *handled;
    default: break;
  }
  // A container (group box) passes its units' notifications on to them.
  if (IsRoutedNotification(msg, wp, lp)) {
    HWND source = SourceOfNotification(msg, wp, lp);
    for (size_t i = 1; i < w.units.size(); ++i) {
      LiveUnit& inner = w.units[i];
      if (&inner == &u || inner.hwnd != source || !inner.object) continue;
      LRESULT r = 0;
      if (inner.object->OnParentMessage(msg, wp, lp, &r)) {
        *handled = true;
        return r;
      }
      break;
    }
  }
  return 0;
}

//--- Closing and destruction ---------------------------------------------------------

void RuntimeHost::EndModal(LiveWindow& w) {
  for (auto& [hwnd, wasEnabled] : w.disabledByModal)
    if (IsWindow(hwnd)) EnableWindow(hwnd, wasEnabled ? TRUE : FALSE);
  w.disabledByModal.clear();
  w.modal = false;
}

void RuntimeHost::OnWindowDestroying(LiveWindow& w) {
  // From here on the window only goes: detaching its menu below re-lays it out, which
  // must not reach the application as a move or a resize.
  w.destroying = true;
  // A window destroyed without a granted close request gives the others back too.
  EndModal(w);
  RaiseEvent(UnitRef{w.WindowId(), w.WindowUnitId()}, windowevent::kDestroying);
  if (w.Alive()) {
    SetMenu(w.hwnd, nullptr);
    if (w.menu) DestroyMenu(w.menu);
    w.menu = nullptr;
  }
  w.modalLoop = false;
}

void RuntimeHost::ForgetUnit(LiveWindow& w, LiveUnit& u) {
  u.DropCursor();
  u.tmpl->unitObject = nullptr;
  u.hwnd = nullptr;
  if (u.object) retiredUnits_.push_back(std::move(u.object));
}

void RuntimeHost::OnWindowGone(LiveWindow& w) {
  std::shared_ptr<LiveWindow> keep = w.shared_from_this();
  w.gone = true;
  w.modalLoop = false;
  EndModal(w);
  if (w.accel) DestroyAcceleratorTable(w.accel);
  w.accel = nullptr;
  if (w.menu && !IsMenu(w.menu)) w.menu = nullptr;
  if (w.menu) DestroyMenu(w.menu);
  w.menu = nullptr;
  // Reset the run-time records so that a later load starts afresh.
  for (LiveUnit& u : w.units) ForgetUnit(w, u);
  w.hwnd = nullptr;
  if (w.tmpl->liveWindow == &w) w.tmpl->liveWindow = nullptr;
  loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), keep), loaded_.end());

  if (shuttingDown_ || !loopStarted_) return;
  bool anyLive = std::any_of(loaded_.begin(), loaded_.end(), [](const auto& o) { return o->Alive(); });
  if (!anyLive) PostQuitMessage(0);
}

void RuntimeHost::CloseLiveWindow(const std::shared_ptr<LiveWindow>& w, bool atOnce) {
  if (!w || !w->Alive()) return;
  w->closing = true;
  if (atOnce) {
    EndModal(*w);
    DestroyWindow(w->hwnd);
  } else {
    PostMessageW(w->hwnd, kMsgCloseRequest, 0, 0);
  }
}

void RuntimeHost::DestroyControl(LiveWindow& w, LiveUnit& u) {
  bool hadChildren = u.hwnd && GetWindow(u.hwnd, GW_CHILD) != nullptr;
  if (u.hwnd) DestroyWindow(u.hwnd);
  if (!hadChildren && u.tmpl->containerId != 0) {
    if (UnitTemplate* container = w.tmpl->FindUnit(u.tmpl->containerId)) {
      auto& ids = container->containedIds;
      ids.erase(std::remove(ids.begin(), ids.end(), u.tmpl->id), ids.end());
    }
  }
  ForgetUnit(w, u);
}

}  // namespace rt::win

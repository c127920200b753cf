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

//--- The window's own messages -------------------------------------------------------

LRESULT RuntimeHost::WindowMessage(LiveWindow& w, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool* handled) {
  UnitRef self{w.WindowId(), w.WindowUnitId()};
  switch (msg) {
    case WM_CLOSE:
    case kMsgCloseRequest: {
      *handled = true;
      HandlerResult r = RaiseEvent(self, windowevent::kCloseRequest);
      if (!w.Alive()) return 0;
      if (r.has && uint32_t(r.value) == 0) {  // a returned false keeps the window
        w.closing = false;
        return 0;
      }
      EndModal(w);
      DestroyWindow(hwnd);
      return 0;
    }
    case WM_DESTROY: OnWindowDestroying(w); return 0;
    case WM_MOVE: {
      LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      *handled = true;
      if (!w.destroying) RaiseEvent(self, windowevent::kMoved);
      return r;
    }
    case WM_SIZE: {
      LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      *handled = true;
      if (!w.destroying) RaiseEvent(self, windowevent::kResized);
      return r;
    }
    case WM_ACTIVATE: {
      bool active = LOWORD(wp) != WA_INACTIVE;
      if (active && w.activatedOnce && !IsWindowEnabled(hwnd)) {
        // A modal window owns the activation while it is up.
        for (const auto& other : loaded_) {
          if (other.get() == &w || !other->Alive() || !other->modal || GetWindow(other->hwnd, GW_OWNER))
            continue;
          if (IsWindowVisible(other->hwnd) && IsWindowEnabled(other->hwnd)) {
            *handled = true;
            SetActiveWindow(other->hwnd);
            return 0;
          }
        }
      }
      if (!active) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) w.lastFocus = focus;
      }
      bool first = active && !w.activatedOnce;
      if (active) w.activatedOnce = true;
      if (!inActivationEvent && !w.destroying) {
        inActivationEvent = true;
        if (first) RaiseEvent(self, windowevent::kFirstActivation);
        if (w.Alive()) RaiseEvent(self, active ? windowevent::kActivated : windowevent::kDeactivated);
        inActivationEvent = false;
      }
      return 0;  // not handled: the default procedure moves the focus into the window
    }
    case WM_SETFOCUS: {
      *handled = true;
      if (w.lastFocus && IsWindow(w.lastFocus) && IsChild(hwnd, w.lastFocus) &&
          IsWindowVisible(w.lastFocus) && IsWindowEnabled(w.lastFocus)) {
        SetFocus(w.lastFocus);
        return 0;
      }
      if (LiveUnit* first = w.NextFocusUnit(nullptr, false)) SetFocus(first->hwnd);
      return 0;
    }
    case WM_ERASEBKGND: {
      auto* unit = dynamic_cast<WindowUnit*>(w.units.front().object.get());
      if (!unit) return 0;
      *handled = true;
      unit->EraseBackground(reinterpret_cast<HDC>(wp));
      return 1;
    }
    case WM_SETCURSOR: {
      HCURSOR cursor = w.units.front().cursor;
      if (cursor && reinterpret_cast<HWND>(wp) == hwnd && LOWORD(lp) == HTCLIENT) {
        *handled = true;
        SetCursor(cursor);
        return TRUE;
      }
      return 0;
    }
    case WM_COMMAND:
      if (lp == 0) {
        int item = w.MenuItemOfCommand(LOWORD(wp));
        if (item < 0) return 0;
        *handled = true;
        RaiseEvent(UnitRef{w.WindowId(), w.menuItems[size_t(item)]->id}, 0);
        return 0;
      }
      break;
    default: break;
  }
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
    case WM_SETFOCUS: {
      LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      *handled = true;
      w.lastFocus = hwnd;
      RaiseEvent(ref, unitevent::kFocusGained);
      return r;
    }
    case WM_KILLFOCUS: {
      LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      *handled = true;
      RaiseEvent(ref, unitevent::kFocusLost);
      return r;
    }
    case WM_SETCURSOR:
      if (u.cursor && reinterpret_cast<HWND>(wp) == hwnd && LOWORD(lp) == HTCLIENT) {
        *handled = true;
        SetCursor(u.cursor);
        return TRUE;
      }
      return 0;
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
  if (u.cursor && u.ownsCursor) DestroyCursor(u.cursor);
  u.cursor = nullptr;
  u.ownsCursor = false;
  u.tmpl->cursor = nullptr;
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

#include "runtime/win/WindowSubclass.h"

#include <commctrl.h>

#include <memory>

#include "runtime/win/RuntimeHost.h"

namespace rt::win {

namespace {

constexpr UINT_PTR kWindowSubclassId = 0x4B58;  // the unit subclass uses the unit's index

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR ref) {
  RuntimeHost* host = RuntimeHost::Current();
  auto* raw = reinterpret_cast<LiveWindow*>(ref);
  std::shared_ptr<LiveWindow> keep = raw->weak_from_this().lock();
  if (!host || !keep) return DefSubclassProc(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
    RemoveWindowSubclass(hwnd, &WindowProc, id);
    host->OnWindowGone(*keep);
    return r;
  }
  bool handled = false;
  LRESULT r = host->WindowMessage(*keep, hwnd, msg, wp, lp, &handled);
  return handled ? r : DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK UnitProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR index, DWORD_PTR ref) {
  RuntimeHost* host = RuntimeHost::Current();
  auto* raw = reinterpret_cast<LiveWindow*>(ref);
  std::shared_ptr<LiveWindow> keep = raw->weak_from_this().lock();
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &UnitProc, index);
  if (!host || !keep || index >= keep->units.size() || keep->units[index].hwnd != hwnd)
    return DefSubclassProc(hwnd, msg, wp, lp);
  bool handled = false;
  LRESULT r = host->UnitWindowMessage(*keep, keep->units[index], hwnd, msg, wp, lp, &handled);
  return handled ? r : DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void AttachWindowSubclass(RuntimeHost* host, LiveWindow& window) {
  SetWindowSubclass(window.hwnd, &WindowProc, kWindowSubclassId, reinterpret_cast<DWORD_PTR>(&window));
}

void AttachUnitSubclass(RuntimeHost* host, LiveWindow& window, size_t unitIndex) {
  SetWindowSubclass(window.units[unitIndex].hwnd, &UnitProc, unitIndex, reinterpret_cast<DWORD_PTR>(&window));
}

bool IsRoutedNotification(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL: return lp != 0;
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return lp != 0;
    case WM_DRAWITEM: return wp != 0 && lp != 0;
    default: return false;
  }
}

HWND SourceOfNotification(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NOTIFY: return reinterpret_cast<const NMHDR*>(lp)->hwndFrom;
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      return dis->CtlType == ODT_MENU ? nullptr : dis->hwndItem;
    }
    default: return reinterpret_cast<HWND>(lp);
  }
}

}  // namespace rt::win

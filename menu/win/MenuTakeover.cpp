#include "menu/win/MenuTakeover.h"

#include <map>

#include "menu/win/SupperMenuUnit.h"
#include "runtime/win/MessagePrompt.h"

namespace menu::win {

const wchar_t kOldProcProp[] = L"Corvane-MenuEx-OldProc";
const wchar_t kMaskProp[] = L"Corvane-MenuEx-Mask";
const wchar_t kMenuShownProp[] = L"Corvane-MenuEx-MenuShown";
const wchar_t kActiveBarItemProp[] = L"Corvane-MenuEx-ActiveBarItem";

namespace {

const char kMarker = 0;  // its address marks our windows

struct Takeover {
  SupperMenuUnit* unit;
  WNDPROC previous;
};

std::map<HWND, Takeover>& Takeovers() {
  static std::map<HWND, Takeover> map;
  return map;
}

void RemoveProps(HWND hwnd) {
  for (const wchar_t* name : {kOldProcProp, kMaskProp, kMenuShownProp, kActiveBarItemProp})
    RemovePropW(hwnd, name);
}

LRESULT CALLBACK TakeoverProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto it = Takeovers().find(hwnd);
  if (it == Takeovers().end()) {
    rt::win::ShowMessagePrompt(nullptr, "窗口消息错误！请联系支持库作者！", "超级菜单", MB_ICONERROR | MB_OK);
    PostQuitMessage(0);
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  Takeover t = it->second;
  if (msg == WM_DESTROY) {
    RemoveProps(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(t.previous));
    Takeovers().erase(hwnd);
    if (t.unit) t.unit->OnFormDestroyed();
    return CallWindowProcW(t.previous, hwnd, msg, wp, lp);
  }
  if (t.unit) {
    LRESULT result = 0;
    if (t.unit->OnFormMessage(hwnd, msg, wp, lp, t.previous, &result)) return result;
  }
  return CallWindowProcW(t.previous, hwnd, msg, wp, lp);
}

}  // namespace

bool IsTakenOver(HWND window) { return GetPropW(window, kOldProcProp) != nullptr; }

bool TakeOver(HWND window, SupperMenuUnit* unit) {
  if (!window || IsTakenOver(window) || Takeovers().count(window)) return false;
  auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TakeoverProc)));
  if (!previous) return false;
  Takeovers()[window] = Takeover{unit, previous};
  SetPropW(window, kOldProcProp, reinterpret_cast<HANDLE>(1));
  SetPropW(window, kMaskProp, reinterpret_cast<HANDLE>(const_cast<char*>(&kMarker)));
  return true;
}

void Release(HWND window, SupperMenuUnit* unit) {
  auto it = Takeovers().find(window);
  if (it == Takeovers().end() || it->second.unit != unit) return;
  if (IsWindow(window) &&
      GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TakeoverProc)) {
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.previous));
    RemoveProps(window);
    Takeovers().erase(it);
  } else {
    it->second.unit = nullptr;
  }
}

}  // namespace menu::win

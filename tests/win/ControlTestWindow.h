// A small stand-in for the host in the control tests: a top-level window that routes
// its children's notifications to the units made in it (as the host's windows do), and
// a host that records the events the units raise.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/core/Blocks.h"
#include "runtime/win/CoreControls.h"
#include "runtime/win/Unit.h"

namespace controls_test {

struct RaisedEvent {
  rt::UnitRef ref;
  int event;
};

class RecordingHost : public rt::win::UnitHost {
 public:
  using rt::win::UnitHost::RaiseEvent;
  rt::HandlerResult RaiseEvent(rt::UnitRef ref, int event, const rt::EventArgs&) override {
    events.push_back({ref, event});
    if (onEvent) onEvent(ref, event);
    return rt::HandlerResult::None();
  }
  void AddIdleCallback(HWND, void (*)(void*), void*) override {}

  int Count(uint32_t unitId, int event = 0) const {
    int n = 0;
    for (const RaisedEvent& e : events) n += (e.ref.unit == unitId && e.event == event);
    return n;
  }

  std::vector<RaisedEvent> events;
  std::function<void(rt::UnitRef, int)> onEvent;
};

constexpr uint32_t kTestWindowId = 0x52019999;

class TestWindow {
 public:
  // Without a window manager, hiding a shown top-level window waits two seconds under
  // Wine: only tests that look at pixels show theirs.
  explicit TestWindow(bool shown = false) {
    static const wchar_t* kClass = [] {
      WNDCLASSEXW wc{};
      wc.cbSize = sizeof(wc);
      wc.lpfnWndProc = WndProc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
      wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
      wc.lpszClassName = L"ControlsTestWindow";
      RegisterClassExW(&wc);
      return L"ControlsTestWindow";
    }();
    hwnd = CreateWindowExW(0, kClass, L"controls", WS_POPUP | (shown ? WS_VISIBLE : 0), 40, 40, 480, 320,
                           nullptr, nullptr, GetModuleHandleW(nullptr), this);
  }

  ~TestWindow() {
    units.clear();
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    Pump();
  }

  // Creates a unit of `type` from `block` in this window (or inside `container`).
  rt::win::Unit* Add(const rt::win::UnitTypeInfo& type, uint32_t unitId, const std::vector<uint8_t>& block,
                     RECT rect = {8, 8, 128, 32}, rt::win::Unit* container = nullptr) {
    rt::win::UnitCreateParams p;
    p.host = &host;
    p.ref = {kTestWindowId, unitId};
    p.block = block.data();
    p.blockLength = block.size();
    p.rect = rect;
    p.visible = true;
    p.parent = hwnd;
    p.childId = 100 + 10 * int(units.size());
    std::unique_ptr<rt::win::Unit> unit = type.create(p);
    if (!unit) return nullptr;
    // Like the host: made in the window, then moved under its container.
    if (container && unit->Hwnd()) SetParent(unit->Hwnd(), container->Hwnd());
    units.push_back(std::move(unit));
    return units.back().get();
  }

  void Remove(rt::win::Unit* unit) {
    for (auto it = units.begin(); it != units.end(); ++it) {
      if (it->get() == unit) {
        units.erase(it);
        return;
      }
    }
  }

  static void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  HWND hwnd = nullptr;
  RecordingHost host;
  std::vector<std::unique_ptr<rt::win::Unit>> units;

 private:
  static HWND SourceOf(UINT msg, LPARAM lp) {
    switch (msg) {
      case WM_COMMAND:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLORBTN:
      case WM_CTLCOLORLISTBOX: return reinterpret_cast<HWND>(lp);
      case WM_NOTIFY: return reinterpret_cast<NMHDR*>(lp)->hwndFrom;
      case WM_DRAWITEM: return reinterpret_cast<DRAWITEMSTRUCT*>(lp)->hwndItem;
      default: return nullptr;
    }
  }

  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
      auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    HWND source = self ? SourceOf(msg, lp) : nullptr;
    if (source) {
      for (auto& unit : self->units) {
        LRESULT result = 0;
        if (unit->Hwnd() == source) {
          if (unit->OnParentMessage(msg, wp, lp, &result)) return result;
          break;
        }
      }
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
};

// Reads a unit's own text property and frees the heap text.
inline std::string TextProperty(rt::win::Unit* unit, int ownIndex) {
  rt::DataValue v;
  if (!unit->GetProperty(ownIndex, &v)) return "<none>";
  std::string s = rt::TextOf(v);
  rt::FreeBlock(rt::PointerOf(v));
  return s;
}

inline bool SetTextProperty(rt::win::Unit* unit, int ownIndex, const std::string& text) {
  char* block = rt::NewText(text);
  bool ok = unit->SetProperty(ownIndex, rt::MakeTextPointer(block));
  rt::FreeBlock(block);
  return ok;
}

inline bool LogicProperty(rt::win::Unit* unit, int ownIndex) {
  rt::DataValue v;
  return unit->GetProperty(ownIndex, &v) && v.type == rt::tag::kLogic && v.low != 0;
}

}  // namespace controls_test

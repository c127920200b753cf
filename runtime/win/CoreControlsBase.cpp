#include "runtime/win/CoreControlsBase.h"

#include <windows.h>
// (after windows.h, which it needs)
#include <commctrl.h>

#include "runtime/core/Blocks.h"
#include "runtime/win/Gbk.h"

namespace rt::win {

namespace {
// Our subclass id on every control window (the host adds its own beside it).
constexpr UINT_PTR kControlSubclassId = 0x51C0;
// The window property naming the unit of a control window.
constexpr wchar_t kUnitProperty[] = L"RtControlUnit";
}  // namespace

//--- Colours ------------------------------------------------------------------------

bool IsSystemColor(uint32_t stored) { return (stored & 0xFF000000u) != 0; }

COLORREF ResolveColor(uint32_t stored, int systemIndex) {
  return IsSystemColor(stored) ? GetSysColor(systemIndex) : COLORREF(stored & 0x00FFFFFFu);
}

BrushCache::~BrushCache() {
  if (brush_) DeleteObject(brush_);
}

HBRUSH BrushCache::Get(COLORREF color) {
  if (!brush_ || color != color_) {
    if (brush_) DeleteObject(brush_);
    brush_ = CreateSolidBrush(color);
    color_ = color;
  }
  return brush_;
}

LRESULT ApplyControlColors(HDC dc, uint32_t textColor, int textSystem, uint32_t backColor, int backSystem,
                           BrushCache* brush) {
  COLORREF back = ResolveColor(backColor, backSystem);
  SetTextColor(dc, ResolveColor(textColor, textSystem));
  SetBkColor(dc, back);
  if (IsSystemColor(backColor)) return reinterpret_cast<LRESULT>(GetSysColorBrush(backSystem));
  return reinterpret_cast<LRESULT>(brush->Get(back));
}

//--- Property values ----------------------------------------------------------------

DataValue NewTextValue(const std::string& gbk) { return MakeTextPointer(NewText(gbk)); }

//--- ControlUnit --------------------------------------------------------------------

ControlUnit::ControlUnit(const UnitCreateParams& params)
    : host_(params.host),
      ref_(params.ref),
      parent_(params.parent),
      rect_(params.rect),
      visible_(params.visible),
      disabled_(params.disabled),
      tabStop_(params.tmpl ? (params.tmpl->state & 4) != 0 : false),
      childId_(params.childId) {}

ControlUnit::~ControlUnit() {
  if (hwnd_) {
    HWND hwnd = hwnd_;
    Detach();
    DestroyWindow(hwnd);  // before font_ goes: the control still refers to it
  }
}

bool ControlUnit::Create(const wchar_t* className, DWORD style, DWORD exStyle, const std::string& text,
                         const std::vector<uint8_t>& fontBytes) {
  font_ = UnitFont(fontBytes);
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (visible_) style |= WS_VISIBLE;
  if (disabled_) style |= WS_DISABLED;
  if (tabStop_) style |= WS_TABSTOP;
  std::wstring wideText = GbkToWide(text);
  hwnd_ = CreateWindowExW(exStyle, className, wideText.c_str(), style, rect_.left, rect_.top,
                          rect_.right - rect_.left, rect_.bottom - rect_.top, parent_,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId_)), GetModuleHandleW(nullptr),
                          nullptr);
  if (!hwnd_) return false;
  if (!SetWindowSubclass(hwnd_, SubclassProc, kControlSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    DestroyWindow(hwnd_);
    hwnd_ = nullptr;
    return false;
  }
  SetPropW(hwnd_, kUnitProperty, this);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Handle()), FALSE);
  return true;
}

void ControlUnit::Detach() {
  if (hwnd_) {
    RemovePropW(hwnd_, kUnitProperty);
    RemoveWindowSubclass(hwnd_, SubclassProc, kControlSubclassId);
  }
  hwnd_ = nullptr;
}

ControlUnit* ControlUnit::FromHwnd(HWND hwnd) {
  return hwnd ? static_cast<ControlUnit*>(GetPropW(hwnd, kUnitProperty)) : nullptr;
}

void ControlUnit::Raise(int event) {
  if (host_) host_->RaiseEvent(ref_, event);
}

std::string ControlUnit::Text() const { return WindowTextGbk(hwnd_); }

void ControlUnit::SetText(const std::string& gbk) {
  if (hwnd_) SetWindowTextW(hwnd_, GbkToWide(gbk).c_str());
}

LRESULT CALLBACK ControlUnit::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                           DWORD_PTR data) {
  auto* self = reinterpret_cast<ControlUnit*>(data);
  if (msg == WM_NCDESTROY) {
    // The window goes first (a container destroyed with its children): forget it.
    self->Detach();
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  LRESULT result = 0;
  if (self->OnControlMessage(msg, wp, lp, &result)) return result;
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace rt::win

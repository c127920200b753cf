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

// Button styles of a check or radio box from its stored settings.
DWORD CheckStyleBits(const CheckProps& p) {
  DWORD style = 0;
  if (p.pushLike) style |= BS_PUSHLIKE;
  if (p.textOnLeft) style |= BS_LEFTTEXT;
  if (p.flat) style |= BS_FLAT;
  if (p.multiLine) style |= BS_MULTILINE;
  if (p.align == CheckProps::kCentre) style |= BS_CENTER;
  if (p.align == CheckProps::kRight) style |= BS_RIGHT;
  if (p.verticalAlign == CheckProps::kTop) style |= BS_TOP;
  if (p.verticalAlign == CheckProps::kBottom) style |= BS_BOTTOM;
  return style;
}
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

bool ApplyButtonTextColor(UINT msg, WPARAM wp, uint32_t textColor, BrushCache* brush, LRESULT* result) {
  if (msg != WM_CTLCOLORSTATIC && msg != WM_CTLCOLORBTN) return false;
  if (IsSystemColor(textColor)) return false;
  *result = ApplyControlColors(reinterpret_cast<HDC>(wp), textColor, COLOR_BTNTEXT, kDefaultColor,
                               COLOR_BTNFACE, brush);
  return true;
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
      tabStop_(params.tmpl ? (params.tmpl->state & unitstate::kTabStop) != 0 : false),
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

DataValue ControlUnit::TextValue(const std::string& stored) const {
  return NewTextValue(hwnd_ ? Text() : stored);
}

void ControlUnit::WriteText(std::string* stored, const DataValue& value) {
  *stored = TextArg(value);
  SetText(*stored);
}

void ControlUnit::WriteColor(uint32_t* stored, const DataValue& value) {
  *stored = uint32_t(IntArg(value));
  Repaint();
}

void ControlUnit::Repaint() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
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

//--- CheckButtonUnit ----------------------------------------------------------------

bool CheckButtonUnit::CreateButtonWindow(DWORD kindStyle) {
  return Create(L"BUTTON", kindStyle | CheckStyleBits(props_), 0, props_.caption, props_.font);
}

bool CheckButtonUnit::GetProperty(int ownIndex, DataValue* out) {
  switch (ownIndex) {
    case kCaption: *out = TextValue(props_.caption); return true;
    case kTextColor: *out = MakeInt(int32_t(props_.textColor)); return true;
    case kPushLike: *out = MakeLogic(props_.pushLike); return true;
    case kTextOnLeft: *out = MakeLogic(props_.textOnLeft); return true;
    case kFlat: *out = MakeLogic(props_.flat); return true;
    case kMultiLine: *out = MakeLogic(props_.multiLine); return true;
    case kAlign: *out = MakeInt(int32_t(props_.align)); return true;
    case kVerticalAlign: *out = MakeInt(int32_t(props_.verticalAlign)); return true;
    default: return false;
  }
}

bool CheckButtonUnit::SetProperty(int ownIndex, const DataValue& value) {
  switch (ownIndex) {
    case kCaption: WriteText(&props_.caption, value); return true;
    case kTextColor: WriteColor(&props_.textColor, value); return true;
    default: return false;
  }
}

bool CheckButtonUnit::OnParentMessage(UINT msg, WPARAM wp, LPARAM, LRESULT* result) {
  return ApplyButtonTextColor(msg, wp, props_.textColor, &brush_, result);
}

}  // namespace rt::win

// The group box: a platform "BUTTON" group frame. Controls inside it are its child
// windows, so the notifications they send their parent arrive here; they are passed on
// to the top-level window, whose routing finds the unit they belong to.
#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/CoreControlsBase.h"

namespace rt::win {

namespace {

enum GroupProp { kCaption = 0, kFont, kTextColor, kAlign, kFlat };

bool IsChildNotification(UINT msg) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return true;
    default: return false;
  }
}

class GroupBoxUnit final : public ControlUnit {
 public:
  GroupBoxUnit(const UnitCreateParams& params, GroupBoxProps props)
      : ControlUnit(params), props_(std::move(props)) {}

  bool Init() {
    DWORD style = BS_GROUPBOX;
    if (props_.align == GroupBoxProps::kCentre) style |= BS_CENTER;
    if (props_.align == GroupBoxProps::kRight) style |= BS_RIGHT;
    if (props_.flat) style |= BS_FLAT;
    // Tab and arrow navigation go into the controls inside.
    return Create(L"BUTTON", style, WS_EX_CONTROLPARENT, props_.caption, props_.font);
  }

  bool GetProperty(int ownIndex, DataValue* out) override {
    switch (ownIndex) {
      case kCaption: *out = TextValue(props_.caption); return true;
      case kTextColor: *out = MakeInt(int32_t(props_.textColor)); return true;
      case kAlign: *out = MakeInt(int32_t(props_.align)); return true;
      case kFlat: *out = MakeLogic(props_.flat); return true;
      default: return false;
    }
  }

  bool SetProperty(int ownIndex, const DataValue& value) override {
    switch (ownIndex) {
      case kCaption: WriteText(&props_.caption, value); return true;
      case kTextColor: WriteColor(&props_.textColor, value); return true;
      default: return false;
    }
  }

  bool OnParentMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
    return ApplyButtonTextColor(msg, wp, props_.textColor, &brush_, result);
  }

 protected:
  bool OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
    if (msg == WM_ERASEBKGND) {
      // The frame control leaves its inside to the window beneath, but the window clips
      // its children, so nobody would paint it: fill it as the window fills its face.
      RECT rc;
      GetClientRect(hwnd_, &rc);
      HBRUSH brush = reinterpret_cast<HBRUSH>(
          SendMessageW(GetParent(hwnd_), WM_CTLCOLORSTATIC, wp, reinterpret_cast<LPARAM>(hwnd_)));
      FillRect(reinterpret_cast<HDC>(wp), &rc, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
      *result = 1;
      return true;
    }
    if (msg == WM_NCHITTEST) {
      // A group frame is normally transparent to the mouse; as a container it must not
      // be, or hit-testing may pass over the controls inside it.
      *result = HTCLIENT;
      return true;
    }
    if (!IsChildNotification(msg)) return false;
    HWND top = GetAncestor(hwnd_, GA_ROOT);
    if (!top || top == hwnd_) return false;
    *result = SendMessageW(top, msg, wp, lp);
    return true;
  }

 private:
  GroupBoxProps props_;
  BrushCache brush_;
};

}  // namespace

std::unique_ptr<Unit> CreateGroupBox(const UnitCreateParams& params) {
  return MakeControlUnit<GroupBoxUnit>(params, ReadGroupBoxProps);
}

}  // namespace rt::win

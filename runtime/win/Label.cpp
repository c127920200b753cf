// The label: a window of our own class that paints its caption (CR LF line breaks,
// optional word wrap, horizontal and vertical alignment) in its font and colours.
#include <windows.h>
// (after windows.h, which it needs)
#include <commctrl.h>

#include <algorithm>

#include "runtime/core/UnitPropertyBlocks.h"
#include "runtime/win/CoreControlsBase.h"
#include "runtime/win/Gbk.h"

namespace rt::win {

namespace {

constexpr wchar_t kLabelClass[] = L"RtLabel";

enum LabelProp {
  kCaption = 0,
  kBorder,
  kTextColor,
  kBackColor,
  kFont,
  kAlign,
  kVerticalAlign,
  kWordWrap,
  kTransparent,
  kDataSource,
  kDataField,
};

bool RegisterLabelClass() {
  static bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcW;  // the unit's subclass does the work
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kLabelClass;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

class LabelUnit final : public ControlUnit {
 public:
  LabelUnit(const UnitCreateParams& params, LabelProps props)
      : ControlUnit(params), props_(std::move(props)) {}

  bool Init() {
    if (!RegisterLabelClass()) return false;
    DWORD style = 0, exStyle = 0;
    if (props_.border == LabelProps::kLineBorder) style |= WS_BORDER;
    if (props_.border == LabelProps::kSunkenBorder) exStyle |= WS_EX_CLIENTEDGE;
    if (props_.transparent) exStyle |= WS_EX_TRANSPARENT;
    return Create(kLabelClass, style, exStyle, props_.caption, props_.font);
  }

  bool GetProperty(int ownIndex, DataValue* out) override {
    switch (ownIndex) {
      case kCaption: *out = TextValue(props_.caption); return true;
      case kBorder: *out = MakeInt(int32_t(props_.border)); return true;
      case kTextColor: *out = MakeInt(int32_t(props_.textColor)); return true;
      case kBackColor: *out = MakeInt(int32_t(props_.backColor)); return true;
      case kAlign: *out = MakeInt(int32_t(props_.align)); return true;
      case kVerticalAlign: *out = MakeInt(int32_t(props_.verticalAlign)); return true;
      case kWordWrap: *out = MakeLogic(props_.wordWrap); return true;
      case kTransparent: *out = MakeLogic(props_.transparent); return true;
      case kDataSource: *out = NewTextValue(props_.dataSource); return true;
      case kDataField: *out = NewTextValue(props_.dataField); return true;
      default: return false;
    }
  }

  bool SetProperty(int ownIndex, const DataValue& value) override {
    switch (ownIndex) {
      case kCaption: WriteText(&props_.caption, value); return true;  // WM_SETTEXT repaints
      case kTextColor: props_.textColor = uint32_t(IntArg(value)); break;
      case kBackColor: props_.backColor = uint32_t(IntArg(value)); break;
      case kAlign: props_.align = Clamp(IntArg(value), LabelProps::kRight); break;
      case kVerticalAlign: props_.verticalAlign = Clamp(IntArg(value), LabelProps::kBottom); break;
      case kWordWrap: props_.wordWrap = LogicArg(value); break;
      case kTransparent: props_.transparent = LogicArg(value); break;
      default: return false;
    }
    Repaint();
    return true;
  }

 protected:
  bool OnControlMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
    switch (msg) {
      case WM_PAINT: Paint(); return true;
      case WM_ERASEBKGND: *result = 1; return true;  // WM_PAINT fills the background
      case WM_SETFONT:
        // The unit keeps owning its font; a font given from outside is only used.
        outsideFont_ = reinterpret_cast<HFONT>(wp);
        if (LOWORD(lp)) InvalidateRect(hwnd_, nullptr, TRUE);
        return true;
      case WM_GETFONT: *result = reinterpret_cast<LRESULT>(CurrentFont()); return true;
      case WM_SETTEXT:
        *result = DefSubclassProc(hwnd_, msg, wp, lp);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return true;
      default: return false;
    }
  }

 private:
  // A written code outside 0 to `last` becomes the nearest one.
  static uint32_t Clamp(int32_t v, uint32_t last) { return v < 0 ? 0 : std::min(uint32_t(v), last); }

  HFONT CurrentFont() const { return outsideFont_ ? outsideFont_ : font_.Handle(); }

  void Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    if (!props_.transparent) {
      if (IsSystemColor(props_.backColor)) {
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      } else {
        FillRect(dc, &client, brush_.Get(ResolveColor(props_.backColor, COLOR_BTNFACE)));
      }
    }
    std::wstring text = GbkToWide(Text());
    if (!text.empty()) {
      HGDIOBJ oldFont = SelectObject(dc, CurrentFont());
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc,
                   ResolveColor(props_.textColor, IsWindowEnabled(hwnd_) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
      UINT flags = DT_NOPREFIX | DT_EXPANDTABS;
      if (props_.align == LabelProps::kCentre) flags |= DT_CENTER;
      if (props_.align == LabelProps::kRight) flags |= DT_RIGHT;
      // Edit-control breaking also splits a run without spaces (Chinese text) that is
      // wider than the label.
      if (props_.wordWrap) flags |= DT_WORDBREAK | DT_EDITCONTROL;
      RECT box = client;
      if (props_.verticalAlign != LabelProps::kTop) {
        RECT measure = client;
        DrawTextW(dc, text.c_str(), int(text.size()), &measure, flags | DT_CALCRECT);
        int spare = (client.bottom - client.top) - (measure.bottom - measure.top);
        // A text taller than the label keeps its first line visible.
        if (spare > 0) box.top += props_.verticalAlign == LabelProps::kMiddle ? spare / 2 : spare;
      }
      DrawTextW(dc, text.c_str(), int(text.size()), &box, flags);
      SelectObject(dc, oldFont);
    }
    EndPaint(hwnd_, &ps);
  }

  LabelProps props_;
  BrushCache brush_;
  HFONT outsideFont_ = nullptr;
};

}  // namespace

std::unique_ptr<Unit> CreateLabel(const UnitCreateParams& params) {
  return MakeControlUnit<LabelUnit>(params, ReadLabelProps);
}

}  // namespace rt::win

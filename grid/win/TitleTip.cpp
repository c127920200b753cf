#include "grid/win/TitleTip.h"

#include <algorithm>

#include "runtime/win/Gbk.h"
#include "runtime/win/ScopedGdi.h"

namespace grid::win {

namespace {
constexpr wchar_t kClass[] = L"ZTitleTip";
}

ZTitleTip::~ZTitleTip() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void ZTitleTip::Show(HWND owner, const RECT& cellRect, const std::string& text, HFONT font,
                     COLORREF textColour, COLORREF backColour, UINT format) {
  static bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = &ZTitleTip::WndProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kClass;
    return RegisterClassExW(&wc) != 0;
  }();
  if (!registered) return;
  if (!hwnd_) {
    hwnd_ =
        CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClass, L"",
                        WS_POPUP | WS_BORDER, 0, 0, 1, 1, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_) return;
  }
  owner_ = owner;
  text_ = text;
  wide_ = rt::win::GbkToWide(text);
  font_ = font;
  text_colour_ = textColour;
  back_colour_ = backColour;
  format_ = (format | DT_NOPREFIX | DT_SINGLELINE) & ~UINT(DT_WORDBREAK);
  SIZE size{};
  {
    rt::win::WindowDc dc(hwnd_);
    rt::win::SelectedObject selected(dc.Get(), font);
    GetTextExtentPoint32W(dc.Get(), wide_.c_str(), int(wide_.size()), &size);
  }
  POINT at{cellRect.left, cellRect.top};
  ClientToScreen(owner, &at);
  shownOver_ = RECT{at.x, at.y, at.x + cellRect.right - cellRect.left, at.y + cellRect.bottom - cellRect.top};
  int width = std::max<int>(size.cx + 8, cellRect.right - cellRect.left);
  int height = std::max<int>(size.cy + 4, cellRect.bottom - cellRect.top);
  SetWindowPos(hwnd_, HWND_TOPMOST, at.x, at.y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(hwnd_, nullptr, TRUE);
  SetCapture(hwnd_);
}

void ZTitleTip::Hide() {
  if (!hwnd_ || !IsWindowVisible(hwnd_)) return;
  if (GetCapture() == hwnd_) ReleaseCapture();
  ShowWindow(hwnd_, SW_HIDE);
}

LRESULT CALLBACK ZTitleTip::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<ZTitleTip*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    created->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<ZTitleTip*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    self->hwnd_ = nullptr;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  return self->Handle(msg, wp, lp);
}

void ZTitleTip::PassButton(UINT msg, WPARAM wp, LPARAM lp) {
  POINT pt{short(LOWORD(lp)), short(HIWORD(lp))};
  ClientToScreen(hwnd_, &pt);
  Hide();
  HWND beneath = WindowFromPoint(pt);
  if (!beneath) return;
  // A second left press within the double-click time goes on as a double-click.
  DWORD now = GetTickCount();
  if (msg == WM_LBUTTONDOWN) {
    if (lastDown_ && now - lastDown_ <= GetDoubleClickTime()) msg = WM_LBUTTONDBLCLK;
    lastDown_ = now;
  }
  LRESULT hit = SendMessageW(beneath, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
  if (hit == HTCLIENT) {
    ScreenToClient(beneath, &pt);
    PostMessageW(beneath, msg, wp, MAKELPARAM(pt.x, pt.y));
  } else {
    // The non-client form of the same button message.
    UINT nc = msg - WM_LBUTTONDOWN + WM_NCLBUTTONDOWN;
    PostMessageW(beneath, nc, WPARAM(hit), MAKELPARAM(pt.x, pt.y));
  }
}

LRESULT ZTitleTip::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      RECT r;
      GetClientRect(hwnd_, &r);
      rt::win::FillSolid(dc, r, back_colour_);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, text_colour_);
      {
        rt::win::SelectedObject selected(dc, font_);
        r.left += 3;
        DrawTextW(dc, wide_.c_str(), int(wide_.size()), &r,
                  (format_ & ~UINT(DT_RIGHT | DT_CENTER)) | DT_VCENTER);
      }
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_MOUSEMOVE: {
      POINT pt{short(LOWORD(lp)), short(HIWORD(lp))};
      ClientToScreen(hwnd_, &pt);
      if (!PtInRect(&shownOver_, pt)) {
        Hide();
        HWND beneath = WindowFromPoint(pt);
        if (beneath) {
          ScreenToClient(beneath, &pt);
          PostMessageW(beneath, WM_MOUSEMOVE, wp, MAKELPARAM(pt.x, pt.y));
        }
      }
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: PassButton(msg, wp, lp); return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      Hide();
      if (owner_) PostMessageW(owner_, msg, wp, lp);
      return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lp) != hwnd_ && IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
      return 0;
    default: break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace grid::win

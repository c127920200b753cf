#include "runtime/win/WindowUnit.h"

#include <iterator>

#include "runtime/core/Blocks.h"
#include "runtime/core/IconDirectory.h"
#include "runtime/win/Gbk.h"

namespace rt::win {

const wchar_t kWindowClassName[] = L"KXWindow";

namespace {

constexpr int kWindowPropertyCount = 32;
constexpr int kCaptionIndex = 0;  // own property 0 (property 8 of the window)

struct WindowKinds {
  int kinds[kWindowPropertyCount];
  constexpr WindowKinds() : kinds() {
    for (int i = 0; i < kCommonPropertyCount; ++i) kinds[i] = kCommonPropertyKinds[i];
    for (int i = kCommonPropertyCount; i < kWindowPropertyCount; ++i) kinds[i] = propkind::kInteger;
    kinds[kCommonPropertyCount + kCaptionIndex] = propkind::kText;
  }
};
constexpr WindowKinds kWindowKinds;
constexpr int kMenuItemKinds[4] = {propkind::kText, propkind::kLogic, propkind::kLogic, propkind::kLogic};

std::wstring CaptionOf(const WindowProps& p) { return GbkToWide(p.caption); }

}  // namespace

const UnitTypeInfo kWindowType = {
    "窗口", "window", 0x800000D0, kWindowPropertyCount, kWindowKinds.kinds, &WindowUnit::Create};
const UnitTypeInfo kMenuItemType = {"菜单",         "menu", 0x80000004, int(std::size(kMenuItemKinds)),
                                    kMenuItemKinds, nullptr};

bool RegisterWindowClass() {
  static ATOM atom = 0;
  if (atom) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;  // 11
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, kArrowCursor);
  wc.hbrBackground = nullptr;
  wc.lpszClassName = kWindowClassName;
  atom = RegisterClassExW(&wc);
  return atom != 0;
}

DWORD WindowStyleOf(const WindowProps& p, bool disabled) {
  DWORD style = WS_CLIPCHILDREN;
  switch (p.border) {
    case WindowProps::kNoFrame: style |= WS_POPUP; break;
    case WindowProps::kFixedSingleFrame: style |= WS_OVERLAPPED | WS_CAPTION | WS_BORDER; break;
    case WindowProps::kFixedDialogFrame: style |= WS_OVERLAPPED | WS_CAPTION | WS_DLGFRAME; break;
    default: style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; break;  // sizable, and unknown codes
  }
  if (p.border != WindowProps::kNoFrame && p.controlBox) {
    style |= WS_SYSMENU;
    if (p.minButton) style |= WS_MINIMIZEBOX;
    if (p.maxButton) style |= WS_MAXIMIZEBOX;
  }
  if (disabled) style |= WS_DISABLED;
  return style;
}

HICON IconFromFileBytes(const std::vector<uint8_t>& file, int size) {
  IconDirectory dir;
  if (!ReadIconDirectory(file.data(), file.size(), &dir) || dir.isCursor) return nullptr;
  int best = BestIconImage(dir, size);
  if (best < 0) return nullptr;
  const IconImage& img = dir.images[size_t(best)];
  // The image bytes are read, not written, despite the platform's signature.
  auto* bits = const_cast<uint8_t*>(file.data() + img.offset);
  return CreateIconFromResourceEx(bits, DWORD(img.size), TRUE, kIconResourceVersion, size, size,
                                  LR_DEFAULTCOLOR);
}

std::unique_ptr<Unit> WindowUnit::Create(const UnitCreateParams& params) {
  std::unique_ptr<WindowUnit> unit(new WindowUnit());
  if (!ReadWindowProps(params.block, params.blockLength, &unit->props_)) return nullptr;
  if (!RegisterWindowClass()) return nullptr;

  std::wstring className =
      unit->props_.className.empty() ? kWindowClassName : GbkToWide(unit->props_.className);
  RECT r = params.rect;
  int width = r.right - r.left, height = r.bottom - r.top;
  if (unit->props_.startPosition == 1) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    r.left = work.left + ((work.right - work.left) - width) / 2;
    r.top = work.top + ((work.bottom - work.top) - height) / 2;
  }
  unit->hwnd_ = CreateWindowExW(0, className.c_str(), CaptionOf(unit->props_).c_str(),
                                WindowStyleOf(unit->props_, params.disabled), r.left, r.top, width, height,
                                params.parent, params.menu, GetModuleHandleW(nullptr), nullptr);
  if (!unit->hwnd_) return nullptr;

  unit->bigIcon_ = IconFromFileBytes(unit->props_.icon, GetSystemMetrics(SM_CXICON));
  unit->smallIcon_ = IconFromFileBytes(unit->props_.icon, GetSystemMetrics(SM_CXSMICON));
  if (unit->bigIcon_) SendMessageW(unit->hwnd_, WM_SETICON, ICON_BIG, LPARAM(unit->bigIcon_));
  if (unit->smallIcon_) SendMessageW(unit->hwnd_, WM_SETICON, ICON_SMALL, LPARAM(unit->smallIcon_));
  return unit;
}

WindowUnit::~WindowUnit() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  if (bigIcon_) DestroyIcon(bigIcon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
}

bool WindowUnit::GetProperty(int ownIndex, DataValue* out) {
  if (ownIndex != kCaptionIndex) return false;
  *out = MakeTextPointer(NewText(WindowTextGbk(hwnd_)));
  return true;
}

bool WindowUnit::SetProperty(int ownIndex, const DataValue& value) {
  if (ownIndex != kCaptionIndex || value.type != tag::kText) return false;
  props_.caption = TextOf(value);
  SetWindowTextW(hwnd_, CaptionOf(props_).c_str());
  return true;
}

void WindowUnit::EraseBackground(HDC dc) const {
  RECT r;
  GetClientRect(hwnd_, &r);
  COLORREF color =
      props_.backColor == kDefaultColor ? GetSysColor(COLOR_BTNFACE) : COLORREF(props_.backColor & 0xFFFFFF);
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

}  // namespace rt::win

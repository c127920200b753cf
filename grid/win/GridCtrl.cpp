// The grid window: construction with the system's colours and font, the window class,
// message routing, settings with window side effects and the model's repaint hooks.
#include "grid/win/GridCtrl.h"

#include <algorithm>
#include <cwchar>

#include "grid/core/GridNavigation.h"
#include "grid/win/CellPainter.h"
#include "grid/win/GridEditors.h"
#include "grid/win/TitleTip.h"
#include "runtime/win/Font.h"
#include "runtime/win/ScopedGdi.h"

namespace grid::win {

namespace {

constexpr wchar_t kClassName[] = L"MYGridCtrl";

SystemDefaults CurrentSystemDefaults() {
  SystemDefaults d;
  LOGFONTW lf{};
  if (GetObjectW(rt::win::DefaultGuiFont(), sizeof lf, &lf)) d.font = FromLogFontW(lf);
  d.windowText = GetSysColor(COLOR_WINDOWTEXT);
  d.window = GetSysColor(COLOR_WINDOW);
  d.buttonFace = GetSysColor(COLOR_BTNFACE);
  d.highlight = GetSysColor(COLOR_HIGHLIGHT);
  d.buttonShadow = GetSysColor(COLOR_BTNSHADOW);
  return d;
}

// Lines per wheel notch from the user's desktop settings; 3 when not set.
int ReadWheelLines() {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, KEY_READ, &key) != ERROR_SUCCESS)
    return 3;
  wchar_t value[32] = {};
  DWORD size = sizeof value - sizeof(wchar_t), type = 0;
  LONG rc = RegQueryValueExW(key, L"WheelScrollLines", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS || type != REG_SZ) return 3;
  wchar_t* end = nullptr;
  long lines = wcstol(value, &end, 10);
  if (end == value) return 3;
  return int(std::max(-1L, std::min(lines, 1000L)));
}

}  // namespace

CGridCtrl::CGridCtrl()
    : model_(CurrentSystemDefaults()),
      screenLayout_(std::make_unique<GridLayout>(model_)),
      fonts_(std::make_unique<FontCache>()),
      titleTip_(std::make_unique<ZTitleTip>()),
      system_(CurrentSystemDefaults()) {
  model_.SetRepaint(this);
  wheel_.lines = ReadWheelLines();
}

CGridCtrl::~CGridCtrl() {
  model_.SetRepaint(nullptr);
  edit_.editor.reset();
  titleTip_.reset();
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, 0, 0);
    DestroyWindow(hwnd_);
  }
}

bool CGridCtrl::CreateWnd(HWND parent, DWORD style, const RECT& rect, int childId) {
  // Registered on first use: double-clicks, redraw on resizing, the arrow cursor and
  // no background brush (the grid paints every pixel itself).
  static bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kClassName, &wc)) return true;
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &CGridCtrl::WndProc;
    wc.cbWndExtra = sizeof(void*);
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
  }();
  if (!registered || hwnd_) return false;
  HWND hwnd = CreateWindowExW(0, kClassName, L"", style | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                              rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                              reinterpret_cast<HMENU>(INT_PTR(childId)), GetModuleHandleW(nullptr), this);
  if (!hwnd) return false;
  // The screen's scale for printing, and the font's default sizes.
  model_.SetScreenScale(float(254.0 / GetDeviceCaps(rt::win::WindowDc(hwnd).Get(), LOGPIXELSX)));
  SetGridFont(model_.GridFont());
  RECT client;
  GetClientRect(hwnd, &client);
  screenLayout_->SetClientSize(client.right, client.bottom);
  UpdateScrollBars();
  return true;
}

std::unique_ptr<CGridCtrl> CGridCtrl::Create(HWND parent, DWORD style, const RECT& rect, int childId) {
  auto grid = std::make_unique<CGridCtrl>();
  if (!grid->CreateWnd(parent, style, rect, childId)) return nullptr;
  return grid;
}

CGridCtrl* CGridCtrl::FromHwnd(HWND hwnd) {
  wchar_t name[32] = {};
  if (!hwnd || !GetClassNameW(hwnd, name, 32) || wcscmp(name, kClassName) != 0) return nullptr;
  return reinterpret_cast<CGridCtrl*>(GetWindowLongPtrW(hwnd, 0));
}

LRESULT CALLBACK CGridCtrl::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<CGridCtrl*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(created));
    if (created) created->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<CGridCtrl*>(GetWindowLongPtrW(hwnd, 0));
  if (!self || !self->hwnd_) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    self->edit_.editor.reset();
    self->hwnd_ = nullptr;
    SetWindowLongPtrW(hwnd, 0, 0);
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  return self->HandleMessage(msg, wp, lp);
}

bool CGridCtrl::HandleInputMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
  POINT pt{short(LOWORD(lp)), short(HIWORD(lp))};
  *result = 0;
  switch (msg) {
    case WM_LBUTTONDOWN: OnLButtonDown(pt, wp); return true;
    case WM_LBUTTONUP: OnLButtonUp(pt); return true;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(pt); return true;
    case WM_RBUTTONUP: return true;
    case WM_MOUSEMOVE: OnMouseMove(pt, wp); return true;
    case WM_MOUSEWHEEL: OnMouseWheel(short(HIWORD(wp))); return true;
    case WM_SETCURSOR: *result = TRUE; return LOWORD(lp) == HTCLIENT && OnSetCursor();
    case WM_KEYDOWN: OnKeyDown(UINT(wp)); return true;
    case WM_CHAR: OnChar(UINT(wp)); return true;
    case WM_TIMER:
      if (wp == kAutoScrollTimer) OnTimer();
      return true;
    case WM_GETDLGCODE:
      *result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
      return true;
    default: return false;
  }
}

LRESULT CGridCtrl::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (HandleInputMessage(msg, wp, lp, &result)) return result;
  switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: OnSize(); return 0;
    case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wp)); return 0;
    case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wp)); return 0;
    case WM_SETFONT: {
      LOGFONTW lf{};
      if (wp && GetObjectW(reinterpret_cast<HFONT>(wp), sizeof lf, &lf)) SetGridFont(FromLogFontW(lf));
      return 0;
    }
    case WM_GETFONT: return reinterpret_cast<LRESULT>(fonts_->Get(model_.GridFont()));
    // Focus moving between the grid and its own editor is no focus change of the grid.
    case WM_SETFOCUS:
      if (sink_ && !IsChild(hwnd_, reinterpret_cast<HWND>(wp))) sink_->FocusGained();
      return 0;
    case WM_KILLFOCUS:
      titleTip_->Hide();
      if (sink_ && !IsChild(hwnd_, reinterpret_cast<HWND>(wp))) sink_->FocusLost();
      return 0;
    case WM_COPY: CopyToClipboard(); return 0;
    case WM_CUT: CutToClipboard(); return 0;
    case WM_PASTE: PasteFromClipboard(); return 0;
    case WM_SYSCOLORCHANGE: FollowSystemColours(); return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lp) != hwnd_) OnCaptureLost();
      return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
      if (edit_.editor && edit_.editor->OnParentMessage(msg, wp, lp, &result)) return result;
      break;
    default:
      if (msg == kEditorFinishedMessage) {
        OnEditorFinished(UINT(wp), lp != 0);
        return 0;
      }
      break;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

//--- Settings ---------------------------------------------------------------------

void CGridCtrl::SetGridFont(const LogFont& font) {
  model_.SetGridFont(font);
  if (!hwnd_) return;
  // Default sizes follow the font: height + height / 4 + external leading, and room
  // for six average characters and two spaces.
  TEXTMETRICW tm{};
  SIZE space{};
  {
    rt::win::WindowDc dc(hwnd_);
    rt::win::SelectedObject selected(dc.Get(), fonts_->Get(font));
    GetTextMetricsW(dc.Get(), &tm);
    GetTextExtentPoint32W(dc.Get(), L" ", 1, &space);
  }
  model_.SetDefaultRowHeight(tm.tmHeight + tm.tmHeight / 4 + tm.tmExternalLeading);
  model_.SetDefaultColWidth(2 * (space.cx + 6 * tm.tmAveCharWidth));
  RepaintAll();
}

void CGridCtrl::SetLineType(int type) {
  model_.Settings().lineType = type;
  RepaintAll();
}

void CGridCtrl::SetLineWidth(int width) {
  model_.Settings().lineWidth = std::max(0, width);
  RepaintAll();
}

void CGridCtrl::SetAllRowHeights(int height) {
  for (int r = 0; r < model_.RowCount(); ++r) model_.SetRowHeight(r, height);
  LayoutChanged();
}

void CGridCtrl::SetAllColWidths(int width) {
  for (int c = 0; c < model_.ColCount(); ++c) model_.SetColWidth(c, width);
  LayoutChanged();
}

void CGridCtrl::FollowSystemColours() {
  SystemDefaults now = CurrentSystemDefaults();
  GridSettings& s = model_.Settings();
  auto follow = [](Colour& value, Colour was, Colour is) {
    if (value == was) value = is;
  };
  follow(s.textColor, system_.windowText, now.windowText);
  follow(s.bkColor, system_.window, now.window);
  follow(s.fixedTextColor, system_.windowText, now.windowText);
  follow(s.fixedBkColor, system_.buttonFace, now.buttonFace);
  follow(s.shadowColor, system_.buttonShadow, now.buttonShadow);
  system_ = now;
  RepaintAll();
}

//--- Repaint hooks -----------------------------------------------------------------

void CGridCtrl::RepaintCell(int row, int col) {
  if (!hwnd_) return;
  CellPos m = MasterOf(model_, CellPos{row, col});
  GridLayout& layout = ScreenLayout();
  Rect r = layout.DrawRect(m.row, m.col);
  // The focus frame reaches one pixel beyond the fill, which starts one pixel left.
  RECT rc{r.left - 2, r.top - 2, r.right + 2, r.bottom + 2};
  // A cell scrolled out of sight needs no paint; filling a long grid would otherwise
  // ask the system to invalidate thousands of empty areas.
  if (rc.right <= 0 || rc.bottom <= 0 || rc.left >= layout.ClientWidth() || rc.top >= layout.ClientHeight())
    return;
  InvalidateRect(hwnd_, &rc, FALSE);
}

void CGridCtrl::RepaintAll() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void CGridCtrl::LayoutChanged() {
  screenLayout_->MarkStale();
  if (!hwnd_) return;
  UpdateScrollBars();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

GridLayout& CGridCtrl::ScreenLayout() {
  screenLayout_->Refresh();
  return *screenLayout_;
}

int CGridCtrl::TopRow() const { return screenLayout_->Scroll().topRow; }
int CGridCtrl::LeftCol() const { return screenLayout_->Scroll().leftCol; }

RECT CGridCtrl::CellRect(int row, int col) {
  Rect r = ScreenLayout().DrawRect(row, col);
  return RECT{r.left, r.top, r.right, r.bottom};
}

HWND CGridCtrl::EditorHwnd() const { return edit_.editor ? edit_.editor->Hwnd() : nullptr; }

}  // namespace grid::win

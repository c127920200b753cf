#include "calendar/win/Calendar.h"

#include <windowsx.h>

#include "calendar/core/CalendarLists.h"
#include "calendar/core/DateTimeParts.h"
#include "calendar/core/LunarFormat.h"
#include "calendar/core/MonthGridGeometry.h"
#include "calendar/win/CalendarNotify.h"
#include "calendar/win/CalendarPainter.h"
#include "calendar/win/DrawingContext.h"
#include "calendar/win/OffscreenBuffer.h"

namespace cal::win {

namespace {

constexpr wchar_t kClassName[] = L"CCalendar";
constexpr UINT kClassStyles = 0x82B;        // redraw on size, double clicks, own context, save bits
constexpr DWORD kWindowStyle = 0x54010000;  // visible child, clipping siblings, tab stop

bool RegisterCalendarClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = kClassStyles;
    wc.lpfnWndProc = DefWindowProcW;  // replaced per window once it knows its object
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

RECT ToRect(const PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

CCalendar::CCalendar() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  grid_.Select(GregorianDate{now.wYear, now.wMonth, now.wDay}, false);
}

CCalendar::~CCalendar() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool CCalendar::Create(HWND parent, int x, int y, int controlId, HWND owner) {
  if (!RegisterCalendarClass()) return false;
  owner_ = owner;
  hwnd_ = CreateWindowExW(0, kClassName, L"", kWindowStyle, x, y, kGridWidth, kGridHeight, parent,
                          reinterpret_cast<HMENU>(INT_PTR(controlId)), GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CCalendar::WndProc));
  return true;
}

bool CCalendar::SetSelected(const GregorianDate& date, bool notify) {
  return Selected(grid_.Select(date, notify), notify);
}

bool CCalendar::SetSelectedLunar(const LunarDate& lunar, bool notify) {
  return Selected(grid_.SelectLunar(lunar, notify), notify);
}

bool CCalendar::SelectFromLists(int yearIndex, int monthIndex, bool notify) {
  return Selected(cal::SelectFromLists(grid_, yearIndex, monthIndex, notify), notify);
}

bool CCalendar::Selected(SelectResult result, bool notify) {
  if (result == SelectResult::kRejected) return false;
  if (result == SelectResult::kUnchanged) return true;
  if (notify && owner_) PostMessageW(owner_, kCalendarNotifyMessage, calnotify::kSelectionSet, 0);
  Redraw();
  return true;
}

void CCalendar::SetLayout(CalendarLayout layout) {
  grid_.SetLayout(layout);
  SetHot(-1);
  Redraw();
}

LRESULT CALLBACK CCalendar::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<CCalendar*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  return self->OnMessage(msg, wp, lp);
}

LRESULT CCalendar::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;  // everything is painted from the buffer
    case WM_MOUSEMOVE: OnMouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      SetHot(-1);
      return 0;
    case WM_LBUTTONUP: {
      int cell = ShownCellAt(lp);
      if (cell < 0) return 0;
      HWND owner = owner_;
      SetSelected(grid_.Cell(cell).date, true);
      if (owner)
        PostMessageW(owner, kCalendarNotifyMessage, calnotify::kCellClicked, PackDate(grid_.Selected()));
      return 0;
    }
    case WM_RBUTTONUP: {
      int cell = ShownCellAt(lp);
      if (cell >= 0 && owner_)
        SendMessageW(owner_, kCalendarNotifyMessage, calnotify::kCellRightClicked,
                     PackDate(grid_.Cell(cell).date));
      return 0;
    }
    default: return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

int CCalendar::ShownCellAt(LPARAM lp) const {
  int cell = CellAt(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
  return cell >= 0 && grid_.Cell(cell).inShownMonth ? cell : -1;
}

void CCalendar::OnMouseMove(int x, int y) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, hwnd_, 0};
    trackingLeave_ = TrackMouseEvent(&tme) != FALSE;
  }
  int cell = CellAt(x, y);
  SetHot(cell >= 0 && grid_.Cell(cell).inShownMonth ? cell : -1);
}

void CCalendar::SetHot(int cell) {
  if (cell == hot_) return;  // nothing is redrawn while the mouse stays in its cell
  int previous = hot_;
  hot_ = cell;
  if (previous >= 0) RedrawCell(previous);
  if (cell < 0) {
    hoverText_.clear();
  } else {
    const DayCell& day = grid_.Cell(cell);
    hoverText_ = FormatLunarText(MakeDateTime(day.date, 23, 59, 59), kDefaultLunarPattern);
    RedrawCell(cell);
  }
  if (hwnd_) {
    RECT status = ToRect(StatusBandRect());
    InvalidateRect(hwnd_, &status, FALSE);
  }
  if (cell >= 0 && owner_)
    SendMessageW(owner_, kCalendarNotifyMessage, calnotify::kCellHovered, PackDate(grid_.Cell(cell).date));
}

void CCalendar::Redraw() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void CCalendar::RedrawCell(int cell) {
  if (!hwnd_) return;
  RECT r = ToRect(CellRect(cell));
  InvalidateRect(hwnd_, &r, FALSE);
}

void CCalendar::Paint() {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(hwnd_, &ps);
  if (!painting_ && target) {
    painting_ = true;  // a paint that starts while one runs is skipped
    CalendarTexts texts{grid_.TermsText(), hoverText_};
    OffscreenBuffer buffer(target, kGridWidth, kGridHeight);
    {
      DrawingContext dc(buffer.Dc() ? buffer.Dc() : target);
      PaintCalendar(dc, grid_, hot_, texts);
    }
    buffer.CopyTo(target);
    if (hot_ >= 0) {
      DrawingContext dc(target);
      SelectCalendarFont(dc);
      PaintCell(dc, grid_.Cell(hot_), hot_, CellState::kHot);
    }
    painting_ = false;
  }
  EndPaint(hwnd_, &ps);
}

}  // namespace cal::win

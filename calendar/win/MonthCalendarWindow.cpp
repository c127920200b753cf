#include "calendar/win/MonthCalendarWindow.h"

#include <vector>

#include "calendar/core/CalendarLists.h"
#include "calendar/core/DateTimeParts.h"
#include "calendar/core/LunarFormat.h"
#include "calendar/core/MonthGridGeometry.h"
#include "calendar/win/CalendarNotify.h"
#include "calendar/win/DrawingContext.h"
#include "resources/CalendarResource.h"
#include "runtime/win/Font.h"
#include "runtime/win/Gbk.h"

namespace cal::win {

namespace {

constexpr COLORREF kBandColor = RGB(134, 138, 182);
constexpr COLORREF kBandText = RGB(255, 255, 255);
constexpr int kBandTextLeft = 175;
constexpr int kBandTextRightInset = 5;
// The lists in the band, in pixels (the height is the dropped-down one).
constexpr RECT kYearListRect{3, 4, 105, 250};
constexpr RECT kMonthListRect{107, 4, 168, 200};

void PlaceList(HWND list, const RECT& r) {
  MoveWindow(list, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
  SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(rt::win::DefaultGuiFont()), FALSE);
}

void FillList(HWND list, const std::vector<std::string>& items) {
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    std::wstring wide = rt::win::GbkToWide(item);
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

int ListSelection(HWND list) { return int(SendMessageW(list, CB_GETCURSEL, 0, 0)); }
int ListCount(HWND list) { return int(SendMessageW(list, CB_GETCOUNT, 0, 0)); }
void SetListSelection(HWND list, int index) { SendMessageW(list, CB_SETCURSEL, WPARAM(index), 0); }

}  // namespace

CMonthCalendarWnd::~CMonthCalendarWnd() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    DestroyWindow(hwnd_);
  }
}

bool CMonthCalendarWnd::Create(HWND parent) {
  parent_ = parent;
  HWND made = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(CNCALENDAR_IDD_MONTHCALENDARWND),
                                 parent, &CMonthCalendarWnd::DialogProc, reinterpret_cast<LPARAM>(this));
  if (!made) return false;
  if (!calendar_.Hwnd()) {  // the grid or a list could not be made
    DestroyWindow(made);
    hwnd_ = nullptr;
    return false;
  }
  ShowWindow(hwnd_, SW_SHOWNA);
  return true;
}

INT_PTR CALLBACK CMonthCalendarWnd::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    auto* self = reinterpret_cast<CMonthCalendarWnd*>(lp);
    SetWindowLongPtrW(hwnd, DWLP_USER, lp);
    self->hwnd_ = hwnd;
    self->OnInit();
    return FALSE;  // the focus stays where it is
  }
  auto* self = reinterpret_cast<CMonthCalendarWnd*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self) return FALSE;
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
    return FALSE;
  }
  return self->OnMessage(msg, wp, lp);
}

bool CMonthCalendarWnd::OnInit() {
  yearList_ = GetDlgItem(hwnd_, CNCALENDAR_IDC_YEARLIST);
  monthList_ = GetDlgItem(hwnd_, CNCALENDAR_IDC_MONTHLIST);
  if (!yearList_ || !monthList_) return false;
  PlaceList(yearList_, kYearListRect);
  PlaceList(monthList_, kMonthListRect);
  if (!calendar_.Create(hwnd_, 0, kTopBandHeight, CNCALENDAR_IDC_CALENDAR, hwnd_)) return false;
  Resize();
  FillYearList();
  SyncToSelection();
  return true;
}

INT_PTR CMonthCalendarWnd::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, 1);
      return TRUE;  // the band is painted whole in WM_PAINT, the rest is the grid
    case WM_PAINT: PaintBand(); return TRUE;
    case WM_COMMAND:
      if (HIWORD(wp) == CBN_SELCHANGE &&
          (LOWORD(wp) == CNCALENDAR_IDC_YEARLIST || LOWORD(wp) == CNCALENDAR_IDC_MONTHLIST))
        OnListChosen(LOWORD(wp) == CNCALENDAR_IDC_YEARLIST);
      return TRUE;
    case kCalendarNotifyMessage: {
      if (wp == calnotify::kCellClicked || wp == calnotify::kSelectionSet) SyncToSelection();
      // A handler behind the parent may close the window: nothing of this object after.
      HWND self = hwnd_;
      LRESULT r = parent_ ? SendMessageW(parent_, kCalendarNotifyMessage, wp, lp) : 0;
      if (IsWindow(self)) SetWindowLongPtrW(self, DWLP_MSGRESULT, r);
      return TRUE;
    }
    default: return FALSE;
  }
}

bool CMonthCalendarWnd::Select(const GregorianDate& date, bool notify) {
  if (!calendar_.SetSelected(date, notify)) return false;
  SyncToSelection();
  return true;
}

bool CMonthCalendarWnd::SelectLunar(const LunarDate& lunar, bool notify) {
  if (!calendar_.SetSelectedLunar(lunar, notify)) return false;
  SyncToSelection();
  return true;
}

void CMonthCalendarWnd::SetLayout(CalendarLayout layout) {
  calendar_.SetLayout(layout);
  FillYearList();
  listedYear_ = 0;  // the month list is refilled for the selection
  SendMessageW(monthList_, CB_SETCURSEL, WPARAM(-1), 0);
  SyncToSelection();
}

void CMonthCalendarWnd::SetPattern(const std::string& pattern) {
  pattern_ = pattern;
  SyncToSelection();
}

void CMonthCalendarWnd::SetBandShown(bool shown) {
  if (shown == bandShown_) return;
  bandShown_ = shown;
  Resize();
}

void CMonthCalendarWnd::Resize() {
  int band = bandShown_ ? kTopBandHeight : 0;
  SetWindowPos(hwnd_, nullptr, 0, 0, kGridWidth, kGridHeight + band,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(calendar_.Hwnd(), nullptr, 0, band, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(yearList_, bandShown_ ? SW_SHOWNA : SW_HIDE);
  ShowWindow(monthList_, bandShown_ ? SW_SHOWNA : SW_HIDE);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void CMonthCalendarWnd::FillYearList() { FillList(yearList_, YearListItems(calendar_.Grid().Layout())); }

void CMonthCalendarWnd::FillMonthList(int year) {
  CalendarLayout layout = calendar_.Grid().Layout();
  int kept = ListSelection(monthList_);
  FillList(monthList_, MonthListItems(layout, year));
  listedYear_ = year;
  if (kept >= 0 && kept < ListCount(monthList_)) {
    SetListSelection(monthList_, kept);
    return;
  }
  const MonthGrid& grid = calendar_.Grid();
  int month = layout == CalendarLayout::kGregorian ? grid.Selected().month : grid.SelectedLunar().month;
  bool leap = layout == CalendarLayout::kLunar && grid.SelectedLunar().leap;
  SetListSelection(monthList_, MonthListIndexOf(layout, ListedLeapMonth(layout, year), month, leap));
}

void CMonthCalendarWnd::SyncToSelection() {
  const MonthGrid& grid = calendar_.Grid();
  int yearIndex = YearListIndex(grid);
  SetListSelection(yearList_, yearIndex);
  int year = grid.Layout() == CalendarLayout::kGregorian ? grid.Selected().year : grid.SelectedLunar().year;
  if (year != listedYear_) FillMonthList(year);
  SetListSelection(monthList_, MonthListIndex(grid));

  const std::string& pattern = pattern_.empty() ? std::string(kDefaultLunarPattern) : pattern_;
  bandText_ = FormatLunarText(MakeDateTime(grid.Selected(), 23, 59, 59), pattern);
  if (hwnd_) {
    RECT band{0, 0, kGridWidth, kTopBandHeight};
    InvalidateRect(hwnd_, &band, FALSE);
  }
}

void CMonthCalendarWnd::OnListChosen(bool yearList) {
  int yearIndex = ListSelection(yearList_);
  if (yearIndex < 0) return;
  if (yearList) FillMonthList(kFirstListedYear + yearIndex);
  calendar_.SelectFromLists(yearIndex, ListSelection(monthList_), true);
  SyncToSelection();  // also puts the lists back after a choice that was refused
}

void CMonthCalendarWnd::PaintBand() {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(hwnd_, &ps);
  if (target && bandShown_) {
    DrawingContext dc(target);
    dc.SetPen(kBandColor);
    dc.SetBrush(kBandColor);
    dc.Rectangle(PixelRect{0, 0, kGridWidth, kTopBandHeight});
    dc.SetFont(-12);
    dc.Text(PixelRect{kBandTextLeft, 0, kGridWidth - kBandTextRightInset, kTopBandHeight}, bandText_,
            DT_RIGHT | DT_VCENTER | DT_SINGLELINE, kBandText);
  }
  EndPaint(hwnd_, &ps);
}

}  // namespace cal::win

// CMonthCalendarWnd: the month calendar window, a child dialog holding the day grid
// under a 30-pixel band with the year and month lists and the selected day's
// description. It keeps the lists and the band text in step with the selection and
// passes the grid's notifications on to its parent.
#pragma once

#include <windows.h>

#include <string>

#include "calendar/win/Calendar.h"

namespace cal::win {

constexpr int kTopBandHeight = 30;

class CMonthCalendarWnd {
 public:
  CMonthCalendarWnd() = default;
  ~CMonthCalendarWnd();
  CMonthCalendarWnd(const CMonthCalendarWnd&) = delete;
  CMonthCalendarWnd& operator=(const CMonthCalendarWnd&) = delete;

  // Makes the window (dialog CNCALENDAR_IDD_MONTHCALENDARWND of the program's
  // resources) at (0, 0) of `parent`, which receives the notifications. False when the
  // template or a control could not be made.
  bool Create(HWND parent);
  HWND Hwnd() const { return hwnd_; }
  CCalendar& Calendar() { return calendar_; }
  const CCalendar& Calendar() const { return calendar_; }

  // Selection, with the owner notified for a property write; false when rejected.
  bool Select(const GregorianDate& date, bool notify = true);
  bool SelectLunar(const LunarDate& lunar, bool notify = true);

  void SetLayout(CalendarLayout layout);  // and refills the lists
  // Empty means the default pattern.
  void SetPattern(const std::string& pattern);
  const std::string& Pattern() const { return pattern_; }
  void SetBandShown(bool shown);  // shows or hides the band and resizes
  bool BandShown() const { return bandShown_; }

  const std::string& BandText() const { return bandText_; }
  HWND YearList() const { return yearList_; }
  HWND MonthList() const { return monthList_; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  bool OnInit();
  void PaintBand();
  void FillYearList();
  void FillMonthList(int lunarYear);  // keeps the item chosen, else the selected month's
  void SyncToSelection();             // lists and band text follow the selection
  void OnListChosen(bool yearList);
  void Resize();

  HWND hwnd_ = nullptr;
  HWND parent_ = nullptr;
  HWND yearList_ = nullptr, monthList_ = nullptr;
  CCalendar calendar_;
  bool bandShown_ = true;
  std::string pattern_;
  std::string bandText_;
  int listedYear_ = 0;  // the year the month list was filled for
};

}  // namespace cal::win
